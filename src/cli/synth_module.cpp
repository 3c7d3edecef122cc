// The synthesizer module of corvanta-cli: the built-in synthesizer's offline
// renderer, loaded on demand by strum --wav.
#include <sstream>

#include "cli/synth_request.h"
#include "modules/module_loader.h"
#include "sound/fluidsynth/offline_render.h"

namespace {

bool Render(const corvanta::cli::SynthRequest& request, std::string& wav) {
  auto audio = corvanta::RenderOffline(request.calls, request.soundfont, request.tailMs);
  if (!audio) return false;
  std::ostringstream bytes;
  corvanta::WriteWav(*audio, bytes);
  wav = bytes.str();
  return true;
}

const corvanta::cli::RenderModule kTable{&Render};

}  // namespace

CORVANTA_MODULE(kTable)
