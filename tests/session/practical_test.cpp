// Practical voicings: the shapes players use appear, and every result keeps
// the practical rules, on the guitar and on other instruments.
#include <gtest/gtest.h>

#include <set>

#include "chord_entry/entry_chord.h"
#include "chord_entry/entry_session.h"
#include "keyed_fingering.h"
#include "search/finger_count.h"
#include "search/practical_search.h"
#include "session/placed_fingering.h"
#include "session/session.h"
#include "session/sounding_symbol.h"
#include "symbols/symbol_query.h"
#include "theory/note_names.h"

namespace corvanta {
namespace {

using Values = std::vector<int>;
constexpr int x = kMuted;

struct Found {
  VoicedChord result;
  ChordEntry entry;
};

Found Search(const char* symbol, bool practical, const char* instrument = "guitar") {
  Found found;
  ReadTypedChord(found.entry, symbol, ChordNotation::Standard);
  found.result =
      VoiceEntry(found.entry, *FindInstrument(instrument), 0, CapoNames::Sounding, practical);
  return found;
}

bool Lists(const Found& found, const Values& frets) {
  return FindVoicing(found.result.search.voicings, Keyed(frets)) >= 0;
}

TEST(PracticalVoicings, findTheShapesPlayersUseThatTheStrictSearchLacks) {
  struct Row {
    const char* symbol;
    Values shape;
  };
  for (const Row& row :
       {Row{"C7", {x, 3, 2, 3, 1, 0}}, Row{"C9", {x, 3, 2, 3, 3, x}}, Row{"D9", {x, 5, 4, 5, 5, x}},
        Row{"E7#9", {x, 7, 6, 7, 8, x}}, Row{"Cmaj9", {x, 3, 2, 4, 3, x}},
        Row{"G13", {3, x, 3, 4, 5, x}}, Row{"Bb13", {6, x, 6, 7, 8, x}},
        Row{"C5", {x, 3, 5, x, x, x}}, Row{"C5", {x, 3, 5, 5, x, x}}}) {
    EXPECT_FALSE(Lists(Search(row.symbol, false), row.shape)) << row.symbol << " strict";
    EXPECT_TRUE(Lists(Search(row.symbol, true), row.shape)) << row.symbol << " practical";
  }
}

// Each rule added for the shapes players use, by its example: found by the
// practical rules, not by the strict ones.
TEST(PracticalVoicings, findEachRulesExample) {
  struct Row {
    const char* symbol;
    Values shape;
    const char* rule;
  };
  for (const Row& row : {
           Row{"C13", {x, 3, 2, 3, 5, 5}, "a thirteenth's eleventh optional"},
           Row{"C9#11", {x, 3, 4, 3, 5, x}, "a 9#11's ninth optional"},
           Row{"Caug9", {x, 3, 2, 3, 3, 4}, "a two-string barre on inner strings"},
           Row{"Abm9", {4, 1, 1, 1, 0, 2}, "a barre short of an open string"},
           Row{"Ddim", {x, x, 0, 1, x, 1}, "a triad on three strings"},
           Row{"E/G#", {x, x, x, 1, 0, 0}, "a triad on three strings, its bass on G"},
           Row{"B", {2, 2, 4, 4, 4, 2}, "the fifth below a barre"},
           Row{"Bm", {2, 2, 4, 4, 3, 2}, "the fifth below a barre"},
       }) {
    EXPECT_FALSE(Lists(Search(row.symbol, false), row.shape)) << row.symbol << " strict";
    EXPECT_TRUE(Lists(Search(row.symbol, true), row.shape)) << row.symbol << ": " << row.rule;
  }
  // The fifth below a barre is marked for the difficulty; the root's shape
  // is still there.
  const Found b = Search("B", true);
  const auto& voicings = b.result.search.voicings;
  EXPECT_TRUE(voicings[std::size_t(FindVoicing(voicings, Keyed({2, 2, 4, 4, 4, 2})))].fifthInBass);
  EXPECT_TRUE(Lists(b, {x, 2, 4, 4, 4, 2}));
  // Not where the full barres are left out, nor over another bass.
  ChordEntry entry;
  ReadTypedChord(entry, "B", ChordNotation::Standard);
  entry.state.noFullBarres = true;
  EXPECT_LT(
      FindVoicing(VoiceEntry(entry, BuiltInInstruments().front(), 0, CapoNames::Sounding, true)
                      .search.voicings,
                  Keyed({2, 2, 4, 4, 4, 2})),
      0);
  // The strict finger count is untouched by the played barres.
  for (const char* symbol : {"Caug9", "Abm9"}) {
    for (const Voicing& voicing : Search(symbol, false).result.search.voicings) {
      std::vector<int> values = KeyValues(voicing.frets);
      for (int& value : values) value = value == x ? x : std::abs(value);
      EXPECT_LE(CountFingers(values, false), 4);
    }
  }
}

// Over another bass the root sounds; the bass is always the lowest note.
TEST(PracticalVoicings, keepTheRootOverAnotherBassAndTheBassLowest) {
  for (const char* instrument : {"guitar", "ukulele", "mandolin", "guitar7"}) {
    for (const char* symbol : {"G/B", "Am7/G", "D/F#", "C", "Em", "F#m7b5", "C13"}) {
      const Found found = Search(symbol, true, instrument);
      const Instrument& on = *FindInstrument(instrument);
      const int bass = found.entry.state.bassPitchClass;
      const int root = found.entry.state.rootPitchClass;
      for (const Voicing& voicing : found.result.search.voicings) {
        SoundingNotes notes = NotesOnInstrument(voicing.frets, on);
        ASSERT_FALSE(notes.pitchClasses.empty());
        // The fifth below a barre is the one voicing with another bass.
        const bool bassBuilt = (!on.rules.anyInversion || bass != root) && !voicing.fifthInBass;
        if (bassBuilt) {
          EXPECT_EQ(notes.bass, bass) << instrument << " " << symbol;
        }
        if (bass != root) {
          // The root on a string of its own, the bass's being another note.
          EXPECT_TRUE(std::find(notes.pitchClasses.begin(), notes.pitchClasses.end(), root) !=
                      notes.pitchClasses.end())
              << instrument << " " << symbol;
        }
      }
    }
  }
  // D/F# as x 9 0 7 7 5: the open D string sounds below the F# on string 1
  // at fret 9, so the bass is D, and the fingering goes.
  EXPECT_TRUE(Lists(Search("D/F#", false), {x, 9, 0, 7, 7, 5}));
  EXPECT_FALSE(Lists(Search("D/F#", true), {x, 9, 0, 7, 7, 5}));
  // x 2 0 4 0 x (B and D only) is a G/B no more.
  EXPECT_TRUE(Lists(Search("G/B", false), {x, 2, 0, 4, 0, x}));
  EXPECT_FALSE(Lists(Search("G/B", true), {x, 2, 0, 4, 0, x}));
}

// Every tone sounds but the optional ones, and nothing but chord tones.
TEST(PracticalVoicings, soundEveryToneButTheOptionalOnes) {
  for (const char* symbol : {"C7", "G13", "Dm9", "Cmaj7", "A7/C#"}) {
    const Found found = Search(symbol, true);
    const int root = found.entry.state.rootPitchClass;
    const std::set<int> tones(found.result.search.chordTones.begin(),
                              found.result.search.chordTones.end());
    const bool thirteenth =
        tones.count(WrapPitchClass(root + 9)) > 0 && tones.count(WrapPitchClass(root + 10)) > 0;
    for (const Voicing& voicing : found.result.search.voicings) {
      SoundingNotes notes = NotesOnInstrument(voicing.frets, *FindInstrument("guitar"));
      std::set<int> heard(notes.pitchClasses.begin(), notes.pitchClasses.end());
      for (int tone : tones) {
        const int interval = WrapPitchClass(tone - root);
        const bool optional = interval == 7 || (thirteenth && interval == 2);
        if (!optional) {
          EXPECT_TRUE(heard.count(tone)) << symbol << " " << ReadableFrets(voicing.frets);
        }
      }
      for (int pitchClass : heard) {
        EXPECT_TRUE(tones.count(pitchClass) || pitchClass == found.entry.state.bassPitchClass)
            << symbol;
      }
    }
  }
}

// Off, the search is the strict one, result for result.
TEST(PracticalVoicings, offLeavesTheStrictSearchAsItIs) {
  for (const char* symbol : {"C", "G7", "Am7/G", "C5"}) {
    ChordEntry entry;
    ReadTypedChord(entry, symbol, ChordNotation::Standard);
    EXPECT_EQ(VoiceEntry(entry, BuiltInInstruments().front()).search.voicings,
              Search(symbol, false).result.search.voicings);
  }
}

}  // namespace
}  // namespace corvanta
