#pragma once

#include <vector>

#include "search/instrument_search.h"

namespace corvanta {

// "Practical voicings": the shapes players use, which the strict search
// (every chord tone sounds, the root never looked for over another bass)
// leaves out or lets in. On any instrument:
// - the unaltered fifth may sound and need not (C7 as x 3 2 3 1 0);
// - in a thirteenth or an eleventh chord (with a seventh) the ninth may
//   sound and need not (G13 as 3 x 3 4 5 x);
// - over another bass the root must sound on a free string (G/B as
//   x 2 0 0 3 x, not x 2 0 4 0 x, which sounds only B and D);
// - the bass is the lowest pitch: a string that sounds below the bass note
//   drops the fingering (on the guitar, string 1 at fret 9 under the open D
//   string sounds F# above D: kept; the open E under a D bass: dropped);
// - a chord of two tones (C5, a bare interval) may sound on two strings
//   (x 3 5 x x x).
// The results are the strict search's for each choice of optional tones
// left out, merged, filtered by the rules above, in the search's order.
InstrumentSearchResult SearchPractical(const Instrument& instrument,
                                       const std::vector<int>& argumentNumbers,
                                       const SearchSettings& settings);

}  // namespace corvanta
