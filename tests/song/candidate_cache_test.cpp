// The song session's kept searches: a song voiced with them is voiced as
// without them, whatever changed between two voicings, and a keystroke
// searches only chords not met before.
#include "song/candidate_cache.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <vector>

#include "session/option_reader.h"
#include "session/placed_fingering.h"
#include "song/song_reader.h"
#include "song/voiced_song.h"
#include "song_files.h"

namespace corvanta {
namespace {

Session Practical(const std::string& instrument = "guitar",
                  const std::optional<std::string>& tuning = std::nullopt) {
  Session session{ReadInstrument(instrument, tuning)};
  session.practical = true;
  return session;
}

// Everything a shell shows of a voiced song, as one text: two voicings are
// the same when their texts are.
std::string Shown(const VoicedSong& voiced) {
  std::ostringstream out;
  out << voiced.key << '|' << voiced.soundingKey << '|' << voiced.capo << '|' << voiced.transpose
      << '|' << voiced.cost.total << '|' << voiced.cost.exact << '\n';
  for (const VoicedOccurrence& chord : voiced.chords) {
    out << chord.symbol << ' ' << chord.sounding << ' '
        << (chord.voicing ? ReadableFrets(chord.voicing->frets) : "-") << ' ' << chord.pinned << ' '
        << chord.problem << ' ' << chord.difficulty;
    for (const VoicingAlternative& alternative : chord.alternatives)
      out << " [" << ReadableFrets(alternative.voicing.frets) << ' ' << alternative.cost << ']';
    out << '\n';
  }
  for (const DistinctChord& chord : voiced.distinct)
    out << chord.symbol << '=' << ReadableFrets(chord.voicing.frets) << ' ';
  for (const auto* issues : {&voiced.unread, &voiced.unplayable, &voiced.warnings})
    for (const SongIssue& issue : *issues) out << '\n' << issue.text << ": " << issue.message;
  return out.str();
}

std::vector<std::string> SongTexts() {
  std::vector<std::string> texts;
  for (const char* folder : {CORVANTA_SONGS_DIR, CORVANTA_PAGE_SONGS_DIR})
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      texts.push_back(test_files::ReadWhole(entry.path().string()));
  return texts;
}

// One change of what a song is voiced under, as the page and the window
// make them.
struct Change {
  const char* name;
  Session session;
  std::function<void(SongVoicingOptions&)> options;
};

std::vector<Change> Changes() {
  Session twelve = Practical();
  twelve.fretCount = 12;
  twelve.span = 3;
  Session noBarres = Practical();
  noBarres.noFullBarres = true;
  Session strict = Practical();
  strict.practical = false;
  const auto same = [](SongVoicingOptions&) {};
  return {
      {"guitar", Practical(), same},
      {"drop D", Practical("guitar", "D A D G B E"), same},
      {"ukulele", Practical("ukulele"), same},
      {"mandolin", Practical("mandolin"), same},
      {"capo 3", Practical(), [](SongVoicingOptions& o) { o.capo = 3; }},
      {"capo 5", Practical(), [](SongVoicingOptions& o) { o.capo = 5; }},
      {"up a tone", Practical(), [](SongVoicingOptions& o) { o.transpose = 2; }},
      {"in Eb", Practical(), [](SongVoicingOptions& o) { o.key = "Eb"; }},
      {"least movement", Practical(),
       [](SongVoicingOptions& o) { o.mode = VoicingMode::LeastMovement; }},
      {"easiest", Practical(), [](SongVoicingOptions& o) { o.mode = VoicingMode::Easiest; }},
      {"Nashville", Practical(),
       [](SongVoicingOptions& o) { o.notation = ChordNumbers::Nashville; }},
      {"Roman", Practical(), [](SongVoicingOptions& o) { o.notation = ChordNumbers::Roman; }},
      {"simplified", Practical(), [](SongVoicingOptions& o) { o.simplify = true; }},
      {"alternatives", Practical(), [](SongVoicingOptions& o) { o.alternatives = 4; }},
      {"12 frets, span 3", twelve, same},
      {"no full barres", noBarres, same},
      {"strict rules", strict, same},
  };
}

// A pin on the song's first voiced chord: its second alternative, for every
// occurrence of its name, and its third for that occurrence alone.
std::vector<SongPin> PinsFor(const Session& session, const Song& song) {
  SongVoicingOptions options;
  options.alternatives = 3;
  const VoicedSong voiced = VoiceSong(session, song, options);
  for (std::size_t i = 0; i < voiced.chords.size(); ++i) {
    const VoicedOccurrence& chord = voiced.chords[i];
    if (chord.alternatives.size() < 3) continue;
    return {{chord.symbol, -1, chord.alternatives[1].voicing.frets},
            {"", static_cast<int>(i), chord.alternatives[2].voicing.frets}};
  }
  return {};
}

TEST(CandidateCache, EverySongUnderEveryChangeIsVoicedAsWithoutIt) {
  CandidateCache cache;  // one for the whole run: each change meets the others' searches
  const std::vector<Change> changes = Changes();
  for (const std::string& text : SongTexts()) {
    const Song song = ReadSong(text);
    // Forth and back, so that each change follows another one.
    for (int pass = 0; pass < 2; ++pass)
      for (std::size_t c = 0; c < changes.size(); ++c) {
        const Change& change = changes[pass == 0 ? c : changes.size() - 1 - c];
        SongVoicingOptions options;
        change.options(options);
        EXPECT_EQ(Shown(VoiceSong(change.session, song, options, cache)),
                  Shown(VoiceSong(change.session, song, options)))
            << change.name << " in:\n"
            << text.substr(0, 80);
      }
  }
}

TEST(CandidateCache, PinnedSongsAreVoicedAsWithoutIt) {
  CandidateCache cache;
  for (const std::string& text : SongTexts()) {
    const Song song = ReadSong(text);
    for (const Session& session : {Practical(), Practical("ukulele")}) {
      SongVoicingOptions options;
      options.pins = PinsFor(session, song);
      // Unpinned first: the pins must not stay in what is kept.
      SongVoicingOptions unpinned;
      EXPECT_EQ(Shown(VoiceSong(session, song, unpinned, cache)),
                Shown(VoiceSong(session, song, unpinned)));
      EXPECT_EQ(Shown(VoiceSong(session, song, options, cache)),
                Shown(VoiceSong(session, song, options)));
      EXPECT_EQ(Shown(VoiceSong(session, song, unpinned, cache)),
                Shown(VoiceSong(session, song, unpinned)))
          << text.substr(0, 80);
    }
  }
}

TEST(CandidateCache, AKeystrokeSearchesOnlyAChordNotMetBefore) {
  CandidateCache cache;
  const Session guitar = Practical();
  const std::string verse = "[G]Down the [Em]road and [C]over the [D]hill\n";
  VoiceSong(guitar, ReadSong(verse), {}, cache);
  EXPECT_EQ(cache.Searches(), 4);
  // A letter in the words, a chord repeated: nothing new to search.
  VoiceSong(guitar, ReadSong(verse + "[G]and home a"), {}, cache);
  EXPECT_EQ(cache.Searches(), 4);
  // A chord being typed: each new reading is searched once.
  VoiceSong(guitar, ReadSong(verse + "[A]gain"), {}, cache);
  VoiceSong(guitar, ReadSong(verse + "[Am]gain"), {}, cache);
  VoiceSong(guitar, ReadSong(verse + "[Am7]gain"), {}, cache);
  VoiceSong(guitar, ReadSong(verse + "[Am7]gain"), {}, cache);
  EXPECT_EQ(cache.Searches(), 7);
  EXPECT_EQ(cache.Size(), 7u);
}

TEST(CandidateCache, AKeystrokeInTheWordsSolvesNothingAgain) {
  CandidateCache cache;
  const Session guitar = Practical();
  const std::string verse = "[C]Down the [Am]road and [F]over the [G]hill\n";
  const VoicedSong first = VoiceSong(guitar, ReadSong(verse), {}, cache);
  EXPECT_EQ(cache.Solves(), 1);
  // Words typed: the same chords, the kept choice.
  EXPECT_EQ(Shown(VoiceSong(guitar, ReadSong(verse + "and home"), {}, cache)), Shown(first));
  EXPECT_EQ(cache.Solves(), 1);
  // A chord, a mode, a pin: each a new problem, solved.
  VoiceSong(guitar, ReadSong(verse + "[C]and home"), {}, cache);
  EXPECT_EQ(cache.Solves(), 2);
  SongVoicingOptions easiest;
  easiest.mode = VoicingMode::Easiest;
  VoiceSong(guitar, ReadSong(verse + "[C]and home"), easiest, cache);
  EXPECT_EQ(cache.Solves(), 3);
  SongVoicingOptions pinned;
  pinned.pins = {{"G", -1, *ParseFretList("355433", 6)}};
  const VoicedSong held = VoiceSong(guitar, ReadSong(verse + "[C]and home"), pinned, cache);
  EXPECT_EQ(cache.Solves(), 4);
  EXPECT_EQ(Shown(held), Shown(VoiceSong(guitar, ReadSong(verse + "[C]and home"), pinned)));
}

TEST(CandidateCache, ASessionChangeSearchesAgainAndTheOldSessionIsKept) {
  CandidateCache cache;
  const std::string verse = "[G]Down the [Em]road and [C]over the [D]hill\n";
  const Song song = ReadSong(verse);
  VoiceSong(Practical(), song, {}, cache);
  ASSERT_EQ(cache.Searches(), 4);
  // The same names under another instrument, tuning or capo are other searches.
  VoiceSong(Practical("ukulele"), song, {}, cache);
  EXPECT_EQ(cache.Searches(), 8);
  VoiceSong(Practical("guitar", "D A D G B E"), song, {}, cache);
  EXPECT_EQ(cache.Searches(), 12);
  SongVoicingOptions capo;
  capo.capo = 2;  // the shapes above it are searched on a shorter neck
  VoiceSong(Practical(), song, capo, cache);
  EXPECT_EQ(cache.Searches(), 16);
  // Neither the mode, nor the pins, nor the names shown change a search.
  SongVoicingOptions shown;
  shown.mode = VoicingMode::Easiest;
  shown.notation = ChordNumbers::Nashville;
  shown.pins = {{"G", -1, *ParseFretList("355433", 6)}};
  VoiceSong(Practical(), song, shown, cache);
  EXPECT_EQ(cache.Searches(), 16);
  // Back to the guitar: what it searched is still there.
  VoiceSong(Practical(), song, {}, cache);
  EXPECT_EQ(cache.Searches(), 16);
}

TEST(CandidateCache, TheSameNameUnderAnotherTuningIsNotTheKeptOne) {
  CandidateCache cache;
  const Song song = ReadSong("[D] [G] [A]");
  const Session standard = Practical();
  const Session dropD = Practical("guitar", "D A D G B E");
  const std::string before = Shown(VoiceSong(standard, song, {}, cache));
  const std::string dropped = Shown(VoiceSong(dropD, song, {}, cache));
  EXPECT_NE(before, dropped);  // D is played another way on a dropped sixth string
  EXPECT_EQ(dropped, Shown(VoiceSong(dropD, song, {})));
  EXPECT_EQ(before, Shown(VoiceSong(standard, song, {}, cache)));
}

TEST(CandidateCache, ALongSessionStartsAgainPastItsBound) {
  CandidateCache cache;
  const Session guitar = Practical();
  std::string progression;
  static const char* const kRoots[] = {"C",  "C#", "D",  "Eb", "E",  "F",
                                       "F#", "G",  "Ab", "A",  "Bb", "B"};
  static const char* const kKinds[] = {"", "m", "7", "maj7", "m7", "6", "9", "sus4", "dim7", "aug"};
  for (const char* root : kRoots)
    for (const char* kind : kKinds) progression += std::string(root) + kind + " ";
  const Song song = ReadSong(progression);
  // Each capo is another session: past the bound the cache starts again.
  for (int capo = 0; capo <= 12; ++capo)
    for (int frets : {12, 24}) {
      Session session = guitar;
      session.fretCount = frets;
      SongVoicingOptions options;
      options.capo = capo;
      options.mode = VoicingMode::Easiest;
      VoiceSong(session, song, options, cache);
      EXPECT_LE(cache.Size(), CandidateCache::kMostKept);
    }
  EXPECT_EQ(Shown(VoiceSong(guitar, song, {}, cache)), Shown(VoiceSong(guitar, song, {})));
}

}  // namespace
}  // namespace corvanta
