// The window's built-in synthesizer as a module: FluidSynth and its many
// libraries are loaded only when the window first needs a sound.
#include "sound/fluidsynth/fluidsynth_output.h"

namespace {

corvanta::BuiltInSynth* Create() { return new corvanta::FluidSynthOutput(); }

}  // namespace

extern "C" __attribute__((visibility("default"))) void* corvanta_synth_output_entry() {
  return reinterpret_cast<void*>(&Create);
}
