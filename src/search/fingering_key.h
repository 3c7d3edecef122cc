#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "search/fingering.h"
#include "search/key_facts.h"

namespace corvanta {

// The key text "MMCCXX v0 v1 v2 v3 v4 v5 " of an accepted fingering, whose
// byte order is the order shown: position, string set, highest fret, values.
// nullopt when the fingering is dropped (a muted inner string under the
// simple-chords option, or a stretch not below the span).
std::optional<std::string> FingeringKey(const Frets& values, bool simpleChords, int span);

// An accepted fingering kept as numbers: its values (barre sign included),
// the fields its key shows, and an order number that is only a sort key: it
// sorts exactly as the key text does, byte by byte. The key text is made
// only where it is shown.
struct PackedFingering {
  Frets frets{};
  std::uint64_t order = 0;
  std::uint8_t position = 1;  // the key's first field less 10: the lowest held fret, or 1
  std::uint8_t stringSet = kOtherStringSet;
  std::uint8_t highest = 0;  // the highest fret of a sounding string
  bool preferred = false;    // promoted: its prefix reads "000000"
  bool operator==(const PackedFingering&) const = default;
};

// The fields of a key from its facts.
inline void SetKeyFields(PackedFingering& fingering, const KeyFacts& facts) {
  fingering.position = static_cast<std::uint8_t>(KeyPosition(facts));
  fingering.stringSet = static_cast<std::uint8_t>(key_facts::StringSetOf(facts.sounding));
  fingering.highest = static_cast<std::uint8_t>(facts.high);
}

// The packed form of FingeringKey; nullopt where it gives nullopt.
std::optional<PackedFingering> PackFingering(const Frets& values, bool simpleChords, int span);

// Moves a fingering to the front, as the "000000" prefix of a preferred
// shape does.
void MarkPreferred(PackedFingering& fingering);
bool IsPreferred(const PackedFingering& fingering);

// The key text: "112013 99 3 2 0 1 0 ", or "000000 ..." for a preferred shape.
std::string KeyText(const PackedFingering& fingering);

}  // namespace corvanta
