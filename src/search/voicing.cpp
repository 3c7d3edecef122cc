// The voicing value's facts, read once from its fingering.
#include "search/voicing.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstdlib>

#include "search/key_text.h"
#include "search/value_rank.h"

namespace corvanta {
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
  const VoicingFacts facts = VoicingFacts::Of(values);
  if (!KeptVoicing(facts, values.size(), simpleChords, span)) return std::nullopt;
  Voicing voicing;
  SetVoicing(voicing, facts, values.size());
  return voicing;
}

void MarkPreferred(Voicing& voicing) {
  voicing.preferred = true;
  voicing.order &= kVoicingRankMask;
}

}  // namespace corvanta
