// Tests of the guitar's search results.
#include <gtest/gtest.h>

#include <algorithm>

#include "instrument/instrument.h"
#include "reference_search.h"
#include "search/fingering.h"
#include "search/instrument_search.h"
#include "search/key_text.h"
#include "search/search_argument.h"
#include "search/voicing.h"
#include "theory/shape_templates.h"

// The guitar through the one search: the results it has always given.
namespace corvanta {
namespace {

// Shapes and templates are written in the search's key values.
using Frets = std::array<int, 6>;

const Instrument& Guitar() { return *FindInstrument("guitar"); }

struct Found {
  std::vector<int> chordTones;
  std::vector<Voicing> voicings;
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const Voicing& voicing : voicings) keys.push_back(VoicingKeyText(voicing));
    return keys;
  }
};

Found SearchNumbers(const std::vector<int>& numbers, const SearchSettings& settings) {
  InstrumentSearchResult result = SearchOnInstrument(Guitar(), numbers, settings);
  return {result.chordTones, result.voicings};
}

Found Search(const std::string& argument, SearchSettings settings = {}) {
  ParsedArgument parsed = ParseSearchArgument(argument);
  EXPECT_TRUE(parsed.ok()) << argument << ": " << parsed.error;
  return SearchNumbers(parsed.numbers, settings);
}

SearchSettings Rooted(int root, int bass) {
  SearchSettings settings;
  settings.rootPitchClass = root;
  settings.bassPitchClass = bass;
  return settings;
}

TEST(WholeSearch, findsTheStandardTuningResults) {
  Found c = Search("0 4 7");
  ASSERT_EQ(c.Keys().size(), 165u);
  EXPECT_EQ(c.Keys()[0], "112013 99 3 2 0 1 0 ");
  EXPECT_EQ(c.Keys()[1], "112013 99 3 2 0 1 3 ");
  EXPECT_EQ(c.Keys()[2], "112015 99 -3 5 5 5 3 ");

  Found e = Search("4 8 11", Rooted(4, 4));
  ASSERT_EQ(e.Keys().size(), 171u);
  EXPECT_EQ(e.Keys()[0], "000000 0 2 2 1 0 0 ");

  Found f = Search("5 9 0", Rooted(5, 5));
  ASSERT_EQ(f.Keys().size(), 57u);
  EXPECT_EQ(f.Keys()[0], "000000 -1 3 3 2 1 1 ");

  SearchSettings noBarres = Rooted(5, 5);
  noBarres.noFullBarres = true;
  Found fNoBarre = Search("5 9 0", noBarres);
  EXPECT_EQ(fNoBarre.Keys().size(), 45u);
  for (const std::string& key : fNoBarre.Keys())
    EXPECT_EQ(key.find("-1 3 3 2 1 1"), std::string::npos);
}

bool IsGuitarShape(const Frets& values) {
  const std::vector<int> shape(values.begin(), values.end());
  const auto& lists = Guitar().shapes.Lists();
  return std::find(lists.begin(), lists.end(), shape) != lists.end();
}

TEST(GuitarShapes, promoteOnlyTheFirstMatchInDiscoveryOrder) {
  // C major: x 3 2 0 1 0 is found first, then x 3 2 0 1 3; the open E
  // shape of E major and the F barre are promoted over every other.
  EXPECT_EQ(Search("0 4 7").Keys()[0], "112013 99 3 2 0 1 0 ");
  EXPECT_EQ(Search("4 8 11", Rooted(4, 4)).Keys()[0], "000000 0 2 2 1 0 0 ");
  const Found f = Search("5 9 0", Rooted(5, 5));
  EXPECT_EQ(f.Keys()[0], "000000 -1 3 3 2 1 1 ");
  EXPECT_EQ(std::count_if(f.voicings.begin(), f.voicings.end(),
                          [](const Voicing& voicing) { return voicing.preferred; }),
            1);
}

