// Writes and reads a fingering's key text.
#include "search/key_text.h"

#include <charconv>
#include <cstdio>

#include "search/fingering.h"
#include "search/value_rank.h"
#include "search/voicing.h"

namespace corvanta {

std::vector<int> KeyValues(const Fingering& fingering) {
  std::vector<int> values(fingering.size());
  for (std::size_t string = 0; string < fingering.size(); ++string)
    values[string] = KeyValue(fingering, string);
  return values;
}

std::optional<Fingering> FingeringOfKeyValues(std::span<const int> values) {
  if (values.size() > static_cast<std::size_t>(kMaxInstrumentStrings)) return std::nullopt;
  Fingering fingering(values.size());
  for (std::size_t string = 0; string < values.size(); ++string) {
    const int value = values[string];
    if (value == kMutedString) continue;
    if (value <= -kFretSlots || value >= kFretSlots) return std::nullopt;
    fingering.Set(string,
                  value == 0 ? StringStop::Open() : StringStop::AtFret(value < 0 ? -value : value));
    if (value < 0) fingering.StartBarre(string);
  }
  return fingering;
}

std::optional<Fingering> ParseKeyFingering(std::string_view key) {
  if (key.size() <= kKeyPrefixLength || key.back() != ' ') return std::nullopt;
  std::string_view text = key.substr(kKeyPrefixLength);
  std::vector<int> values;
  while (!text.empty()) {
    const std::size_t blank = text.find(' ');
    const std::string_view token = text.substr(0, blank);
    int value = 0;
    const char* end = token.data() + token.size();
    auto [parsed, error] = std::from_chars(token.data(), end, value);
    if (token.empty() || error != std::errc{} || parsed != end) return std::nullopt;
    values.push_back(value);
    text.remove_prefix(blank + 1);
  }
  return FingeringOfKeyValues(values);
}

std::uint64_t ValueRanks(const Fingering& fingering) {
  std::uint64_t ranks = 0;
  for (std::size_t string = 0; string < fingering.size(); ++string)
    ranks = ranks << key_facts::kRankBits | key_facts::RankOf(KeyValue(fingering, string));
  return ranks;
}

std::string VoicingKeyText(const Voicing& voicing) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%06d ", KeyPrefixNumber(voicing));
  std::string text(prefix);
  for (int value : KeyValues(voicing.frets)) text += std::to_string(value) + ' ';
  return text;
}

}  // namespace corvanta
