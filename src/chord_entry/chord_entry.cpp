// The chord controls' rules: what each choice does to the entry.
#include "chord_entry/chord_entry.h"

#include <algorithm>
#include <array>

#include "theory/catalogue.h"
#include "theory/degree_code.h"
#include "theory/formula.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

constexpr std::array<int, 4> kFretCountChoices{6, 12, 18, 24};
constexpr std::array<int, 4> kSpanChoices{2, 3, 4, 5};
// "简单和弦" selects the span item "3" when ticked and "5" when unticked.
constexpr int kSimpleChordSpan = 3;

bool IsNoteRow(int row) { return row >= 0 && row < kPitchClassCount; }

template <std::size_t N>
bool IsOneOf(int value, const std::array<int, N>& choices) {
  return std::find(choices.begin(), choices.end(), value) != choices.end();
}

}  // namespace

std::string_view NoteGridText(Accidentals names, int row) { return NoteNameOf(names, row); }

std::string_view ChordEntry::RootGridText(int row) const {
  return NoteGridText(state.rootGridNames, row);
}

std::string_view ChordEntry::BassGridText(int row) const {
  return NoteGridText(state.bassGridNames, row);
}

std::string ChordEntry::SearchArgument() const {
  return BuildSearchArgument(TrimBlanks(state.chordFormula), state.rootPitchClass,
                             state.bassPitchClass);
}

void ChordEntry::ComposeSymbol() {
  state.chordSymbol = state.rootName + state.typeName + state.bassSuffix;
}

EntryOutcome ChordEntry::ChooseType(int row) {
  if (row < 0 || row >= kChordTypeCount) return {};
  state.typeGridRow = row;
  state.chordFormula = kChordCatalogue[row].formula;
  state.typeName = TrimBlanks(kChordCatalogue[row].name);
  ComposeSymbol();
  return {1};
}

EntryOutcome ChordEntry::ChooseRoot(int row) {
  if (!IsNoteRow(row)) return {};
  EntryOutcome outcome;
  state.rootGridRow = row;
  state.rootPitchClass = row;
  state.bassPitchClass = row;
  // Moving the bass row selects that cell, which runs the whole bass choice
  // (with the old root name, and one more search) before the root is named.
  if (state.bassGridRow != row) outcome.searches += ChooseBass(row).searches;
  // The root is spelled from the bass grid's cell.
  state.rootName = BassGridText(row);
  state.bassSuffix.clear();
  ComposeSymbol();
  outcome.searches += 1;
  return outcome;
}

EntryOutcome ChordEntry::ChooseBass(int row) {
  if (!IsNoteRow(row)) return {};
  state.bassGridRow = row;
  state.bassPitchClass = row;
  state.bassSuffix =
      row == state.rootPitchClass ? std::string() : "/" + std::string(BassGridText(row));
  ComposeSymbol();
  RefreshNoteLimit();
  return {1};
}

int ChordEntry::NoteLimit() const {
  return FormulaLimit(state.bassPitchClass != state.rootPitchClass);
}

void ChordEntry::RefreshNoteLimit() {
  bool full = static_cast<int>(state.chordFormula.size()) >= NoteLimit();
  for (int item = 0; item < kDegreeItemCount; ++item) {
    state.enabled[item] = !(full && IsAddedCode(kDegreeItems[item].code) && !state.ticked[item]);
  }
}

void ChordEntry::ShowRootAs(Accidentals names) {
  state.rootButtonDown = state.rootGridNames = names;
}

void ChordEntry::ShowBassAs(Accidentals names) {
  state.bassButtonDown = state.bassGridNames = names;
}

void ChordEntry::ChooseMode(EntryMode mode) { state.mode = mode; }

EntryOutcome ChordEntry::SetFretCount(int fretCount) {
  if (!IsOneOf(fretCount, kFretCountChoices)) return {};
  state.fretCount = fretCount;
  return {1};
}

EntryOutcome ChordEntry::SetSpan(int span) {
  if (!IsOneOf(span, kSpanChoices)) return {};
  state.span = span;
  return {1};
}

EntryOutcome ChordEntry::SetOmitFifth(bool checked) {
  state.omitFifth = checked;
  return {1};
}

EntryOutcome ChordEntry::SetOmitThird(bool checked) {
  state.omitThird = checked;
  return {1};
}

EntryOutcome ChordEntry::SetLeftHanded(bool checked) {
  state.leftHanded = checked;
  return {1};
}

EntryOutcome ChordEntry::SetNoFullBarres(bool checked) {
  state.noFullBarres = checked;
  return {1};
}

EntryOutcome ChordEntry::SetSimpleChords(bool checked) {
  state.simpleChords = checked;
  state.span = checked ? kSimpleChordSpan : kDefaultSpan;
  return {1};
}

}  // namespace corvanta
