// Finds the first General MIDI soundfont installed.
#include "sound/fluidsynth/soundfont.h"

#include <array>
#include <filesystem>

namespace corvanta {

std::optional<std::string> FindGeneralMidiSoundfont() {
  constexpr std::array<const char*, 6> kCandidates{
      "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
      "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
      "/usr/share/soundfonts/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
  };
  for (const char* path : kCandidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return std::string(path);
  }
  return std::nullopt;
}

}  // namespace corvanta
