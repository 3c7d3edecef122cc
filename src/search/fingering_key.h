#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "search/fingering.h"
#include "search/key_ranks.h"

namespace corvanta {

// Which strings sound, from the run of sounding strings ending at string 5.
enum StringSetClass : int {
  kFourTopStrings = 10,
  kFiveTopStrings = 20,
  kAllSixStrings = 30,
  kOtherStringSet = 50,
};

int ClassifyStringSet(const Frets& values);

// The key text "MMCCXX v0 v1 v2 v3 v4 v5 " of an accepted fingering, whose
// byte order is the order shown: position, string set, highest fret, values.
// nullopt when the fingering is dropped (a muted inner string under the
// simple-chords option, or a stretch not below the span).
std::optional<std::string> FingeringKey(const Frets& values, bool simpleChords, int span);

// An accepted fingering kept as numbers: its values (barre sign included)
// and an order number that sorts exactly as its key text does, byte by
// byte. The key text is made only where it is shown.
struct PackedFingering {
  Frets frets{};
  std::uint64_t order = 0;
  bool operator==(const PackedFingering&) const = default;
};

// The packed form of FingeringKey; nullopt where it gives nullopt.
std::optional<PackedFingering> PackFingering(const Frets& values, bool simpleChords, int span);

// What a key is made from, gathered value by value, string 0 first: by
// PackFingering in one pass, or by the search's walk as it chooses each
// string's value (so an accepted candidate is packed without another pass).
struct KeyFacts {
  int low = 100;              // lowest held fret (barre sign dropped); 100: none
  int high = 0;               // highest value of a sounding string
  std::uint8_t sounding = 0;  // bit s: string s is not muted
  std::uint64_t ranks = 0;    // each value's rank in text order, six bits each

  // Written without branches: the values come in no predictable order.
  void Add(int string, int value) {
    const bool sounds = value != kMuted;
    const bool held = sounds && value != kOpen;
    const int magnitude = value < 0 ? -value : value;
    sounding = static_cast<std::uint8_t>(sounding | static_cast<unsigned>(sounds) << string);
    low = held && magnitude < low ? magnitude : low;
    high = sounds && value > high ? value : high;
    ranks = (ranks << key_ranks::kRankBits) | key_ranks::RankOf(value);
  }
};

// Whether a fingering with these facts (all six strings added) is kept, and
// its order number; PackFingering is the two together.
bool KeyKeeps(const KeyFacts& facts, bool simpleChords, int span);
std::uint64_t KeyOrder(const KeyFacts& facts);

// Moves a fingering to the front, as the "000000" prefix of a preferred
// shape does.
void MarkPreferred(PackedFingering& fingering);
bool IsPreferred(const PackedFingering& fingering);

// The key text: "112013 99 3 2 0 1 0 ", or "000000 ..." for a preferred shape.
std::string KeyText(const PackedFingering& fingering);

}  // namespace corvanta
