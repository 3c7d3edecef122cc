// Tests of the search on every instrument against the plain reference.
#include "search/instrument_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "keyed_fingering.h"
#include "reference_search.h"
#include "search/fret_window.h"
#include "search/key_text.h"
#include "theory/catalogue.h"
#include "theory/formula.h"
#include "theory/note_names.h"

namespace corvanta {
namespace {

std::vector<std::string> KeysOf(const InstrumentSearchResult& result) {
  std::vector<std::string> keys;
  for (const Voicing& voicing : result.voicings) keys.push_back(VoicingKeyText(voicing));
  return keys;
}

// The search argument of a chord: the bass, then the formula's tones (the
// root left out when it is the bass).
std::vector<int> Argument(std::string_view formula, int root, int bass) {
  std::vector<int> numbers{bass};
  std::vector<int> offsets = FormulaOffsets(formula);
  for (std::size_t i = bass == root ? 1 : 0; i < offsets.size(); ++i)
    numbers.push_back(WrapPitchClass(offsets[i] + root));
  return numbers;
}

SearchSettings Chord(int root, int bass) {
  SearchSettings settings;
  settings.rootPitchClass = root;
  settings.bassPitchClass = bass;
  return settings;
}

// A seeded random chord, option set and fret count.
struct RandomCase {
  std::vector<int> argument;
  SearchSettings settings;
  std::string name;
};

RandomCase MakeCase(std::mt19937& random) {
  auto pick = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
  const ChordType& type = kChordCatalogue[static_cast<std::size_t>(pick(kChordTypeCount))];
  int root = pick(12);
  std::vector<int> offsets = FormulaOffsets(type.formula);
  // The bass: mostly the root, else a chord tone or any note.
  int bass = root;
  if (pick(3) == 0)
    bass = WrapPitchClass(
        root + offsets[static_cast<std::size_t>(pick(static_cast<int>(offsets.size())))]);
  if (pick(8) == 0) bass = pick(12);
  RandomCase c{Argument(type.formula, root, bass), Chord(root, bass), {}};
  constexpr std::array<int, 4> kFretCounts{6, 12, 18, 24};
  c.settings.fretCount = kFretCounts[static_cast<std::size_t>(pick(4))];
  c.settings.span = 2 + pick(4);
  c.settings.omitThird = pick(6) == 0;
  c.settings.omitFifth = pick(5) == 0;
  c.settings.noFullBarres = pick(5) == 0;
  c.settings.simpleChords = pick(6) == 0;
  c.name = std::string(type.formula) + " root " + std::to_string(root) + " bass " +
           std::to_string(bass) + " frets " + std::to_string(c.settings.fretCount) + " span " +
           std::to_string(c.settings.span);
  return c;
}

std::vector<int> RandomPitches(std::mt19937& random, int strings) {
  std::vector<int> pitches;
  for (int s = 0; s < strings; ++s) pitches.push_back(28 + static_cast<int>(random() % 48));
  // Mostly rising, as most tunings are; sometimes re-entrant.
  if (random() % 3 != 0) std::sort(pitches.begin(), pitches.end());
  return pitches;
}

TEST(InstrumentSearch, theGuitarGivesTheSpecifiedResults) {
  const Instrument& guitar = *FindInstrument("guitar");
  InstrumentSearchResult c = SearchOnInstrument(guitar, {0, 4, 7}, Chord(0, 0));
  ASSERT_EQ(c.voicings.size(), 165u);
  EXPECT_EQ(VoicingKeyText(c.voicings[0]), "112013 99 3 2 0 1 0 ");
  InstrumentSearchResult f = SearchOnInstrument(guitar, {5, 9, 0}, Chord(5, 5));
  ASSERT_EQ(f.voicings.size(), 57u);
  EXPECT_EQ(VoicingKeyText(f.voicings[0]), "000000 -1 3 3 2 1 1 ");
  EXPECT_TRUE(f.voicings[0].preferred);
}

// The plain reference and the one search agree on the guitar in any of its
// tunings: its presets and any six pitch classes in its octaves.
TEST(InstrumentSearch, guitarSearchesEqualThePlainReference) {
  std::mt19937 random(20261208);
  const Instrument& guitar = *FindInstrument("guitar");
  for (int i = 0; i < 400; ++i) {
    RandomCase c = MakeCase(random);
    Instrument tuned = guitar;
    if (i % 3 == 1) {
      tuned = Retuned(
          guitar,
          guitar.presets[static_cast<std::size_t>(random() % guitar.presets.size())].pitches);
    } else if (i % 3 == 2) {
      Tuning pitchClasses{};
      for (int& pitchClass : pitchClasses) pitchClass = static_cast<int>(random() % 12);
      tuned = Retuned(guitar, GuitarPitches(pitchClasses));
    }
    ASSERT_EQ(KeysOf(SearchOnInstrument(tuned, c.argument, c.settings)),
              reference::Search(tuned, c.argument, c.settings))
        << c.name;
  }
}

TEST(InstrumentSearch, everyBuiltInInstrumentEqualsThePlainReference) {
  std::mt19937 random(7);
  for (const Instrument& instrument : BuiltInInstruments()) {
    for (int i = 0; i < 150; ++i) {
      RandomCase c = MakeCase(random);
      Instrument tuned = Retuned(
          instrument,
          instrument.presets[static_cast<std::size_t>(i) % instrument.presets.size()].pitches);
      ASSERT_EQ(KeysOf(SearchOnInstrument(tuned, c.argument, c.settings)),
                reference::Search(tuned, c.argument, c.settings))
          << instrument.name << ": " << c.name;
    }
  }
}

// The walk keeps each voicing's facts as it goes; read again from the key
// values in one pass they give the same voicing, sort key included.
TEST(InstrumentSearch, theWalksFactsAreThoseOfTheValues) {
  std::mt19937 random(11);
  for (const Instrument& instrument : BuiltInInstruments()) {
    for (int i = 0; i < 40; ++i) {
      RandomCase c = MakeCase(random);
      for (const Voicing& voicing :
           SearchOnInstrument(instrument, c.argument, c.settings).voicings) {
        std::optional<Voicing> again = MakeVoicing(KeyValues(voicing.frets), false, kFretSlots);
        ASSERT_TRUE(again) << instrument.name << ": " << c.name;
        if (voicing.preferred) MarkPreferred(*again);
        again->fifthInBass = voicing.fifthInBass;
        ASSERT_EQ(*again, voicing)
            << instrument.name << ": " << c.name << " " << VoicingKeyText(voicing);
      }
    }
  }
}

TEST(InstrumentSearch, customTuningsOfFourToEightStringsEqualThePlainReference) {
  std::mt19937 random(11);
  for (int i = 0; i < 500; ++i) {
    int strings = kMinInstrumentStrings + i % (kMaxInstrumentStrings - kMinInstrumentStrings + 1);
    std::vector<int> pitches = RandomPitches(random, strings);
    auto custom = CustomInstrument(pitches);
    ASSERT_TRUE(custom.has_value());
    RandomCase c = MakeCase(random);
    ASSERT_EQ(KeysOf(SearchOnInstrument(*custom, c.argument, c.settings)),
              reference::Search(*custom, c.argument, c.settings))
        << strings << " strings: " << c.name;
  }
}

// The shapes each instrument's players know are found, the familiar one first
// where the instrument lists it.
struct KnownShape {
  const char* instrument;
  const char* chord;
  const char* formula;
  int root;
  std::vector<int> frets;
  bool first;  // promoted to the front
};

TEST(InstrumentSearch, findsTheShapesPlayersKnow) {
  const std::vector<KnownShape> shapes{
      {"ukulele", "C", "00 04 07", 0, {0, 0, 0, 3}, true},
      {"ukulele", "G", "00 04 07", 7, {0, 2, 3, 2}, true},
      {"ukulele", "F", "00 04 07", 5, {2, 0, 1, 0}, true},
      {"ukulele", "Am", "00 03 07", 9, {2, 0, 0, 0}, true},
      {"ukulele", "A7", "00 04 07 10", 9, {0, 1, 0, 0}, true},
      {"mandolin", "G", "00 04 07", 7, {0, 0, 2, 3}, true},
      {"mandolin", "C", "00 04 07", 0, {0, 2, 3, 0}, true},
      {"mandolin", "D", "00 04 07", 2, {2, 0, 0, 2}, true},
      {"baritone-ukulele", "G", "00 04 07", 7, {0, 0, 0, 3}, true},
      {"cavaquinho", "G", "00 04 07", 7, {0, 0, 0, 0}, true},
      {"charango", "Am", "00 03 07", 9, {2, 0, 0, 0, 0}, true},
      {"banjo", "G", "00 04 07", 7, {0, 0, 0, 0, 0}, true},
      {"banjo", "C", "00 04 07", 0, {0, 2, 0, 1, 2}, true},
      {"tenor-banjo", "C", "00 04 07", 0, {0, 0, 2, 3}, true},
      {"guitar7", "E", "00 04 07", 4, {99, 0, 2, 2, 1, 0, 0}, true},
      {"guitar7", "C", "00 04 07", 0, {99, 99, 3, 2, 0, 1, 0}, false},
      {"guitar7", "Em7", "00 03 07 10", 4, {99, 0, 2, 0, 0, 0, 0}, false},
      {"bass", "C", "00 04 07", 0, {99, 3, 2, 0}, false},
      {"bass", "A5", "00 07", 9, {5, 7, 99, 99}, false},
      {"bass5", "E5", "00 07", 4, {99, 0, 2, 99, 99}, false},
  };
  for (const KnownShape& shape : shapes) {
    const Instrument& instrument = *FindInstrument(shape.instrument);
    InstrumentSearchResult result = SearchOnInstrument(
        instrument, Argument(shape.formula, shape.root, shape.root), Chord(shape.root, shape.root));
    auto found = std::find_if(result.voicings.begin(), result.voicings.end(),
                              [&](const Voicing& v) { return KeyValues(v.frets) == shape.frets; });
    ASSERT_NE(found, result.voicings.end()) << shape.instrument << " " << shape.chord;
    if (shape.first) {
      EXPECT_EQ(found, result.voicings.begin()) << shape.instrument << " " << shape.chord;
    }
  }
}

// Every listed shape sounds the chord of some root with its own notes
// (a mistyped shape would never be promoted).
TEST(InstrumentSearch, everyListedShapeSoundsOnItsInstrument) {
  for (const Instrument& instrument : BuiltInInstruments()) {
    for (const std::vector<int>& shape : instrument.shapes.Lists()) {
      ASSERT_EQ(shape.size(), instrument.strings.size()) << instrument.name;
      int sounding = 0;
      for (std::size_t s = 0; s < shape.size(); ++s) {
        if (shape[s] == kMuted) continue;
        ++sounding;
        EXPECT_GE(PitchAt(instrument, static_cast<int>(s), shape[s]), 0) << instrument.name;
      }
      EXPECT_GE(sounding, 3) << instrument.name;
    }
  }
}

TEST(InstrumentSearch, theBassIsTheLowestPitchOnReentrantTunings) {
  const Instrument& ukulele = *FindInstrument("ukulele");
  // C/E: the open C string sounds below the E, so 0 0 0 3 is no C/E.
  InstrumentSearchResult slash = SearchOnInstrument(ukulele, {4, 0, 4, 7}, Chord(0, 4));
  for (const Voicing& voicing : slash.voicings) {
    int lowest = 999;
    for (std::size_t s = 0; s < voicing.frets.size(); ++s)
      if (voicing.frets[s].Sounds())
        lowest = std::min(lowest, PitchAt(ukulele, static_cast<int>(s), voicing.frets[s].Fret()));
    EXPECT_EQ(WrapPitchClass(lowest), 4) << VoicingKeyText(voicing);
  }
  EXPECT_FALSE(slash.voicings.empty());
}

// The practical rules' bass, read plainly: the lowest pitch sounds the bass
// (on an instrument played in any inversion only under a written bass), and
// over another bass the root sounds on a string of its own.
bool KeepsThePracticalBassPlainly(const Voicing& voicing, const Instrument& instrument,
                                  const SearchSettings& settings) {
  const bool slash = settings.bassPitchClass != settings.rootPitchClass;
  int lowest = -1, lowestPitch = 0;
  for (std::size_t s = 0; s < voicing.frets.size(); ++s) {
    if (!voicing.frets[s].Sounds()) continue;
    const int pitch = PitchAt(instrument, static_cast<int>(s), voicing.frets[s].Fret());
    if (lowest < 0 || pitch < lowestPitch) lowest = static_cast<int>(s), lowestPitch = pitch;
  }
  if (lowest < 0) return false;
  if ((!instrument.rules.anyInversion || slash) &&
      WrapPitchClass(lowestPitch) != settings.bassPitchClass)
    return false;
  if (!slash) return true;
  for (std::size_t s = 0; s < voicing.frets.size(); ++s) {
    if (static_cast<int>(s) == lowest || !voicing.frets[s].Sounds()) continue;
    if (WrapPitchClass(PitchAt(instrument, static_cast<int>(s), voicing.frets[s].Fret())) ==
        settings.rootPitchClass)
      return true;
  }
  return false;
}

// The walk decides the practical bass for a whole window where it can: its
// results are the search without the rule, filtered by the rule.
TEST(InstrumentSearch, thePracticalBassFiltersTheSameSearch) {
  std::mt19937 random(23);
  for (const Instrument& instrument : BuiltInInstruments()) {
    for (int i = 0; i < 60; ++i) {
      RandomCase c = MakeCase(random);
      Instrument tuned = Retuned(
          instrument,
          instrument.presets[static_cast<std::size_t>(i) % instrument.presets.size()].pitches);
      SearchSettings free = c.settings;
      free.bassPitchClass = WrapPitchClass(free.bassPitchClass);
      free.rootPitchClass = WrapPitchClass(free.rootPitchClass);
      SearchSettings kept = free;
      kept.bassLowest = true;
      std::vector<std::string> filtered;
      for (const Voicing& voicing : SearchAnyInstrument(tuned, c.argument, free).voicings)
        if (KeepsThePracticalBassPlainly(voicing, tuned, free))
          filtered.push_back(VoicingKeyText(voicing));
      ASSERT_EQ(KeysOf(SearchAnyInstrument(tuned, c.argument, kept)), filtered)
          << instrument.name << ": " << c.name;
    }
  }
}

TEST(InstrumentSearch, theBanjosShortStringHasNoFretsBelowItsFirst) {
  const Instrument& banjo = *FindInstrument("banjo");
  InstrumentSearchResult result = SearchOnInstrument(banjo, {9, 0, 4}, Chord(9, 9));
  ASSERT_FALSE(result.voicings.empty());
  for (const Voicing& voicing : result.voicings) {
    const StringStop drone = voicing.frets[0];
    EXPECT_TRUE(!drone.IsHeld() || drone.Fret() > 5) << VoicingKeyText(voicing);
  }
}

TEST(InstrumentSearch, aCapoRaisesEveryStringAndTheShortStringsStart) {
  Instrument raised = InstrumentWithCapo(*FindInstrument("banjo"), 2);
  EXPECT_EQ(raised.strings[0].pitch, 69);
  EXPECT_EQ(raised.strings[0].firstFret, 3);
  EXPECT_EQ(raised.strings[1].pitch, 52);
}

// A search never places a bass or a window's top past the instrument's neck:
// a 24-fret search on a soprano ukulele is its 15-fret search.
TEST(InstrumentSearch, neverReachesPastTheInstrumentsNeck) {
  const Instrument& ukulele = *FindInstrument("ukulele");
  ASSERT_EQ(ukulele.neckFrets, 15);
  SearchSettings wide = Chord(0, 0), neck = Chord(0, 0);
  wide.fretCount = 24;
  neck.fretCount = ukulele.neckFrets;
  const InstrumentSearchResult found = SearchOnInstrument(ukulele, {0, 4, 7}, wide);
  EXPECT_EQ(KeysOf(found), KeysOf(SearchOnInstrument(ukulele, {0, 4, 7}, neck)));
  for (const Voicing& voicing : found.voicings)
    EXPECT_LT(voicing.highest, ukulele.neckFrets + enumeration::kWindowWidth)
        << VoicingKeyText(voicing);
  // The guitar keeps its whole 24-fret neck.
  EXPECT_EQ(FindInstrument("guitar")->neckFrets, kNeckFrets);
}

}  // namespace
}  // namespace corvanta
