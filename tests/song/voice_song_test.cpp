// Tests of voicing a whole song.
#include <gtest/gtest.h>

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
  // Any instrument: on the ukulele too.
  EXPECT_EQ(SuggestCapos(Practical("ukulele"), ReadSong("G C D G"), {}).size(), 8u);
}

}  // namespace
}  // namespace corvanta
