// The chord entry: everything the chord controls show and the search reads.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "theory/chord_defaults.h"
#include "theory/degree_codes.h"
#include "theory/note_names.h"

namespace corvanta {

enum class EntryMode { DegreeList = 1, TypeGrid = 2 };

// Everything the chord controls show and the search reads. The grids, the
// check list and the option controls of the window mirror these fields.
struct ChordEntryState {
  int rootPitchClass = 0;
  int bassPitchClass = 0;  // equal to the root when there is no separate bass
  std::string chordFormula{"00 04 07"};
  std::string rootName{"C"};
  std::string typeName;
  std::string bassSuffix;
  int thirdInterval = kMajorThird;  // removed by the omit-third option
  int fifthInterval = kPerfectFifth;
  std::string chordSymbol{"C"};  // the chord symbol box

  // The degree check list: item 0 (major) ticked at start, all enabled.
  std::array<bool, kDegreeItemCount> ticked{true};
  std::array<bool, kDegreeItemCount> enabled = AllEnabled();
  bool bassGridEnabled = true;

  // What the note grids' cells say, and which "#"/"b" button is down; a
  // typed symbol relabels a grid without moving its button.
  Accidentals rootGridNames = Accidentals::Sharps;
  Accidentals bassGridNames = Accidentals::Sharps;
  Accidentals rootButtonDown = Accidentals::Sharps;
  Accidentals bassButtonDown = Accidentals::Sharps;
  EntryMode mode = EntryMode::DegreeList;
  int rootGridRow = 0;
  int bassGridRow = 0;
  int typeGridRow = 0;

  // Option controls.
  int fretCount = kDefaultFretCount;
  int span = kDefaultSpan;
  bool omitThird = false;
  bool omitFifth = false;
  bool leftHanded = false;  // drawing only
  bool noFullBarres = false;
  bool simpleChords = false;

  static constexpr std::array<bool, kDegreeItemCount> AllEnabled() {
    std::array<bool, kDegreeItemCount> all{};
    all.fill(true);
    return all;
  }
  bool operator==(const ChordEntryState&) const = default;
};

// How many searches a handler ran (the window runs them with the state as
// it is afterwards; a root choice that moves the bass row runs two).
struct EntryOutcome {
  int searches = 0;
};

// The chord-entry model: the handlers of the chord controls with their
// effects in the order the window runs them. No handler trusts its argument:
// a row or item outside its control does nothing.
class ChordEntry {
 public:
  ChordEntryState state;

  // Chord-type grid, root grid, bass grid (a cell is about to be selected).
  EntryOutcome ChooseType(int row);
  EntryOutcome ChooseRoot(int row);
  EntryOutcome ChooseBass(int row);

  // The user toggles a check-list item (mouse or space); a disabled item
  // cannot be toggled and nothing happens.
  EntryOutcome ToggleDegree(int item);
  // Runs after the user changed the tick of item (already toggled).
  EntryOutcome ApplyToggledDegree(int item);
  // Applies one degree code of at most three characters to the base and the
  // additions, or unticks item at the six-note limit.
  void ApplyDegreeCode(int item, std::string_view code, std::string& base, std::string& additions);
  // The same with another limit on the formula's length.
  void ApplyDegreeCode(int item, std::string_view code, std::string& base, std::string& additions,
                       int formulaLimit);
  // The formula length a degree may not reach: six notes with the bass.
  int NoteLimit() const;

  // Which accidentals the root and the bass grids spell their notes with
  // (the "#"/"b" buttons); the chord itself is unchanged and nothing is searched.
  void ShowRootAs(Accidentals names);
  void ShowBassAs(Accidentals names);
  // Entry by ticking degrees or by choosing a type; no search.
  void ChooseMode(EntryMode mode);

  // Option controls; each searches once when its value is acceptable.
  EntryOutcome SetFretCount(int fretCount);
  EntryOutcome SetSpan(int span);
  EntryOutcome SetOmitFifth(bool checked);
  EntryOutcome SetOmitThird(bool checked);
  EntryOutcome SetLeftHanded(bool checked);
  EntryOutcome SetNoFullBarres(bool checked);
  EntryOutcome SetSimpleChords(bool checked);

  // The cell texts of the note grids as they stand.
  std::string_view RootGridText(int row) const;
  std::string_view BassGridText(int row) const;

  // The search argument of the current chord ("0 4 7").
  std::string SearchArgument() const;

 private:
  void RefreshNoteLimit();
  void ComposeSymbol();
};

// A row of a note grid; an empty text for a row it does not have (the "no
// note" 12 of a typed symbol that names no root).
std::string_view NoteGridText(Accidentals names, int row);

}  // namespace corvanta
