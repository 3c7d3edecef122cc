// The standard names of the program's type words: each, after a root, is a
// symbol the standard reader reads as that row's notes, so a user who types
// what the list shows gets what the row chooses.
#include "theory/standard_names.h"

#include <gtest/gtest.h>

#include "chord_entry/entry_chord.h"
#include "symbols/symbol_query.h"
#include "theory/formula.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

std::vector<int> Offsets(std::string_view formula) {
  std::vector<int> offsets = FormulaOffsets(TrimBlanks(formula));
  std::sort(offsets.begin(), offsets.end());
  offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
  return offsets;
}

TEST(StandardNames, eachTypesNameReadsAsItsRow) {
  for (int row = 0; row < kChordTypeCount; ++row) {
    const std::string symbol = "C" + std::string(kStandardTypeNames[row]);
    const std::string name = symbol == "Cmaj" ? std::string("C") : symbol;
    ChordEntry entry;
    const SymbolReading reading = ReadTypedChord(entry, name, ChordNotation::Standard);
    EXPECT_TRUE(reading.unrecognised.empty()) << symbol;
    EXPECT_EQ(Offsets(entry.state.chordFormula), Offsets(kChordCatalogue[row].formula))
        << symbol << " for " << kChordCatalogue[row].name;
  }
}

TEST(StandardNames, listTextsPutTheProgramsWordBesideTheStandardName) {
  EXPECT_EQ(StandardListText("7", "6+"), "7 (6+)");
  EXPECT_EQ(StandardListText("sus4", "11"), "sus4 (11)");
  EXPECT_EQ(StandardListText("m7", "m7"), "m7");
  EXPECT_EQ(StandardListText("maj", " "), "maj");  // the major row has no word of its own
  EXPECT_EQ(FindStandardChordType("maj7"), 20);
  EXPECT_EQ(FindStandardChordType("7sus4"), 18);  // the first of the rows it names
  EXPECT_EQ(FindStandardChordType("zap"), -1);
  EXPECT_EQ(kStandardDegreeNames[kMajorItem], "maj");
  EXPECT_EQ(kStandardDegreeNames[kDiminishedItem], "dim7");
}

}  // namespace
}  // namespace corvanta
