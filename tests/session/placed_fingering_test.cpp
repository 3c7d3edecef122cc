// The neck as an input and the capo: naming what a fingering sounds,
// placing fingers, and searching with a capo.
#include "session/placed_fingering.h"

#include <gtest/gtest.h>

#include <set>

#include "chord_entry/entry_chord.h"
#include "chord_entry/entry_session.h"
#include "guitar_pitch_table.h"
#include "instrument/capo.h"
#include "keyed_fingering.h"
#include "search/search_argument.h"
#include "session/session.h"
#include "session/sheet_heading.h"
#include "session/sounding_symbol.h"
#include "theory/catalogue.h"

namespace corvanta {
namespace {

bool Lists(const ChordNameList& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The cases are written in key values (99 muted, -f a barre's lowest
// string); these read them in and write the results back out.
using Values = std::vector<int>;
using Frets = Values;

// The guitar in a tuning of six pitch classes, its frets counted from the
// capo.
SoundingNotes NotesOnGuitar(const Fingering& frets, const Tuning& tuning, int capo) {
  const Instrument guitar = Retuned(*FindInstrument("guitar"), GuitarPitches(tuning));
  return NotesOnInstrument(frets, InstrumentWithCapo(guitar, capo));
}
SoundingNotes NotesOfFingering(const Values& frets, const Tuning& tuning, int capo) {
  return NotesOnGuitar(Keyed(frets), tuning, capo);
}
ChordNameList NameFingering(const Values& frets, const Tuning& tuning, int capo,
                            Accidentals names) {
  return NameSoundingNotes(NotesOfFingering(frets, tuning, capo), names);
}
Values PlaceFinger(const Values& frets, int string, int fret) {
  return KeyValues(corvanta::PlaceFinger(Keyed(frets), string, fret));
}
Values PlaceFingerUnderCapo(const Values& frets, int string, int neckFret, int capo,
                            int stringStart = 0) {
  return KeyValues(
      corvanta::PlaceFingerUnderCapo(Keyed(frets), string, neckFret, capo, stringStart));
}
Values StrumNotes(const Values& frets, const Instrument& sounding) {
  return corvanta::StrumNotes(Keyed(frets), sounding);
}
std::optional<Values> ParseTypedFrets(std::string_view text) {
  auto fingering = ParseFretList(text, kStringCount);
  if (!fingering) return std::nullopt;
  return KeyValues(*fingering);
}
std::optional<Values> ParseKeyFrets(std::string_view key) {
  auto fingering = ParseKeyFingering(key);
  if (!fingering) return std::nullopt;
  return KeyValues(*fingering);
}

TEST(Exports, suggestAFileNameFromTheSymbolAndHeadTheSheet) {
  EXPECT_EQ(FileNameForSymbol("Am/7/G"), "Am-7-G");
  EXPECT_EQ(FileNameForSymbol("C7/9 "), "C7-9");
  EXPECT_EQ(FileNameForSymbol("../x"), "x");
  EXPECT_EQ(FileNameForSymbol(""), "chords");
  EXPECT_EQ(FileNameForSymbol("a:b*c?"), "a-b-c");
  EXPECT_EQ(SheetHeading("Am7", "Drop D", 0), "Am7  \u2014  Drop D");
  EXPECT_EQ(SheetHeading("Am7", "Drop D", 2), "Am7  \u2014  Drop D, capo 2");
  EXPECT_EQ(SheetHeading("G  D", "Standard tuning", 2, "A  E"),
            "G  D  \u2014  Standard tuning, capo 2: shapes, sounding A  E");
  // Without a capo a shape is what sounds: nothing to add.
  EXPECT_EQ(SheetHeading("G", "Standard tuning", 0, "G"), "G  \u2014  Standard tuning");
}

TEST(NameFingering, namesTheOpenAndBarreShapesAsTheirChords) {
  struct Row {
    Frets frets;
    const char* chord;
  };
  const Row rows[] = {
      {{99, 3, 2, 0, 1, 0}, "C"},  {{3, 2, 0, 0, 3, 3}, "G"},    {{0, 2, 2, 1, 0, 0}, "E"},
      {{-1, 3, 3, 2, 1, 1}, "F"},  {{-2, 4, 4, 3, 2, 2}, "F#"},  {{0, 2, 2, 0, 0, 0}, "Em"},
      {{-1, 3, 3, 1, 1, 1}, "Fm"}, {{-3, 5, 5, 3, 3, 3}, "Gm"},  {{99, 0, 2, 2, 1, 0}, "Am"},
      {{99, 99, 0, 2, 3, 2}, "D"}, {{99, 0, 2, 2, 2, 0}, "A"},   {{0, 2, 0, 1, 0, 0}, "E6+"},
      {{99, -3, 5, 5, 5, 3}, "C"}, {{99, 6, 5, -3, 4, 3}, "D#"},
  };
  for (const Row& row : rows) {
    auto names = NameFingering(row.frets, kStandardTuning, 0, Accidentals::Sharps);
    EXPECT_TRUE(Lists(names, row.chord)) << row.chord << ": " << names.front();
  }
  // The lowest sounding note is the bass: C over E.
  auto overE = NameFingering({0, 3, 2, 0, 1, 0}, kStandardTuning, 0, Accidentals::Sharps);
  EXPECT_TRUE(Lists(overE, "C/E")) << overE.front();
  EXPECT_TRUE(
      NameFingering({99, 99, 99, 99, 99, 99}, kStandardTuning, 0, Accidentals::Sharps).empty());
}

TEST(NameFingering, hearsTheCapoAndTheTuning) {
  // The E shape with a capo at 2 sounds F# major.
  SoundingNotes notes = NotesOfFingering({0, 2, 2, 1, 0, 0}, kStandardTuning, 2);
  EXPECT_EQ(notes.bass, 6);
  EXPECT_EQ(std::set<int>(notes.pitchClasses.begin(), notes.pitchClasses.end()),
            (std::set<int>{6, 10, 1}));
  auto dadgad = ParseTuningNames("DADGAD");
  ASSERT_TRUE(dadgad);
  EXPECT_TRUE(Lists(NameFingering({0, 0, 0, 0, 0, 0}, *dadgad, 0, Accidentals::Sharps), "Dsus4"));
}

TEST(PlaceFinger, placesMovesAndCyclesOpenAndMuted) {
  const Values open{0, 0, 0, 0, 0, 0};
  Values placed = PlaceFinger(open, 1, 3);
  EXPECT_EQ(placed, (Values{0, 3, 0, 0, 0, 0}));
  EXPECT_EQ(PlaceFinger(placed, 1, 5), (Values{0, 5, 0, 0, 0, 0}));  // moves
  EXPECT_EQ(PlaceFinger(placed, 1, 3), open);                        // its finger: open
  Values muted = PlaceFinger(open, 0, 0);                            // left of the nut
  EXPECT_EQ(muted, (Values{99, 0, 0, 0, 0, 0}));
  EXPECT_EQ(PlaceFinger(muted, 0, 0), open);
  EXPECT_EQ(PlaceFinger(Values{-3, 5, 5, 5, 3, 3}, 0, 3)[0], 0);  // a barre's finger too
  EXPECT_EQ(PlaceFinger(open, 6, 1), open);                       // no such string
  EXPECT_EQ(PlaceFinger(open, -1, 1), open);
  EXPECT_EQ(PlaceFinger(open, 0, 30), open);  // no such fret
  // Any number of strings: a ukulele's fourth string.
  EXPECT_EQ(PlaceFinger(Values{0, 0, 0, 0}, 3, 3), (Values{0, 0, 0, 3}));
  EXPECT_EQ(PlaceFinger(Values{0, 0, 0, 0}, 4, 3), (Values{0, 0, 0, 0}));
}

TEST(PlaceFinger, underACapoCountsFromItAndItsFretIsTheNut) {
  const Values open{0, 0, 0, 0, 0, 0};
  // Capo 2: the neck's fret 4 is fret 2 from the capo.
  EXPECT_EQ(PlaceFingerUnderCapo(open, 1, 4, 2), (Values{0, 2, 0, 0, 0, 0}));
  // At or behind the capo is the nut: the string cycles open and muted.
  EXPECT_EQ(PlaceFingerUnderCapo(open, 1, 2, 2), (Values{0, kMuted, 0, 0, 0, 0}));
  EXPECT_EQ(PlaceFingerUnderCapo(open, 1, 1, 2), (Values{0, kMuted, 0, 0, 0, 0}));
  EXPECT_EQ(PlaceFingerUnderCapo(open, 1, 4, 0), (Values{0, 4, 0, 0, 0, 0}));
  // A banjo's drone string starts at fret 5: a click behind it is on its nut,
  // one above it a fret of the neck.
  const Values banjo{0, 0, 0, 0, 0};
  EXPECT_EQ(PlaceFingerUnderCapo(banjo, 0, 3, 0, 5), (Values{kMuted, 0, 0, 0, 0}));
  EXPECT_EQ(PlaceFingerUnderCapo(banjo, 0, 7, 0, 5), (Values{7, 0, 0, 0, 0}));
  EXPECT_EQ(PlaceFingerUnderCapo(banjo, 1, 3, 0), (Values{0, 3, 0, 0, 0}));
}

TEST(StrumNotes, playEachSoundingStringInOrderAtTheInstrumentsPitches) {
  // Re-entrant: the ukulele strums G4 first, then the lower C4.
  const Instrument& ukulele = *FindInstrument("ukulele");
  EXPECT_EQ(StrumNotes(Values{0, 0, 0, 3}, ukulele), (Values{67, 60, 64, 72}));
  EXPECT_EQ(StrumNotes(Values{kMuted, 2, 2, 2}, InstrumentWithCapo(ukulele, 2)),
            (Values{64, 68, 73}));
  // A fret the drone string does not have plays nothing; its fret 7 is A4.
  const Instrument& banjo = *FindInstrument("banjo");
  EXPECT_EQ(StrumNotes(Values{3, kMuted, kMuted, kMuted, kMuted}, banjo), Values{});
  EXPECT_EQ(StrumNotes(Values{7, kMuted, kMuted, kMuted, kMuted}, banjo), (Values{69}));
}

TEST(TypedFrets, readTheUsualSpellingsAndRefuseTheRest) {
  const Frets c{99, 3, 2, 0, 1, 0};
  for (const char* text : {"x 3 2 0 1 0", "99 3 2 0 1 0", "x32010", "X32010", " x 3 2 0 1 0 "})
    EXPECT_EQ(ParseTypedFrets(text), c) << text;
  EXPECT_EQ(ParseTypedFrets("12 14 14 13 12 12"), (Frets{12, 14, 14, 13, 12, 12}));
  EXPECT_EQ(ParseTypedFrets("-1 3 3 2 1 1"), (Frets{-1, 3, 3, 2, 1, 1}));
  for (const char* text : {"", "x3201", "x 3 2 0 1", "x 3 2 0 1 0 0", "a32010", "30 0 0 0 0 0",
                           "-0 3 3 2 1 1", "x3201x0", "- 3 3 2 1 1"})
    EXPECT_FALSE(ParseTypedFrets(text)) << text;
}

TEST(TypedTuning, readsNoteNamesLowStringFirst) {
  EXPECT_EQ(ParseTuningNames("D A D G A D"), (Tuning{2, 9, 2, 7, 9, 2}));
  EXPECT_EQ(ParseTuningNames("DADGAD"), (Tuning{2, 9, 2, 7, 9, 2}));
  EXPECT_EQ(ParseTuningNames("Eb Ab Db Gb Bb Eb"), (Tuning{3, 8, 1, 6, 10, 3}));
  EXPECT_EQ(ParseTuningNames("E A D G B E"), kStandardTuning);
  EXPECT_EQ(ParseTuningNames("C#G#C#F#A#D#"), (Tuning{1, 8, 1, 6, 10, 3}));
  for (const char* text :
       {"", "E A D G B", "E A D G B E E", "H A D G B E", "e a d g b e", "DADGAD!"})
    EXPECT_FALSE(ParseTuningNames(text)) << text;
}

TEST(Capo, soundsTheFretsAboveItAndClampsItsSetting) {
  PitchTable sounding = PitchTableWithCapo(BuildPitchTable(kStandardTuning), 2);
  EXPECT_EQ(sounding[0][0], 42);  // the low E string sounds F#2
  EXPECT_EQ(sounding[5][3], 64 + 5);
  EXPECT_EQ(PitchTableWithCapo(BuildPitchTable(kStandardTuning), 0),
            BuildPitchTable(kStandardTuning));
  EXPECT_EQ(ClampCapo(-3), 0);
  EXPECT_EQ(ClampCapo(40), kMaxCapo);
  std::vector<int> raised;
  for (const int pitch : InstrumentWithCapo(*FindInstrument("guitar"), 3).StandardPitches())
    raised.push_back(WrapPitchClass(pitch));
  EXPECT_EQ(raised, (std::vector<int>{7, 0, 5, 10, 2, 7}));
}

const Instrument& Guitar() { return *FindInstrument("guitar"); }

std::vector<std::string> Keys(const VoicedChord& result) {
  std::vector<std::string> keys;
  for (const Voicing& voicing : result.search.voicings) keys.push_back(VoicingKeyText(voicing));
  return keys;
}

std::vector<std::string> Keys(const InstrumentSearchResult& result) {
  std::vector<std::string> keys;
  for (const Voicing& voicing : result.voicings) keys.push_back(VoicingKeyText(voicing));
  return keys;
}

TEST(Capo, findsFingeringsThatSoundTheChordAboveTheCapo) {
  for (int capo : {0, 2, 5, 7, 12}) {
    for (int row = 0; row < kChordTypeCount; row += 3) {
      for (int root = 0; root < 12; root += 5) {
        ChordEntry entry;
        entry.ChooseRoot(root);
        entry.ChooseType(row);
        VoicedChord withCapo = VoiceEntry(entry, Guitar(), capo);
        std::set<int> tones(withCapo.search.chordTones.begin(), withCapo.search.chordTones.end());
        for (const std::string& key : Keys(withCapo)) {
          auto frets = ParseKeyFrets(key);
          ASSERT_TRUE(frets);
          SoundingNotes notes = NotesOfFingering(*frets, kStandardTuning, capo);
          std::set<int> heard(notes.pitchClasses.begin(), notes.pitchClasses.end());
          ASSERT_TRUE(std::includes(heard.begin(), heard.end(), tones.begin(), tones.end()))
              << key << " capo " << capo;
          for (int value : *frets) {
            if (value != kMuted) {
              ASSERT_LT(std::abs(value) + capo, kFretSlots) << key;
            }
          }
        }
      }
    }
  }
}

TEST(Capo, ofZeroChangesNothingAndEqualsTheRaisedTuning) {
  ChordEntry entry;
  entry.ChooseRoot(9);
  entry.ToggleDegree(15);
  EXPECT_EQ(Keys(VoiceEntry(entry, Guitar(), 0)), Keys(VoiceEntry(entry, Guitar())));
  // Capo 3 over 12 frets: the search of the tuning three semitones up over 9.
  VoicedChord capo3 = VoiceEntry(entry, Guitar(), 3);
  SearchSettings raised = SettingsFor(Session{}, ChordOfEntry(entry.state));
  raised.fretCount = 9;
  EXPECT_EQ(Keys(capo3),
            Keys(SearchOnInstrument(InstrumentWithCapo(Guitar(), 3),
                                    ParseSearchArgument(entry.SearchArgument()).numbers, raised)));
}

TEST(FindVoicing, matchesAVoicingWhateverItsBarreSign) {
  std::vector<Voicing> voicings{*MakeVoicing(Values{99, 3, 2, 0, 1, 0}, false, 5),
                                *MakeVoicing(Values{-1, 3, 3, 2, 1, 1}, false, 5)};
  EXPECT_EQ(FindVoicing(voicings, Keyed({1, 3, 3, 2, 1, 1})), 1);
  EXPECT_EQ(FindVoicing(voicings, Keyed({99, 3, 2, 0, 1, 0})), 0);
  EXPECT_EQ(FindVoicing(voicings, Keyed({0, 3, 2, 0, 1, 0})), -1);
  // Another string count is never the same fingering.
  EXPECT_EQ(FindVoicing(voicings, Keyed({99, 3, 2, 0, 1})), -1);
}

TEST(CapoShapes, soundingSymbolsRaiseTheRootAndTheWrittenBassOnly) {
  EXPECT_EQ(SoundingSymbol("G", 2, Accidentals::Sharps), "A");
  EXPECT_EQ(SoundingSymbol("Am7/G ", 2, Accidentals::Sharps), "Bm7/A");
  EXPECT_EQ(SoundingSymbol("Em/7/D", 1, Accidentals::Flats), "Fm/7/Eb");
  EXPECT_EQ(SoundingSymbol("Bb", 3, Accidentals::Sharps), "C#");
  // Degree words after a slash are not a bass.
  EXPECT_EQ(SoundingSymbol("C/b9", 1, Accidentals::Sharps), "C#/b9");
  EXPECT_EQ(SoundingSymbol("C7/9", 5, Accidentals::Sharps), "F7/9");
  EXPECT_EQ(SoundingSymbol("G", 0, Accidentals::Sharps), "G");
  EXPECT_EQ(SoundingSymbol("xyz", 4, Accidentals::Sharps), "xyz");
  EXPECT_EQ(SoundingSymbol("", 4, Accidentals::Sharps), "");
}

TEST(CapoShapes, searchTheShapeAboveTheCapoAndSoundItRaised) {
  for (int capo : {0, 2, 5}) {
    for (int root : {0, 7, 9}) {
      ChordEntry shape;
      shape.ChooseRoot(root);
      shape.ChooseType(3);
      // The shapes are the chord's fingerings without a capo, over the frets
      // left above it.
      VoicedChord found = VoiceEntry(shape, Guitar(), capo, CapoNames::Shapes);
      SearchSettings plain = SettingsFor(Session{}, ChordOfEntry(shape.state));
      plain.fretCount -= capo;
      EXPECT_EQ(Keys(found),
                Keys(SearchOnInstrument(
                    Guitar(), ParseSearchArgument(shape.SearchArgument()).numbers, plain)))
          << "root " << root << " capo " << capo;
      // Under the capo every shape sounds the chord a capo's frets higher.
      ChordEntry sounding;
      sounding.ChooseRoot(WrapPitchClass(root + capo));
      sounding.ChooseType(3);
      std::set<int> tones;
      for (int tone : VoiceEntry(sounding, Guitar()).search.chordTones) tones.insert(tone);
      for (const std::string& key : Keys(found)) {
        SoundingNotes notes = NotesOfFingering(*ParseKeyFrets(key), kStandardTuning, capo);
        std::set<int> heard(notes.pitchClasses.begin(), notes.pitchClasses.end());
        ASSERT_TRUE(std::includes(heard.begin(), heard.end(), tones.begin(), tones.end())) << key;
      }
    }
  }
}

TEST(CapoShapes, keepTheShortStringBehindTheCapoOnAnyInstrument) {
  // A banjo's fifth string starts at fret 5: under capo 2 it starts at fret 3,
  // with shape names as with sounding ones.
  const Instrument& banjo = *FindInstrument("banjo");
  Instrument shapes = InstrumentUnderCapo(banjo, 2, CapoNames::Shapes);
  Instrument sounding = InstrumentUnderCapo(banjo, 2, CapoNames::Sounding);
  for (std::size_t string = 0; string < banjo.strings.size(); ++string) {
    EXPECT_EQ(shapes.strings[string].firstFret, sounding.strings[string].firstFret);
    EXPECT_EQ(shapes.strings[string].pitch, banjo.strings[string].pitch);
    EXPECT_EQ(sounding.strings[string].pitch, banjo.strings[string].pitch + 2);
  }
}

}  // namespace
}  // namespace corvanta
