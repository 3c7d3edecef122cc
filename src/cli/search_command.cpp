// The search command: a chord's fingerings on an instrument, as text or JSON.

#include "cli/commands.h"
#include "cli/output.h"
#include "search/instrument_search.h"
#include "search/search_argument.h"
#include "session/session.h"
#include "symbols/chord_names.h"
#include "theory/formula.h"
#include "theory/standard_names.h"

namespace corvanta::cli {

int RunSearch(const EntryCommandText& command, std::ostream& out) {
  const SearchOptionText& text = command.options;
  SearchSettings settings = ParseSettings(text);
  std::string formula = ParseFormula(text, ParseNotation(command.notation));
  settings.rootPitchClass = ParseNote(text.root, "--root");
  settings.bassPitchClass =
      text.bass.empty() ? settings.rootPitchClass : ParseNote(text.bass, "--bass");
  const Session session = SessionOf(text);
  const int capo = session.capo;
  // The notes and the strum are what sounds, whatever the names mean.
  const Instrument sounding = SoundingInstrument(session);
  int limit = ParseLimit(text.limit);
  Chord chord;
  chord.root = settings.rootPitchClass;
  chord.bass = settings.bassPitchClass;
  chord.formula = formula;
  chord.thirdInterval = settings.thirdInterval;
  chord.fifthInterval = settings.fifthInterval;
  chord.omitThird = settings.omitThird;
  chord.omitFifth = settings.omitFifth;
  chord.spelling = command.flats ? Accidentals::Flats : Accidentals::Sharps;
  const VoicedChord result = VoiceChord(session, chord);
  const std::string& argument = result.argument;
  if (text.json) {
    SearchOutput search =
        SearchJson(argument, result.search, sounding, limit, settings.rootPitchClass);
    JsonFields& json = search.fields;
    json["names"] = NamesJson(result.names);
    std::vector<int> pitchClasses;
    for (int offset : FormulaOffsets(formula))
      pitchClasses.push_back(WrapPitchClass(settings.rootPitchClass + offset));
    const std::vector<ChordReading> readings = ReadChord(pitchClasses, settings.bassPitchClass);
    const ChordNotation notation = ParseNotation(command.notation);
    const std::string_view rootName = NoteNamesFor(
        command.flats ? Accidentals::Flats : Accidentals::Sharps)[settings.rootPitchClass];
    json["best"] = BestJson(readings, notation, rootName);
    json["readings"] = ReadingsJson(readings, notation, rootName);
    if (text.capoShapes && capo > 0) {
      json["capoNames"] = JsonString("shapes");
      json["soundingRoot"] = std::to_string(WrapPitchClass(settings.rootPitchClass + capo));
      json["soundingBass"] = std::to_string(WrapPitchClass(settings.bassPitchClass + capo));
    }
    out << DumpSearchJson(std::move(json), std::move(search.voicings)) << "\n";
  } else {
    PrintFingeringTable(argument, result.search, sounding, limit, out);
  }
  return 0;
}

}  // namespace corvanta::cli

namespace corvanta::cli {

int RunTypes(bool json, std::ostream& out) {
  JsonWriter list;
  list.BeginArray();
  for (std::size_t row = 0; row < kChordCatalogue.size(); ++row) {
    const ChordType& type = kChordCatalogue[row];
    std::string name = CatalogueTypeOption(type);
    if (json) {
      list.BeginObject()
          .Key("formula")
          .String(type.formula)
          .Key("name")
          .String(name)
          .Key("standardName")
          .String(kStandardTypeNames[row])
          .EndObject();
    } else {
      out << name << '\t' << type.formula << '\n';
    }
  }
  if (json) out << list.EndArray().Text() << '\n';
  return 0;
}

}  // namespace corvanta::cli
