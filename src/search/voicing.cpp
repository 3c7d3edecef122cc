#include "search/voicing.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstdlib>

#include "search/key_text.h"
#include "search/value_rank.h"

namespace corvanta {
namespace {

// The first string that a muted value drops under the simple-chords
// option: every string but the two lowest must sound (strings 2..5 on six).
constexpr std::size_t kFirstInnerString = 2;

}  // namespace

int StringSetClass(std::uint32_t sounding, int stringCount) {
  // The run of sounding strings that ends at the highest string.
  const int run = std::countl_one(sounding << (32 - stringCount));
  if (run == stringCount) return kEveryString;
  if (run == stringCount - 1) return kAllButLowest;
  if (run == stringCount - 2 && !(sounding & 1u)) return kAllButTwoLowest;
  return kOtherStringSet;
}

VoicingFacts VoicingFacts::Of(std::span<const int> values) {
  VoicingFacts facts;
  for (std::size_t string = 0; string < values.size(); ++string) {
    const int value = values[string];
    facts.ranks = facts.ranks << key_facts::kRankBits | key_facts::RankOf(value);
    if (value == kMuted) continue;
    const int fret = value < 0 ? -value : value;
    facts.stops[string] = StringStop::AtFret(fret);
    facts.sounding |= 1u << string;
    if (value < 0) facts.barreStarts |= static_cast<std::uint8_t>(1u << string);
    if (value != kOpen) facts.low = std::min(facts.low, fret);
    facts.high = std::max(facts.high, value);
  }
  return facts;
}

std::optional<Voicing> MakeVoicing(std::span<const int> values, bool simpleChords, int span) {
  return MakeVoicing(VoicingFacts::Of(values), values.size(), simpleChords, span);
}

std::optional<Voicing> MakeVoicing(const VoicingFacts& facts, std::size_t strings,
                                   bool simpleChords, int span) {
  const int low = facts.low, high = facts.high;
  const std::uint32_t sounding = facts.sounding;
  if (simpleChords) {
    // Every string but the two lowest must sound.
    const std::uint32_t inner = ((1u << strings) - 1) & ~((1u << kFirstInnerString) - 1);
    if ((sounding & inner) != inner) return std::nullopt;
  }
  if (span <= high - low) return std::nullopt;
  Voicing voicing;
  voicing.frets = Fingering(facts.stops, strings, facts.barreStarts);
  voicing.position = static_cast<std::uint8_t>(high <= kFirstPositionHighestFret ? 1 : low);
  voicing.stringSet =
      static_cast<std::uint8_t>(StringSetClass(sounding, static_cast<int>(strings)));
  voicing.highest = static_cast<std::uint8_t>(high);
  voicing.order = VoicingOrder(voicing, facts.ranks);
  return voicing;
}

std::uint64_t VoicingOrder(const Voicing& voicing, std::uint64_t valueRanks) {
  if (voicing.preferred) return valueRanks;
  const int setRank = voicing.stringSet == kAllButTwoLowest ? 0
                      : voicing.stringSet == kAllButLowest  ? 1
                      : voicing.stringSet == kEveryString   ? 2
                                                            : 3;
  const std::uint64_t fields = std::uint64_t{1} << 12 | std::uint64_t{voicing.position} << 7 |
                               static_cast<std::uint64_t>(setRank) << 5 | voicing.highest;
  return fields << kVoicingRankBits | valueRanks;
}

void MarkPreferred(Voicing& voicing) {
  voicing.preferred = true;
  voicing.order &= kVoicingRankMask;
}

}  // namespace corvanta