TEST(GuitarShapes, agreeWithTheTemplateMatchOnEveryTemplateAndItsNeighbours) {
  // Each template, and each with one value moved by one fret: one of the
  // guitar's shapes exactly when the template text holds it.
  for (const std::array<int, 6>& values : TemplateShapeValueLists()) {
    for (int string = 0; string < 6; ++string) {
      for (int step : {0, -1, 1}) {
        Frets varied = values;
        if (varied[string] != 99) varied[string] = std::clamp(varied[string] + step, -29, 29);
        ASSERT_EQ(IsGuitarShape(varied), IsTemplateShape(varied))
            << ::testing::PrintToString(varied);
      }
    }
  }
  // The plain text inside a barre shape is a shape of its own.
  EXPECT_TRUE(IsGuitarShape({1, 3, 3, 2, 1, 1}));
}

TEST(VoicingOrder, sortsExactlyAsTheKeyText) {
  // Values whose texts sort otherwise than their numbers: -1 < -10 < 0 < 1 < 10 < 2 < 99.
  std::vector<Voicing> found;
  for (const Frets& values : std::initializer_list<Frets>{{99, 10, 2, 0, 1, 0},
                                                          {99, 1, 2, 0, 1, 0},
                                                          {99, 2, 2, 0, 1, 0},
                                                          {-1, 3, 3, 2, 1, 1},
                                                          {99, 99, 2, 1, 0, 0},
                                                          {0, 2, 2, 1, 0, 0},
                                                          {-10, 12, 12, 11, 10, 10}})
    found.push_back(*MakeVoicing(values, false, 30));
  std::vector<std::string> keys;
  for (const Voicing& voicing : found) keys.push_back(VoicingKeyText(voicing));
  for (std::size_t a = 0; a < found.size(); ++a) {
    for (std::size_t b = 0; b < found.size(); ++b)
      EXPECT_EQ(found[a].order < found[b].order, keys[a] < keys[b]) << keys[a] << " / " << keys[b];
  }
}

TEST(WholeSearch, isSortedByteWiseWithUniqueKeys) {
  SearchSettings wide;
  wide.fretCount = 24;
  Found c = Search("0 4 7", wide);
  const std::vector<std::string> keys = c.Keys();
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
  EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
  EXPECT_GT(keys.size(), 165u);
}

TEST(ChordTones, areTheRootFirstLessTheOmittedThirdAndFifth) {
  SearchSettings settings;
  EXPECT_EQ(ChordTonesOf({0, 4, 7}, settings), (std::vector<int>{0, 4, 7}));
  EXPECT_EQ(ChordTonesOf({4, 0, 4, 7}, Rooted(0, 4)), (std::vector<int>{0, 4, 7}));
  settings.omitThird = true;
  EXPECT_EQ(ChordTonesOf({0, 4, 7}, settings), (std::vector<int>{0, 7}));
  EXPECT_EQ(ChordTonesOf({0, 3, 7}, settings), (std::vector<int>{0, 3, 7}));
  settings.omitFifth = true;
  EXPECT_EQ(ChordTonesOf({0, 4, 7}, settings), (std::vector<int>{0}));
}

TEST(WholeSearch, keepsTheBassWhenTheOmittedThirdIsTheBass) {
  SearchSettings settings = Rooted(0, 4);
  settings.omitThird = true;
  Found result = Search("4 0 4 7", settings);
  EXPECT_EQ(result.chordTones, (std::vector<int>{0, 7}));
  ASSERT_FALSE(result.Keys().empty());
}

TEST(WholeSearch, searchesEveryNumberOfALongArgument) {
  // A six-note typed chord with a separate bass gives seven numbers: every
  // fingering sounds the bass E on its lowest string and the four tones
  // after the root above it, as the plain reading of the rules finds.
  const std::vector<int> argument{4, 0, 4, 7, 10, 2, 5};
  Found result = SearchNumbers(argument, Rooted(0, 4));
  EXPECT_EQ(result.chordTones, (std::vector<int>{0, 4, 7, 10, 2, 5}));
  ASSERT_FALSE(result.voicings.empty());
  EXPECT_EQ(result.Keys(), reference::Search(Guitar(), argument, Rooted(0, 4)));
  for (const Voicing& fingering : result.voicings) {
    std::vector<int> sounded;
    int lowest = -1;
    for (int string = 0; string < kStringCount; ++string) {
      const StringStop stop = fingering.frets[static_cast<std::size_t>(string)];
      if (stop.IsMuted()) continue;
      const int pitchClass = PitchClassAt(kStandardTuning, string, stop.Fret());
      if (lowest < 0) lowest = pitchClass;
      sounded.push_back(pitchClass);
    }
    EXPECT_EQ(lowest, 4) << VoicingKeyText(fingering);
    for (int tone : {7, 10, 2, 5})
      EXPECT_NE(std::find(sounded.begin(), sounded.end(), tone), sounded.end())
          << VoicingKeyText(fingering) << " lacks " << tone;
  }
}

