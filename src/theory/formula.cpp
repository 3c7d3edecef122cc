// Chord formulas: parsing, transposing, and the search argument they make.
#include "theory/formula.h"

#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

constexpr std::size_t kEntryStride = 3;

std::optional<int> TwoDigitsAt(std::string_view text, std::size_t at) {
  if (at + 1 >= text.size() || !IsAsciiDigit(text[at]) || !IsAsciiDigit(text[at + 1]))
    return std::nullopt;
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

}  // namespace

std::vector<int> FormulaOffsets(std::string_view formula) {
  std::vector<int> offsets;
  for (std::size_t at = 0; at < formula.size(); at += kEntryStride) {
    if (auto offset = TwoDigitsAt(formula, at)) offsets.push_back(*offset);
  }
  return offsets;
}

bool IsWellFormedFormula(std::string_view formula) {
  if (formula.size() < 2 || (formula.size() + 1) % kEntryStride != 0) return false;
  if (formula.substr(0, 2) != "00") return false;
  for (std::size_t at = 0; at < formula.size(); at += kEntryStride) {
    auto offset = TwoDigitsAt(formula, at);
    if (!offset || *offset >= kPitchClassCount) return false;
    if (at + 2 < formula.size() && formula[at + 2] != ' ') return false;
  }
  return true;
}

std::string TransposeFormula(std::string_view formula, int root, int rootPitchClass,
                             int bassPitchClass) {
  std::string result;
  std::size_t start = bassPitchClass == rootPitchClass ? kEntryStride : 0;
  // The entry at position p is read while the formula is at least p long; a
  // ragged end (no second digit) is read as nothing instead of past the end.
  for (std::size_t at = start; at <= formula.size(); at += kEntryStride) {
    auto offset = TwoDigitsAt(formula, at);
    if (!offset) continue;
    result += std::to_string(WrapPitchClass(root + *offset));
    result += ' ';
  }
  return result;
}

std::vector<int> SearchPitchClasses(std::string_view formula, int rootPitchClass,
                                    int bassPitchClass) {
  std::vector<int> pitchClasses{bassPitchClass};
  // The entry at position p is read while the formula is at least p long,
  // as TransposeFormula reads it.
  const std::size_t start = bassPitchClass == rootPitchClass ? kEntryStride : 0;
  for (std::size_t at = start; at <= formula.size(); at += kEntryStride) {
    if (auto offset = TwoDigitsAt(formula, at))
      pitchClasses.push_back(WrapPitchClass(rootPitchClass + *offset));
  }
  return pitchClasses;
}

std::string SearchArgumentText(const std::vector<int>& pitchClasses) {
  std::string text;
  for (int pitchClass : pitchClasses) {
    if (!text.empty()) text += ' ';
    text += std::to_string(pitchClass);
  }
  return text;
}

std::string BuildSearchArgument(std::string_view formula, int rootPitchClass, int bassPitchClass) {
  return SearchArgumentText(SearchPitchClasses(formula, rootPitchClass, bassPitchClass));
}

}  // namespace corvanta
