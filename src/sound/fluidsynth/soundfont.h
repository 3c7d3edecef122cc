// The General MIDI soundfont the synthesizer plays.
#pragma once

#include <optional>
#include <string>

namespace corvanta {

// The first General MIDI soundfont found: FluidR3_GM, then TimGM6mb, then
// the default-GM links (whose target changes with what is installed).
std::optional<std::string> FindGeneralMidiSoundfont();

}  // namespace corvanta
