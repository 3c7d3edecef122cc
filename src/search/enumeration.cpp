#include "search/enumeration.h"

#include "search/enumeration_walk.h"

namespace corvanta {

void EnumerateFingerings(ToneMap bassMap, const ToneMap& chordMap, int fretCount,
                         CandidateSink& sink) {
  enumeration::Enumerate(std::move(bassMap), chordMap, fretCount, sink);
}

}  // namespace corvanta
