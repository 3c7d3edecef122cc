// The song view's calls: the same steps as corvanta-cli song (read, voice
// under the session, suggest a capo, write), the pins moved with the song.
#include "song_web.h"

#include <algorithm>
#include <map>
#include <utility>

#include "page_options.h"
#include "printed_song/song_sheet_layout.h"
#include "printed_song/song_sheet_of.h"
#include "search/key_text.h"
#include "session/option_reader.h"
#include "session/placed_fingering.h"
#include "song/candidate_cache.h"
#include "song/capo_suggestion.h"
#include "song/song_defines.h"
#include "song/song_key.h"
#include "song/song_reader.h"
#include "song/song_transpose.h"
#include "song/song_writer.h"
#include "view/layout/picture_geometry.h"

using emscripten::val;

namespace corvanta {
namespace {

// The most alternatives a chord's list offers.
constexpr int kAlternativesShown = 12;

// A pin as the page keeps it: the shape's name and frets as they were
// chosen, and where the song then stood (its transposition and capo), so
// that it moves with the song.
struct PagePin {
  std::string symbol;
  Fingering frets;
  int transpose = 0;
  int capo = 0;
};

struct SongRequest {
  PageOptions page;
  Session session;
  SongFormat format = SongFormat::Auto;
  SongVoicingOptions voicing;
  bool suggest = false;
  bool letter = false;  // the sheet on US Letter, not A4
  std::vector<PagePin> pins;
  std::string error;
};

SongFormat FormatOf(const std::string& text) {
  if (text == "chordpro") return SongFormat::ChordPro;
  if (text == "text") return SongFormat::ChordsOverWords;
  if (text == "chords") return SongFormat::Progression;
  return SongFormat::Auto;
}

VoicingMode ModeOf(const std::string& mode) {
  if (mode == "least-movement") return VoicingMode::LeastMovement;
  if (mode == "easiest") return VoicingMode::Easiest;
  return VoicingMode::AsPlayed;
}

std::vector<int> IntsOf(const val& array) {
  std::vector<int> values;
  if (array.isUndefined() || array.isNull()) return values;
  const int length = array["length"].as<int>();
  for (int i = 0; i < length; ++i) values.push_back(array[i].as<int>());
  return values;
}

SongRequest RequestOf(const val& object) {
  SongRequest request;
  request.page = OptionsOf(object);
  request.error = request.page.error;
  request.session = request.page.session;
  // A song's chords are played as players play them.
  request.session.practical = true;
  request.format = FormatOf(Field<std::string>(object, "format", "auto"));
  request.voicing.mode = ModeOf(Field<std::string>(object, "mode", "default"));
  // The names shown: letters, or numbers in the key of the shapes.
  request.voicing.notation =
      ParseChordNumbers(Field<std::string>(object, "songNotation", "standard"))
          .value_or(ChordNumbers::Letters);
  request.voicing.transpose = std::clamp(Field<int>(object, "transpose", 0), -24, 24);
  const std::string key = Field<std::string>(object, "key", "");
  if (!key.empty() && ParseSongKey(key)) request.voicing.key = key;
  const std::string capo = Field<std::string>(object, "songCapo", "");
  try {
    request.voicing.capo = ReadSongCapo(capo);
  } catch (const BadOption& bad) {
    request.error = bad.what();
  }
  request.suggest = capo == "suggest";
  request.letter = Field<std::string>(object, "paper", "a4") == "letter";
  const val pins = object["pins"];
  if (!pins.isUndefined() && !pins.isNull()) {
    const int count = pins["length"].as<int>();
    const int strings = request.session.instrument.StringCount();
    for (int i = 0; i < count; ++i) {
      const val pin = pins[i];
      std::vector<int> values = IntsOf(pin["frets"]);
      values.resize(static_cast<std::size_t>(strings), kMuted);
      const std::optional<Fingering> frets = FingeringOfKeyValues(values);
      if (!frets) continue;
      request.pins.push_back({Field<std::string>(pin, "symbol", ""), *frets,
                              Field<int>(pin, "transpose", 0), Field<int>(pin, "capo", 0)});
    }
  }
  return request;
}

// Where a shape's names stand: the song's transposition less its capo.
int ShapeOffset(int transpose, int capo) { return transpose - capo; }

// The pins moved to the song as voiced: a shape slides with its chord when
// it can (no open string); one that cannot is dropped.
std::vector<PagePin> MovedPins(const std::vector<PagePin>& pins, const VoicedSong& voiced) {
  std::vector<PagePin> moved;
  const std::optional<SongKey> key = ParseSongKey(voiced.key);
  const NoteNameRow names = KeyNoteNames(key.value_or(SongKey{}));
  for (const PagePin& pin : pins) {
    const int semitones =
        ShapeOffset(voiced.transpose, voiced.capo) - ShapeOffset(pin.transpose, pin.capo);
    PagePin now = pin;
    now.transpose = voiced.transpose;
    now.capo = voiced.capo;
    if (semitones % 12 != 0) {
      const std::optional<Fingering> frets = MovedShape(pin.frets, semitones);
      if (!frets) continue;
      now.frets = *frets;
      now.symbol = TransposeSymbol(pin.symbol, semitones, names);
    }
    moved.push_back(now);
  }
  return moved;
}

// Voices the song as corvanta-cli song does; a pin the instrument cannot
// hold is left out with its message.
VoicedSong Voice(SongRequest& request, const Song& song, CandidateCache* cache) {
  const auto voice = [&](const SongVoicingOptions& options) {
    return cache != nullptr ? VoiceSong(request.session, song, options, *cache)
                            : VoiceSong(request.session, song, options);
  };
  std::vector<CapoSuggestion> suggestions;
  if (request.suggest) {
    suggestions = SuggestCapos(request.session, song, request.voicing);
    if (!suggestions.empty()) request.voicing.capo = suggestions.front().capo;
  }
  // Pins made where the song stood elsewhere move once its place is known.
  VoicedSong voiced = voice(request.voicing);
  request.pins = MovedPins(request.pins, voiced);
  if (!request.pins.empty()) {
    SongVoicingOptions pinned = request.voicing;
    for (const PagePin& pin : request.pins) pinned.pins.push_back({pin.symbol, -1, pin.frets});
    try {
      voiced = voice(pinned);
    } catch (const BadPin& bad) {
      request.error = bad.what();
      request.pins.clear();
    }
  }
  voiced.capoSuggestions = std::move(suggestions);
  return voiced;
}

Instrument Sounding(const SongRequest& request, const VoicedSong& voiced) {
  return InstrumentWithCapo(request.session.instrument, voiced.capo);
}

void WriteFretsText(JsonWriter& json, const Fingering& frets) {
  std::string text;
  for (StringStop stop : frets) {
    if (!text.empty()) text += ' ';
    text += stop.IsMuted() ? std::string("x") : std::to_string(stop.Fret());
  }
  json.String(text);
}

void WriteIssues(JsonWriter& json, const char* key, const std::vector<SongIssue>& issues) {
  json.Key(key).BeginArray();
  for (const SongIssue& issue : issues) {
    json.BeginObject().Key("text").String(issue.text).Key("message").String(issue.message);
    json.Key("line").Int(issue.line).Key("column").Int(issue.column).EndObject();
  }
  json.EndArray();
}

// The widths the canvas answered, kept between calls: a keystroke measures
// only the words it changed. A face's widths never change on a page.
std::map<std::string, double>& KnownWidths() {
  static std::map<std::string, double> widths;
  // A bound on what a long session keeps.
  if (widths.size() > 50000) widths.clear();
  return widths;
}

// The printed song measured by the browser: the page's canvas answers
// each run's width in a face (measure.js).
class CanvasMeasure : public TextMeasure {
 public:
  explicit CanvasMeasure(val measurer) : measurer_(std::move(measurer)) {}
  double Width(std::string_view text, const SongFace& face) const override {
    std::string key(text);
    key += '\0';
    key += FaceKey(face);
    const auto known = widths_.find(key);
    if (known != widths_.end()) return known->second;
    const double width = measurer_.call<double>("width", std::string(text), face.size, face.bold,
                                                face.italic, face.fixed);
    widths_.emplace(std::move(key), width);
    return width;
  }
  // Asked for at every line; the canvas is asked once per face.
  FaceMetrics Metrics(const SongFace& face) const override {
    const std::string key = FaceKey(face);
    const auto known = metrics_.find(key);
    if (known != metrics_.end()) return known->second;
    const val metrics =
        measurer_.call<val>("metrics", face.size, face.bold, face.italic, face.fixed);
    const FaceMetrics answer{metrics[0].as<double>(), metrics[1].as<double>()};
    metrics_.emplace(key, answer);
    return answer;
  }

