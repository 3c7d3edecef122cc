#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "instrument/instrument.h"
#include "search/fingering.h"
#include "search/value_rank.h"

namespace corvanta {

// A fingering's values, one per string, kept in place and small (each
// value, 99 or -29..29, fits a byte): a search records thousands, and a
// heap block or a wide record each would cost more than finding them.
class FretValues {
 public:
  FretValues() = default;
  explicit FretValues(std::span<const int> values)
      : count_(static_cast<std::uint8_t>(std::min(values.size(), kCapacity))) {
    for (std::size_t string = 0; string < count_; ++string)
      values_[string] = static_cast<std::int8_t>(values[string]);
  }

  std::size_t size() const { return count_; }
  int operator[](std::size_t string) const { return values_[string]; }
  const std::int8_t* begin() const { return values_.data(); }
  const std::int8_t* end() const { return values_.data() + count_; }
  std::vector<int> ToVector() const { return {begin(), end()}; }
  bool operator==(const FretValues& other) const {
    return std::equal(begin(), end(), other.begin(), other.end());
  }

 private:
  static constexpr std::size_t kCapacity = kMaxInstrumentStrings;
  std::array<std::int8_t, kCapacity> values_{};
  std::uint8_t count_ = 0;
};

// An accepted fingering on any instrument, with the fields its key text
// shows held as fields: "MMCCXX v0 v1 ... " is position + 10, the string-set
// class and the highest fret + 10, then one value per string.
struct Voicing {
  // Small fields: a search records thousands, and a record that stays small
  // keeps their list in memory the program already holds.
  FretValues frets;           // one value per string, lowest-listed first, barre signs kept
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
std::uint64_t VoicingOrder(const Voicing& voicing, std::uint64_t valueRanks);

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

// The readable fret text "X 3 2 0 1 0" (barre signs dropped).
std::string ReadableFrets(std::span<const int> frets);

}  // namespace corvanta
