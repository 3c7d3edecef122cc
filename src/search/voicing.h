#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "search/fingering_key.h"

namespace corvanta {

// An accepted fingering on any instrument, with the fields its key text
// shows held as fields: "MMCCXX v0 v1 ... " is position + 10, the string-set
// class and the highest fret + 10, then one value per string.
struct Voicing {
  std::vector<int> frets;  // one value per string, lowest-listed first, barre signs kept
  int position = 1;        // lowest held fret, 1 in the first position
  int stringSet = kOtherStringSet;
  int highest = 0;         // highest fret of a sounding string, 0 when none is held
  bool preferred = false;  // a promoted shape: drawn first, its prefix "000000"
  // Only a sort key: each value's rank in the byte order of the values'
  // texts, six bits each, the first string the most significant.
  std::uint64_t valueRanks = 0;
  bool operator==(const Voicing&) const = default;
};

// What a key is made of, for any number of strings: whether the fingering
// is kept (simple chords, span) and, if so, its fields. `values` holds the
// barre signs CountFingers wrote.
std::optional<Voicing> MakeVoicing(std::span<const int> values, bool simpleChords, int span);

// The values' ranks as one number, for sorting and for finding a shape.
std::uint64_t ValueRanks(std::span<const int> values);

// The string-set class of the sounding strings (bit s: string s sounds) of
// an instrument of `stringCount` strings: all of them (30), all but the
// lowest (20), all but the two lowest (10), anything else (50).
int StringSetClass(std::uint32_t sounding, int stringCount);

// The key text, byte for byte as the six-string search writes it.
std::string VoicingKeyText(const Voicing& voicing);

// Byte order of the key texts, without making them (for voicings of one
// instrument, which have as many values each).
bool VoicingBefore(const Voicing& a, const Voicing& b);

// The guitar's packed fingering as a voicing.
Voicing VoicingOf(const PackedFingering& fingering);

// The readable fret text "X 3 2 0 1 0" (barre signs dropped).
std::string ReadableFrets(std::span<const int> frets);

}  // namespace corvanta
