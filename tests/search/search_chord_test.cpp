#include "search/search_chord.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "instrument/instrument.h"
#include "reference_search.h"
#include "search/fingering.h"
#include "search/search_argument.h"
#include "theory/shape_templates.h"

namespace corvanta {
namespace {

SearchResult Search(const std::string& argument, SearchSettings settings = {}) {
  ParsedArgument parsed = ParseSearchArgument(argument);
  EXPECT_TRUE(parsed.ok()) << argument << ": " << parsed.error;
  return SearchChord(parsed.numbers, settings);
}

SearchSettings Rooted(int root, int bass) {
  SearchSettings settings;
  settings.rootPitchClass = root;
  settings.bassPitchClass = bass;
  return settings;
}

TEST(WholeSearch, findsTheStandardTuningResults) {
  SearchResult c = Search("0 4 7");
  ASSERT_EQ(c.Keys().size(), 165u);
  EXPECT_EQ(c.Keys()[0], "112013 99 3 2 0 1 0 ");
  EXPECT_EQ(c.Keys()[1], "112013 99 3 2 0 1 3 ");
  EXPECT_EQ(c.Keys()[2], "112015 99 -3 5 5 5 3 ");

  SearchResult e = Search("4 8 11", Rooted(4, 4));
  ASSERT_EQ(e.Keys().size(), 171u);
  EXPECT_EQ(e.Keys()[0], "000000 0 2 2 1 0 0 ");

  SearchResult f = Search("5 9 0", Rooted(5, 5));
  ASSERT_EQ(f.Keys().size(), 57u);
  EXPECT_EQ(f.Keys()[0], "000000 -1 3 3 2 1 1 ");

  SearchSettings noBarres = Rooted(5, 5);
  noBarres.noFullBarres = true;
  SearchResult fNoBarre = Search("5 9 0", noBarres);
  EXPECT_EQ(fNoBarre.Keys().size(), 45u);
  for (const std::string& key : fNoBarre.Keys())
    EXPECT_EQ(key.find("-1 3 3 2 1 1"), std::string::npos);
}

std::vector<PackedFingering> Packed(std::initializer_list<Frets> frets) {
  std::vector<PackedFingering> packed;
  for (const Frets& values : frets) packed.push_back(*PackFingering(values, false, 30));
  return packed;
}

std::vector<std::string> KeysOf(const std::vector<PackedFingering>& fingerings) {
  std::vector<std::string> keys;
  for (const PackedFingering& fingering : fingerings) keys.push_back(KeyText(fingering));
  return keys;
}

TEST(PromotePreferredShape, promotesOnlyTheFirstMatchInDiscoveryOrder) {
  auto found =
      Packed({{99, 3, 5, 5, 5, 3}, {99, 99, 2, 1, 0, 0}, {0, 2, 2, 1, 0, 0}, {1, 3, 3, 2, 1, 1}});
  PromotePreferredShape(found);
  EXPECT_EQ(KeysOf(found),
            (std::vector<std::string>{"112015 99 3 5 5 5 3 ", "111012 99 99 2 1 0 0 ",
                                      "000000 0 2 2 1 0 0 ",
                                      // matches inside -1 3 3 2 1 1, but comes second
                                      "113013 1 3 3 2 1 1 "}));
}

TEST(PromotePreferredShape, matchesPlainTextInsideABarreShape) {
  auto found = Packed({{1, 3, 3, 2, 1, 1}});
  PromotePreferredShape(found);
  EXPECT_EQ(KeyText(found[0]), "000000 1 3 3 2 1 1 ");
  EXPECT_TRUE(IsPreferred(found[0]));
}

TEST(PromotePreferredShape, agreesWithTheTemplateMatchOnEveryTemplateAndItsNeighbours) {
  // Each template, and each with one value moved by one fret: promoted
  // exactly when the template match says so.
  for (const std::array<int, 6>& values : TemplateShapeValueLists()) {
    for (int string = 0; string < 6; ++string) {
      for (int step : {0, -1, 1}) {
        Frets varied = values;
        if (varied[string] != 99) varied[string] = std::clamp(varied[string] + step, -29, 29);
        auto found = Packed({varied});
        PromotePreferredShape(found);
        ASSERT_EQ(IsPreferred(found[0]), IsTemplateShape(varied)) << KeyText(found[0]);
      }
    }
  }
}

TEST(PackedFingering, ordersExactlyAsItsKeyText) {
  // Values whose texts sort otherwise than their numbers: -1 < -10 < 0 < 1 < 10 < 2 < 99.
  std::vector<PackedFingering> found = Packed({{99, 10, 2, 0, 1, 0},
                                               {99, 1, 2, 0, 1, 0},
                                               {99, 2, 2, 0, 1, 0},
                                               {-1, 3, 3, 2, 1, 1},
                                               {99, 99, 2, 1, 0, 0},
                                               {0, 2, 2, 1, 0, 0},
                                               {-10, 12, 12, 11, 10, 10}});
  std::vector<std::string> keys = KeysOf(found);
  for (std::size_t a = 0; a < found.size(); ++a) {
    for (std::size_t b = 0; b < found.size(); ++b)
      EXPECT_EQ(found[a].order < found[b].order, keys[a] < keys[b]) << keys[a] << " / " << keys[b];
  }
}

TEST(WholeSearch, isSortedByteWiseWithUniqueKeys) {
  SearchSettings wide;
  wide.fretCount = 24;
  SearchResult c = Search("0 4 7", wide);
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
  SearchResult result = Search("4 0 4 7", settings);
  EXPECT_EQ(result.chordTones, (std::vector<int>{0, 7}));
  ASSERT_FALSE(result.Keys().empty());
}

TEST(WholeSearch, searchesEveryNumberOfALongArgument) {
  // A six-note typed chord with a separate bass gives seven numbers: every
  // fingering sounds the bass E on its lowest string and the four tones
  // after the root above it, as the plain reading of the rules finds.
  const std::vector<int> argument{4, 0, 4, 7, 10, 2, 5};
  SearchResult result = SearchChord(argument, Rooted(0, 4));
  EXPECT_EQ(result.chordTones, (std::vector<int>{0, 4, 7, 10, 2, 5}));
  ASSERT_FALSE(result.fingerings.empty());
  EXPECT_EQ(result.Keys(), reference::Search(*FindInstrument("guitar"), argument, Rooted(0, 4)));
  for (const PackedFingering& fingering : result.fingerings) {
    std::vector<int> sounded;
    int lowest = -1;
    for (int string = 0; string < kStringCount; ++string) {
      const int value = fingering.frets[string];
      if (value == kMuted) continue;
      const int pitchClass = PitchClassAt(kStandardTuning, string, std::abs(value));
      if (lowest < 0) lowest = pitchClass;
      sounded.push_back(pitchClass);
    }
    EXPECT_EQ(lowest, 4) << KeyText(fingering);
    for (int tone : {7, 10, 2, 5})
      EXPECT_NE(std::find(sounded.begin(), sounded.end(), tone), sounded.end())
          << KeyText(fingering) << " lacks " << tone;
  }
}

TEST(WholeSearch, findsNothingForTheNoNoteBass) {
  SearchResult result = Search("12 4 7", Rooted(12, 12));
  EXPECT_TRUE(result.Keys().empty());
  EXPECT_TRUE(SearchChord({}, SearchSettings{}).Keys().empty());
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
  // Too many frets search the most the tables hold; too few, one fret.
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
  EXPECT_EQ(ParseKeyFrets("112013 99 3 2 0 1 0 "), (Frets{99, 3, 2, 0, 1, 0}));
  EXPECT_EQ(ParseKeyFrets("000000 -29 29 0 0 0 0 "), (Frets{-29, 29, 0, 0, 0, 0}));
  EXPECT_FALSE(ParseKeyFrets("000000 30 0 0 0 0 0 "));
  EXPECT_FALSE(ParseKeyFrets("000000 99 99 99 990000000 0 3 "));
  EXPECT_FALSE(ParseKeyFrets("000000 98 0 0 0 0 0 "));
}

TEST(WholeSearch, repeatedTonesFindWhatTheDistinctTonesFind) {
  SearchResult plain = Search("0 4 7", Rooted(0, 0));
  SearchResult repeated = Search("0 4 7 4 7 0 7 4", Rooted(0, 0));
  EXPECT_EQ(repeated.Keys(), plain.Keys());
  EXPECT_EQ(repeated.chordTones, plain.chordTones);
  EXPECT_EQ(Search("4 0 4 7 0 7", Rooted(0, 4)).Keys(), Search("4 0 4 7", Rooted(0, 4)).Keys());
}

}  // namespace
}  // namespace corvanta