 private:
  static std::string FaceKey(const SongFace& face) {
    return std::to_string(static_cast<int>(face.size * 10)) + (face.bold ? "b" : "") +
           (face.italic ? "i" : "") + (face.fixed ? "f" : "");
  }

  val measurer_;
  std::map<std::string, double>& widths_ = KnownWidths();
  mutable std::map<std::string, FaceMetrics> metrics_;
};

// Without a canvas (a test under node): every character half the size wide.
class PlainMeasure : public TextMeasure {
 public:
  double Width(std::string_view text, const SongFace& face) const override {
    std::size_t characters = 0;
    for (char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return static_cast<double>(characters) * face.size * 0.55;
  }
  FaceMetrics Metrics(const SongFace& face) const override {
    return {face.size * 0.93, face.size * 1.17};
  }
};

// Points with a tenth's precision: all a sheet's geometry means.
void WritePoint(JsonWriter& json, double x, double y) { json.Number(Tenths(x)).Number(Tenths(y)); }

void WritePage(JsonWriter& json, const SongPageLayout& page) {
  json.BeginObject().Key("texts").BeginArray();
  for (const SongText& text : page.texts) {
    const SongFace face = text.Face();
    json.BeginArray();
    WritePoint(json, text.baseline.x, text.baseline.y);
    json.String(text.text)
        .Number(Tenths(face.size))
        .Bool(face.bold)
        .Bool(face.italic)
        .Bool(face.fixed);
    json.Int(static_cast<int>(text.role)).Bool(text.unread).EndArray();
  }
  json.EndArray().Key("rules").BeginArray();
  for (const SheetRule& rule : page.rules) {
    json.BeginArray();
    WritePoint(json, rule.from.x, rule.from.y);
    WritePoint(json, rule.to.x, rule.to.y);
    json.EndArray();
  }
  json.EndArray();
  const auto rects = [&json](const char* key, const std::vector<SheetRect>& list) {
    json.Key(key).BeginArray();
    for (const SheetRect& rect : list) {
      json.BeginArray();
      WritePoint(json, rect.x, rect.y);
      WritePoint(json, rect.width, rect.height);
      json.EndArray();
    }
    json.EndArray();
  };
  rects("bands", page.bands);
  rects("frames", page.frames);
  json.Key("diagrams").BeginArray();
  for (const auto& [index, corner] : page.diagrams) {
    json.BeginArray().Int(index);
    WritePoint(json, corner.x, corner.y);
    json.EndArray();
  }
  json.EndArray().EndObject();
}

// The song as it prints, laid out on pages by the core against the
// browser's measure: the page paints the boxes as they are.
void WriteSheet(JsonWriter& json, const SongSheet& sheet, const SongRequest& request,
                const VoicedSong& voiced, const val& measurer) {
  const CanvasMeasure canvas(measurer);
  const PlainMeasure plain;
  const bool hasCanvas = !measurer.isUndefined() && !measurer.isNull();
  const TextMeasure& measure = hasCanvas ? static_cast<const TextMeasure&>(canvas) : plain;
  const SongSheetLayout layout = LayOutSongPages(
      sheet, PaperSize(request.letter ? SongPaper::Letter : SongPaper::A4), measure);
  json.Key("sheet").BeginObject();
  json.Key("width")
      .Number(Tenths(layout.pageSize.width))
      .Key("height")
      .Number(Tenths(layout.pageSize.height));
  json.Key("scale")
      .Number(Tenths(layout.diagramScale))
      .Key("captionHeight")
      .Number(Tenths(kSheetCaptionHeight));
  json.Key("diagrams").BeginArray();
  const Instrument sounding = Sounding(request, voiced);
  for (const SheetDiagram& diagram : sheet.diagrams.diagrams) {
    json.BeginObject().Key("caption").String(diagram.caption).Key("noChord").Bool(diagram.noChord);
    if (!diagram.noChord) {
      Voicing voicing;
      voicing.frets = diagram.frets;
      json.Key("frets");
      WriteFretsText(json, diagram.frets);
      json.Key("diagram");
      WriteDiagram(json, voicing, sounding, request.page, diagram.caption);
    }
    json.EndObject();
  }
  json.EndArray().Key("pages").BeginArray();
  for (const SongPageLayout& page : layout.pages) WritePage(json, page);
  json.EndArray().EndObject();
}

// The key box's choices: the sounding key at each transposition within
// half an octave of the song's own.
void WriteKeys(JsonWriter& json, const VoicedSong& voiced, int asked) {
  json.Key("keys").BeginArray();
  if (const std::optional<SongKey> key = ParseSongKey(voiced.soundingKey)) {
    const int written = asked;
    for (int transpose = -5; transpose <= 6; ++transpose)
      json.BeginObject()
          .Key("transpose")
          .Int(transpose)
          .Key("name")
          .String(KeyName(TransposedKey(*key, transpose - written)))
          .EndObject();
  }
  json.EndArray();
}

void WriteDistinct(JsonWriter& json, const VoicedSong& voiced, const SongRequest& request) {
  const Instrument sounding = Sounding(request, voiced);
  json.Key("distinct").BeginArray();
  for (const DistinctChord& chord : voiced.distinct) {
    json.BeginObject().Key("symbol").String(chord.symbol).Key("sounding").String(chord.sounding);
    json.Key("letters").String(chord.letters);
    json.Key("frets");
    WriteFretsText(json, chord.voicing.frets);
    json.Key("values").Ints(KeyValues(chord.voicing.frets));
    json.Key("pinned").Bool(chord.pinned);
    json.Key("notes").Ints(StrumNotes(chord.voicing.frets, sounding));
    json.Key("diagram");
    WriteDiagram(json, chord.voicing, sounding, request.page, chord.symbol);
    json.EndObject();
  }
  json.EndArray();
  // Each occurrence's distinct chord, in the song's order, for Play.
  json.Key("order").BeginArray();
  for (const VoicedOccurrence& occurrence : voiced.chords) {
    int index = -1;
    for (std::size_t i = 0; i < voiced.distinct.size() && occurrence.voicing; ++i)
      if (voiced.distinct[i].symbol == occurrence.symbol) index = static_cast<int>(i);
    json.Int(index);
  }
  json.EndArray();
}

void WriteCapoSuggestions(JsonWriter& json, const VoicedSong& voiced) {
  json.Key("capoSuggestions").BeginArray();
  for (const CapoSuggestion& suggestion : voiced.capoSuggestions) {
    json.BeginObject()
        .Key("capo")
        .Int(suggestion.capo)
        .Key("difficulty")
        .Number(Tenths(suggestion.difficulty));
    json.Key("key")
        .String(suggestion.key)
        .Key("shapes")
        .Strings(Utf8Texts(suggestion.shapes))
        .EndObject();
  }
  json.EndArray();
}

void WritePins(JsonWriter& json, const std::vector<PagePin>& pins) {
  json.Key("pins").BeginArray();
  for (const PagePin& pin : pins)
    json.BeginObject()
        .Key("symbol")
        .String(pin.symbol)
        .Key("frets")
        .Ints(KeyValues(pin.frets))
        .Key("transpose")
        .Int(pin.transpose)
        .Key("capo")
        .Int(pin.capo)
        .EndObject();
  json.EndArray();
}

std::string AnswerWith(const std::string& text, const val& object, CandidateCache* cache) {
  SongRequest request = RequestOf(object);
  const Song song = ReadSong(text, request.format);
  const VoicedSong voiced = Voice(request, song, cache);
  JsonWriter json;
  json.BeginObject()
      .Key("title")
      .String(voiced.song.title)
      .Key("artist")
      .String(voiced.song.artist);
  json.Key("key").String(voiced.soundingKey).Key("shapesKey").String(voiced.key);
  json.Key("keyDetected").Bool(voiced.keyDetected);
  // The page's transposition is on top of the song's own {transpose}.
  const int asked = voiced.transpose - song.transpose;
  json.Key("capo").Int(voiced.capo).Key("transpose").Int(asked);
  json.Key("strings").Int(request.session.instrument.StringCount());
  json.Key("chordCount").Int(static_cast<int>(voiced.chords.size()));
  WriteKeys(json, voiced, asked);
  WriteDistinct(json, voiced, request);
  WriteCapoSuggestions(json, voiced);
  WriteIssues(json, "unread", voiced.unread);
  WriteIssues(json, "unplayable", voiced.unplayable);
  WriteIssues(json, "warnings", voiced.warnings);
  json.Key("notes").Strings(Utf8Texts(voiced.song.notes));
  WritePins(json, request.pins);
  WriteSheet(json, SongSheetOf(voiced, request.session), request, voiced, object["measure"]);
  if (!request.error.empty()) json.Key("error").String(request.error);
  return json.EndObject().Take();
}

std::string AlternativesWith(const std::string& text, const val& object, int distinct,
                             CandidateCache* cache) {
  SongRequest request = RequestOf(object);
  request.voicing.alternatives = kAlternativesShown;
  const Song song = ReadSong(text, request.format);
  const VoicedSong voiced = Voice(request, song, cache);
  JsonWriter json;
  json.BeginArray();
  if (distinct >= 0 && distinct < static_cast<int>(voiced.distinct.size())) {
    const std::string& symbol = voiced.distinct[static_cast<std::size_t>(distinct)].symbol;
    const Instrument sounding = Sounding(request, voiced);
    const auto first = std::find_if(voiced.chords.begin(), voiced.chords.end(),
                                    [&](const VoicedOccurrence& o) { return o.symbol == symbol; });
    if (first != voiced.chords.end())
      for (const VoicingAlternative& alternative : first->alternatives) {
        json.BeginObject().Key("frets");
        WriteFretsText(json, alternative.voicing.frets);
        json.Key("values").Ints(KeyValues(alternative.voicing.frets));
        json.Key("cost").Number(Tenths(alternative.cost)).Key("diagram");
        WriteDiagram(json, alternative.voicing, sounding, request.page, symbol);
        json.EndObject();
      }
  }
  return json.EndArray().Take();
}

std::string WrittenWith(const std::string& text, const val& object, const std::string& form,
                        bool defines, CandidateCache* cache) {
  SongRequest request = RequestOf(object);
  const Song song = ReadSong(text, request.format);
  const VoicedSong voiced = Voice(request, song, cache);
  // As corvanta-cli song writes them: plain text has no {transpose}, so its
  // chords are the ones played; ChordPro keeps the song as read unless the
  // player moved it, and defines name the chords as played.
  if (form == "text") return WriteChordsOverWords(voiced.song, AddedTextLines(voiced));
  const Song& written = defines ? voiced.song : SongToWrite(song, voiced);
  return WriteChordPro(written, AddedChordProLines(voiced, defines));
}

}  // namespace

std::string SongAnswer(const std::string& text, const val& options) {
  return AnswerWith(text, options, nullptr);
}

std::string SongAlternatives(const std::string& text, const val& options, int distinct) {
  return AlternativesWith(text, options, distinct, nullptr);
}

std::string SongWritten(const std::string& text, const val& options, const std::string& form,
                        bool defines) {
  return WrittenWith(text, options, form, defines, nullptr);
}

std::string SongSession::Answer(const std::string& text, const val& options) {
  return AnswerWith(text, options, &cache_);
}

std::string SongSession::Alternatives(const std::string& text, const val& options, int distinct) {
  return AlternativesWith(text, options, distinct, &cache_);
}

std::string SongSession::Written(const std::string& text, const val& options,
                                 const std::string& form, bool defines) {
  return WrittenWith(text, options, form, defines, &cache_);
}

}  // namespace corvanta
