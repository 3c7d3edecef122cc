// Writes a voiced song as text and as JSON.
#include "cli/song_output.h"

#include <cmath>
#include <iomanip>
#include <set>

#include "cli/output.h"
#include "search/voicing.h"
#include "theory/text_util.h"
#include "view/layout/diagram_layout.h"

namespace corvanta::cli {
namespace {

double Rounded(double value) { return std::round(value * 100) / 100; }

// Every object's keys in byte order, as the CLI writes them everywhere.
void WriteVoicing(JsonWriter& json, const Voicing& voicing) {
  const Fingering& frets = voicing.frets;
  const DiagramLayout layout = LayOutDiagram(frets, DiagramVariant::Plain, false);
  json.BeginObject().Key("barre");
  if (const std::optional<BarreField> field = FirstBarre(frets))
    json.BeginObject()
        .Key("fret")
        .Int(field->fret)
        .Key("fromString")
        .Int(field->fromString)
        .EndObject();
  else
    json.Null();
  json.Key("difficulty").Number(DifficultyFigure(frets));
  json.Key("fingers").BeginArray();
  for (int finger : layout.fingers) finger == kNoFinger ? json.Null() : json.Int(finger);
  json.EndArray();
  WriteFrets(json.Key("frets"), frets);
  json.Key("position").Int(layout.firstFret).EndObject();
}

void WriteIssues(JsonWriter& json, const std::vector<SongIssue>& issues) {
  json.BeginArray();
  for (const SongIssue& issue : issues) {
    json.BeginObject();
    if (issue.line > 0) json.Key("column").Int(issue.column);
    if (issue.chord >= 0) json.Key("index").Int(issue.chord + 1);
    if (issue.line > 0) json.Key("line").Int(issue.line);
    json.Key("message").String(issue.message).Key("text").String(issue.text).EndObject();
  }
  json.EndArray();
}

void WriteChords(JsonWriter& json, const VoicedSong& voiced) {
  json.BeginArray();
  for (const VoicedOccurrence& occurrence : voiced.chords) {
    const SongChord& chord = voiced.song.chords[static_cast<std::size_t>(occurrence.chord)];
    json.BeginObject().Key("alternatives").BeginArray();
    for (const VoicingAlternative& alternative : occurrence.alternatives) {
      json.BeginObject().Key("cost").Number(Rounded(alternative.cost));
      WriteFrets(json.Key("frets"), alternative.voicing.frets);
      json.EndObject();
    }
    json.EndArray()
        .Key("column")
        .Int(chord.sourceColumn)
        .Key("index")
        .Int(occurrence.chord + 1)
        .Key("line")
        .Int(chord.sourceLine)
        .Key("pinned")
        .Bool(occurrence.pinned);
    if (!occurrence.problem.empty()) json.Key("problem").String(occurrence.problem);
    json.Key("sounding").String(occurrence.sounding).Key("symbol").String(occurrence.symbol);
    json.Key("voicing");
    occurrence.voicing ? WriteVoicing(json, *occurrence.voicing) : (void)json.Null();
    json.EndObject();
  }
  json.EndArray();
}

void WriteKey(JsonWriter& json, const std::string& key) {
  key.empty() ? json.Null() : json.String(key);
}

void WriteCapoSuggestions(JsonWriter& json, const VoicedSong& voiced) {
  json.BeginArray();
  for (const CapoSuggestion& suggestion : voiced.capoSuggestions) {
    json.BeginObject()
        .Key("barres")
        .Int(suggestion.barres)
        .Key("capo")
        .Int(suggestion.capo)
        .Key("difficulty")
        .Number(Rounded(suggestion.difficulty));
    WriteKey(json.Key("key"), suggestion.key);
    json.Key("openShapes")
        .Int(suggestion.openShapes)
        .Key("reason")
        .String(suggestion.reason)
        .Key("shapes")
        .Strings(suggestion.shapes)
        .EndObject();
  }
  json.EndArray();
}

std::string TuningText(const Session& session, const std::optional<std::string>& tuning) {
  if (tuning) return *tuning;
  return PitchNames(session.instrument.StandardPitches());
}

void WriteSectionKeys(JsonWriter& json, const VoicedSong& voiced) {
  json.BeginArray();
  for (const SectionKey& section : voiced.sectionKeys)
    json.BeginObject()
        .Key("confidence")
        .Number(section.confidence)
        .Key("from")
        .Int(section.firstChord + 1)
        .Key("key")
        .String(KeyName(section.key))
        .Key("label")
        .String(section.label)
        .Key("to")
        .Int(section.lastChord + 1)
        .EndObject();
  json.EndArray();
}

void WriteDistinct(JsonWriter& json, const VoicedSong& voiced) {
  json.BeginArray();
  for (const DistinctChord& chord : voiced.distinct) {
    WriteFrets(json.BeginObject().Key("frets"), chord.voicing.frets);
    json.Key("pinned")
        .Bool(chord.pinned)
        .Key("sounding")
        .String(chord.sounding)
        .Key("symbol")
        .String(chord.symbol)
        .EndObject();
  }
  json.EndArray();
}

void WriteCost(JsonWriter& json, const VoicedSong& voiced) {
  json.BeginObject()
      .Key("exact")
      .Bool(voiced.cost.exact)
      .Key("lowerBound")
      .Number(Rounded(voiced.cost.lowerBound))
      .Key("perChange")
      .BeginArray();
  for (double change : voiced.cost.perChange) json.Number(Rounded(change));
  json.EndArray().Key("total").Number(Rounded(voiced.cost.total)).EndObject();
}

}  // namespace

std::string SongJson(const VoicedSong& voiced, const Session& session,
                     const std::optional<std::string>& tuning) {
  // Texts that are not valid UTF-8 (a binary file's bytes) are written with
  // replacement characters, never refused.
  const Song& song = voiced.song;
  JsonWriter json;
  json.BeginObject().Key("artist").String(song.artist).Key("capo").Int(voiced.capo);
  WriteCapoSuggestions(json.Key("capoSuggestions"), voiced);
  WriteChords(json.Key("chords"), voiced);
  WriteCost(json.Key("cost"), voiced);
  WriteDistinct(json.Key("distinct"), voiced);
  json.Key("instrument").String(session.instrument.name);
  WriteKey(json.Key("key"), voiced.soundingKey);
  json.Key("keyDetected");
  if (voiced.keyDetected)
    json.BeginObject()
        .Key("confidence")
        .Number(voiced.keyConfidence)
        .Key("key")
        .String(voiced.key)
        .EndObject();
  else
    json.Null();
  if (!voiced.keyReason.empty()) json.Key("keyReason").String(voiced.keyReason);
  json.Key("notes").Strings(voiced.song.notes);
  WriteSectionKeys(json.Key("sectionKeys"), voiced);
  WriteKey(json.Key("shapesKey"), voiced.key);
  json.Key("simplified")
      .Int(voiced.simplified)
      .Key("title")
      .String(song.title)
      .Key("transpose")
      .Int(voiced.transpose)
      .Key("tuning")
      .String(TuningText(session, tuning));
  WriteIssues(json.Key("unplayable"), voiced.unplayable);
  WriteIssues(json.Key("unread"), voiced.unread);
  WriteIssues(json.Key("warnings"), voiced.warnings);
  return json.EndObject().Take();
}

std::vector<SongMessage> SongMessages(const VoicedSong& voiced) {
  using Kind = SongMessage::Kind;
  std::vector<SongMessage> messages;
  for (const SongIssue& issue : voiced.unread)
    messages.push_back({Kind::Unread, issue.line, issue.column,
                        QuotedEcho(issue.text) + " is not read as a chord (" + issue.message +
                            "); kept as written"});
  std::set<std::string> named;
  for (const SongIssue& issue : voiced.unplayable)
    if (named.insert(issue.text).second)
      messages.push_back({Kind::Unplayable, issue.line, issue.column,
                          QuotedEcho(issue.text) + ": " + issue.message});
  for (const SongIssue& issue : voiced.warnings)
    messages.push_back(
        {Kind::Warning, issue.line, issue.column, PrintableText(issue.text) + " " + issue.message});
  for (const std::string& note : voiced.song.notes)
    messages.push_back({Kind::Note, 0, 0, PrintableText(note)});
  return messages;
}

void WarnOfSong(const VoicedSong& voiced, std::ostream& err) {
  for (const SongMessage& message : SongMessages(voiced)) {
    switch (message.kind) {
      case SongMessage::Kind::Unread:
        err << "corvanta-cli: warning: line " << message.line << ", column " << message.column
            << ": " << message.text << "\n";
        break;
      case SongMessage::Kind::Unplayable:
        err << "corvanta-cli: warning: " << message.text << "; the rest of the song is voiced\n";
        break;
      case SongMessage::Kind::Warning:
        err << "corvanta-cli: warning: " << message.text << "\n";
        break;
      case SongMessage::Kind::Note:
        err << "corvanta-cli: note: " << message.text << "\n";
        break;
    }
  }
  if (!voiced.cost.exact)
    err << "corvanta-cli: note: the search stopped at its budget; the path's cost is within "
        << Rounded(voiced.cost.total - voiced.cost.lowerBound) << " of the best\n";
}

void PrintSongSummary(const VoicedSong& voiced, const Session& session, std::ostream& out) {
  const Song& song = voiced.song;
  if (!song.title.empty()) out << PrintableText(song.title) << "\n";
  if (!song.artist.empty()) out << PrintableText(song.artist) << "\n";
  if (voiced.soundingKey.empty()) {
    out << "key unknown (" << voiced.keyReason << ")";
  } else {
    out << "key " << voiced.soundingKey;
    if (voiced.keyDetected)
      out << " (detected, " << std::lround(voiced.keyConfidence * 100) << "% sure)";
  }
  for (const SectionKey& section : voiced.sectionKeys)
    out << "; "
        << (section.label.empty() ? "from chord " + std::to_string(section.firstChord + 1)
                                  : PrintableText(section.label))
        << " in " << KeyName(section.key);
  if (voiced.capo > 0) out << ", capo " << voiced.capo << ": shapes in " << voiced.key;
  if (voiced.transpose != 0)
    out << ", transposed " << std::showpos << voiced.transpose << std::noshowpos;
  out << ", " << session.instrument.name << "\n";
  for (const DistinctChord& chord : voiced.distinct)
    out << std::left << std::setw(10) << PrintableText(chord.symbol) << std::right
        << ReadableFrets(chord.voicing.frets)
        << (voiced.capo > 0 ? "  sounds " + PrintableText(chord.sounding) : std::string())
        << (chord.pinned ? "  (pinned)" : "") << "\n";
  out << voiced.chords.size() << " chords, cost " << Rounded(voiced.cost.total);
  if (voiced.simplified > 0) out << ", " << voiced.simplified << " played simpler";
  out << "\n";
  for (const CapoSuggestion& suggestion : voiced.capoSuggestions) {
    out << "capo " << suggestion.capo << ": " << std::setw(6) << Rounded(suggestion.difficulty)
        << "  key " << (suggestion.key.empty() ? "?" : suggestion.key) << " ";
    for (const std::string& shape : suggestion.shapes) out << " " << PrintableText(shape);
    if (!suggestion.reason.empty()) out << "  (" << suggestion.reason << ")";
    out << "\n";
  }
}

}  // namespace corvanta::cli
