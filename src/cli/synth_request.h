// What strum --wav asks the synthesizer module to render.
#pragma once

#include <string>
#include <vector>

#include "sound/strum.h"

namespace corvanta::cli {

// What strum --wav asks the synthesizer module for: the calls played and
// the sound that follows them, rendered into a WAV file's bytes. The module
// (FluidSynth and its libraries) is loaded only by this command.
struct SynthRequest {
  std::vector<MidiCall> calls;
  std::string soundfont;
  int tailMs = 0;
};

// The module's table: render fills wav and returns true, or returns false
// when the soundfont cannot be loaded.
struct RenderModule {
  bool (*render)(const SynthRequest&, std::string& wav);
};
inline constexpr const char* kSynthModuleName = "libcorvanta-synth.so";

}  // namespace corvanta::cli
