// Chord formulas: two-digit semitone offsets.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// A chord formula is n two-digit semitone offsets separated by single blanks
// ("00 04 07"); entry k starts at character 3k.

// Every offset read the way the formula readers do (two characters, step
// three); a pair that is not two digits is skipped.
std::vector<int> FormulaOffsets(std::string_view formula);

// Strict check for formulas that come from outside (the command line):
// entries "00".."11", single blanks, the root "00" first.
bool IsWellFormedFormula(std::string_view formula);

// The transposed pitch classes, each followed by a blank; the root entry is
// skipped when the bass is the root, because the bass already stands first.
std::string TransposeFormula(std::string_view formula, int root, int rootPitchClass,
                             int bassPitchClass);

// What the search is given: the bass, then the transposed chord's pitch
// classes, the root left out when the bass is the root ({0, 4, 7} for C,
// {4, 0, 4, 7} for C/E).
std::vector<int> SearchPitchClasses(std::string_view formula, int rootPitchClass,
                                    int bassPitchClass);

// The same as the search argument's text, as it is shown: single blanks,
// no trailing blank ("0 4 7", "4 0 4 7").
std::string SearchArgumentText(const std::vector<int>& pitchClasses);
std::string BuildSearchArgument(std::string_view formula, int rootPitchClass, int bassPitchClass);

}  // namespace corvanta
