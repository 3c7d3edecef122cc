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
  return PackedFingering{values, KeyOrder(facts)};
}

void MarkPreferred(PackedFingering& fingering) {
  fingering.order &= (std::uint64_t{1} << key_facts::kValueBits) - 1;  // the prefix "000000"
}

bool IsPreferred(const PackedFingering& fingering) {
  return (fingering.order >> key_facts::kValueBits) == 0;
}

std::string KeyText(const PackedFingering& fingering) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%06u",
                static_cast<unsigned>(fingering.order >> key_facts::kValueBits));
  std::string text(prefix);
  text += ' ';
  return text + FretText(fingering.frets);
}

}  // namespace corvanta
