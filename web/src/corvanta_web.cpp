// The page's one way into the core: each call takes the page's options as a
// plain object and answers with JSON text, which the page parses once
// (cheaper than building thousands of small JS objects through embind). The
// calls use the same core functions as corvanta-cli query/name, in the same
// order, so the page lists what the CLI lists.
#include <emscripten/bind.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "instrument/instrument.h"
#include "search/difficulty.h"
#include "search/instrument_search.h"
#include "search/key_text.h"
#include "session/placed_fingering.h"
#include "session/session.h"
#include "session/sounding_symbol.h"
#include "sound/strum.h"
#include "symbols/reading_text.h"
#include "symbols/symbol_query.h"
#include "theory/catalogue.h"
#include "theory/text_util.h"
#include "view/layout/diagram_layout.h"
#include "view/layout/neck_layout.h"

using emscripten::val;

namespace corvanta {
namespace {

// The page reads objects by name, so their fields keep the order written.
using Json = nlohmann::ordered_json;

// A chord text (core bytes) as a JSON string.
Json TextJson(std::string_view bytes) { return BytesToUtf8(bytes); }

template <typename List>
Json TextsJson(const List& texts) {
  Json list = Json::array();
  for (std::string_view text : texts) list.push_back(TextJson(text));
  return list;
}

Json SpritesJson(const std::vector<Placement>& placements) {
  Json list = Json::array();
  for (const Placement& p : placements) list.push_back({static_cast<int>(p.sprite), p.x, p.y});
  return list;
}

// Compact text; a byte that is not UTF-8 becomes U+FFFD rather than an
// exception in the page.
std::string Text(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The page's options, with the CLI's meaning of each.
struct PageOptions {
  Instrument instrument;
  int capo = 0;
  CapoNames capoNames = CapoNames::Sounding;
  bool practical = true;
  VoicingOrderChoice order = VoicingOrderChoice::Ease;
  ChordNotation notation = ChordNotation::Standard;
  Accidentals accidentals = Accidentals::Sharps;
  bool leftHanded = false;
  SearchSettings settings;  // the entry's options; root and bass from the entry
  std::string error;        // a tuning that was not understood
};

template <typename T>
T Field(const val& object, const char* name, T fallback) {
  const val value = object[name];
  if (value.isUndefined() || value.isNull()) return fallback;
  return value.as<T>();
}

// The instrument by its CLI name, in a preset of its own or a tuning typed
// as note names (with octaves for a custom one), as `--tuning` takes them.
std::optional<Instrument> InstrumentOf(const std::string& name, const std::string& tuning) {
  if (name == "custom") {
    const auto pitches = ParseCustomPitches(tuning);
    if (!pitches) return std::nullopt;
    return CustomInstrument(*pitches);
  }
  const Instrument* found = FindInstrument(name);
  if (found == nullptr) return std::nullopt;
  if (tuning.empty()) return *found;
  return InNamedTuning(*found, tuning);
}

PageOptions OptionsOf(const val& object) {
  PageOptions options;
  const std::string name = Field<std::string>(object, "instrument", "guitar");
  const std::string tuning = Field<std::string>(object, "tuning", "");
  if (auto instrument = InstrumentOf(name, tuning)) {
    options.instrument = *instrument;
  } else {
    options.instrument = *FindInstrument("guitar");
    options.error = "tuning";
  }
  options.capo = std::clamp(Field<int>(object, "capo", 0), 0, 12);
  options.capoNames =
      Field<bool>(object, "capoShapes", false) ? CapoNames::Shapes : CapoNames::Sounding;
  options.practical = Field<bool>(object, "practical", true);
  options.order = Field<std::string>(object, "order", "ease") == "position"
                      ? VoicingOrderChoice::Position
                      : VoicingOrderChoice::Ease;
  options.notation = Field<std::string>(object, "notation", "standard") == "classic"
                         ? ChordNotation::Classic
                         : ChordNotation::Standard;
  options.accidentals =
      Field<bool>(object, "flats", false) ? Accidentals::Flats : Accidentals::Sharps;
  options.leftHanded = Field<bool>(object, "leftHanded", false);
  SearchSettings& settings = options.settings;
  settings.fretCount = Field<int>(object, "frets", kDefaultFretCount);
  settings.span = Field<int>(object, "span", kDefaultSpan);
  settings.omitThird = Field<bool>(object, "omit3", false);
  settings.omitFifth = Field<bool>(object, "omit5", false);
  settings.noFullBarres = Field<bool>(object, "noBarre", false);
  settings.simpleChords = Field<bool>(object, "simple", false);
  return options;
}

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

Json DiagramJson(const Voicing& voicing, const Instrument& sounding, const PageOptions& options) {
  const Fingering& frets = voicing.frets;
  const std::vector<int> pitches = sounding.StandardPitches();
  const std::vector<int> starts = sounding.FirstFrets();
  const DiagramLayout layout = LayOutDiagram(frets, DiagramVariant::Plain, options.leftHanded,
                                             BassString(frets, pitches, starts));
  Json json;
  json["values"] = KeyValues(frets);
  json["firstFret"] = layout.firstFret;
  json["fingers"] = layout.fingers;
  json["sprites"] = SpritesJson(layout.placements);
  // A short string's line begins at its first fret's wire when the diagram
  // shows that fret: the row of that wire, per string drawn left to right.
  Json& lineRows = json["lineRows"] = Json::array();
  for (int k = 0; k < layout.strings; ++k) {
    const int string = options.leftHanded ? layout.strings - 1 - k : k;
    const int row = starts[static_cast<std::size_t>(string)] - layout.firstFret;
    starts[static_cast<std::size_t>(string)] > 0 && row >= 0 ? lineRows.push_back(row)
                                                             : lineRows.push_back(nullptr);
  }
  // One decimal: all a difficulty's precision means.
  const double difficulty = Difficulty(frets);
  json["difficulty"] = std::round(difficulty * 10) / 10;
  json["ease"] = DifficultyText(WordForDifficulty(difficulty));
  json["readable"] = ReadableFrets(frets);
  json["preferred"] = voicing.preferred;
  return json;
}

// The fingerings as the diagrams' texts ("x 3 2 0 1 0"); their layouts
// come from Diagrams() for the ones the page draws.
void AddVoicings(Json& json, const VoicedChord& result, const PageOptions& options) {
  json["argument"] = result.argument;
  json["count"] = result.search.voicings.size();
  json["strings"] = options.instrument.StringCount();
  Json& frets = json["frets"] = Json::array();
  std::string text;
  for (const Voicing& voicing : result.search.voicings) {
    text.clear();
    for (StringStop stop : voicing.frets) {
      if (!text.empty()) text += ' ';
      text += stop.IsMuted() ? std::string("x") : std::to_string(stop.Fret());
    }
    frets.push_back(text);
  }
  json["names"] = TextsJson(result.names);
}

void AddReadings(Json& json, const std::vector<ChordReading>& readings, ChordNotation notation,
                 std::string_view rootName) {
  json["best"] = readings.empty() ? Json(nullptr)
                                  : TextJson(WriteReading(readings.front(), notation, rootName));
  Json& list = json["readings"] = Json::array();
  for (const ChordReading& reading : readings)
    list.push_back(TextJson(WriteReading(reading, notation, rootName)));
}

// The entry's chord searched and named, as `corvanta-cli query` ends.
std::string SearchEntry(const PageOptions& options, const SymbolReading* reading) {
  ChordEntry& entry = CurrentEntry();
  VoicedChord result =
      VoiceEntry(entry, options.instrument, options.capo, options.capoNames, options.practical);
  OrderVoicings(result.search.voicings, options.order);
  Json json;
  json["echo"] = TextJson(ChordSymbolText(entry.state, options.notation));
  json["root"] = entry.state.rootPitchClass;
  json["bass"] = entry.state.bassPitchClass;
  json["typeRow"] = entry.state.typeGridRow;
  json["notes"] = TextsJson(ChordNoteNames(entry.state));
  // The box's text (in the page's notation) with its root and bass moved
  // up by the capo, as the window's status bar says it.
  if (options.capoNames == CapoNames::Shapes && options.capo > 0)
    json["sounding"] = TextJson(SoundingSymbol(ChordSymbolText(entry.state, options.notation),
                                               options.capo, entry.state.rootGridNames));
  if (reading != nullptr) {
    json["unrecognised"] = TextsJson(reading->unrecognised);
    json["omitted"] = TextsJson(reading->omitted);
    json["noChord"] = reading->noChord;
  }
  if (!options.error.empty()) json["error"] = options.error;
  AddVoicings(json, result, options);
  AddReadings(json, EntryReadings(entry.state), options.notation, EntryRootName(entry.state));
  ShownVoicings() = std::move(result.search.voicings);
  return Text(json);
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
  const SymbolReading reading = ReadTypedChord(entry, Utf8ToBytes(text), options.notation);
  if (reading.tooManyNotes > 0) {
    return Text(Json{
        {"refused", "tooManyNotes"}, {"needs", reading.tooManyNotes}, {"most", kMostChordNotes}});
  }
  if (!reading.namesRoot && !reading.noChord)
    return Text(Json{{"refused", "noRoot"}, {"unrecognised", TextsJson(reading.unrecognised)}});
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
  const Instrument sounding = InstrumentWithCapo(options.instrument, options.capo);
  const std::vector<Voicing>& voicings = ShownVoicings();
  const int end = std::min(first + count, static_cast<int>(voicings.size()));
  Json json = Json::array();
  for (int index = std::max(first, 0); index < end; ++index)
    json.push_back(DiagramJson(voicings[static_cast<std::size_t>(index)], sounding, options));
  return Text(json);
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
  const Instrument sounding = InstrumentWithCapo(options.instrument, options.capo);
  const Fingering frets = FingeringOfPage(IntsOf(fretArray), sounding.StringCount(), kMuted);
  const SoundingNotes notes = NotesOnInstrument(frets, sounding);
  const std::vector<ChordReading> readings = ReadChord(notes.pitchClasses, notes.bass);
  std::vector<int> starts = options.instrument.FirstFrets();
  Json json;
  json["frets"] = KeyValues(frets);
  json["neck"] = SpritesJson(LayOutNeck(AbsoluteFrets(frets, options.capo), options.capo, starts));
  json["names"] = TextsJson(NameSoundingNotes(notes, options.accidentals));
  AddReadings(json, readings, options.notation, {});
  json["shown"] = FindVoicing(ShownVoicings(), frets);
  json["notes"] = StrumNotes(frets, sounding);
  json["readable"] = ReadableFrets(frets);
  return Text(json);
}

// A click on the neck picture at (x, y): the fingering it leaves, its
// barres marked as the search marks them.
std::string ClickNeck(const val& fretArray, int x, int y, const val& object) {
  const PageOptions options = OptionsOf(object);
  const int strings = options.instrument.StringCount();
  Fingering frets = FingeringOfPage(IntsOf(fretArray), strings, 0);
  if (auto at = NeckPositionAt(x, y, strings)) {
    const int start = options.instrument.FirstFrets()[static_cast<std::size_t>(at->string)];
    frets = WithBarres(PlaceFingerUnderCapo(frets, at->string, at->fret, options.capo,
                                            std::max(0, start - options.capo)));
  }
  const std::vector<int> values = KeyValues(frets);
  return FingeringJson(val::array(values.begin(), values.end()), object);
}

// The instruments, their presets and the neck's lines, for the pickers.
std::string Instruments() {
  Json json = Json::array();
  for (const Instrument& instrument : BuiltInInstruments()) {
    Json presets = Json::array();
    for (const InstrumentPreset& preset : instrument.presets)
      presets.push_back({{"name", preset.name}, {"tuning", PitchNames(preset.pitches)}});
    json.push_back({{"name", instrument.name},
                    {"title", instrument.title},
                    {"tuning", PitchNames(instrument.StandardPitches())},
                    {"presets", std::move(presets)}});
  }
  return Text(json);
}

// What the pickers and the neck show: the note grids' names, the types,
// and the neck picture's wires and string lines.
std::string Tables(const val& object) {
  const PageOptions options = OptionsOf(object);
  const ChordEntry& entry = CurrentEntry();
  const int strings = options.instrument.StringCount();
  Json json;
  Json& roots = json["roots"] = Json::array();
  for (int row = 0; row < kPitchClassCount; ++row)
    roots.push_back(TextJson(entry.RootGridText(row)));
  Json& basses = json["basses"] = Json::array();
  for (int row = 0; row < kPitchClassCount; ++row)
    basses.push_back(TextJson(entry.BassGridText(row)));
  Json& types = json["types"] = Json::array();
  for (const ChordType& type : kChordCatalogue) types.push_back(TextJson(TrimBlanks(type.name)));
  json["neckWidth"] = kNeckPictureWidth;
  json["neckHeight"] = kNeckPictureHeight;
  Json& fretX = json["fretX"] = Json::array();
  for (int fret = 0; fret <= kNeckFretWires + 1; ++fret) fretX.push_back(NeckFretX(fret));
  Json& stringY = json["stringY"] = Json::array();
  for (int string = 0; string < strings; ++string) stringY.push_back(NeckStringY(string, strings));
  json["firstFrets"] = options.instrument.FirstFrets();
  json["tuning"] = PitchNames(options.instrument.StandardPitches());
  json["strumDelayMs"] = StrumDelayMs(kDefaultStrumSpeed);
  if (!options.error.empty()) json["error"] = options.error;
  return Text(json);
}

}  // namespace
}  // namespace corvanta

EMSCRIPTEN_BINDINGS(corvanta) {
  emscripten::function("query", &corvanta::Query);
  emscripten::function("pick", &corvanta::Pick);
  emscripten::function("research", &corvanta::Research);
  emscripten::function("diagrams", &corvanta::Diagrams);
  emscripten::function("fingering", &corvanta::FingeringJson);
  emscripten::function("clickNeck", &corvanta::ClickNeck);
  emscripten::function("instruments", &corvanta::Instruments);
  emscripten::function("tables", &corvanta::Tables);
}
