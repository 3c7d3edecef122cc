#include "search/fingering_key.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace corvanta {
namespace {

inline constexpr int kFieldOffset = 10;
inline constexpr int kFirstInnerString = 2;
inline constexpr int kNoLowFret = 100;

}  // namespace

int ClassifyStringSet(const Frets& values) {
  int run = 0;
  for (int string = kStringCount - 1; string >= 0 && values[string] != kMuted; --string) ++run;
  if (run == 6) return kAllSixStrings;
  if (run == 5) return kFiveTopStrings;
  if (run == 4 && values[0] == kMuted) return kFourTopStrings;
  return kOtherStringSet;
}

std::optional<std::string> FingeringKey(const Frets& values, bool simpleChords, int span) {
  auto packed = PackFingering(values, simpleChords, span);
  if (!packed) return std::nullopt;
  return KeyText(*packed);
}

namespace {

// Key texts compare value by value (each value's text ends in a blank, which
// sorts before every digit and the minus), so the byte order of the whole
// text is the order of the values' texts as strings. Each value that can
// occur (99, or -29..29) gets its rank in that order: six bits each.
constexpr int kRankBits = 6;
constexpr int kValueBits = kRankBits * kStringCount;
constexpr int kLowestValue = -(kFretSlots - 1);

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

// Rank of each value (index value - kLowestValue; the last slot is 99).
constexpr std::array<std::uint8_t, 2 * kFretSlots> kRanks = [] {
  std::array<std::uint8_t, 2 * kFretSlots> ranks{};
  auto valueAt = [](int slot) { return slot == 2 * kFretSlots - 1 ? kMuted : slot + kLowestValue; };
  for (int slot = 0; slot < 2 * kFretSlots; ++slot) {
    int before = 0;
    for (int other = 0; other < 2 * kFretSlots; ++other)
      before += TextBefore(valueAt(other), valueAt(slot)) ? 1 : 0;
    ranks[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(before);
  }
  return ranks;
}();

// Every value a fingering holds (-29..29, 99) straight to its rank.
constexpr std::array<std::uint8_t, kMuted - kLowestValue + 1> kRankOfValue = [] {
  std::array<std::uint8_t, kMuted - kLowestValue + 1> table{};
  for (int value = kLowestValue; value < kFretSlots; ++value)
    table[static_cast<std::size_t>(value - kLowestValue)] =
        kRanks[static_cast<std::size_t>(value - kLowestValue)];
  table[kMuted - kLowestValue] = kRanks[2 * kFretSlots - 1];
  return table;
}();

std::uint64_t RankOf(int value) {
  return kRankOfValue[static_cast<std::size_t>(std::clamp(value, kLowestValue, kMuted) -
                                               kLowestValue)];
}

}  // namespace

std::optional<PackedFingering> PackFingering(const Frets& values, bool simpleChords, int span) {
  int low = kNoLowFret;
  int high = 0;
  for (int string = 0; string < kStringCount; ++string) {
    int value = values[string];
    if (value == kMuted) {
      if (simpleChords && string >= kFirstInnerString) return std::nullopt;
      continue;
    }
    if (value != kOpen && std::abs(value) < low) low = std::abs(value);
    if (value > high) high = value;
  }
  if (span <= high - low) return std::nullopt;
  if (high <= kFirstPositionHighestFret) low = 1;
  // The three two-digit fields of the prefix, as the number they spell.
  std::uint64_t prefix = static_cast<std::uint64_t>(
      (low + kFieldOffset) * 10000 + ClassifyStringSet(values) * 100 + high + kFieldOffset);
  std::uint64_t ranks = 0;
  for (int value : values) ranks = (ranks << kRankBits) | RankOf(value);
  return PackedFingering{values, (prefix << kValueBits) | ranks};
}

void MarkPreferred(PackedFingering& fingering) {
  fingering.order &= (std::uint64_t{1} << kValueBits) - 1;  // the prefix "000000"
}

bool IsPreferred(const PackedFingering& fingering) { return (fingering.order >> kValueBits) == 0; }

std::string KeyText(const PackedFingering& fingering) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%06u",
                static_cast<unsigned>(fingering.order >> kValueBits));
  std::string text(prefix);
  text += ' ';
  return text + FretText(fingering.frets);
}

}  // namespace corvanta
