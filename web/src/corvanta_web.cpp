// The page's one way into the core: each call takes the page's options as a
// plain object and answers with JSON text, which the page parses once
// (cheaper than building thousands of small JS objects through embind). The
// calls use the same core functions as corvanta-cli query/name, in the same
// order, so the page lists what the CLI lists.
#include <emscripten/bind.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "chord_entry/entry_chord.h"
#include "chord_entry/entry_session.h"
#include "instrument/instrument.h"
#include "page_options.h"
#include "search/difficulty.h"
#include "search/instrument_search.h"
#include "search/key_text.h"
#include "session/option_reader.h"
#include "session/placed_fingering.h"
#include "session/session.h"
#include "session/sounding_symbol.h"
#include "song_web.h"
#include "sound/strum.h"
#include "symbols/reading_text.h"
#include "symbols/symbol_query.h"
#include "text_answer.h"
#include "theory/catalogue.h"
#include "theory/text_util.h"
#include "view/layout/diagram_layout.h"
#include "view/layout/neck_layout.h"

using emscripten::val;

namespace corvanta {
namespace {

// The options into the chord entry, as the CLI's start entry takes them
// (the page offers only the fret counts and spans the CLI accepts).
void ApplyOptions(ChordEntry& entry, const PageOptions& options) {
  SetEntryOptions(entry.state, options.settings);
}

// The chord shown: the entry the last symbol or picker built, as the
// window's controls keep theirs.
ChordEntry& CurrentEntry() {
  static ChordEntry entry;
  return entry;
}
std::vector<Voicing>& ShownVoicings() {
  static std::vector<Voicing> voicings;
  return voicings;
}

// The fingerings as the diagrams' texts ("x 3 2 0 1 0"); their layouts
// come from Diagrams() for the ones the page draws.
void WriteVoicings(JsonWriter& json, const VoicedChord& result, const PageOptions& options) {
  json.Key("argument").String(result.argument);
  json.Key("count").Int(static_cast<int>(result.search.voicings.size()));
  json.Key("strings").Int(options.instrument().StringCount());
  json.Key("frets").BeginArray();
  std::string text;
  for (const Voicing& voicing : result.search.voicings) {
    text.clear();
    for (StringStop stop : voicing.frets) {
      if (!text.empty()) text += ' ';
      text += stop.IsMuted() ? std::string("x") : std::to_string(stop.Fret());
    }
    json.String(text);
  }
  json.EndArray();
  json.Key("names").Strings(Utf8Texts(result.names));
}

void WriteReadings(JsonWriter& json, const std::vector<ChordReading>& readings,
                   ChordNotation notation, std::string_view rootName) {
  json.Key("best");
  readings.empty() ? json.Null() : json.String(WriteReading(readings.front(), notation, rootName));
  json.Key("readings").BeginArray();
  for (const ChordReading& reading : readings)
    json.String(WriteReading(reading, notation, rootName));
  json.EndArray();
}

// The entry's chord searched and named, as `corvanta-cli query` ends.
std::string SearchEntry(const PageOptions& options, const SymbolReading* reading) {
  ChordEntry& entry = CurrentEntry();
  VoicedChord result =
      VoiceEntry(entry, options.instrument(), options.capo, options.capoNames, options.practical);
  OrderVoicings(result.search.voicings, options.order);
  JsonWriter json;
  json.BeginObject();
  json.Key("echo").String(ValidUtf8(ChordSymbolText(entry.state, options.notation)));
  json.Key("root").Int(entry.state.rootPitchClass).Key("bass").Int(entry.state.bassPitchClass);
  json.Key("typeRow").Int(entry.state.typeGridRow);
  json.Key("notes").Strings(Utf8Texts(ChordNoteNames(entry.state)));
  // The box's text (in the page's notation) with its root and bass moved
  // up by the capo, as the window's status bar says it.
  if (options.capoNames == CapoNames::Shapes && options.capo > 0)
    json.Key("sounding")
        .String(ValidUtf8(SoundingSymbol(ChordSymbolText(entry.state, options.notation),
                                         options.capo, entry.state.rootGridNames)));
  if (reading != nullptr) {
    json.Key("unrecognised").Strings(Utf8Texts(reading->unrecognised));
    json.Key("omitted").Strings(Utf8Texts(reading->omitted));
    json.Key("noChord").Bool(reading->noChord);
  }
  if (!options.error.empty()) json.Key("error").String(options.error);
  WriteVoicings(json, result, options);
  WriteReadings(json, EntryReadings(entry.state), options.notation, EntryRootName(entry.state));
  ShownVoicings() = std::move(result.search.voicings);
  return json.EndObject().Take();
}

// A typed symbol from the fresh start entry, as `corvanta-cli query` reads it.
std::string Query(const std::string& text, const val& object) {
  const PageOptions options = OptionsOf(object);
  ChordEntry entry;
  ApplyOptions(entry, options);
  if (options.accidentals == Accidentals::Flats) {
    entry.ShowRootAs(Accidentals::Flats);
    entry.ShowBassAs(Accidentals::Flats);
  }
  const SymbolReading reading = ReadTypedChord(entry, text, options.notation);
  if (reading.tooManyNotes > 0) {
    JsonWriter json;
    return json.BeginObject()
        .Key("refused")
        .String("tooManyNotes")
        .Key("needs")
        .Int(reading.tooManyNotes)
        .Key("most")
        .Int(kMostChordNotes)
        .EndObject()
        .Take();
  }
  if (!reading.namesRoot && !reading.noChord) {
    JsonWriter json;
    json.BeginObject()
        .Key("refused")
        .String("noRoot")
        .Key("unrecognised")
        .Strings(Utf8Texts(reading.unrecognised));
    return json.EndObject().Take();
  }
  CurrentEntry() = entry;
  return SearchEntry(options, &reading);
}

// A picker's cell on the chord shown: "root", "type" or "bass" and its row.
std::string Pick(const std::string& picker, int row, const val& object) {
  const PageOptions options = OptionsOf(object);
  ChordEntry& entry = CurrentEntry();
  ApplyOptions(entry, options);
  if (picker == "root") {
    entry.ChooseRoot(row);
  } else if (picker == "bass") {
    entry.ChooseBass(row);
  } else if (picker == "type") {
    entry.ChooseMode(EntryMode::TypeGrid);
    entry.ChooseType(row);
  }
  return SearchEntry(options, nullptr);
}

// The layouts of the shown diagrams first..first+count-1, as the window
// draws them (the bass mark on the lowest-sounding string).
std::string Diagrams(int first, int count, const val& object) {
  const PageOptions options = OptionsOf(object);
  const Instrument sounding = InstrumentWithCapo(options.instrument(), options.capo);
  const std::vector<Voicing>& voicings = ShownVoicings();
  const int end = std::min(first + count, static_cast<int>(voicings.size()));
  JsonWriter json;
  json.BeginArray();
  // Under a capo with shape names the diagrams are the shape's.
  const std::string symbol = ChordSymbolText(CurrentEntry().state, options.notation);
  for (int index = std::max(first, 0); index < end; ++index)
    WriteDiagram(json, voicings[static_cast<std::size_t>(index)], sounding, options, symbol);
  return json.EndArray().Take();
}

// The chord shown again under other options (instrument, capo, order...).
std::string Research(const val& object) {
  const PageOptions options = OptionsOf(object);
  ApplyOptions(CurrentEntry(), options);
  return SearchEntry(options, nullptr);
}

std::vector<int> IntsOf(const val& array) {
  std::vector<int> values;
  const int length = array["length"].as<int>();
  for (int i = 0; i < length; ++i) values.push_back(array[i].as<int>());
  return values;
}

// The page hands fingerings over in key values (99 muted, -f a barre);
// values no fingering holds leave their string muted.
Fingering FingeringOfPage(std::vector<int> values, int strings, int missing) {
  values.resize(static_cast<std::size_t>(strings), missing);
  for (int& value : values)
    if (!FingeringOfKeyValues(std::vector<int>{value})) value = kMuted;
  return FingeringOfKeyValues(values).value_or(Fingering(static_cast<std::size_t>(strings)));
}

// A fingering on the neck (frets counted from the capo, 99 muted): its
// markers, its names as `corvanta-cli name` gives them, the diagram it is
// among the shown ones (-1 when none) and the notes a strum plays.
std::string FingeringJson(const val& fretArray, const val& object) {
  const PageOptions options = OptionsOf(object);
  const Instrument sounding = InstrumentWithCapo(options.instrument(), options.capo);
  const Fingering frets = FingeringOfPage(IntsOf(fretArray), sounding.StringCount(), kMuted);
  const SoundingNotes notes = NotesOnInstrument(frets, sounding);
  const std::vector<ChordReading> readings = ReadChord(notes.pitchClasses, notes.bass);
  std::vector<int> starts = options.instrument().FirstFrets();
  JsonWriter json;
  json.BeginObject().Key("frets").Ints(KeyValues(frets));
  json.Key("neck").BeginArray();
  for (const Placement& p : LayOutNeck(AbsoluteFrets(frets, options.capo), options.capo, starts))
    json.BeginArray().Int(static_cast<int>(p.sprite)).Int(p.x).Int(p.y).EndArray();
  json.EndArray();
  json.Key("names").Strings(Utf8Texts(NameSoundingNotes(notes, options.accidentals)));
  WriteReadings(json, readings, options.notation, {});
  json.Key("shown").Int(FindVoicing(ShownVoicings(), frets));
  json.Key("notes").Ints(StrumNotes(frets, sounding));
  json.Key("readable").String(ReadableFrets(frets));
  return json.EndObject().Take();
}

// A click on the neck picture at (x, y): the fingering it leaves, its
// barres marked as the search marks them.
std::string ClickNeck(const val& fretArray, int x, int y, const val& object) {
  const PageOptions options = OptionsOf(object);
  const int strings = options.instrument().StringCount();
  Fingering frets = FingeringOfPage(IntsOf(fretArray), strings, 0);
  if (auto at = NeckPositionAt(x, y, strings)) {
    const int start = options.instrument().FirstFrets()[static_cast<std::size_t>(at->string)];
    frets = WithBarres(PlaceFingerUnderCapo(frets, at->string, at->fret, options.capo,
                                            std::max(0, start - options.capo)));
  }
  const std::vector<int> values = KeyValues(frets);
  return FingeringJson(val::array(values.begin(), values.end()), object);
}

// The instruments, their presets and the neck's lines, for the pickers.
std::string Instruments() {
  JsonWriter json;
  json.BeginArray();
  for (const Instrument& instrument : BuiltInInstruments()) {
    json.BeginObject().Key("name").String(instrument.name).Key("title").String(instrument.title);
    json.Key("tuning").String(PitchNames(instrument.StandardPitches()));
    json.Key("presets").BeginArray();
    for (const InstrumentPreset& preset : instrument.presets)
      json.BeginObject()
          .Key("name")
          .String(preset.name)
          .Key("tuning")
          .String(PitchNames(preset.pitches))
          .EndObject();
    json.EndArray().EndObject();
  }
  return json.EndArray().Take();
}

// What the pickers and the neck show: the note grids' names, the types,
// and the neck picture's wires and string lines.
std::string Tables(const val& object) {
  const PageOptions options = OptionsOf(object);
  const ChordEntry& entry = CurrentEntry();
  const int strings = options.instrument().StringCount();
  JsonWriter json;
  json.BeginObject().Key("roots").BeginArray();
  for (int row = 0; row < kPitchClassCount; ++row) json.String(entry.RootGridText(row));
  json.EndArray().Key("basses").BeginArray();
  for (int row = 0; row < kPitchClassCount; ++row) json.String(entry.BassGridText(row));
  json.EndArray().Key("types").BeginArray();
  for (const ChordType& type : kChordCatalogue) json.String(TrimBlanks(type.name));
  json.EndArray();
  json.Key("neckWidth").Int(kNeckPictureWidth).Key("neckHeight").Int(kNeckPictureHeight);
  json.Key("fretX").BeginArray();
  for (int fret = 0; fret <= kNeckFretWires + 1; ++fret) json.Int(NeckFretX(fret));
  json.EndArray().Key("stringY").BeginArray();
  for (int string = 0; string < strings; ++string) json.Int(NeckStringY(string, strings));
  json.EndArray().Key("firstFrets").Ints(options.instrument().FirstFrets());
  json.Key("tuning").String(PitchNames(options.instrument().StandardPitches()));
  json.Key("strumDelayMs").Int(StrumDelayMs(kDefaultStrumSpeed));
  if (!options.error.empty()) json.Key("error").String(options.error);
  return json.EndObject().Take();
}

}  // namespace
}  // namespace corvanta

