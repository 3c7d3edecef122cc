#pragma once

#include <string>
#include <vector>

#include "search/fingering_key.h"
#include "search/search_settings.h"

namespace corvanta {

struct SearchResult {
  std::vector<int> chordTones;              // root first, after the omit options
  std::vector<PackedFingering> fingerings;  // in drawing order

  // The key texts of the fingerings, in drawing order (made on demand).
  std::vector<std::string> Keys() const;
};

// The whole voicing search for the numbers of a search argument (bass first):
// tone maps, enumeration, playability tests, de-duplication, promotion of the
// first preferred shape and the byte-wise sort.
SearchResult SearchChord(const std::vector<int>& argumentNumbers, const SearchSettings& settings);

// The first fingering, in discovery order, whose value text occurs in the
// shape templates is moved to the front by the "000000" prefix.
void PromotePreferredShape(std::vector<PackedFingering>& fingerings);

// The chord tones the search covers: the argument after the bass (the bass
// itself stands for the root when it is the root), less the omitted third
// and fifth.
std::vector<int> ChordTonesOf(const std::vector<int>& argumentNumbers,
                              const SearchSettings& settings);

}  // namespace corvanta
