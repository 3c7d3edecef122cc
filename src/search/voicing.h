// A voicing: an accepted fingering on any instrument with its facts.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "instrument/fingering.h"
#include "instrument/instrument.h"
#include "search/fingering.h"
#include "search/value_rank.h"

namespace corvanta {

// An accepted fingering on any instrument, with the fields its key text
// shows held as fields: "MMCCXX v0 v1 ... " is position + 10, the string-set
// class and the highest fret + 10, then one value per string.
struct Voicing {
  // Small fields: a search records thousands, and a record that stays small
  // keeps their list in memory the program already holds.
  Fingering frets;            // each string's stop, lowest-listed first, and the barres
  std::uint8_t position = 1;  // lowest held fret, 1 in the first position
  std::uint8_t stringSet = kOtherStringSet;
  std::uint8_t highest = 0;  // highest fret of a sounding string, 0 when none is held
  bool preferred = false;    // a promoted shape: drawn first, its prefix "000000"
  // The practical rules' fifth on the lowest string beneath a full barre
  // (B as 2 2 4 4 4 2): a cost in the difficulty, not in the key.
  bool fifthInBass = false;
  // Only a sort key, in the order of the key texts (see VoicingOrder).
  std::uint64_t order = 0;
  bool operator==(const Voicing&) const = default;
};

// The sort key: below bit 48 each value's rank in the byte order of the
// values' texts, six bits each, the first string the most significant
// (value texts end in a blank, so key texts compare value by value); above
// it the prefix's fields, which spell a number of fixed-width digits: not
// preferred (1 bit), position (5), string set (2, its four classes in
// order), highest fret (5). A preferred shape, "000000", has none of them.
inline constexpr int kVoicingRankBits = 48;
static_assert(kMaxInstrumentStrings * key_facts::kRankBits <= kVoicingRankBits);
inline constexpr std::uint64_t kVoicingRankMask = (std::uint64_t{1} << kVoicingRankBits) - 1;

// Inline: the search orders every voicing it keeps.
inline std::uint64_t VoicingOrder(const Voicing& voicing, std::uint64_t valueRanks) {
  if (voicing.preferred) return valueRanks;
  const int setRank = voicing.stringSet == kAllButTwoLowest ? 0
                      : voicing.stringSet == kAllButLowest  ? 1
                      : voicing.stringSet == kEveryString   ? 2
                                                            : 3;
  const std::uint64_t fields = std::uint64_t{1} << 12 | std::uint64_t{voicing.position} << 7 |
                               static_cast<std::uint64_t>(setRank) << 5 | voicing.highest;
  return fields << kVoicingRankBits | valueRanks;
}

// What a voicing is made of: its stops and barres, the strings that sound,
// its lowest and highest frets and the values' ranks. The search knows
// them as it walks; Of reads them from key values in one pass. A barre's
// marks change none of the key's fields: a barre starts at a fret some
// other string holds too.
struct VoicingFacts {
  std::array<StringStop, kMaxInstrumentStrings> stops{};
  std::uint8_t barreStarts = 0;
  int low = kNoHeldFret;       // lowest held fret
  int high = 0;                // highest fret of a sounding string, 0 when none is held
  std::uint32_t sounding = 0;  // bit s: string s sounds
  std::uint64_t ranks = 0;     // ValueRanks of the key values

  static constexpr int kNoHeldFret = 100;
  static VoicingFacts Of(std::span<const int> values);
};

// What a key is made of, for any number of strings: whether the fingering
// is kept (simple chords, span) and, if so, its fields. `values` are the
// search's key values, with the barre signs CountFingers wrote.
std::optional<Voicing> MakeVoicing(std::span<const int> values, bool simpleChords, int span);

// The string-set class of the sounding strings (bit s: string s sounds) of
// an instrument of `stringCount` strings: all of them (30), all but the
// lowest (20), all but the two lowest (10), anything else (50).
inline int StringSetClass(std::uint32_t sounding, int stringCount) {
  // The run of sounding strings that ends at the highest string.
  const int run = std::countl_one(sounding << (32 - stringCount));
  if (run == stringCount) return kEveryString;
  if (run == stringCount - 1) return kAllButLowest;
  if (run == stringCount - 2 && !(sounding & 1u)) return kAllButTwoLowest;
  return kOtherStringSet;
}

// The first string that a muted value drops under the simple-chords
// option: every string but the two lowest must sound (strings 2..5 on six).
inline constexpr std::size_t kFirstInnerString = 2;

// Whether the facts make a fingering kept: under simple chords every
// string but the two lowest sounds, and the held frets lie within the span.
// Inline, as SetVoicing: the search asks it of every candidate.
inline bool KeptVoicing(const VoicingFacts& facts, std::size_t strings, bool simpleChords,
                        int span) {
  if (simpleChords) {
    const std::uint32_t inner = ((1u << strings) - 1) & ~((1u << kFirstInnerString) - 1);
    if ((facts.sounding & inner) != inner) return false;
  }
  return span > facts.high - facts.low;
}

// The voicing the facts describe, kept or not, written in place field by
// field (the search writes one of every voicing it keeps straight into its
// list: a whole copy of one just written would read back memory still
// being written in pieces).
inline void SetVoicing(Voicing& voicing, const VoicingFacts& facts, std::size_t strings) {
  voicing.frets.Assign(facts.stops, strings, facts.barreStarts);
  voicing.position =
      static_cast<std::uint8_t>(facts.high <= kFirstPositionHighestFret ? 1 : facts.low);
  voicing.stringSet =
      static_cast<std::uint8_t>(StringSetClass(facts.sounding, static_cast<int>(strings)));
  voicing.highest = static_cast<std::uint8_t>(facts.high);
  voicing.preferred = false;
  voicing.fifthInBass = false;
  voicing.order = VoicingOrder(voicing, facts.ranks);
}

// The key's three two-digit fields as the number they spell ("112013"),
// 0 for a preferred shape.
inline int KeyPrefixNumber(const Voicing& voicing) {
  if (voicing.preferred) return 0;
  return corvanta::KeyPrefixNumber(voicing.position, voicing.stringSet, voicing.highest);
}

// Byte order of the key texts, without making them (for voicings of one
// instrument, which have as many values each).
inline bool VoicingBefore(const Voicing& a, const Voicing& b) { return a.order < b.order; }

// Promotes a voicing to the front, as the prefix "000000" does.
void MarkPreferred(Voicing& voicing);

}  // namespace corvanta
