// The built-in synthesizer as the window sees it.
#pragma once

#include "sound/midi_output.h"

namespace corvanta {

// The built-in synthesizer as the window sees it, whichever library plays
// it: an output whose soundfont loads in the background, silent until it
// has loaded and for good without a soundfont or an audio device.
class BuiltInSynth : public MidiOutput {
 public:
  // Whether loading has ended, with or without a sound: never waits.
  virtual bool Loaded() const = 0;
  // Whether it sounds.
  virtual bool Ready() const = 0;
  virtual void WaitUntilLoaded() = 0;
};

// The synthesizer module's table: create makes a new synthesizer, owned by
// the caller.
struct SynthOutputModule {
  BuiltInSynth* (*create)();
};
inline constexpr const char* kSynthOutputModuleName = "libcorvanta-synth-output.so";

}  // namespace corvanta
