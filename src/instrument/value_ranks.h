// A fingering's values as ranks that sort as its key text does.
#pragma once

// Where a fingering's values sort, as numbers: each value's rank (99 muted,
// 0 open, f held, -f a barre from there) in the byte order of the values'
// texts, the order of the key texts the search sorts by. An instrument's
// known shapes are held in these values and found by their ranks. Inline:
// the search ranks every fingering it keeps.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "instrument/instrument.h"
#include "instrument/tuning.h"

namespace corvanta {

namespace key_facts {

inline constexpr int kMuted = kMutedString;

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

}  // namespace key_facts

// The values' ranks as one number, the first string the most significant:
// for sorting and for finding a shape.
inline std::uint64_t ValueRanks(std::span<const int> values) {
  std::uint64_t ranks = 0;
  for (int value : values) ranks = ranks << key_facts::kRankBits | key_facts::RankOf(value);
  return ranks;
}

}  // namespace corvanta
