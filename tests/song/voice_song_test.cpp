// Tests of voicing a whole song.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "search/difficulty.h"
#include "session/placed_fingering.h"
#include "song/capo_suggestion.h"
#include "song/song_reader.h"
#include "song/song_writer.h"
#include "song/voiced_song.h"
#include "song_files.h"

namespace corvanta {
namespace {

Session Practical(const char* instrument = "guitar") {
  Session session{*FindInstrument(instrument)};
  session.practical = true;
  return session;
}

// The frets a player reads ("X 3 2 0 1 0"), empty when nothing is played.
std::string Frets(const VoicedOccurrence& occurrence) {
  return occurrence.voicing ? ReadableFrets(occurrence.voicing->frets) : std::string();
}

// A fingering as typed, one character a string ("x32010").
Fingering Typed(const char* text, int strings = 6) { return *ParseFretList(text, strings); }

TEST(VoiceSong, TheDefaultModeKeepsOneShapePerNameAndTheEasyOpenShapes) {
  const Song song = ReadSong(ReadSongFile("scarborough_fair.cho"));
  const VoicedSong voiced = VoiceSong(Practical(), song, {});
  ASSERT_EQ(voiced.chords.size(), song.chords.size());
  std::map<std::string, std::set<std::string>> shapes;
  for (const VoicedOccurrence& occurrence : voiced.chords) {
    ASSERT_TRUE(occurrence.voicing) << occurrence.symbol;
    shapes[occurrence.symbol].insert(Frets(occurrence));
  }
  for (const auto& [name, used] : shapes) EXPECT_EQ(used.size(), 1u) << name;
  EXPECT_EQ(voiced.distinct.size(), shapes.size());
  EXPECT_TRUE(voiced.cost.exact);
  EXPECT_EQ(Frets(voiced.chords[0]), "X 0 2 2 1 0");
  EXPECT_EQ(voiced.cost.perChange.size(), voiced.chords.size() - 1);
}

TEST(VoiceSong, TheModesOrderTheirOwnCosts) {
  const Song song = ReadSong("Am7b5 D7b9 Gm7 C7 Fmaj7 Bbmaj7 Em7b5 A7 Dm");
  const Session session = Practical();
  SongVoicingOptions options;
  options.mode = VoicingMode::Easiest;
  const VoicedSong easiest = VoiceSong(session, song, options);
  options.mode = VoicingMode::LeastMovement;
  const VoicedSong still = VoiceSong(session, song, options);
  double easiestMoves = 0, stillMoves = 0;
  for (double move : easiest.cost.perChange) easiestMoves += move;
  for (double move : still.cost.perChange) stillMoves += move;
  EXPECT_LE(stillMoves, easiestMoves + 1e-9);
  EXPECT_NEAR(still.cost.total, stillMoves, 1e-9);
  for (const VoicedOccurrence& occurrence : easiest.chords) {
    ASSERT_TRUE(occurrence.voicing);
    const VoicedChord all = VoiceChord(
        [&] {
          Session s = session;
          s.capoNames = CapoNames::Shapes;
          return s;
        }(),
        song.chords[static_cast<std::size_t>(occurrence.chord)].chord);
    for (const Voicing& v : all.search.voicings)
      EXPECT_LE(occurrence.difficulty, Difficulty(v.frets) + 1e-9);
  }
}

TEST(VoiceSong, PinsAreKeptAndTheRestChosenAroundThem) {
  const Song song = ReadSong("G C D G C D");
  SongVoicingOptions options;
  options.pins.push_back({"C", -1, Typed("x35553")});
  options.pins.push_back({"", 0, Typed("355433")});
  const VoicedSong voiced = VoiceSong(Practical(), song, options);
  EXPECT_EQ(Frets(voiced.chords[1]), "X 3 5 5 5 3");
  EXPECT_EQ(Frets(voiced.chords[4]), "X 3 5 5 5 3");
  EXPECT_EQ(Frets(voiced.chords[0]), "3 5 5 4 3 3");
  EXPECT_TRUE(voiced.chords[0].pinned);
  EXPECT_FALSE(voiced.chords[3].pinned);
  EXPECT_TRUE(voiced.warnings.empty());
}

TEST(VoiceSong, APinnedOccurrenceSetsItsNamesOneShape) {
  // E7 pinned up the neck, then E7 again: the repeat keeps the shape.
  SongVoicingOptions options;
  options.pins.push_back({"", 0, Typed("x7675x")});
  VoicedSong voiced = VoiceSong(Practical(), ReadSong("E7 E7 A E7"), options);
  EXPECT_EQ(Frets(voiced.chords[0]), "X 7 6 7 5 X");
  EXPECT_EQ(Frets(voiced.chords[1]), "X 7 6 7 5 X");
  EXPECT_EQ(Frets(voiced.chords[3]), "X 7 6 7 5 X");
  EXPECT_TRUE(voiced.chords[0].pinned);
  EXPECT_FALSE(voiced.chords[1].pinned);
  // A shape none of the search's, pinned once, is taken by the repeats too.
  options.pins = {{"", 1, Typed("x02020")}};
  voiced = VoiceSong(Practical(), ReadSong("A7 A7 D A7"), options);
  EXPECT_EQ(Frets(voiced.chords[0]), "X 0 2 0 2 0");
  EXPECT_EQ(Frets(voiced.chords[3]), "X 0 2 0 2 0");
  // A pin of one occurrence wins over its name's pin there.
  options.pins = {{"G", -1, Typed("320003")}, {"", 2, Typed("355433")}};
  voiced = VoiceSong(Practical(), ReadSong("G C G"), options);
  EXPECT_EQ(Frets(voiced.chords[0]), "3 2 0 0 0 3");
  EXPECT_EQ(Frets(voiced.chords[2]), "3 5 5 4 3 3");
}

TEST(VoiceSong, APinThatDoesNotSoundItsChordIsKeptWithAWarning) {
  SongVoicingOptions options;
  options.pins.push_back({"G", -1, Typed("320031")});  // an F on top: G7
  const VoicedSong voiced = VoiceSong(Practical(), ReadSong("G C"), options);
  EXPECT_EQ(Frets(voiced.chords[0]), "3 2 0 0 3 1");
  ASSERT_EQ(voiced.warnings.size(), 1u);
  EXPECT_NE(voiced.warnings[0].message.find("adds F"), std::string::npos)
      << voiced.warnings[0].message;
}

TEST(VoiceSong, APinThatIsNoFingeringIsRefused) {
  const Song song = ReadSong("G C");
  Fingering pastTheNeck = Typed("000000");
  pastTheNeck.Set(0, StringStop::AtFret(30));
  for (const Fingering& frets : {Typed("320", 3), Typed("123456"), pastTheNeck}) {
    SongVoicingOptions options;
    options.pins.push_back({"G", -1, frets});
    EXPECT_THROW(VoiceSong(Practical(), song, options), BadPin);
  }
  SongVoicingOptions beyond;
  beyond.pins.push_back({"", 7, Typed("320003")});
  EXPECT_THROW(VoiceSong(Practical(), song, beyond), BadPin);
}

TEST(VoiceSong, AlternativesHoldTheRestAndStartWithTheChoice) {
  SongVoicingOptions options;
  options.alternatives = 3;
  const VoicedSong voiced = VoiceSong(Practical(), ReadSong("G Em C D"), options);
  for (const VoicedOccurrence& occurrence : voiced.chords) {
    ASSERT_EQ(occurrence.alternatives.size(), 3u);
    EXPECT_EQ(occurrence.alternatives[0].voicing, *occurrence.voicing);
    EXPECT_NEAR(occurrence.alternatives[0].cost, voiced.cost.total, 1e-9);
    EXPECT_LE(occurrence.alternatives[0].cost, occurrence.alternatives[1].cost);
    EXPECT_LE(occurrence.alternatives[1].cost, occurrence.alternatives[2].cost);
  }
}

TEST(VoiceSong, TheSongsDefinesPinTheirChords) {
  const VoicedSong voiced = VoiceSong(Practical(), ReadSong(ReadSongFile("amazing_grace.cho")), {});
  for (const VoicedOccurrence& occurrence : voiced.chords) {
    if (occurrence.symbol != "G") continue;
    EXPECT_EQ(Frets(occurrence), "3 2 0 0 0 3");
    EXPECT_TRUE(occurrence.pinned);
  }
  EXPECT_EQ(voiced.key, "G");
  EXPECT_FALSE(voiced.keyDetected);
}

TEST(VoiceSong, UnreadNoChordAndUnplayableChordsAreReportedAndTheRestVoiced) {
  const VoicedSong voiced = VoiceSong(Practical("ukulele"), ReadSong("C Hzz N.C. C13b9#11 G"), {});
  ASSERT_EQ(voiced.chords.size(), 5u);
  EXPECT_TRUE(voiced.chords[0].voicing);
  EXPECT_EQ(voiced.chords[1].problem, "unread");
  EXPECT_EQ(voiced.chords[2].problem, "no chord");
  EXPECT_EQ(voiced.chords[3].problem, "unplayable");
  EXPECT_TRUE(voiced.chords[4].voicing);
  ASSERT_EQ(voiced.unread.size(), 1u);
  EXPECT_EQ(voiced.unread[0].column, 3);
  ASSERT_EQ(voiced.unplayable.size(), 1u);
  EXPECT_EQ(voiced.unplayable[0].text, "C13b9#11");
}

TEST(VoiceSong, TransposeToAKeyAndACapoShowShapesAndSounding) {
  SongVoicingOptions options;
  options.key = "A";
  VoicedSong voiced =
      VoiceSong(Practical(), ReadSong("{key: G}\n[G]a [C]b [D7]c [Em]d\n"), options);
  EXPECT_EQ(voiced.transpose, 2);
  EXPECT_EQ(voiced.chords[2].symbol, "E7");
  // A minor key names its relative major for a song in a major key.
  options.key = "Am";
  voiced = VoiceSong(Practical(), ReadSong("{key: G}\n[G]a [C]b [D7]c [Em]d\n"), options);
  EXPECT_EQ(voiced.chords[0].symbol, "C");
  EXPECT_EQ(voiced.chords[3].symbol, "Am");
  options.key.clear();
  options.capo = 2;
  voiced = VoiceSong(Practical(), ReadSong("[A]a [D]b [E]c [Bb]d"), options);
  EXPECT_EQ(voiced.chords[0].symbol, "G");
  EXPECT_EQ(voiced.chords[0].sounding, "A");
  EXPECT_EQ(voiced.chords[3].symbol, "G#");  // in G, as a sharp key spells
  EXPECT_EQ(voiced.key, "G");
  EXPECT_EQ(voiced.soundingKey, "A");
  // The song's own {transpose} moves it once.
  voiced = VoiceSong(Practical(), ReadSong("{transpose: 2}\n[G]a [C]b\n"), {});
  EXPECT_EQ(voiced.chords[0].symbol, "A");
  EXPECT_EQ(VoiceSong(Practical(), ReadSong(WriteChordPro(voiced.song)), {}).chords[0].symbol, "A");
  // A song written as shapes above its {capo} sounds higher.
  voiced = VoiceSong(Practical(), ReadSong("{capo: 3}\n[G]a [C]b [D]c\n"), {});
  EXPECT_EQ(voiced.capo, 3);
  EXPECT_EQ(voiced.chords[0].symbol, "G");
  EXPECT_EQ(voiced.chords[0].sounding, "Bb");
}

// Every string where the instrument wants it: the shape query lists first
// for each chord is the song's, alone and among the others.
TEST(VoiceSong, EachChordTakesTheShapeItsInstrumentListsFirst) {
  struct Row {
    const char* instrument;
    const char* progression;  // written for this test
    std::vector<std::pair<const char*, const char*>> shapes;
  };
  const Row rows[] = {
      {"ukulele",
       "C Am F G C Em G7 C",
       {{"C", "0 0 0 3"},
        {"Am", "2 0 0 0"},
        {"F", "2 0 1 0"},
        {"G", "0 2 3 2"},
        {"Em", "0 4 3 2"},
        {"G7", "0 2 1 2"}}},
      {"mandolin",
       "G C D Em Am D7 G",
       {{"G", "0 0 2 3"},
        {"C", "0 2 3 0"},
        {"D", "2 0 0 2"},
        {"Em", "0 2 2 0"},
        {"Am", "2 2 3 0"},
        {"D7", "2 0 3 2"}}},
      {"banjo",
       "G C G Em G C G D G",
       {{"G", "0 0 0 0 0"}, {"C", "0 2 0 1 2"}, {"Em", "0 2 0 0 2"}, {"D", "X 0 2 3 4"}}},
  };
  for (const Row& row : rows) {
    Session listing = Practical(row.instrument);
    listing.order = VoicingOrderChoice::Ease;
    const VoicedSong song = VoiceSong(Practical(row.instrument), ReadSong(row.progression), {});
    for (const auto& [name, frets] : row.shapes) {
      const Song alone = ReadSong(name);
      EXPECT_EQ(ReadableFrets(VoiceChord(listing, alone.chords[0].chord).search.voicings[0].frets),
                frets)
          << row.instrument << " " << name << ": the table is what query lists first";
      EXPECT_EQ(Frets(VoiceSong(Practical(row.instrument), alone, {}).chords[0]), frets)
          << row.instrument << " " << name << " alone";
      for (const VoicedOccurrence& occurrence : song.chords) {
        if (occurrence.symbol == name) {
          EXPECT_EQ(Frets(occurrence), frets) << row.instrument << " " << name << " in the song";
        }
      }
    }
  }
}

TEST(CapoSuggestion, TheEasyCapoOfASongIsFoundAndNoCapoWinsTies) {
  const Session session = Practical();
  // Bb Gm Cm F: with the capo at 3 these are G Em Am D, all open.
  const std::vector<CapoSuggestion> flat =
      SuggestCapos(session, ReadSong("Bb Gm Cm F Bb Gm Cm F Bb"), {});
  ASSERT_EQ(flat.size(), 8u);
  EXPECT_EQ(flat[0].capo, 3);
  EXPECT_EQ(flat[0].key, "G");
  EXPECT_EQ(flat[0].shapes, (std::vector<std::string>{"G", "Em", "Am", "D"}));
  // The same exactly as the song voiced at that capo.
  SongVoicingOptions atThree;
  atThree.capo = 3;
  EXPECT_NEAR(flat[0].difficulty,
              VoiceSong(session, ReadSong("Bb Gm Cm F Bb Gm Cm F Bb"), atThree).cost.total, 1e-9);
  const std::vector<CapoSuggestion> open = SuggestCapos(session, ReadSong("G C D Em G C D G"), {});
  EXPECT_EQ(open[0].capo, 0);
  // Every capo above no capo says what it saves; no capo says nothing.
  for (const CapoSuggestion& suggestion : flat) {
    if (suggestion.capo == 0) break;
    EXPECT_FALSE(suggestion.reason.empty()) << suggestion.capo;
  }
  // Any instrument: on the ukulele too.
  EXPECT_EQ(SuggestCapos(Practical("ukulele"), ReadSong("G C D G"), {}).size(), 8u);
}

TEST(VoiceSong, SimplifiedChordsAreVoicedTransposedAndCapoed) {
  SongVoicingOptions options;
  options.simplify = true;
  VoicedSong voiced = VoiceSong(Practical(), ReadSong("Cmaj7 Am7 Dm9 G13 C/E"), options);
  std::vector<std::string> symbols;
  for (const VoicedOccurrence& occurrence : voiced.chords) symbols.push_back(occurrence.symbol);
  EXPECT_EQ(symbols, (std::vector<std::string>{"C", "Am", "Dm", "G7", "C"}));
  EXPECT_EQ(voiced.simplified, 5);
  EXPECT_EQ(Frets(voiced.chords[0]), "X 3 2 0 1 0");
  // With the capo suggestion: Ebmaj7 Cm7 Fm7 Bb9 goes to capo 3's open C Am Dm G7.
  const Song flat = ReadSong("Ebmaj7 Cm7 Fm7 Bb9 Ebmaj7 Cm7 Fm7 Bb9 Ebmaj7");
  const std::vector<CapoSuggestion> ranked = SuggestCapos(Practical(), flat, options);
  ASSERT_FALSE(ranked.empty());
  EXPECT_EQ(ranked[0].capo, 3);
  EXPECT_EQ(ranked[0].shapes, (std::vector<std::string>{"C", "Am", "Dm", "G7"}));
  options.capo = 3;
  voiced = VoiceSong(Practical(), flat, options);
  EXPECT_EQ(voiced.chords[0].symbol, "C");
  EXPECT_EQ(voiced.chords[0].sounding, "Eb");
  // Without the option nothing changes.
  EXPECT_EQ(VoiceSong(Practical(), flat, {}).simplified, 0);
}

TEST(VoiceSong, ASongInNumbersIsVoicedAndShownInNumbers) {
  const Song song = ReadSong("{key: G}\n[1]a [4]b [5/7]c [6m]d [b7]e [ii7]f\n");
  VoicedSong voiced = VoiceSong(Practical(), song, {});
  std::vector<std::string> symbols;
  for (const VoicedOccurrence& occurrence : voiced.chords) {
    symbols.push_back(occurrence.symbol);
    EXPECT_TRUE(occurrence.voicing) << occurrence.symbol;
  }
  EXPECT_EQ(symbols, (std::vector<std::string>{"G", "C", "D/F#", "Em", "F", "Am7"}));
  // Shown as numbers again, and as numerals, in the key of the shapes.
  SongVoicingOptions options;
  options.notation = ChordNumbers::Nashville;
  voiced = VoiceSong(Practical(), song, options);
  EXPECT_EQ(voiced.chords[2].symbol, "5/7");
  EXPECT_EQ(voiced.chords[4].symbol, "b7");
  options.notation = ChordNumbers::Roman;
  options.capo = 2;  // shapes in F: the numerals stay, the sounding letters move
  voiced = VoiceSong(Practical(), song, options);
  EXPECT_EQ(voiced.chords[5].symbol, "ii7");
  EXPECT_EQ(voiced.chords[5].sounding, "Am7");
  EXPECT_EQ(voiced.distinct[0].symbol, "I");
}

TEST(CapoSuggestion, ACapoIsSuggestedOnlyWhereItSavesABarreAHardShapeOrOpensTheChords) {
  struct Row {
    const char* name;
    const char* chords;  // progressions written for this test
    int firstCapo;
    const char* firstShapes;
  };
  const Row rows[] = {
      {"flat keys go to open shapes", "Eb Bb Cm Ab Eb Bb Cm Ab Eb", 3, "C G Am F"},
      {"an open song keeps no capo", "C Am G C Am G C", 0, "C Am G"},
      {"an open song in G keeps no capo", "G Em C D G Em C D G", 0, "G Em C D"},
      {"the barres of E major", "E B C#m A E B C#m A E", 4, "C G Am F"},
      // At no capo the F barre and Bb's stretched x 1 0 3 3 1: two hard
      // chords; at capo 5 the F barre alone.
      {"a barre and a stretch", "F C Dm Bb F C Dm Bb F", 5, "C G Am F"},
      // C7's x 3 2 3 1 0 is one finger a fret: no hard shape to remove.
      {"open sevenths keep no capo", "C Am C7 G G7 C", 0, "C Am C7 G G7"},
  };
  const Session session = Practical();
  for (const Row& row : rows) {
    const std::vector<CapoSuggestion> ranked = SuggestCapos(session, ReadSong(row.chords), {});
    ASSERT_FALSE(ranked.empty());
    EXPECT_EQ(ranked[0].capo, row.firstCapo) << row.name;
    std::string shapes;
    for (const std::string& shape : ranked[0].shapes) shapes += (shapes.empty() ? "" : " ") + shape;
    EXPECT_EQ(shapes, row.firstShapes) << row.name;
    // A capo that saves nothing is never ranked above no capo.
    for (const CapoSuggestion& suggestion : ranked) {
      if (suggestion.capo == 0) break;
      EXPECT_FALSE(suggestion.reason.empty()) << row.name << " capo " << suggestion.capo;
    }
  }
  // Every capo ranked above no capo has fewer hard chords (barres and hard
  // shapes together) or more open ones; the counts are the shapes'.
  for (const char* chords : {"F C Dm Bb F C Dm Bb F", "Bb Gm Cm F Bb Gm Cm F", "C F G C7 C"}) {
    const std::vector<CapoSuggestion> ranked = SuggestCapos(session, ReadSong(chords), {});
    const auto none = std::find_if(ranked.begin(), ranked.end(),
                                   [](const CapoSuggestion& s) { return s.capo == 0; });
    ASSERT_NE(none, ranked.end());
    for (auto at = ranked.begin(); at != none; ++at) {
      const bool fewerHard = at->barres + at->hardShapes < none->barres + none->hardShapes;
      const bool opens = 2 * at->openShapes > static_cast<int>(at->shapes.size());
      EXPECT_TRUE(fewerHard || opens) << chords << " capo " << at->capo;
    }
  }
  const std::vector<CapoSuggestion> barred =
      SuggestCapos(session, ReadSong("F C Dm Bb F C Dm Bb F"), {});
  const auto none = std::find_if(barred.begin(), barred.end(),
                                 [](const CapoSuggestion& s) { return s.capo == 0; });
  ASSERT_NE(none, barred.end());
  EXPECT_EQ(none->barres, 1);      // F 1 3 3 2 1 1
  EXPECT_EQ(none->hardShapes, 1);  // Bb x 1 0 3 3 1
  EXPECT_EQ(barred[0].reason, "removes 1 hard shape");
}

// A capo that trades a barre for a stretch saves nothing, and says what
// it adds where it saves more than it adds.
TEST(CapoSuggestion, BarresAndHardShapesCountTogether) {
  const std::vector<CapoSuggestion> ranked =
      SuggestCapos(Practical(), ReadSong("Bb Gm Cm F Bb Gm Cm F Bb"), {});
  for (const CapoSuggestion& suggestion : ranked) {
    if (suggestion.capo != 1) continue;
    // A F#m Bm E: the stretched Bb, Gm and Cm gone, a barre more.
    EXPECT_EQ(suggestion.reason, "removes 3 hard shapes, adds 1 barre");
  }
}

// Up the neck the hand stays: the same shape moved keeps its fingers, and
// going back to the nut is taken only for a much easier open shape.
TEST(VoiceSong, ShapesStayWhereTheHandIs) {
  struct Row {
    const char* name;
    const char* chords;  // progressions written for this test
    std::vector<std::string> frets;
  };
  const Row rows[] = {
      {"a barre moved from F to G to A", "F G A", {"1 3 3 2 1 1", "3 5 5 4 3 3", "5 7 7 6 5 5"}},
      {"the A-shape moved from Bb to C",
       "F Bb C F",
       {"1 3 3 2 1 1", "X 1 3 3 3 1", "X 3 5 5 5 3", "1 3 3 2 1 1"}},
      {"down the neck to G, not back to the open G",
       "Cm Bb Ab G",
       {"X 3 5 5 4 3", "6 8 8 7 6 6", "4 6 6 5 4 4", "3 5 5 4 3 3"}},
      {"back to the nut for the much easier open D",
       "Bm C#m D",
       {"X 2 4 4 3 2", "X 4 6 6 5 4", "X X 0 2 3 2"}},
      {"open shapes stay open",
       "G C D G",
       {"3 2 0 0 3 3", "X 3 2 0 1 0", "X X 0 2 3 2", "3 2 0 0 3 3"}},
  };
  for (const Row& row : rows) {
    const VoicedSong voiced = VoiceSong(Practical(), ReadSong(row.chords), {});
    std::vector<std::string> frets;
    for (const VoicedOccurrence& occurrence : voiced.chords) frets.push_back(Frets(occurrence));
    EXPECT_EQ(frets, row.frets) << row.name;
    EXPECT_TRUE(voiced.cost.exact) << row.name;
  }
}

// The other modes know nothing of where the hand is: the easiest plays the
// open G and A after the F barre, and least movement costs its movement
// alone.
TEST(VoiceSong, WhereTheHandIsCountsInTheDefaultModeOnly) {
  const Song song = ReadSong("F G A F G A");
  SongVoicingOptions options;
  options.mode = VoicingMode::Easiest;
  const VoicedSong easiest = VoiceSong(Practical(), song, options);
  EXPECT_EQ(Frets(easiest.chords[1]), "3 2 0 0 0 3");
  EXPECT_EQ(Frets(easiest.chords[2]), "X 0 2 2 2 0");
  options.mode = VoicingMode::LeastMovement;
  const VoicedSong least = VoiceSong(Practical(), song, options);
  double moves = 0;
  for (double move : least.cost.perChange) moves += move;
  EXPECT_NEAR(least.cost.total, moves, 1e-9);
  // The default mode's changes are the fingers' movement (the shift alone
  // for the barre moved), whatever the credit for staying.
  const VoicedSong played = VoiceSong(Practical(), song, {});
  ASSERT_EQ(played.cost.perChange.size(), 5u);
  EXPECT_NEAR(played.cost.perChange[0], 2 * kSongCostWeights.shift, 1e-9);
}

}  // namespace
}  // namespace corvanta
