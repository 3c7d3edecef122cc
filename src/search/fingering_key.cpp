#include "search/fingering_key.h"

#include <cstdio>

namespace corvanta {
std::optional<std::string> FingeringKey(const Frets& values, bool simpleChords, int span) {
  auto packed = PackFingering(values, simpleChords, span);
  if (!packed) return std::nullopt;
  return KeyText(*packed);
}

std::optional<PackedFingering> PackFingering(const Frets& values, bool simpleChords, int span) {
  KeyFacts facts = KeyFactsOf(values);
  if (!KeyKeeps(facts, simpleChords, span)) return std::nullopt;
  PackedFingering packed{values, KeyOrder(facts)};
  SetKeyFields(packed, facts);
  return packed;
}

void MarkPreferred(PackedFingering& fingering) {
  fingering.preferred = true;
  fingering.order &= (std::uint64_t{1} << key_facts::kValueBits) - 1;  // sorts as "000000"
}

bool IsPreferred(const PackedFingering& fingering) { return fingering.preferred; }

std::string KeyText(const PackedFingering& fingering) {
  char prefix[16];
  const int number = fingering.preferred ? 0
                                         : KeyPrefixNumber(fingering.position, fingering.stringSet,
                                                           fingering.highest);
  std::snprintf(prefix, sizeof prefix, "%06d", number);
  std::string text(prefix);
  text += ' ';
  return text + FretText(fingering.frets);
}

}  // namespace corvanta
