// The chord-type catalogue: names and formulas of the type grid.
#pragma once

#include <array>
#include <string_view>

namespace corvanta {

// A chord type of the chord-type grid: the name shown after the root and its
// formula of two-digit semitone offsets ("00 04 07").
struct ChordType {
  std::string_view name;
  std::string_view formula;
};

inline constexpr int kChordTypeCount = 35;

// Row 1's name is "º" (U+00BA, in UTF-8 like every text of the program),
// the diminished sign.
inline constexpr std::array<ChordType, kChordTypeCount> kChordCatalogue{{
    {" ", "00 04 07"},          {"\xC2\xBA", "00 03 06 09"},
    {"aug", "00 04 08"},        {"add4", "00 04 05 07"},
    {"add9", "00 02 04 07"},    {"add11", "00 04 05 07"},
    {"2", "00 02 04 07"},       {"4", "00 05 07"},
    {"4/7", "00 04 05 07 10"},  {"5", "00 07"},
    {"5-", "00 04 06"},         {"5+", "00 04 08"},
    {"6", "00 04 07 09"},       {"6-", "00 04 07 08"},
    {"6+", "00 04 07 10"},      {"7", "00 04 07 10"},
    {"7/4", "00 04 05 07 10"},  {"7/9", "00 02 04 07 10"},
    {"7/11", "00 05 07 10"},    {"7/sus4", "00 05 07 10"},
    {"7+", "00 04 07 11"},      {"9", "00 02 04 07"},
    {"9/7", "00 02 04 07 10"},  {"11", "00 05 07"},
    {"11/7", "00 05 07 10"},    {"sus2", "00 02 07"},
    {"sus4", "00 05 07"},       {"sus4/7", "00 05 07 10"},
    {"sus9", "00 02 07"},       {"m7", "00 03 07 10"},
    {"m7/5-", "00 03 06 10"},   {"m9", "00 02 03 07"},
    {"m11", "00 03 05 07"},     {"m6", "00 03 07 09"},
    {"m7/9", "00 02 03 07 10"},
}};

// The catalogue row whose name, without surrounding blanks, equals the text
// ("" and "maj" both find the major triad); -1 when there is none.
int FindChordType(std::string_view trimmedName);

}  // namespace corvanta
