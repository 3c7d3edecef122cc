// What the program's own chord words are called in the standard notation.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "theory/catalogue.h"
#include "theory/degree_codes.h"

namespace corvanta {

// What the program's own words are called in the standard notation of
// songbooks and jazz charts, for the two lists that show them: the chord
// types, row by row of kChordCatalogue ("6+" is the dominant seventh, "11"
// the suspended fourth, the blank row the major triad), and the degrees of
// the check list, item by item of kDegreeItems (there "6+" is the minor
// seventh added, "9" the ninth). Each type's name, after a root, is a
// symbol the standard reader reads as that row's notes.
inline constexpr std::array<std::string_view, kChordTypeCount> kStandardTypeNames{{
    "maj",   "dim7",  "aug",  "add4", "add9",  "add11",  "add9",  "sus4",  "7add4",
    "5",     "(b5)",  "aug",  "6",    "addb6", "7",      "7",     "7add4", "9",
    "7sus4", "7sus4", "maj7", "add9", "9",     "sus4",   "7sus4", "sus2",  "sus4",
    "7sus4", "sus2",  "m7",   "m7b5", "madd9", "madd11", "m6",    "m9",
}};

inline constexpr std::array<std::string_view, kDegreeItemCount> kStandardDegreeNames{{
    "maj",   "m",      "aug",    "dim7",  "dim7",   "2",     "b4",   "4",     "#4",
    "b5",    "5",      "#5",     "b6",    "6",      "7",     "7",    "maj7",  "b9",
    "9",     "#9",     "b11",    "11",    "#11",    "b13",   "13",   "#13",   "addb4",
    "add4",  "add#4",  "addb6",  "add6",  "add#6",  "addb9", "add9", "add#9", "addb11",
    "add11", "add#11", "addb13", "add13", "add#13", "b4",    "b5",   "b6",    "b9",
    "b11",   "b13",    "sus2",   "sus4",  "sus2",   "sus4",
}};

// A list's text in the standard notation: the standard name, and the
// program's own word after it in parentheses where they differ ("7 (6+)",
// "sus4 (11)", "maj7 (7+)"; "m7"). ownName is the program's word as the
// list shows it (blanks aside).
std::string StandardListText(std::string_view standardName, std::string_view ownName);

// The first catalogue row whose standard name is the text ("maj7", "m7b5",
// "dim7"); -1 when none is.
int FindStandardChordType(std::string_view name);

}  // namespace corvanta