TEST(WholeSearch, findsNothingForTheNoNoteBass) {
  Found result = Search("12 4 7", Rooted(12, 12));
  EXPECT_TRUE(result.Keys().empty());
  EXPECT_TRUE(SearchNumbers({}, SearchSettings{}).Keys().empty());
}

TEST(SearchArgumentParse, refusesMalformedTextWithAMessage) {
  const char* bad[] = {"",     " ",    "0  4", "0 4 ",  "0 x", "0 13",
                       "13 4", "0 12", "-1 4", "0 4.5", "0 +4"};
  for (const char* text : bad) {
    ParsedArgument parsed = ParseSearchArgument(text);
    EXPECT_FALSE(parsed.ok()) << '"' << text << '"';
    EXPECT_TRUE(parsed.numbers.empty());
  }
  EXPECT_EQ(ParseSearchArgument("12 4 7").numbers, (std::vector<int>{12, 4, 7}));
  EXPECT_EQ(ParseSearchArgument("11").numbers, (std::vector<int>{11}));
}

TEST(WholeSearch, sanitizesAFretCountTheTablesCannotHold) {
  // Too many frets search the whole neck; too few, one fret.
  SearchSettings settings, most, one;
  most.fretCount = kMaxFretCount;
  one.fretCount = 1;
  settings.fretCount = 1000;
  EXPECT_EQ(Search("0 4 7", settings).Keys(), Search("0 4 7", most).Keys());
  settings.fretCount = -3;
  EXPECT_EQ(Search("0 4 7", settings).Keys(), Search("0 4 7", one).Keys());
  // One fret holds only open-string basses, whose one window ends at the
  // nut: every free string stays muted, so even E major finds nothing.
  SearchSettings openE = Rooted(4, 4);
  openE.fretCount = -3;
  EXPECT_TRUE(Search("4 8 11", openE).Keys().empty());
}

TEST(KeyText, parsesOnlyValuesAFingeringCanHold) {
  auto values = [](std::string_view key) {
    auto fingering = ParseKeyFingering(key);
    return fingering ? KeyValues(*fingering) : std::vector<int>{};
  };
  EXPECT_EQ(values("112013 99 3 2 0 1 0 "), (std::vector<int>{99, 3, 2, 0, 1, 0}));
  EXPECT_EQ(values("000000 -29 29 0 0 0 0 "), (std::vector<int>{-29, 29, 0, 0, 0, 0}));
  EXPECT_FALSE(ParseKeyFingering("000000 30 0 0 0 0 0 "));
  EXPECT_FALSE(ParseKeyFingering("000000 99 99 99 990000000 0 3 "));
  EXPECT_FALSE(ParseKeyFingering("000000 98 0 0 0 0 0 "));
  EXPECT_FALSE(ParseKeyFingering("000000 0 0 0 0 0 0"));         // no final blank
  EXPECT_FALSE(ParseKeyFingering("000000 0  0 0 0 0 0 "));       // two blanks
  EXPECT_FALSE(ParseKeyFingering("000000 0 0 0 0 0 0 0 0 0 "));  // nine strings
}

TEST(WholeSearch, repeatedTonesFindWhatTheDistinctTonesFind) {
  Found plain = Search("0 4 7", Rooted(0, 0));
  Found repeated = Search("0 4 7 4 7 0 7 4", Rooted(0, 0));
  EXPECT_EQ(repeated.Keys(), plain.Keys());
  EXPECT_EQ(repeated.chordTones, plain.chordTones);
  EXPECT_EQ(Search("4 0 4 7 0 7", Rooted(0, 4)).Keys(), Search("4 0 4 7", Rooted(0, 4)).Keys());
}

}  // namespace
}  // namespace corvanta
