// Writes a search's result as text and as JSON.
#include "cli/output.h"

#include <cmath>
#include <iomanip>
#include <iostream>

#include "search/difficulty.h"
#include "search/fingering.h"
#include "search/key_text.h"
#include "symbols/chord_fitting.h"
#include "symbols/reading_text.h"
#include "theory/interval_names.h"
#include "theory/note_names.h"
#include "theory/text_util.h"
#include "view/layout/diagram_layout.h"

namespace corvanta::cli {

nlohmann::json TextJson(std::string_view text) { return ValidUtf8(text); }

nlohmann::json NamesJson(const std::vector<std::string>& names) {
  nlohmann::json list = nlohmann::json::array();
  for (const std::string& name : names) list.push_back(TextJson(name));
  return list;
}

nlohmann::json NamesJson(const ChordNameList& names) {
  nlohmann::json list = nlohmann::json::array();
  for (std::string_view name : names) list.push_back(TextJson(name));
  return list;
}

nlohmann::json FretsJson(const Fingering& frets) {
  nlohmann::json list = nlohmann::json::array();
  for (StringStop stop : frets) {
    if (stop.IsMuted()) {
      list.push_back(nullptr);
    } else {
      list.push_back(stop.Fret());
    }
  }
  return list;
}

std::optional<BarreField> FirstBarre(const Fingering& frets) {
  for (std::size_t string = 0; string < frets.size(); ++string)
    if (frets.StartsBarre(string))
      return BarreField{frets[string].Fret(), static_cast<int>(string)};
  return std::nullopt;
}

// The difficulty as JSON shows it: one decimal is all its precision means.
double DifficultyFigure(const Fingering& frets) { return RoundedFigure(Difficulty(frets)); }

namespace {

nlohmann::json DifficultyReasonsJson(const DifficultyReasons& reasons) {
  return {{"barre", RoundedFigure(reasons.barre)},
          {"fifthInBass", RoundedFigure(reasons.fifthInBass)},
          {"fingers", RoundedFigure(reasons.fingers)},
          {"leftOut", RoundedFigure(reasons.leftOut)},
          {"mutedInner", RoundedFigure(reasons.mutedInner)},
          {"position", RoundedFigure(reasons.position)},
          {"stretch", RoundedFigure(reasons.stretch)}};
}

// A sounding pitch with its octave, its letter as the chord spells it (Bb2
// in C7); Cb and B# keep the octave of the pitch they sound.
std::string SpelledPitchName(int pitch, const ChordContext& chord) {
  const std::size_t pitchClass = static_cast<std::size_t>(WrapPitchClass(pitch));
  if (chord.noteNames.size() != kPitchClassCount || chord.noteNames[pitchClass].empty())
    return PitchName(pitch);
  const std::string& name = chord.noteNames[pitchClass];
  int octave = pitch / kPitchClassCount - 1;         // as PitchName counts octaves
  if (name[0] == 'C' && pitchClass == 11) ++octave;  // Cb4 is B3
  if (name[0] == 'B' && pitchClass == 0) --octave;   // B#3 is C4
  return name + std::to_string(octave);
}

nlohmann::json VoicingJson(const Voicing& voicing, const Instrument& sounding,
                           const ChordContext& chord) {
  const Fingering& frets = voicing.frets;
  nlohmann::json json;
  if (const std::optional<BarreField> barre = FirstBarre(frets)) {
    json["barre"] = {{"fret", barre->fret}, {"fromString", barre->fromString}};
  } else {
    json["barre"] = nullptr;
  }
  const DifficultyReasons reasons = DifficultyReasonsOf(voicing);
  json["difficulty"] = RoundedFigure(reasons.Total());
  json["difficultyReasons"] = DifficultyReasonsJson(reasons);
  const DiagramLayout layout = LayOutDiagram(frets, DiagramVariant::Plain, false);
  nlohmann::json& fingers = json["fingers"] = nlohmann::json::array();
  for (int finger : layout.fingers)
    finger == kNoFinger ? fingers.push_back(nullptr) : fingers.push_back(finger);
  json["frets"] = FretsJson(frets);
  const std::vector<int> pitches = StringPitches(frets, sounding);
  nlohmann::json& intervals = json["intervals"] = nlohmann::json::array();
  nlohmann::json& notes = json["notes"] = nlohmann::json::array();
  // One note per string (null muted) beside the notes of the sounding
  // strings only, as they always have been listed.
  nlohmann::json& stringNotes = json["stringNotes"] = nlohmann::json::array();
  for (int pitch : pitches) {
    if (pitch < 0) {
      intervals.push_back(nullptr);
      stringNotes.push_back(nullptr);
      continue;
    }
    chord.root == kNoPitchClass
        ? intervals.push_back(nullptr)
        : intervals.push_back(IntervalName(pitch - chord.root, chord.intervals));
    notes.push_back(SpelledPitchName(pitch, chord));
    stringNotes.push_back(notes.back());
  }
  json["position"] = layout.firstFret;
  json["preferred"] = voicing.preferred;
  return json;
}

}  // namespace

ChordContext ChordContextOf(const InstrumentSearchResult& result, int rootPitchClass,
                            std::span<const std::string> noteNames) {
  ChordContext chord{rootPitchClass, {}, noteNames};
  for (int tone : result.chordTones)
    chord.intervals.push_back(WrapPitchClass(tone - rootPitchClass));
  return chord;
}

nlohmann::json VoicingsJson(std::span<const Voicing> voicings, const Instrument& sounding,
                            const ChordContext& chord) {
  nlohmann::json list = nlohmann::json::array();
  list.get_ref<nlohmann::json::array_t&>().reserve(voicings.size());
  for (const Voicing& voicing : voicings) list.push_back(VoicingJson(voicing, sounding, chord));
  return list;
}

std::string VoicingsJsonText(std::span<const Voicing> voicings, const Instrument& sounding,
                             const ChordContext& chord) {
  return VoicingsJson(voicings, sounding, chord).dump();
}

std::string DumpSearchJson(nlohmann::json json, nlohmann::json voicings) {
  json["voicings"] = std::move(voicings);
  return json.dump();
}

std::span<const Voicing> FirstVoicings(const InstrumentSearchResult& result, int limit) {
  std::span<const Voicing> all(result.voicings);
  if (limit < 0 || static_cast<std::size_t>(limit) >= all.size()) return all;
  return all.first(static_cast<std::size_t>(limit));
}

SearchOutput SearchJson(const std::string& argument, const InstrumentSearchResult& result,
                        const Instrument& sounding, int limit, int rootPitchClass,
                        std::span<const std::string> noteNames) {
  SearchOutput output;
  nlohmann::json& json = output.fields;
  json["argument"] = argument;
  json["chordTones"] = result.chordTones;
  json["count"] = result.voicings.size();
  std::span<const Voicing> shown = FirstVoicings(result, limit);
  nlohmann::json keys = nlohmann::json::array();
  for (const Voicing& voicing : shown) keys.push_back(VoicingKeyText(voicing));
  json["fingerings"] = keys;
  output.voicings =
      VoicingsJson(shown, sounding, ChordContextOf(result, rootPitchClass, noteNames));
  return output;
}

void PrintFingeringTable(const std::string& argument, const InstrumentSearchResult& result,
                         const Instrument& instrument, int limit, std::ostream& out) {
  const std::string first =
      instrument.classicTuning ? "low E" : PitchName(instrument.strings.front().pitch);
  const std::string column = "frets (" + first + " first)";
  const int width = std::max(20, static_cast<int>(instrument.strings.size()) * 3 + 2);
  out << "argument: " << argument << "\n";
  out << "   #  " << std::left << std::setw(width) << column << std::right << "position\n";
  int number = 0;
  for (const Voicing& voicing : FirstVoicings(result, limit)) {
    out << std::setw(4) << ++number << "  " << std::left << std::setw(width)
        << ReadableFrets(voicing.frets) << std::right << static_cast<int>(voicing.position) << "\n";
  }
  out << result.voicings.size() << " fingerings\n";
}

nlohmann::json ReadingsJson(const std::vector<ChordReading>& readings, ChordNotation notation,
                            std::string_view rootName) {
  nlohmann::json list = nlohmann::json::array();
  for (const ChordReading& reading : readings) {
    std::vector<std::string> notes = ReadingNotes(reading, rootName);
    list.push_back({{"name", TextJson(WriteReading(reading, notation, rootName))},
                    {"root", ReadingRootName(reading, rootName)},
                    {"bass", notes.front()},
                    {"notes", std::move(notes)},
                    {"omitted", reading.Omitted()}});
  }
  return list;
}

nlohmann::json BestJson(const std::vector<ChordReading>& readings, ChordNotation notation,
                        std::string_view rootName) {
  if (readings.empty()) return nullptr;
  return TextJson(WriteReading(readings.front(), notation, rootName));
}

std::string TooManyNotesText(const SymbolReading& reading) {
  return "needs " + std::to_string(reading.tooManyNotes) + " notes; at most " +
         std::to_string(kMostChordNotes) + " sound, the bass included";
}

void WarnOfReading(const SymbolReading& reading) {
  // A screenful at most: a flood of noise is counted, not listed.
  constexpr std::size_t kMostWordWarnings = 10;
  const std::vector<std::string>& words = reading.unrecognised;
  for (std::size_t i = 0; i < words.size() && i < kMostWordWarnings; ++i)
    std::cerr << "corvanta-cli: warning: " << QuotedEcho(ValidUtf8(words[i]))
              << " was not recognised\n";
  if (words.size() > kMostWordWarnings)
    std::cerr << "corvanta-cli: warning: and " << words.size() - kMostWordWarnings
              << " more words were not recognised\n";
  if (!reading.omitted.empty()) {
    std::string degrees;
    for (const std::string& degree : reading.omitted)
      degrees += (degrees.empty() ? "" : ", ") + ValidUtf8(degree);
    std::cerr << "corvanta-cli: warning: omitted: " << degrees << "\n";
  }
  for (const std::string& taken : reading.ambiguous)
    std::cerr << "corvanta-cli: warning: ambiguous, read " << ValidUtf8(taken) << "\n";
}

}  // namespace corvanta::cli
