// The chord degree check list: composing a formula and a type name from the
// ticked degrees.
#include <string>

#include "theory/chord_entry.h"

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

void ChordEntry::ApplyDegreeCode(int item, std::string_view code, std::string& base,
                                 std::string& additions) {
  ApplyDegreeCode(item, code, base, additions, NoteLimit());
}

void ChordEntry::ApplyDegreeCode(int item, std::string_view code, std::string& base,
                                 std::string& additions, int formulaLimit) {
  if (code.size() != 3) return;
  auto fits = [&] { return static_cast<int>(base.size() + additions.size()) < formulaLimit; };
  if (code[0] == kFifthCode || code[0] == kThirdCode) {
    // The replaced interval goes even when its replacement is refused.
    EraseFirst(base, code[0] == kFifthCode ? kPerfectFifthEntry : kMajorThirdEntry);
    const char entryText[] = {' ', code[1], code[2]};
    const std::string_view entry(entryText, sizeof entryText);
    if (Contains(base, additions, entry)) return;
    if (fits()) {
      base += entry;
    } else {
      state.ticked[item] = false;
    }
    return;
  }
  if (code[0] != ' ' || Contains(base, additions, code)) return;
  if (fits()) {
    additions += code;
  } else {
    state.ticked[item] = false;
  }
}

EntryOutcome ChordEntry::ToggleDegree(int item) {
  if (item < 0 || item >= kDegreeItemCount || !state.enabled[item]) return {};
  state.ticked[item] = !state.ticked[item];
  return ApplyToggledDegree(item);
}

EntryOutcome ChordEntry::ApplyToggledDegree(int item) {
  if (item < 0 || item >= kDegreeItemCount) return {};
  auto& ticked = state.ticked;
  std::string base;
  std::string additions;
  std::string typeName;

  // Major and minor exclude each other.
  if (item == kMajorItem) ticked[kMinorItem] = !ticked[kMajorItem];
  if (item == kMinorItem) ticked[kMajorItem] = !ticked[kMinorItem];

  state.thirdInterval = ticked[kMinorItem] || ticked[kDiminishedItem] ? kMinorThird : kMajorThird;
  state.fifthInterval = ticked[kAugmentedItem] || ticked[kSharpFifthItem]   ? kAugmentedFifth
                        : ticked[kFlatFifthItem] || ticked[kDiminishedItem] ? kDiminishedFifth
                                                                            : kPerfectFifth;

  // The ticked base with the highest index wins; a diminished or power chord
  // brings the major tick back in place of the minor one.
  for (int i = 0; i < kDegreeItemCount; ++i) {
    if (!ticked[i] || !IsBaseFormulaCode(kDegreeItems[i].code)) continue;
    base = kDegreeItems[i].code;
    if (i > kAugmentedItem && !ticked[kMajorItem]) {
      ticked[kMajorItem] = true;
      ticked[kMinorItem] = false;
    }
  }

  for (int j = 1; j < kDegreeItemCount; ++j) {
    if (!ticked[j]) continue;
    // Named before any test, so a refused or repeated degree is still named.
    typeName += "/" + std::string(kDegreeItems[j].text);
    std::string_view code = kDegreeItems[j].code;
    if (additions.find(code) == std::string::npos && code.size() <= 3) {
      ApplyDegreeCode(j, code, base, additions);
    }
  }
  // 'C/b5' keeps its slash so that the symbol does not read "Cb5".
  if (!typeName.empty() && typeName.rfind("/b", 0) != 0) typeName.erase(0, 1);
  state.typeName = typeName;
  state.chordFormula = base + additions;

  bool full = static_cast<int>(state.chordFormula.size()) >= NoteLimit();
  state.bassGridEnabled = !full;
  RefreshNoteLimit();
  ComposeSymbol();
  return {1};
}

}  // namespace corvanta
