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

std::string ObjectText(const JsonFields& fields) {
  JsonWriter json;
  json.BeginObject();
  for (const auto& [key, value] : fields) json.Key(key).Raw(value);
  return json.EndObject().Take();
}

std::string TextJson(std::string_view text) { return JsonString(ValidUtf8(text)); }

namespace {

template <typename Names>
std::string NamesText(const Names& names) {
  JsonWriter json;
  json.BeginArray();
  for (std::string_view name : names) json.String(ValidUtf8(name));
  return json.EndArray().Take();
}

}  // namespace

std::string NamesJson(const std::vector<std::string>& names) { return NamesText(names); }
std::string NamesJson(const ChordNameList& names) { return NamesText(names); }

void WriteFrets(JsonWriter& json, const Fingering& frets) {
  json.BeginArray();
  for (StringStop stop : frets) stop.IsMuted() ? json.Null() : json.Int(stop.Fret());
  json.EndArray();
}

std::string FretsJson(const Fingering& frets) {
  JsonWriter json;
  WriteFrets(json, frets);
  return json.Take();
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

void WriteDifficultyReasons(JsonWriter& json, const DifficultyReasons& reasons) {
  json.BeginObject()
      .Key("barre")
      .Number(RoundedFigure(reasons.barre))
      .Key("fifthInBass")
      .Number(RoundedFigure(reasons.fifthInBass))
      .Key("fingers")
      .Number(RoundedFigure(reasons.fingers))
      .Key("leftOut")
      .Number(RoundedFigure(reasons.leftOut))
      .Key("mutedInner")
      .Number(RoundedFigure(reasons.mutedInner))
      .Key("position")
      .Number(RoundedFigure(reasons.position))
      .Key("stretch")
      .Number(RoundedFigure(reasons.stretch))
      .EndObject();
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

// Keys in byte order, as every object the CLI prints has them.
void WriteVoicing(JsonWriter& json, const Voicing& voicing, const Instrument& sounding,
                  const ChordContext& chord) {
  const Fingering& frets = voicing.frets;
  json.BeginObject().Key("barre");
  if (const std::optional<BarreField> barre = FirstBarre(frets)) {
    json.BeginObject()
        .Key("fret")
        .Int(barre->fret)
        .Key("fromString")
        .Int(barre->fromString)
        .EndObject();
  } else {
    json.Null();
  }
  const DifficultyReasons reasons = DifficultyReasonsOf(voicing);
  json.Key("difficulty").Number(RoundedFigure(reasons.Total()));
  WriteDifficultyReasons(json.Key("difficultyReasons"), reasons);
  const DiagramLayout layout = LayOutDiagram(frets, DiagramVariant::Plain, false);
  json.Key("fingers").BeginArray();
  for (int finger : layout.fingers) finger == kNoFinger ? json.Null() : json.Int(finger);
  json.EndArray();
  WriteFrets(json.Key("frets"), frets);
  const std::vector<int> pitches = StringPitches(frets, sounding);
  json.Key("intervals").BeginArray();
  for (int pitch : pitches) {
    if (pitch < 0 || chord.root == kNoPitchClass)
      json.Null();
    else
      json.String(IntervalName(pitch - chord.root, chord.intervals));
  }
  json.EndArray();
  // The notes of the sounding strings only, as they always have been
  // listed, then one note per string (null muted).
  std::vector<std::string> names(pitches.size());
  json.Key("notes").BeginArray();
  for (std::size_t string = 0; string < pitches.size(); ++string) {
    if (pitches[string] < 0) continue;
    names[string] = SpelledPitchName(pitches[string], chord);
    json.String(names[string]);
  }
  json.EndArray();
  json.Key("position").Int(layout.firstFret);
  json.Key("preferred").Bool(voicing.preferred);
  json.Key("stringNotes").BeginArray();
  for (std::size_t string = 0; string < pitches.size(); ++string)
    pitches[string] < 0 ? json.Null() : json.String(names[string]);
  json.EndArray().EndObject();
}

}  // namespace

ChordContext ChordContextOf(const InstrumentSearchResult& result, int rootPitchClass,
                            std::span<const std::string> noteNames) {
  ChordContext chord{rootPitchClass, {}, noteNames};
  for (int tone : result.chordTones)
    chord.intervals.push_back(WrapPitchClass(tone - rootPitchClass));
  return chord;
}

void WriteVoicings(JsonWriter& json, std::span<const Voicing> voicings, const Instrument& sounding,
                   const ChordContext& chord) {
  json.BeginArray();
  for (const Voicing& voicing : voicings) WriteVoicing(json, voicing, sounding, chord);
  json.EndArray();
}

std::string VoicingsJsonText(std::span<const Voicing> voicings, const Instrument& sounding,
                             const ChordContext& chord) {
  JsonWriter json;
  // About 370 bytes a six-string voicing: one allocation for the lot.
  json.Reserve(64 + voicings.size() * 400);
  WriteVoicings(json, voicings, sounding, chord);
  return json.Take();
}

std::string DumpSearchJson(JsonFields fields, std::string voicings) {
  fields["voicings"] = std::move(voicings);
  return ObjectText(fields);
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
  JsonFields& fields = output.fields;
  fields["argument"] = JsonString(argument);
  fields["chordTones"] = JsonWriter().Ints(result.chordTones).Take();
  fields["count"] = std::to_string(result.voicings.size());
  std::span<const Voicing> shown = FirstVoicings(result, limit);
  JsonWriter keys;
  keys.BeginArray();
  for (const Voicing& voicing : shown) keys.String(VoicingKeyText(voicing));
  fields["fingerings"] = keys.EndArray().Take();
  output.voicings =
      VoicingsJsonText(shown, sounding, ChordContextOf(result, rootPitchClass, noteNames));
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

std::string ReadingsJson(const std::vector<ChordReading>& readings, ChordNotation notation,
                         std::string_view rootName) {
  JsonWriter json;
  json.BeginArray();
  for (const ChordReading& reading : readings) {
    const std::vector<std::string> notes = ReadingNotes(reading, rootName);
    json.BeginObject().Key("bass").String(notes.front());
    json.Key("name").String(WriteReading(reading, notation, rootName));
    json.Key("notes").Strings(notes);
    json.Key("omitted").Strings(reading.Omitted());
    json.Key("root").String(ReadingRootName(reading, rootName));
    json.EndObject();
  }
  return json.EndArray().Take();
}

std::string BestJson(const std::vector<ChordReading>& readings, ChordNotation notation,
                     std::string_view rootName) {
  if (readings.empty()) return "null";
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
