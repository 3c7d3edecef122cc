// Tests of the instrument table, custom tunings and the tuning panel.
#include "instrument/instrument.h"

#include <gtest/gtest.h>

#include "instrument/instrument_tuning.h"
#include "instrument/tuning.h"
#include "theory/note_names.h"

namespace corvanta {
namespace {

TEST(Instruments, theBuiltInsAreTheOnesPlayersAskFor) {
  std::vector<std::string> names;
  for (const Instrument& instrument : BuiltInInstruments()) names.push_back(instrument.name);
  EXPECT_EQ(names, (std::vector<std::string>{"guitar", "guitar7", "ukulele", "baritone-ukulele",
                                             "mandolin", "banjo", "tenor-banjo", "cavaquinho",
                                             "charango", "bass", "bass5"}));
  EXPECT_EQ(FindInstrument("lute"), nullptr);
}

TEST(Instruments, theGuitarKeepsItsPresetsInTheirOctaves) {
  const Instrument& guitar = *FindInstrument("guitar");
  ASSERT_EQ(guitar.presets.size(), static_cast<std::size_t>(kTuningPresetCount));
  EXPECT_EQ(guitar.StandardPitches(), (std::vector<int>{40, 45, 50, 55, 59, 64}));
  EXPECT_EQ(guitar.presets[7].name, "Drop D");
  EXPECT_EQ(guitar.presets[7].pitches, (std::vector<int>{38, 45, 50, 55, 59, 64}));
  // Both names: the button's caption and the English one.
  EXPECT_EQ(guitar.presets[0].name, "标准音");
  EXPECT_EQ(guitar.presets[0].EnglishName(), "Standard tuning");
  EXPECT_EQ(guitar.presets[13].EnglishName(), "Half step down (Eb)");
  EXPECT_EQ(guitar.presets[13].pitches, (std::vector<int>{39, 44, 49, 54, 58, 63}));
  // Every preset by any of its names, in any letter case.
  for (const char* name : {"Standard", "standard tuning", "标准音", "OPEN g", "drop d"})
    EXPECT_TRUE(InNamedTuning(guitar, name).has_value()) << name;
  EXPECT_EQ(guitar.rules, (VoicingRules{false, 3, 3}));
}

TEST(Instruments, stringsAreListedAsPlayersListThem) {
  struct Row {
    const char* name;
    std::vector<int> pitches;
  };
  const std::vector<Row> rows{
      {"guitar7", {35, 40, 45, 50, 55, 59, 64}},
      {"ukulele", {67, 60, 64, 69}},
      {"baritone-ukulele", {50, 55, 59, 64}},
      {"mandolin", {55, 62, 69, 76}},
      {"banjo", {67, 50, 55, 59, 62}},
      {"tenor-banjo", {48, 55, 62, 69}},
      {"cavaquinho", {62, 67, 71, 74}},
      {"charango", {67, 72, 64, 69, 76}},
      {"bass", {28, 33, 38, 43}},
      {"bass5", {23, 28, 33, 38, 43}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(FindInstrument(row.name)->StandardPitches(), row.pitches) << row.name;
  EXPECT_EQ(FindInstrument("ukulele")->presets[1].pitches, (std::vector<int>{55, 60, 64, 69}));
  EXPECT_EQ(FindInstrument("guitar7")->presets[1].pitches.front(), 36);
}

TEST(Instruments, theBanjosDroneStringStartsAtTheFifthFret) {
  const Instrument& banjo = *FindInstrument("banjo");
  EXPECT_EQ(PitchAt(banjo, 0, 0), 67);
  EXPECT_EQ(PitchAt(banjo, 0, 3), -1);
  EXPECT_EQ(PitchAt(banjo, 0, 5), -1);
  EXPECT_EQ(PitchAt(banjo, 0, 6), 68);
  EXPECT_EQ(PitchAt(banjo, 1, 5), 55);
  EXPECT_EQ(PitchAt(banjo, 9, 0), -1);
}

TEST(Instruments, rulesFollowHowEachIsPlayed) {
  EXPECT_TRUE(FindInstrument("ukulele")->rules.anyInversion);
  EXPECT_TRUE(FindInstrument("banjo")->rules.anyInversion);
  EXPECT_EQ(FindInstrument("guitar7")->rules, (VoicingRules{false, 4, 3}));
  EXPECT_EQ(FindInstrument("bass")->rules, (VoicingRules{false, 3, 1}));
  // Custom tunings: re-entrant or short and high, low, or a guitar.
  EXPECT_TRUE(RulesForPitches({67, 60, 64, 69}).anyInversion);
  EXPECT_TRUE(RulesForPitches({55, 62, 69, 76}).anyInversion);
  EXPECT_EQ(RulesForPitches({28, 33, 38, 43}), (VoicingRules{false, 3, 1}));
  EXPECT_EQ(RulesForPitches({38, 45, 50, 55, 59, 64}), (VoicingRules{false, 3, 3}));
  EXPECT_EQ(RulesForPitches({33, 38, 43, 48, 53, 57, 62, 67}), (VoicingRules{false, 5, 3}));
  EXPECT_FALSE(CustomInstrument({40, 45, 50}).has_value());
  EXPECT_FALSE(CustomInstrument({40, 45, 50, 55, 59, 64, 69, 74, 79}).has_value());
  EXPECT_FALSE(CustomInstrument({40, 45, 50, 200}).has_value());
}

TEST(Instruments, pitchNamesCarryTheirOctave) {
  EXPECT_EQ(ParsePitchName("C4"), 60);
  EXPECT_EQ(ParsePitchName("A4"), 69);
  EXPECT_EQ(ParsePitchName("E1"), 28);
  EXPECT_EQ(ParsePitchName("Eb2"), 39);
  EXPECT_EQ(ParsePitchName("Cb4"), 59);
  EXPECT_EQ(ParsePitchName("H4"), std::nullopt);
  EXPECT_EQ(ParsePitchName("C"), std::nullopt);
  EXPECT_EQ(ParsePitchName("C44"), std::nullopt);
  EXPECT_EQ(PitchName(67), "G4");
  EXPECT_EQ(PitchName(23), "B0");
}

TEST(Instruments, tuningsAreTypedWithOrWithoutOctaves) {
  const Instrument& ukulele = *FindInstrument("ukulele");
  EXPECT_EQ(ParseStringPitches("G3 C4 E4 A4", ukulele), (std::vector<int>{55, 60, 64, 69}));
  // Without octaves each note takes the one nearest the standard string.
  EXPECT_EQ(ParseStringPitches("A D F# B", ukulele), (std::vector<int>{69, 62, 66, 71}));
  EXPECT_EQ(ParseStringPitches("G C E", ukulele), std::nullopt);
  EXPECT_EQ(ParseStringPitches("G C E A D", ukulele), std::nullopt);
  EXPECT_EQ(ParseStringPitches("G C E X", ukulele), std::nullopt);
  EXPECT_EQ(ParseStringPitches("", ukulele), std::nullopt);
}

}  // namespace
TEST(InstrumentTuning, presetsResetAndSlidersWorkAsTheGuitarsDo) {
  InstrumentTuning ukulele(*FindInstrument("ukulele"));
  EXPECT_EQ(ukulele.state.pitches, (std::vector<int>{67, 60, 64, 69}));
  EXPECT_EQ(ukulele.state.labels, (std::vector<std::string>{"G", "C", "E", "A"}));
  EXPECT_EQ(ukulele.state.buttonCaption, "标准音");
  EXPECT_EQ(ukulele.SliderPositions(), (std::vector<int>{7, 0, 4, 9}));
  // A preset checks its item, or unchecks it clicked again, and applies it.
  EXPECT_EQ(ukulele.ApplyPreset(1), 1);
  EXPECT_EQ(ukulele.state.pitches[0], 55);
  EXPECT_EQ(ukulele.state.buttonCaption, "Low G");
  EXPECT_EQ(ukulele.state.checkedPreset, 1);
  EXPECT_EQ(ukulele.ApplyPreset(1), 1);
  EXPECT_EQ(ukulele.state.checkedPreset, -1);
  EXPECT_EQ(ukulele.ApplyPreset(9), 0);
  EXPECT_EQ(ukulele.ApplyPreset(-1), 0);
  // The reset leaves the menu's check alone.
  EXPECT_EQ(ukulele.ResetToStandardTuning(), 1);
  EXPECT_EQ(ukulele.state.pitches[0], 67);
  EXPECT_EQ(ukulele.state.checkedPreset, -1);
  // A slider takes the pitch class in the octave nearest the standard string.
  EXPECT_EQ(ukulele.RetuneString(0, 9), 1);  // G4 to A4, not A3
  EXPECT_EQ(ukulele.state.pitches[0], 69);
  EXPECT_EQ(ukulele.state.labels[0], "A");
  EXPECT_EQ(ukulele.RetuneString(0, 6), 1);  // F#4, just below G4
  EXPECT_EQ(ukulele.state.pitches[0], 66);
  EXPECT_EQ(ukulele.RetuneString(0, 1), 1);  // C#5 and C#4 are six away: down
  EXPECT_EQ(ukulele.state.pitches[0], 61);
  EXPECT_EQ(ukulele.RetuneString(0, 1), 0);  // no change, no search
  EXPECT_EQ(ukulele.RetuneString(4, 1), 0);
  EXPECT_EQ(ukulele.RetuneString(0, 12), 0);
  EXPECT_EQ(ukulele.Tuned().StandardPitches(), (std::vector<int>{61, 60, 64, 69}));
  // The banjo's drone keeps its fifth fret in any tuning.
  InstrumentTuning banjo(*FindInstrument("banjo"));
  banjo.ApplyPreset(1);
  EXPECT_EQ(banjo.Tuned().strings[0].firstFret, 5);
}

namespace {

// The guitar's panel: presets by their menu items with their own spelling,
// a slider heard by the search at the next search and by the strum only at
// the next preset or reset.
TEST(GuitarTuning, aPresetTakesItsOwnSpellingAndIsStrummedAtOnce) {
  InstrumentTuning guitar(*FindInstrument("guitar"));
  EXPECT_EQ(guitar.state.labels, (std::vector<std::string>{"E", "A", "D", "G", "B", "E"}));
  EXPECT_EQ(guitar.state.checkedPreset, 0);
  EXPECT_EQ(guitar.ApplyPreset(10), 1);  // G minor tuning
  EXPECT_EQ(guitar.state.labels, (std::vector<std::string>{"G", "Bb", "D", "G", "Bb", "D"}));
  EXPECT_EQ(guitar.SliderPositions(), (std::vector<int>{7, 10, 2, 7, 10, 2}));
  // Each string in the octave nearest its standard pitch: G2 up from E2,
  // Bb2 up from A2, D4 down from E4.
  EXPECT_EQ(guitar.state.pitches, (std::vector<int>{43, 46, 50, 55, 58, 62}));
  EXPECT_EQ(guitar.state.strummedPitches, guitar.state.pitches);
  EXPECT_EQ(guitar.state.buttonCaption, "G minor tuning");
  EXPECT_EQ(guitar.state.checkedPreset, 10);
}

TEST(GuitarTuning, theCheckedPresetChosenAgainLeavesNoneCheckedAndIsApplied) {
  InstrumentTuning guitar(*FindInstrument("guitar"));
  guitar.RetuneString(0, 2);
  EXPECT_EQ(guitar.ApplyPreset(0), 1);
  EXPECT_EQ(guitar.state.checkedPreset, -1);
  EXPECT_EQ(guitar.state.pitches, (std::vector<int>{40, 45, 50, 55, 59, 64}));
  EXPECT_EQ(guitar.state.labels[0], "E");
  EXPECT_EQ(guitar.ApplyPreset(kTuningPresetCount), 0);
  EXPECT_EQ(guitar.state.checkedPreset, -1);
}

TEST(GuitarTuning, theButtonPartResetsToStandardAndKeepsTheMenuCheck) {
  InstrumentTuning guitar(*FindInstrument("guitar"));
  guitar.ApplyPreset(13);  // half a step down, spelled with flats
  guitar.RetuneString(1, 9);
  EXPECT_EQ(guitar.ResetToStandardTuning(), 1);
  EXPECT_EQ(guitar.state.pitches, (std::vector<int>{40, 45, 50, 55, 59, 64}));
  EXPECT_EQ(guitar.state.strummedPitches, guitar.state.pitches);
  EXPECT_EQ(guitar.state.labels, (std::vector<std::string>{"E", "A", "D", "G", "B", "E"}));
  EXPECT_EQ(guitar.state.buttonCaption, "标准音");
  EXPECT_EQ(guitar.state.checkedPreset, 13);
  // A guitar retuned elsewhere (a song in Drop D) names its own strings.
  InstrumentTuning dropped(*InPreset(*FindInstrument("guitar"), "Drop D"));
  EXPECT_EQ(dropped.state.labels[0], "D");
  EXPECT_EQ(dropped.state.pitches[0], 38);
}

TEST(GuitarTuning, aSliderRetunesTheSearchNowAndTheStrumAtTheNextPreset) {
  InstrumentTuning guitar(*FindInstrument("guitar"));
  EXPECT_EQ(guitar.RetuneString(0, 2), 0);  // no search of its own
  EXPECT_EQ(guitar.state.labels[0], "D");
  EXPECT_EQ(guitar.Tuned().strings[0].pitch, 38);
  EXPECT_EQ(guitar.Strummed().strings[0].pitch, 40);
  EXPECT_EQ(guitar.RetuneString(1, 10), 0);
  EXPECT_EQ(guitar.state.labels[1], "A#");  // a slider names sharps
  EXPECT_EQ(guitar.RetuneString(6, 1), 0);
  EXPECT_EQ(guitar.RetuneString(0, 12), 0);
  EXPECT_EQ(guitar.RetuneString(0, -1), 0);
  EXPECT_EQ(guitar.SliderPositions()[0], 2);
  // The next preset brings the strum up to the panel.
  guitar.ApplyPreset(7);  // Drop D
  EXPECT_EQ(guitar.Strummed().StandardPitches(), guitar.Tuned().StandardPitches());
  EXPECT_EQ(guitar.Strummed().strings[0].pitch, 38);
}

// A slider on any other instrument is strummed as soon as it is searched.
TEST(InstrumentTuning, everyRowButTheGuitarsHearsASliderAtOnce) {
  for (const Instrument& instrument : BuiltInInstruments()) {
    InstrumentTuning tuning(instrument);
    const int searches = tuning.RetuneString(1, WrapPitchClass(instrument.strings[1].pitch + 1));
    EXPECT_EQ(searches, instrument.retuning == Retuning::AtOnce ? 1 : 0) << instrument.name;
    EXPECT_EQ(tuning.state.strummedPitches == tuning.state.pitches,
              instrument.retuning == Retuning::AtOnce)
        << instrument.name;
  }
  EXPECT_EQ(FindInstrument("guitar")->retuning, Retuning::AtNextSearch);
  EXPECT_EQ(FindInstrument("guitar7")->retuning, Retuning::AtOnce);
}

// Every preset's spelling names its own pitches, one name per string, and
// the guitar's menu items keep their names and captions.
TEST(InstrumentTuning, presetSpellingsNameTheirPitches) {
  for (const Instrument& instrument : BuiltInInstruments()) {
    for (const InstrumentPreset& preset : instrument.presets) {
      ASSERT_EQ(preset.pitches.size(), instrument.strings.size()) << preset.name;
      if (preset.labels.empty()) continue;
      ASSERT_EQ(preset.labels.size(), preset.pitches.size()) << preset.name;
      for (std::size_t s = 0; s < preset.labels.size(); ++s)
        EXPECT_EQ(PitchClassOfName(preset.labels[s]), WrapPitchClass(preset.pitches[s]))
            << preset.name << " string " << s;
    }
  }
  const Instrument& guitar = *FindInstrument("guitar");
  EXPECT_EQ(guitar.presetMenuName, "PopupMenu1");
  EXPECT_EQ(guitar.presets[0].itemName, "StandardTunning1");
  EXPECT_EQ(guitar.presets[3].menuCaption, "Lute Tunning");
  EXPECT_EQ(guitar.presets[3].name, "Lute");
  EXPECT_EQ(FindInstrument("ukulele")->presets[1].itemName, "");
}

}  // namespace

}  // namespace corvanta
