// The tests' strum of a six-string table: the guitar retuned to the table's
// open notes, strummed as the window strums any instrument.
#pragma once

#include <vector>

#include "guitar_pitch_table.h"
#include "instrument/instrument.h"
#include "instrument/tuning.h"
#include "session/placed_fingering.h"
#include "sound/strum.h"

namespace corvanta {

inline std::vector<MidiCall> PlanStrum(const Fingering& fingering, const PitchTable& table,
                                       int speed) {
  std::vector<int> open;
  for (const auto& string : table) open.push_back(string[0]);
  return PlanStrumNotes(StrumNotes(fingering, Retuned(*FindInstrument("guitar"), open)), speed);
}

}  // namespace corvanta
