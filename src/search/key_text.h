// The fingering's key text, "112013 99 3 2 0 1 0 ": the one place it is written.
#pragma once

// The fingering's key text, "112013 99 3 2 0 1 0 ": the one place its
// values are written as numbers, 99 a muted string and -f the lowest string
// of a barre at fret f. The search sorts and matches by these values, and
// the key and typed fret lists are read back through here.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "instrument/fingering.h"
#include "instrument/value_ranks.h"

namespace corvanta {

struct Voicing;

// A string's value in the key: 99 muted, 0 open, f held, -f a barre from it.
inline int KeyValue(const Fingering& fingering, std::size_t string) {
  const StringStop stop = fingering[string];
  if (stop.IsMuted()) return kMutedString;
  return fingering.StartsBarre(string) ? -stop.Fret() : stop.Fret();
}

std::vector<int> KeyValues(const Fingering& fingering);

// The fingering the values spell; nullopt when a value is none of 99 or a
// fret -29..29, or there are more than an instrument's strings.
std::optional<Fingering> FingeringOfKeyValues(std::span<const int> values);

// The fingering a key text holds ("112013 99 3 2 0 1 0 "): the values after
// the prefix, each followed by one blank; nullopt for anything else.
std::optional<Fingering> ParseKeyFingering(std::string_view key);

// The fingering's ranks as its key values' (ValueRanks of the values).
std::uint64_t ValueRanks(const Fingering& fingering);

// The key text, byte for byte: the prefix, then each value and a blank.
std::string VoicingKeyText(const Voicing& voicing);

}  // namespace corvanta
