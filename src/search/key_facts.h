#pragma once

// What a fingering's key is made of, as numbers: each fret value's rank in
// the byte order of the values' texts, the string-set class, and the order
// number the key's fields spell. Inline: the search makes one per accepted
// candidate.
#include <algorithm>
#include <array>
#include <cstdint>

#include "search/fingering.h"

namespace corvanta {

// Which strings sound, from the run of sounding strings ending at string 5.
enum StringSetClass : int {
  kFourTopStrings = 10,
  kFiveTopStrings = 20,
  kAllSixStrings = 30,
  kOtherStringSet = 50,
};

namespace key_facts {

// Key texts compare value by value (each value's text ends in a blank, which
// sorts before every digit and the minus), so the byte order of the whole
// text is the order of the values' texts as strings. Each value that can
// occur (99, or -29..29) gets its rank in that order: six bits each.
inline constexpr int kRankBits = 6;
inline constexpr int kLowestValue = -(kFretSlots - 1);

// The decimal text of a value, for comparing at compile time.
struct ValueText {
  char digits[4]{};
  int length = 0;
};

constexpr ValueText TextOf(int value) {
  ValueText text;
  char reversed[4]{};
  int count = 0;
  int magnitude = value < 0 ? -value : value;
  do {
    reversed[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  if (value < 0) text.digits[text.length++] = '-';
  while (count > 0) text.digits[text.length++] = reversed[--count];
  return text;
}

// Byte order of the texts, a shorter text before the longer one it begins.
constexpr bool TextBefore(int a, int b) {
  ValueText x = TextOf(a), y = TextOf(b);
  for (int i = 0; i < x.length && i < y.length; ++i) {
    if (x.digits[i] != y.digits[i]) return x.digits[i] < y.digits[i];
  }
  return x.length < y.length;
}

// Every value a fingering holds (-29..29, 99) straight to its rank among
// those values.
inline constexpr std::array<std::uint8_t, kMuted - kLowestValue + 1> kRankOfValue = [] {
  constexpr int kValueCount = 2 * kFretSlots;  // -29..29 and 99
  auto valueAt = [](int slot) { return slot == kValueCount - 1 ? kMuted : slot + kLowestValue; };
  std::array<std::uint8_t, kMuted - kLowestValue + 1> table{};
  for (int slot = 0; slot < kValueCount; ++slot) {
    int before = 0;
    for (int other = 0; other < kValueCount; ++other)
      before += TextBefore(valueAt(other), valueAt(slot)) ? 1 : 0;
    table[static_cast<std::size_t>(valueAt(slot) - kLowestValue)] =
        static_cast<std::uint8_t>(before);
  }
  return table;
}();

// Values outside the table (none a fingering holds) rank as the muted one;
// the unsigned minimum keeps this free of branches.
constexpr std::uint64_t RankOf(int value) {
  const unsigned slot = std::min(static_cast<unsigned>(value - kLowestValue),
                                 static_cast<unsigned>(kMuted - kLowestValue));
  return kRankOfValue[slot];
}

inline constexpr int kValueBits = kRankBits * kStringCount;
// The prefix "MMCCXX" as a number needs 19 bits (at most 395039).
inline constexpr int kPrefixBits = 19;
static_assert(kPrefixBits + kValueBits <= 64, "the order number holds the prefix and every value");
static_assert(kStringCount <= 8, "the sounding strings are one byte");
inline constexpr int kFieldOffset = 10;
inline constexpr int kFirstInnerString = 2;
inline constexpr std::uint8_t kAllStrings = (1u << kStringCount) - 1;
// Strings 2..5: a muted one among them drops the fingering under the
// simple-chords option.
inline constexpr std::uint8_t kInnerStrings = kAllStrings & ~((1u << kFirstInnerString) - 1);

// The string-set class of each set of sounding strings (bit s: string s).
inline constexpr std::array<std::uint8_t, 1u << kStringCount> kStringSets = [] {
  std::array<std::uint8_t, 1u << kStringCount> classes{};
  for (unsigned sounding = 0; sounding < classes.size(); ++sounding) {
    int run = 0;
    for (int string = kStringCount - 1; string >= 0 && (sounding >> string & 1u); --string) ++run;
    int set = run == 6                       ? kAllSixStrings
              : run == 5                     ? kFiveTopStrings
              : run == 4 && !(sounding & 1u) ? kFourTopStrings
                                             : kOtherStringSet;
    classes[sounding] = static_cast<std::uint8_t>(set);
  }
  return classes;
}();

inline int StringSetOf(std::uint8_t sounding) { return kStringSets[sounding & kAllStrings]; }

}  // namespace key_facts

// What a key is made from, gathered value by value, string 0 first: by
// PackFingering in one pass, or by the search's walk as it chooses each
// string's value (so an accepted candidate is packed without another pass).
struct KeyFacts {
  int low = 100;              // lowest held fret (barre sign dropped); 100: none
  int high = 0;               // highest value of a sounding string
  std::uint8_t sounding = 0;  // bit s: string s is not muted
  std::uint64_t ranks = 0;    // each value's rank in text order, six bits each

  // Written without branches: the values come in no predictable order.
  void Add(int string, int value) { *this = With(string, value); }
  // Made field by field, never as a copy (see FreeSpan::With).
  KeyFacts With(int string, int value) const {
    const bool sounds = value != kMuted;
    const bool held = sounds && value != kOpen;
    const int magnitude = value < 0 ? -value : value;
    return {held && magnitude < low ? magnitude : low, sounds && value > high ? value : high,
            static_cast<std::uint8_t>(sounding | static_cast<unsigned>(sounds) << string),
            (ranks << key_facts::kRankBits) | key_facts::RankOf(value)};
  }
};

inline KeyFacts KeyFactsOf(const Frets& values) {
  KeyFacts facts;
  for (int string = 0; string < kStringCount; ++string) facts.Add(string, values[string]);
  return facts;
}

// Whether a fingering with these facts (all six strings added) is kept, and
// its order number; PackFingering is the two together.
inline bool KeyKeeps(const KeyFacts& facts, bool simpleChords, int span) {
  if (simpleChords && (facts.sounding & key_facts::kInnerStrings) != key_facts::kInnerStrings)
    return false;
  return span > facts.high - facts.low;
}

// The key's first field: the lowest held fret, or 1 in the first position.
inline int KeyPosition(const KeyFacts& facts) {
  return facts.high <= kFirstPositionHighestFret ? 1 : facts.low;
}

// The key's three two-digit fields "MMCCXX" as the number they spell
// ("112013"): position + 10, the string-set class, highest fret + 10.
constexpr int KeyPrefixNumber(int position, int stringSet, int highest) {
  return (position + key_facts::kFieldOffset) * 10000 + stringSet * 100 + highest +
         key_facts::kFieldOffset;
}

inline std::uint64_t KeyOrder(const KeyFacts& facts) {
  using namespace key_facts;
  const std::uint64_t prefix = static_cast<std::uint64_t>(
      KeyPrefixNumber(KeyPosition(facts), StringSetOf(facts.sounding), facts.high));
  return (prefix << kValueBits) | facts.ranks;
}

}  // namespace corvanta
