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

int PitchClassAt(const Tuning& tuning, int string, int fret) {
  return WrapPitchClass(tuning[string] + fret);
}

}  // namespace corvanta
