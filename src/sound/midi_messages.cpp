// Patch programs and the decoding of short MIDI messages.
#include "sound/midi_messages.h"

namespace corvanta {

std::optional<int> PatchProgram(std::string_view itemText) {
  for (const PatchItem& item : kPatchItems) {
    if (item.text == itemText) return item.program;
  }
  return std::nullopt;
}

std::optional<MidiEvent> ShortMessageDecoder::Decode(std::uint32_t message) {
  auto byte = [&](int index) { return static_cast<std::uint8_t>((message >> (8 * index)) & 0xFF); };
  constexpr std::uint8_t kStatusBit = 0x80;
  if (byte(0) & kStatusBit) {
    runningStatus_ = byte(0);
    return MidiEvent{byte(0), byte(1), byte(2)};
  }
  if (runningStatus_ == 0) return std::nullopt;  // data with no status yet
  return MidiEvent{runningStatus_, byte(0), byte(1)};
}

}  // namespace corvanta
