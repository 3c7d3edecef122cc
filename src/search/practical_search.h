// Practical voicings: the shapes players use, which the strict search misses.
#pragma once

#include <vector>

#include "search/instrument_search.h"

namespace corvanta {

// "Practical voicings": the shapes players use, which the strict search
// (every chord tone sounds, the root never looked for over another bass)
// leaves out or lets in. On any instrument:
// - the unaltered fifth may sound and need not (C7 as x 3 2 3 1 0);
// - in a thirteenth or an eleventh chord (with a seventh) the ninth may
//   sound and need not (G13 as 3 x 3 4 5 x), and so may a thirteenth's
//   eleventh (C13 as x 3 2 3 5 5) and a 9#11's ninth (C9#11 as x 3 4 3 5 x);
// - over another bass the root must sound on a free string (G/B as
//   x 2 0 0 3 x, not x 2 0 4 0 x, which sounds only B and D);
// - the bass is the lowest pitch: a string that sounds below the bass note
//   drops the fingering (on the guitar, string 1 at fret 9 under the open D
//   string sounds F# above D: kept; the open E under a D bass: dropped);
// - a chord of two tones (C5, a bare interval) may sound on two strings
//   (x 3 5 x x x), and a triad on three (Ddim as x x 0 1 x 1, E/G# as
//   x x x 1 0 0, its bass on the G string);
// - barres as players lay them (PlayedBarres): stopping short of an open
//   string (Abm9 as 4 1 1 1 0 2), two strings on any adjacent pair (Caug9
//   as x 3 2 3 3 4);
// - the fifth may sound on the lowest string beneath a full barre whose
//   next string sounds the root, as players call the A-shape barre with
//   its low string the plain chord (B as 2 2 4 4 4 2, Bm as 2 2 4 4 3 2);
//   the voicing is marked so that the difficulty counts it, and the shape
//   over the root comes first.
// The results are the strict walk's under these rules (the bass's kept in
// the walk, SearchSettings::bassLowest), merged, in the search's order.
InstrumentSearchResult SearchPractical(const Instrument& instrument,
                                       const std::vector<int>& argumentNumbers,
                                       const SearchSettings& settings);

}  // namespace corvanta
