#include "instrument/tuning.h"

#include "theory/note_names.h"

namespace corvanta {

PitchTable BuildPitchTable(const Tuning& tuning) {
  PitchTable table{};
  for (int string = 0; string < kStringCount; ++string) {
    for (int fret = 0; fret < kFretSlots; ++fret) {
      table[string][fret] = kOctaveBase[string] + WrapPitchClass(tuning[string]) + fret;
    }
  }
  return table;
}

int FindTuningPreset(std::string_view menuCaption) {
  for (int tag = 0; tag < kTuningPresetCount; ++tag) {
    if (kTuningPresets[tag].menuCaption == menuCaption) return tag;
  }
  return -1;
}

std::optional<Tuning> ParseTuningNames(std::string_view text) {
  Tuning tuning{};
  int count = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    // A letter and, when it makes a name, the sign after it.
    std::size_t length =
        at + 1 < text.size() && (text[at + 1] == '#' || text[at + 1] == 'b') ? 2 : 1;
    int pitchClass = PitchClassOfName(text.substr(at, length));
    if (pitchClass == kNoPitchClass || count == kStringCount) return std::nullopt;
    tuning[count++] = pitchClass;
    at += length;
  }
  if (count != kStringCount) return std::nullopt;
  return tuning;
}

int PitchClassAt(const Tuning& tuning, int string, int fret) {
  return WrapPitchClass(tuning[string] + fret);
}

}  // namespace corvanta
