// The best name of every fingering the guitar search gives for the
// catalogue, read back by the symbol reader, sounds the same notes: no
// written tension dropped to fit six notes, no word left unread, nothing
// added but the fifth a name leaves unwritten as players leave it out. A
// single note is named by its note name, not as a chord.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "chord_entry/entry_chord.h"
#include "instrument/instrument.h"
#include "search/instrument_search.h"
#include "search/key_text.h"
#include "search/search_argument.h"
#include "session/placed_fingering.h"
#include "symbols/chord_readings.h"
#include "symbols/reading_text.h"
#include "symbols/symbol_query.h"
#include "theory/catalogue.h"
#include "theory/formula.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

using PitchSet = std::set<int>;

// What a fingering sounds, as the namer sees it: the pitch classes and the bass.
struct Sound {
  PitchSet pitchClasses;
  int bass = 0;
  bool operator<(const Sound& other) const {
    return std::tie(bass, pitchClasses) < std::tie(other.bass, other.pitchClasses);
  }
};

// Every distinct sound of the fingerings the guitar's strict and practical
// searches give for each catalogue type on each root, over the root and
// over a seeded sample of other basses.
std::map<Sound, int> SearchedSounds() {
  const Instrument& guitar = *FindInstrument("guitar");
  std::map<Sound, int> sounds;
  std::mt19937 random(20261209);
  for (int type = 0; type < kChordTypeCount; ++type) {
    for (int root = 0; root < 12; ++root) {
      for (int bass : {root, static_cast<int>(random() % 12)}) {
        for (bool practical : {false, true}) {
          SearchSettings settings;
          settings.rootPitchClass = root;
          settings.bassPitchClass = bass;
          settings.practical = practical;
          const auto numbers =
              ParseSearchArgument(BuildSearchArgument(kChordCatalogue[type].formula, root, bass))
                  .numbers;
          for (const Voicing& voicing : SearchOnInstrument(guitar, numbers, settings).voicings) {
            const SoundingNotes notes = NotesOnInstrument(voicing.frets, guitar);
            Sound sound{PitchSet(notes.pitchClasses.begin(), notes.pitchClasses.end()), notes.bass};
            ++sounds[sound];
          }
        }
      }
    }
  }
  return sounds;
}

PitchSet ReadBack(const std::string& name, ChordNotation notation, SymbolReading& reading) {
  ChordEntry entry;
  reading = ReadTypedChord(entry, name, notation);
  PitchSet sounding{entry.state.bassPitchClass};
  for (int offset : FormulaOffsets(TrimBlanks(entry.state.chordFormula)))
    sounding.insert(WrapPitchClass(entry.state.rootPitchClass + offset));
  return sounding;
}

std::string Names(const PitchSet& set) {
  std::string text;
  for (int pitchClass : set)
    text += (text.empty() ? "" : " ") + std::string(kSharpNoteNames[pitchClass]);
  return text;
}

TEST(BestNameReadBack, everySearchedFingeringsBestNameReadsBackAsItsNotes) {
  const std::map<Sound, int> sounds = SearchedSounds();
  ASSERT_GT(sounds.size(), 1000u);
  int failures = 0;
  for (const auto& [sound, count] : sounds) {
    const std::vector<int> pitchClasses(sound.pitchClasses.begin(), sound.pitchClasses.end());
    const std::vector<ChordReading> readings = ReadChordAsPlayed(pitchClasses, sound.bass, false);
    ASSERT_FALSE(readings.empty()) << Names(sound.pitchClasses);
    const ChordReading& best = readings.front();
    for (ChordNotation notation : {ChordNotation::Standard, ChordNotation::Classic}) {
      const std::string name = WriteReading(best, notation);
      if (sound.pitchClasses.size() == 1) {
        EXPECT_EQ(PitchClassOfName(name), sound.bass) << name;
        continue;
      }
      SymbolReading reading;
      const PitchSet back = ReadBack(name, notation, reading);
      PitchSet extra;
      for (int pitchClass : back)
        if (!sound.pitchClasses.contains(pitchClass)) extra.insert(pitchClass);
      // Tones the name implies and players leave out: the unwritten fifth,
      // and the ninth an 11 or 13 implies.
      PitchSet implied;
      if (best.fifth == FifthKind::Omitted) implied.insert(WrapPitchClass(best.root + 7));
      if (best.seventh == SeventhKind::Minor || best.seventh == SeventhKind::Major)
        implied.insert(WrapPitchClass(best.root + 2));
      const bool onlyImplied =
          std::includes(implied.begin(), implied.end(), extra.begin(), extra.end());
      const bool same = reading.unrecognised.empty() && reading.tooManyNotes == 0 &&
                        std::includes(back.begin(), back.end(), sound.pitchClasses.begin(),
                                      sound.pitchClasses.end()) &&
                        onlyImplied;
      if (!same && ++failures <= 20) {
        ADD_FAILURE() << name << " ("
                      << (notation == ChordNotation::Standard ? "standard" : "classic")
                      << ") names " << Names(sound.pitchClasses) << " over "
                      << kSharpNoteNames[sound.bass] << " but reads back as " << Names(back)
                      << (reading.omitted.empty() ? "" : ", omitting " + reading.omitted.front())
                      << (reading.unrecognised.empty()
                              ? ""
                              : ", not reading " + reading.unrecognised.front());
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

// A single note is no chord: named by its note name, not E5 or E(no3),
// which read back with a fifth added.
TEST(BestNameReadBack, aSingleNoteIsNamedByItsNoteName) {
  for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
    const std::vector<int> one{pitchClass};
    const std::vector<ChordReading> readings = ReadChord(one, pitchClass);
    ASSERT_FALSE(readings.empty());
    for (ChordNotation notation : {ChordNotation::Standard, ChordNotation::Classic}) {
      const std::string name = WriteReading(readings.front(), notation);
      EXPECT_EQ(PitchClassOfName(name), pitchClass) << name;  // "Db", not "Db5"
    }
  }
  // x x x x x 0: E alone; x x 2 x x 0: two Es an octave apart.
  const Instrument& guitar = *FindInstrument("guitar");
  for (const std::vector<int>& frets :
       {std::vector<int>{99, 99, 99, 99, 99, 0}, std::vector<int>{99, 99, 2, 99, 99, 0}}) {
    const auto fingering = FingeringOfKeyValues(frets);
    ASSERT_TRUE(fingering.has_value());
    const SoundingNotes notes = NotesOnInstrument(*fingering, guitar);
    EXPECT_EQ(
        WriteReading(ReadChord(notes.pitchClasses, notes.bass).front(), ChordNotation::Standard),
        "E");
  }
}

}  // namespace
}  // namespace corvanta
