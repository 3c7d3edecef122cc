#include "search/fingering_key.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace corvanta {
namespace {

inline constexpr int kFieldOffset = 10;
inline constexpr int kFirstInnerString = 2;

}  // namespace

std::optional<std::string> FingeringKey(const Frets& values, bool simpleChords, int span) {
  auto packed = PackFingering(values, simpleChords, span);
  if (!packed) return std::nullopt;
  return KeyText(*packed);
}

namespace {

constexpr int kValueBits = key_ranks::kRankBits * kStringCount;
constexpr std::uint8_t kAllStrings = (1u << kStringCount) - 1;
// Strings 2..5: a muted one among them drops the fingering under the
// simple-chords option.
constexpr std::uint8_t kInnerStrings = kAllStrings & ~((1u << kFirstInnerString) - 1);

// The string-set class of each set of sounding strings (bit s: string s).
constexpr std::array<std::uint8_t, 1u << kStringCount> kStringSets = [] {
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

int StringSetOf(std::uint8_t sounding) { return kStringSets[sounding & kAllStrings]; }

}  // namespace

int ClassifyStringSet(const Frets& values) {
  std::uint8_t sounding = 0;
  for (int string = 0; string < kStringCount; ++string)
    if (values[string] != kMuted) sounding = static_cast<std::uint8_t>(sounding | 1u << string);
  return StringSetOf(sounding);
}

std::optional<PackedFingering> PackFingering(const Frets& values, bool simpleChords, int span) {
  KeyFacts facts;
  for (int string = 0; string < kStringCount; ++string) facts.Add(string, values[string]);
  if (!KeyKeeps(facts, simpleChords, span)) return std::nullopt;
  return PackedFingering{values, KeyOrder(facts)};
}

bool KeyKeeps(const KeyFacts& facts, bool simpleChords, int span) {
  if (simpleChords && (facts.sounding & kInnerStrings) != kInnerStrings) return false;
  return span > facts.high - facts.low;
}

std::uint64_t KeyOrder(const KeyFacts& facts) {
  int low = facts.high <= kFirstPositionHighestFret ? 1 : facts.low;
  // The three two-digit fields of the prefix, as the number they spell.
  std::uint64_t prefix = static_cast<std::uint64_t>(
      (low + kFieldOffset) * 10000 + StringSetOf(facts.sounding) * 100 + facts.high + kFieldOffset);
  return (prefix << kValueBits) | facts.ranks;
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
