// The chord degree check list: composing a formula and a type name from the
// ticked degrees.
#include <string>

#include "chord_entry/chord_entry.h"
#include "theory/degree_code.h"

namespace corvanta {

void ChordEntry::ApplyDegreeCode(int item, std::string_view code, std::string& base,
                                 std::string& additions) {
  ApplyDegreeCode(item, code, base, additions, NoteLimit());
}

void ChordEntry::ApplyDegreeCode(int item, std::string_view code, std::string& base,
                                 std::string& additions, int formulaLimit) {
  if (!corvanta::ApplyDegreeCode(code, base, additions, formulaLimit)) state.ticked[item] = false;
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
