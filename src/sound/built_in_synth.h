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

// What the synthesizer module gives the window: a new synthesizer, owned by
// the caller (a plain function, so that it crosses dlopen's boundary).
using CreateBuiltInSynth = BuiltInSynth* (*)();
inline constexpr const char* kSynthOutputModuleName = "libcorvanta-synth-output.so";
inline constexpr const char* kSynthOutputEntryName = "corvanta_synth_output_entry";

}  // namespace corvanta
