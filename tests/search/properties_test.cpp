// Property tests: every fingering a search returns plays its chord.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "instrument/instrument.h"
#include "search/finger_count.h"
#include "search/fingering.h"
#include "search/instrument_search.h"
#include "search/key_text.h"
#include "search/search_argument.h"
#include "theory/catalogue.h"
#include "theory/formula.h"

namespace corvanta {
namespace {

// Checks one search against what every fingering of a chord must be.
void CheckEveryFingering(const ChordType& type, int root, int bass, const Tuning& tuning) {
  SearchSettings settings;
  settings.rootPitchClass = root;
  settings.bassPitchClass = bass;
  ParsedArgument parsed = ParseSearchArgument(BuildSearchArgument(type.formula, root, bass));
  ASSERT_TRUE(parsed.ok());
  const Instrument guitar = Retuned(*FindInstrument("guitar"), GuitarPitches(tuning));
  InstrumentSearchResult result = SearchOnInstrument(guitar, parsed.numbers, settings);
  std::string where =
      std::string(type.formula) + " root " + std::to_string(root) + " bass " + std::to_string(bass);

  std::vector<std::string> keys;
  for (const Voicing& voicing : result.voicings) keys.push_back(VoicingKeyText(voicing));
  ASSERT_TRUE(std::is_sorted(keys.begin(), keys.end())) << where;
  ASSERT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end()) << where;
  for (const std::string& key : keys) {
    auto frets = ParseKeyFingering(key);
    ASSERT_TRUE(frets) << where << ": " << key;
    std::vector<int> held = KeyValues(*frets);
    std::vector<int> sounding;
    int lowest = -1;
    int low = 100;
    int high = 0;
    for (int s = 0; s < kStringCount; ++s) {
      held[s] = std::abs(held[s]);
      if (held[s] == kMuted) continue;
      if (lowest < 0) lowest = s;
      sounding.push_back(PitchClassAt(tuning, s, held[s]));
      if (held[s] > 0) low = std::min(low, held[s]);
      high = std::max(high, held[s]);
    }
    ASSERT_GE(lowest, 0) << where << ": " << key;
    EXPECT_EQ(PitchClassAt(tuning, lowest, held[lowest]), bass) << where << ": " << key;
    for (std::size_t i = 1; i < result.chordTones.size(); ++i) {
      EXPECT_NE(std::find(sounding.begin(), sounding.end(), result.chordTones[i]), sounding.end())
          << where << ": " << key;
    }
    EXPECT_LT(high - low, kDefaultSpan) << where << ": " << key;
    EXPECT_LE(CountFingers(held, false), 4) << where << ": " << key;
  }
}

TEST(SearchProperties, holdForEveryTypeRootAndBassInStandardTuning) {
  for (const ChordType& type : kChordCatalogue) {
    for (int root = 0; root < 12; ++root) {
      for (int bass = 0; bass < 12; ++bass) CheckEveryFingering(type, root, bass, kStandardTuning);
    }
  }
}

TEST(SearchProperties, holdForEveryTypeAndRootInEveryPreset) {
  for (const TuningPreset& preset : kTuningPresets) {
    for (const ChordType& type : kChordCatalogue) {
      for (int root = 0; root < 12; ++root)
        CheckEveryFingering(type, root, root, preset.pitchClasses);
    }
  }
}

}  // namespace
}  // namespace corvanta
