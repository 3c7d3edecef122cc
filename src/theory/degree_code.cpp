// How a degree code changes the formula the check list composes.
#include "theory/degree_code.h"

#include "theory/chord_defaults.h"

namespace corvanta {
namespace {

constexpr std::string_view kPerfectFifthEntry = " 07";
constexpr std::string_view kMajorThirdEntry = " 04";
constexpr char kFifthCode = '5';
constexpr char kThirdCode = '3';

void EraseFirst(std::string& text, std::string_view pattern) {
  std::size_t at = text.find(pattern);
  if (at != std::string::npos) text.erase(at, pattern.size());
}

// No entry spans the two: each starts with a blank, which neither ends with.
bool Contains(const std::string& base, const std::string& additions, std::string_view entry) {
  return base.find(entry) != std::string::npos || additions.find(entry) != std::string::npos;
}

}  // namespace

int FormulaLimit(bool separateBass) {
  constexpr int kSixNotes = 3 * kMostChordNotes - 1;
  constexpr int kFiveNotes = 3 * (kMostChordNotes - 1) - 1;
  return separateBass ? kFiveNotes : kSixNotes;
}

bool ApplyDegreeCode(std::string_view code, std::string& base, std::string& additions,
                     int formulaLimit) {
  if (code.size() != 3) return true;
  auto fits = [&] { return static_cast<int>(base.size() + additions.size()) < formulaLimit; };
  if (code[0] == kFifthCode || code[0] == kThirdCode) {
    // The replaced interval goes even when its replacement is refused.
    EraseFirst(base, code[0] == kFifthCode ? kPerfectFifthEntry : kMajorThirdEntry);
    const char entryText[] = {' ', code[1], code[2]};
    const std::string_view entry(entryText, sizeof entryText);
    if (Contains(base, additions, entry)) return true;
    if (!fits()) return false;
    base += entry;
    return true;
  }
  if (code[0] != ' ' || Contains(base, additions, code)) return true;
  if (!fits()) return false;
  additions += code;
  return true;
}

}  // namespace corvanta
