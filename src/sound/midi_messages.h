// MIDI message values, the patch items, and decoding short messages.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace corvanta {

inline constexpr std::uint8_t kNoteOnChannel1 = 0x90;
inline constexpr std::uint8_t kProgramChangeChannel1 = 0xC0;
inline constexpr std::uint8_t kStrumVelocity = 100;
// Both channels at full volume. (Left alone, 0x0000FFFF, would silence the
// right channel of a device with separate channel volumes.)
inline constexpr std::uint32_t kFullVolume = 0xFFFFFFFF;

constexpr std::uint32_t NoteOnMessage(int note) {
  return kNoteOnChannel1 | (static_cast<std::uint32_t>(note & 0xFF) << 8) |
         (static_cast<std::uint32_t>(kStrumVelocity) << 16);
}

// An instrument of the patch box and the program it sends (from 0).
struct PatchItem {
  std::string_view text;
  int program;
};

inline constexpr std::array<PatchItem, 9> kPatchItems{{
    {"尼龙吉他", 24},
    {"爵士吉他", 26},
    {"清音吉他", 27},
    {"弱音吉他", 28},
    {"大钢琴", 0},
    {"嘹亮大钢琴", 1},
    {"电钢琴", 2},
    {"酒吧钢琴", 3},
    {"合唱钢琴", 4},
}};

// The program of the item whose text this is; nothing for typed text that
// matches no item.
std::optional<int> PatchProgram(std::string_view itemText);

// One MIDI event as a synthesizer reads a short message.
struct MidiEvent {
  std::uint8_t status;
  std::uint8_t data1;
  std::uint8_t data2;
  bool operator==(const MidiEvent&) const = default;
};

// Reads short messages with running status: a low byte below 0x80 is data
// under the last status, so the patch change "0xC0, then the program alone"
// ends on the chosen program.
class ShortMessageDecoder {
 public:
  std::optional<MidiEvent> Decode(std::uint32_t message);

 private:
  std::uint8_t runningStatus_ = 0;
};

}  // namespace corvanta