EMSCRIPTEN_BINDINGS(corvanta) {
  emscripten::function("query", &corvanta::TextAnswer<&corvanta::Query>::Call);
  emscripten::function("pick", &corvanta::TextAnswer<&corvanta::Pick>::Call);
  emscripten::function("research", &corvanta::TextAnswer<&corvanta::Research>::Call);
  emscripten::function("diagrams", &corvanta::TextAnswer<&corvanta::Diagrams>::Call);
  emscripten::function("fingering", &corvanta::TextAnswer<&corvanta::FingeringJson>::Call);
  emscripten::function("clickNeck", &corvanta::TextAnswer<&corvanta::ClickNeck>::Call);
  emscripten::function("instruments", &corvanta::TextAnswer<&corvanta::Instruments>::Call);
  emscripten::function("tables", &corvanta::TextAnswer<&corvanta::Tables>::Call);
  emscripten::function("song", &corvanta::TextAnswer<&corvanta::SongAnswer>::Call);
  emscripten::function("songAlternatives",
                       &corvanta::TextAnswer<&corvanta::SongAlternatives>::Call);
  emscripten::function("songWritten", &corvanta::TextAnswer<&corvanta::SongWritten>::Call);
  emscripten::class_<corvanta::SongSession>("SongSession")
      .constructor<>()
      .function("song", &corvanta::TextAnswer<&corvanta::SongSession::Answer>::Call)
      .function("songAlternatives",
                &corvanta::TextAnswer<&corvanta::SongSession::Alternatives>::Call)
      .function("songWritten", &corvanta::TextAnswer<&corvanta::SongSession::Written>::Call)
      .function("searches", &corvanta::SongSession::Searches);
}
