// The window's built-in synthesizer as a module: FluidSynth and its many
// libraries are loaded only when the window first needs a sound.
#include "modules/module_loader.h"
#include "sound/fluidsynth/fluidsynth_output.h"

namespace {

corvanta::BuiltInSynth* Create() { return new corvanta::FluidSynthOutput(); }

const corvanta::SynthOutputModule kTable{&Create};

}  // namespace

CORVANTA_MODULE(kTable)
