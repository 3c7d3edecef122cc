// Note names, pitch classes and accidentals.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace corvanta {

inline constexpr int kPitchClassCount = 12;
// Stands for "no note": a typed text that names no pitch class.
inline constexpr int kNoPitchClass = 12;

using NoteNameRow = std::array<std::string_view, kPitchClassCount>;

// Row r of both note grids always stands for pitch class r; only the five
// black-key rows change their text between sharp and flat spelling.
inline constexpr NoteNameRow kSharpNoteNames{"C",  "C#", "D",  "D#", "E",  "F",
                                             "F#", "G",  "G#", "A",  "A#", "B"};
inline constexpr NoteNameRow kFlatNoteNames{"C",  "Db", "D",  "Eb", "E",  "F",
                                            "Gb", "G",  "Ab", "A",  "Bb", "B"};
inline constexpr std::array<int, 5> kBlackKeyRows{1, 3, 6, 8, 10};

enum class Accidentals { Sharps, Flats };

inline const NoteNameRow& NoteNamesFor(Accidentals accidentals) {
  return accidentals == Accidentals::Sharps ? kSharpNoteNames : kFlatNoteNames;
}

// Pitch class r named with the accidentals; empty for a value that is no
// pitch class (12, "no note").
inline std::string_view NoteNameOf(Accidentals accidentals, int pitchClass) {
  return pitchClass >= 0 && pitchClass < kPitchClassCount ? NoteNamesFor(accidentals)[pitchClass]
                                                          : std::string_view{};
}

// The pitch class of a note name ("C#", "Db", "Fb", "Cb"), compared exactly
// and case-sensitively; kNoPitchClass when the text names no note.
int PitchClassOfName(std::string_view name);

// Wraps any integer into 0..11.
constexpr int WrapPitchClass(int value) {
  return ((value % kPitchClassCount) + kPitchClassCount) % kPitchClassCount;
}

// The values with later repeats dropped, first occurrences in their order.
std::vector<int> DistinctInOrder(const std::vector<int>& values);

}  // namespace corvanta
