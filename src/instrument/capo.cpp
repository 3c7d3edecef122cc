// The guitar's tuning and pitch table with the capo on.
#include "instrument/capo.h"

#include <algorithm>

#include "theory/note_names.h"

namespace corvanta {

PitchTable PitchTableWithCapo(const PitchTable& table, int capo) {
  PitchTable shifted{};
  for (int string = 0; string < kStringCount; ++string) {
    for (int fret = 0; fret < kFretSlots; ++fret)
      shifted[string][fret] = table[string][std::min(fret + ClampCapo(capo), kFretSlots - 1)];
  }
  return shifted;
}

}  // namespace corvanta
