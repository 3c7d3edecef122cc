// The page's options read by the CLI's option reader, and the diagrams'
// layouts written for draw.js.
#include "page_options.h"

#include <string>
#include <utility>

#include "instrument/instrument.h"
#include "search/difficulty.h"
#include "search/key_text.h"
#include "session/option_reader.h"
#include "session/spoken_diagram.h"
#include "view/layout/diagram_layout.h"

using emscripten::val;

namespace corvanta {
namespace {

// The session the page's controls describe, read by the CLI's own option
// reader: a text one takes the other takes. What it refuses is said in
// `error` and falls back to the default (the instrument and its tuning, or
// else every option).
Session ReadPageSession(SessionOptionTexts texts, std::string& error) {
  try {
    return ReadSession(texts);
  } catch (const BadOption& bad) {
    error = bad.what();
  }
  // Only when something was refused is the instrument read alone, to keep
  // the other options when it alone was wrong.
  try {
    ReadInstrument(texts.instrument, texts.tuning);
  } catch (const BadOption&) {
    texts.instrument = "guitar";
    texts.tuning.reset();
    try {
      return ReadSession(texts);
    } catch (const BadOption& bad) {
      error = bad.what();
    }
  }
  return ReadSession(SessionOptionTexts{});
}

}  // namespace

PageOptions OptionsOf(const val& object) {
  SessionOptionTexts texts;
  texts.instrument = Field<std::string>(object, "instrument", "guitar");
  const std::string tuning = Field<std::string>(object, "tuning", "");
  if (!tuning.empty()) texts.tuning = tuning;
  texts.capo = Field<int>(object, "capo", 0);
  texts.capoShapes = Field<bool>(object, "capoShapes", false);
  texts.practical = Field<bool>(object, "practical", true);
  texts.order = Field<std::string>(object, "order", "ease");
  texts.frets = Field<int>(object, "frets", kDefaultFretCount);
  texts.span = Field<int>(object, "span", kDefaultSpan);
  texts.noBarre = Field<bool>(object, "noBarre", false);
  texts.simple = Field<bool>(object, "simple", false);
  // Made with the session read: a default one would copy the guitar first.
  std::string error;
  Session read = ReadPageSession(texts, error);
  PageOptions options{.error = std::move(error), .session = std::move(read)};
  const Session& session = options.session;
  options.capo = session.capo;
  options.capoNames = session.capoNames;
  options.practical = session.practical;
  options.order = session.order;
  try {
    options.notation = ReadNotation(Field<std::string>(object, "notation", "standard"));
  } catch (const BadOption& bad) {
    options.error = bad.what();
  }
  options.accidentals =
      Field<bool>(object, "flats", false) ? Accidentals::Flats : Accidentals::Sharps;
  options.leftHanded = Field<bool>(object, "leftHanded", false);
  options.chinese = Field<std::string>(object, "lang", "en") == "zh";
  SearchSettings& settings = options.settings;
  settings.fretCount = session.fretCount;
  settings.span = session.span;
  settings.omitThird = Field<bool>(object, "omit3", false);
  settings.omitFifth = Field<bool>(object, "omit5", false);
  settings.noFullBarres = session.noFullBarres;
  settings.simpleChords = session.simpleChords;
  options.session.notation = options.notation;
  return options;
}

void WriteDiagram(JsonWriter& json, const Voicing& voicing, const Instrument& sounding,
                  const PageOptions& options, std::string_view symbol) {
  const Fingering& frets = voicing.frets;
  const std::vector<int> pitches = sounding.StandardPitches();
  const std::vector<int> starts = sounding.FirstFrets();
  const DiagramLayout layout = LayOutDiagram(frets, DiagramVariant::Plain, options.leftHanded,
                                             BassString(frets, pitches, starts));
  json.BeginObject().Key("values").Ints(KeyValues(frets));
  json.Key("firstFret").Int(layout.firstFret).Key("fingers").Ints(layout.fingers);
  json.Key("sprites").BeginArray();
  for (const Placement& p : layout.placements)
    json.BeginArray().Int(static_cast<int>(p.sprite)).Int(p.x).Int(p.y).EndArray();
  json.EndArray();
  // A short string's line begins at its first fret's wire when the diagram
  // shows that fret: the row of that wire, per string drawn left to right.
  json.Key("lineRows").BeginArray();
  for (int k = 0; k < layout.strings; ++k) {
    const int string = options.leftHanded ? layout.strings - 1 - k : k;
    const int row = starts[static_cast<std::size_t>(string)] - layout.firstFret;
    starts[static_cast<std::size_t>(string)] > 0 && row >= 0 ? json.Int(row) : json.Null();
  }
  json.EndArray();
  const double difficulty = Difficulty(frets);
  json.Key("difficulty").Figure(difficulty, 1);
  json.Key("ease").String(DifficultyText(WordForDifficulty(difficulty)));
  json.Key("readable").String(ReadableFrets(frets));
  json.Key("spoken").String(
      SpokenDiagram(symbol, frets, options.instrument(),
                    options.chinese ? SpokenLanguage::Chinese : SpokenLanguage::English));
  json.Key("preferred").Bool(voicing.preferred).EndObject();
}

}  // namespace corvanta
