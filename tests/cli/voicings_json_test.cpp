// The voicings written as text against a plain reference built as a JSON
// tree, field by field, over many results on several instruments.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "chord_entry/entry_session.h"
#include "cli/output.h"
#include "keyed_fingering.h"
#include "search/difficulty.h"
#include "search/search_argument.h"
#include "session/session.h"
#include "session/sounding_symbol.h"
#include "theory/catalogue.h"
#include "theory/interval_names.h"
#include "view/layout/diagram_layout.h"

namespace corvanta::cli {
namespace {

nlohmann::json ReferenceVoicing(const Voicing& voicing, const Instrument& sounding,
                                const ChordContext& chord) {
  const std::vector<int> frets = KeyValues(voicing.frets);
  nlohmann::json json;
  // Muted strings null, a barre's sign dropped.
  json["frets"] = nlohmann::json::array();
  for (int value : frets)
    json["frets"].push_back(value == kMuted ? nlohmann::json(nullptr)
                                            : nlohmann::json(std::abs(value)));
  json["barre"] = nullptr;
  for (std::size_t string = 0; string < frets.size(); ++string) {
    if (frets[string] < 0) {
      json["barre"] = {{"fret", -frets[string]}, {"fromString", string}};
      break;
    }
  }
  DiagramLayout layout = LayOutDiagram(voicing.frets, DiagramVariant::Plain, false);
  json["position"] = layout.firstFret;
  nlohmann::json fingers = nlohmann::json::array();
  for (int finger : layout.fingers)
    fingers.push_back(finger == kNoFinger ? nlohmann::json(nullptr) : nlohmann::json(finger));
  json["fingers"] = fingers;
  nlohmann::json notes = nlohmann::json::array();
  for (std::size_t string = 0; string < frets.size(); ++string) {
    if (frets[string] == kMuted) continue;
    int pitch = PitchAt(sounding, static_cast<int>(string), frets[string]);
    if (pitch >= 0) notes.push_back(PitchName(pitch));
  }
  json["notes"] = notes;
  json["preferred"] = voicing.preferred;
  auto figure = [](double value) { return std::round(value * 10) / 10; };
  const DifficultyReasons reasons = DifficultyReasonsOf(voicing);
  json["difficulty"] = figure(Difficulty(voicing));
  json["difficultyReasons"] = {
      {"fingers", figure(reasons.fingers)},        {"barre", figure(reasons.barre)},
      {"stretch", figure(reasons.stretch)},        {"position", figure(reasons.position)},
      {"mutedInner", figure(reasons.mutedInner)},  {"leftOut", figure(reasons.leftOut)},
      {"fifthInBass", figure(reasons.fifthInBass)}};
  nlohmann::json intervals = nlohmann::json::array();
  for (std::size_t string = 0; string < frets.size(); ++string) {
    const int pitch =
        frets[string] == kMuted ? -1 : PitchAt(sounding, static_cast<int>(string), frets[string]);
    intervals.push_back(pitch < 0
                            ? nlohmann::json(nullptr)
                            : nlohmann::json(IntervalName(pitch - chord.root, chord.intervals)));
  }
  json["intervals"] = intervals;
  nlohmann::json stringNotes = nlohmann::json::array();
  for (std::size_t string = 0; string < frets.size(); ++string) {
    const int pitch =
        frets[string] == kMuted ? -1 : PitchAt(sounding, static_cast<int>(string), frets[string]);
    stringNotes.push_back(pitch < 0 ? nlohmann::json(nullptr) : nlohmann::json(PitchName(pitch)));
  }
  json["stringNotes"] = stringNotes;
  return json;
}

TEST(VoicingsJson, matchesTheReferenceTreeOnEveryInstrument) {
  int compared = 0;
  for (const char* name : {"guitar", "ukulele", "banjo", "guitar7"}) {
    const Instrument& instrument = *FindInstrument(name);
    for (int capo : {0, 3}) {
      const Instrument sounding = InstrumentWithCapo(instrument, capo);
      for (int row = 0; row < kChordTypeCount; row += 4) {
        ChordEntry entry;
        entry.ChooseRoot(row % 12);
        entry.ChooseType(row);
        VoicedChord result = VoiceEntry(entry, instrument, capo);
        const auto& voicings = result.search.voicings;
        nlohmann::json reference = nlohmann::json::array();
        const ChordContext chord = ChordContextOf(result.search, entry.state.rootPitchClass);
        for (const Voicing& voicing : voicings)
          reference.push_back(ReferenceVoicing(voicing, sounding, chord));
        const std::string text = VoicingsJsonText(voicings, sounding, chord);
        // Parsed, and byte for byte as the tree dumps itself.
        ASSERT_EQ(nlohmann::json::parse(text), reference) << name << " row " << row;
        ASSERT_EQ(text, reference.dump()) << name << " row " << row;
        compared += static_cast<int>(voicings.size());
      }
    }
  }
  EXPECT_GT(compared, 1000);
}

}  // namespace
}  // namespace corvanta::cli
