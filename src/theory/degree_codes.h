// The degree check list's items and their codes.
#pragma once

#include <array>
#include <string_view>

namespace corvanta {

// One item of the chord degree check list: its display text and its degree
// code. A code is a whole base formula (longer than three characters), a
// fifth code "5nn", a third code "3nn" or an added code " nn".
struct DegreeItem {
  std::string_view text;
  std::string_view code;
};

inline constexpr int kDegreeItemCount = 51;
inline constexpr int kMajorItem = 0;
inline constexpr int kMinorItem = 1;
inline constexpr int kAugmentedItem = 2;
inline constexpr int kDiminishedItem = 3;
inline constexpr int kFlatFifthItem = 9;
inline constexpr int kSharpFifthItem = 11;

inline constexpr std::array<DegreeItem, kDegreeItemCount> kDegreeItems{{
    {"", "00 04 07"},
    {"m", "00 03 07"},
    {"aug", "508"},
    {"dim", "00 03 06 09"},
    {"\xC2\xBA", "00 03 06 09"},
    {"2", " 02"},
    {"4-", " 04"},
    {"4", " 05"},
    {"4+", " 06"},
    {"5-", "506"},
    {"5", "00 07"},
    {"5+", "508"},
    {"6-", " 08"},
    {"6", " 09"},
    {"6+", " 10"},
    {"7", " 10"},
    {"7+", " 11"},
    {"9-", " 01"},
    {"9", " 02"},
    {"9+", " 03"},
    {"11-", " 04"},
    {"11", " 05"},
    {"11+", " 06"},
    {"13-", " 08"},
    {"13", " 09"},
    {"13+", " 10"},
    {"add4-", " 04"},
    {"add4", " 05"},
    {"add4+", " 06"},
    {"add6-", " 08"},
    {"add6", " 09"},
    {"add6+", " 10"},
    {"add9-", " 01"},
    {"add9", " 02"},
    {"add9+", " 03"},
    {"add11-", " 04"},
    {"add11", " 05"},
    {"add11+", " 06"},
    {"add13-", " 08"},
    {"add13", " 09"},
    {"add13+", " 10"},
    {"b4", " 04"},
    {"b5", "506"},
    {"b6", " 08"},
    {"b9", " 01"},
    {"b11", " 04"},
    {"b13", " 08"},
    {"sus2", "302"},
    {"sus4", "305"},
    {"sus9", "302"},
    {"sus11", "305"},
}};

constexpr bool IsBaseFormulaCode(std::string_view code) { return code.size() > 3; }
constexpr bool IsAddedCode(std::string_view code) { return !code.empty() && code[0] == ' '; }

}  // namespace corvanta
