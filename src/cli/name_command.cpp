// corvanta-cli name: what chord a fingering sounds (reverse lookup).

#include "cli/commands.h"
#include "cli/output.h"
#include "search/instrument_search.h"
#include "session/placed_fingering.h"
#include "symbols/reading_text.h"
#include "theory/text_util.h"

namespace corvanta::cli {

Fingering ParseInstrumentFrets(const std::string& text, const Instrument& instrument, int capo,
                               const std::string& command) {
  const int strings = instrument.StringCount();
  auto frets = ParseFretList(text, strings);
  if (!frets) {
    throw BadArgument(command + ": " + QuotedEcho(text) + " is not " + std::to_string(strings) +
                      " fret values 0..29 for the " + instrument.name +
                      ", x or 99 muted, -f a barre (\"x 3 2 0 1 0\", \"x32010\")");
  }
  for (std::size_t string = 0; string < frets->size(); ++string) {
    const StringStop stop = (*frets)[string];
    const int fret = stop.Fret();
    if (stop.Sounds() && PitchAt(instrument, static_cast<int>(string), fret) < 0) {
      throw BadArgument(command + ": string " + std::to_string(string + 1) + " of the " +
                        instrument.name + " has no fret " + std::to_string(fret));
    }
    if (fret + capo > kNeckFrets) {
      throw BadArgument(command + ": string " + std::to_string(string + 1) + " at fret " +
                        std::to_string(fret) +
                        (capo > 0 ? " above the capo at " + std::to_string(capo) : std::string()) +
                        " is past the neck's " + std::to_string(kNeckFrets) + " frets");
    }
  }
  return *frets;
}

int RunName(const NameCommandText& command, std::ostream& out) {
  const Instrument instrument = ParseInstrument(command.instrument, command.tuning);
  int capo = ParseCapo(command.capo);
  const Fingering frets = ParseInstrumentFrets(command.frets, instrument, capo, "name");
  Accidentals spelling = command.flats ? Accidentals::Flats : Accidentals::Sharps;
  SoundingNotes notes = NotesOnInstrument(frets, InstrumentWithCapo(instrument, capo));
  std::vector<std::string> noteNames;
  for (int pitchClass : notes.pitchClasses)
    noteNames.emplace_back(NoteNamesFor(spelling)[pitchClass]);
  ChordNameList names = NameSoundingNotes(notes, spelling);
  std::string bass = noteNames.empty() ? std::string() : noteNames.front();
  const std::vector<ChordReading> readings =
      ReadChordAsPlayed(notes.pitchClasses, notes.bass, instrument.rules.anyInversion);
  const ChordNotation notation = ParseNotation(command.notation);
  if (command.json) {
    JsonFields json;
    json["frets"] = FretsJson(frets);
    json["notes"] = JsonWriter().Strings(noteNames).Take();
    json["bass"] = noteNames.empty() ? "null" : JsonString(bass);
    json["names"] = NamesJson(names);
    json["best"] = BestJson(readings, notation);
    json["readings"] = ReadingsJson(readings, notation);
    out << ObjectText(json) << "\n";
    return 0;
  }
  // The name a musician would say first, then the notes and every name.
  if (!readings.empty()) out << WriteReading(readings.front(), notation) << "\n";
  out << "notes:";
  for (const std::string& note : noteNames) out << ' ' << note;
  out << "\nbass: " << bass << "\n";
  if (notation == ChordNotation::Standard) {
    // In the standard notation the list is the readings, ranked, each with its bass.
    for (const ChordReading& reading : readings) out << WriteReading(reading, notation) << "\n";
    return 0;
  }
  for (std::string_view name : names) out << name << "\n";
  return 0;
}

int RunInstruments(bool json, std::ostream& out) {
  JsonWriter list;
  list.BeginArray();
  for (const Instrument& instrument : BuiltInInstruments()) {
    const std::string tuning = PitchNames(instrument.StandardPitches());
    if (!json) {
      out << instrument.name << '\t' << instrument.StringCount() << " strings\t" << tuning;
      for (std::size_t i = 1; i < instrument.presets.size(); ++i)
        out << "\t" << instrument.presets[i].name << ": "
            << PitchNames(instrument.presets[i].pitches);
      out << '\n';
      continue;
    }
    list.BeginObject().Key("anyInversion").Bool(instrument.rules.anyInversion);
    list.Key("name").String(instrument.name);
    list.Key("presets").BeginArray();
    for (const InstrumentPreset& preset : instrument.presets)
      list.BeginObject()
          .Key("englishName")
          .String(preset.EnglishName())
          .Key("name")
          .String(preset.name)
          .Key("tuning")
          .String(PitchNames(preset.pitches))
          .EndObject();
    list.EndArray().Key("program").Int(instrument.midiProgram);
    list.Key("strings").BeginArray();
    for (const OpenString& string : instrument.strings)
      list.BeginObject()
          .Key("firstFret")
          .Int(string.firstFret)
          .Key("midi")
          .Int(string.pitch)
          .Key("pitch")
          .String(PitchName(string.pitch))
          .EndObject();
    list.EndArray().Key("title").String(instrument.title).Key("tuning").String(tuning);
    list.EndObject();
  }
  if (json) out << list.EndArray().Text() << '\n';
  return 0;
}

}  // namespace corvanta::cli
