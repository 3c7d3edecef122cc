// Writes a voiced song as text and as JSON.
#include "cli/song_output.h"

#include <cmath>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <set>

#include "cli/output.h"
#include "search/voicing.h"
#include "theory/text_util.h"
#include "view/layout/diagram_layout.h"

namespace corvanta::cli {
namespace {

double Rounded(double value) { return std::round(value * 100) / 100; }

nlohmann::json VoicingJson(const Voicing& voicing) {
  const Fingering& frets = voicing.frets;
  const DiagramLayout layout = LayOutDiagram(frets, DiagramVariant::Plain, false);
  nlohmann::json fingers = nlohmann::json::array();
  for (int finger : layout.fingers)
    fingers.push_back(finger == kNoFinger ? nlohmann::json(nullptr) : nlohmann::json(finger));
  nlohmann::json barre = nullptr;
  if (const std::optional<BarreField> field = FirstBarre(frets))
    barre = {{"fret", field->fret}, {"fromString", field->fromString}};
  return {{"frets", FretsJson(frets)},
          {"fingers", fingers},
          {"barre", barre},
          {"difficulty", DifficultyFigure(frets)},
          {"position", layout.firstFret}};
}

nlohmann::json IssueJson(const SongIssue& issue) {
  nlohmann::json json = {{"text", issue.text}, {"message", issue.message}};
  if (issue.chord >= 0) json["index"] = issue.chord + 1;
  if (issue.line > 0) json["line"] = issue.line, json["column"] = issue.column;
  return json;
}

nlohmann::json IssuesJson(const std::vector<SongIssue>& issues) {
  nlohmann::json list = nlohmann::json::array();
  for (const SongIssue& issue : issues) list.push_back(IssueJson(issue));
  return list;
}

nlohmann::json ChordsJson(const VoicedSong& voiced) {
  nlohmann::json list = nlohmann::json::array();
  for (const VoicedOccurrence& occurrence : voiced.chords) {
    const SongChord& chord = voiced.song.chords[static_cast<std::size_t>(occurrence.chord)];
    nlohmann::json alternatives = nlohmann::json::array();
    for (const VoicingAlternative& alternative : occurrence.alternatives)
      alternatives.push_back(
          {{"frets", FretsJson(alternative.voicing.frets)}, {"cost", Rounded(alternative.cost)}});
    nlohmann::json item = {{"index", occurrence.chord + 1},
                           {"symbol", occurrence.symbol},
                           {"sounding", occurrence.sounding},
                           {"line", chord.sourceLine},
                           {"column", chord.sourceColumn},
                           {"voicing", occurrence.voicing ? VoicingJson(*occurrence.voicing)
                                                          : nlohmann::json(nullptr)},
                           {"pinned", occurrence.pinned},
                           {"alternatives", alternatives}};
    if (!occurrence.problem.empty()) item["problem"] = occurrence.problem;
    list.push_back(std::move(item));
  }
  return list;
}

nlohmann::json CapoJson(const VoicedSong& voiced) {
  nlohmann::json list = nlohmann::json::array();
  for (const CapoSuggestion& suggestion : voiced.capoSuggestions)
    list.push_back({{"capo", suggestion.capo},
                    {"difficulty", Rounded(suggestion.difficulty)},
                    {"key", suggestion.key},
                    {"shapes", suggestion.shapes}});
  return list;
}

std::string TuningText(const Session& session, const std::optional<std::string>& tuning) {
  if (tuning) return *tuning;
  return PitchNames(session.instrument.StandardPitches());
}

// Texts that are not valid UTF-8 (a binary file's bytes) are written with
// replacement characters, never refused.
std::string Dump(const nlohmann::json& json) {
  return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

std::string SongJson(const VoicedSong& voiced, const Session& session,
                     const std::optional<std::string>& tuning) {
  const Song& song = voiced.song;
  nlohmann::json json;
  json["title"] = song.title;
  json["artist"] = song.artist;
  json["key"] = voiced.soundingKey;
  json["shapesKey"] = voiced.key;
  json["keyDetected"] =
      voiced.keyDetected ? nlohmann::json{{"key", voiced.key}, {"confidence", voiced.keyConfidence}}
                         : nlohmann::json(nullptr);
  json["capo"] = voiced.capo;
  json["transpose"] = voiced.transpose;
  json["instrument"] = session.instrument.name;
  json["tuning"] = TuningText(session, tuning);
  json["chords"] = ChordsJson(voiced);
  nlohmann::json distinct = nlohmann::json::array();
  for (const DistinctChord& chord : voiced.distinct)
    distinct.push_back({{"symbol", chord.symbol},
                        {"sounding", chord.sounding},
                        {"frets", FretsJson(chord.voicing.frets)},
                        {"pinned", chord.pinned}});
  json["distinct"] = distinct;
  json["capoSuggestions"] = CapoJson(voiced);
  nlohmann::json changes = nlohmann::json::array();
  for (double change : voiced.cost.perChange) changes.push_back(Rounded(change));
  json["cost"] = {{"total", Rounded(voiced.cost.total)},
                  {"perChange", changes},
                  {"exact", voiced.cost.exact},
                  {"lowerBound", Rounded(voiced.cost.lowerBound)}};
  json["unread"] = IssuesJson(voiced.unread);
  json["unplayable"] = IssuesJson(voiced.unplayable);
  json["warnings"] = IssuesJson(voiced.warnings);
  json["notes"] = voiced.song.notes;
  return Dump(json);
}

void WarnOfSong(const VoicedSong& voiced, std::ostream& err) {
  for (const SongIssue& issue : voiced.unread)
    err << "corvanta-cli: warning: line " << issue.line << ", column " << issue.column << ": "
        << QuotedEcho(issue.text) << " is not read as a chord (" << issue.message
        << "); kept as written\n";
  std::set<std::string> named;
  for (const SongIssue& issue : voiced.unplayable)
    if (named.insert(issue.text).second)
      err << "corvanta-cli: warning: " << QuotedEcho(issue.text) << ": " << issue.message
          << "; the rest of the song is voiced\n";
  for (const SongIssue& issue : voiced.warnings)
    err << "corvanta-cli: warning: " << PrintableText(issue.text) << " " << issue.message << "\n";
  for (const std::string& note : voiced.song.notes)
    err << "corvanta-cli: note: " << PrintableText(note) << "\n";
  if (!voiced.cost.exact)
    err << "corvanta-cli: note: the search stopped at its budget; the path's cost is within "
        << Rounded(voiced.cost.total - voiced.cost.lowerBound) << " of the best\n";
}

void PrintSongSummary(const VoicedSong& voiced, const Session& session, std::ostream& out) {
  const Song& song = voiced.song;
  if (!song.title.empty()) out << PrintableText(song.title) << "\n";
  if (!song.artist.empty()) out << PrintableText(song.artist) << "\n";
  out << "key " << voiced.soundingKey;
  if (voiced.keyDetected)
    out << " (detected, " << std::lround(voiced.keyConfidence * 100) << "% sure)";
  if (voiced.capo > 0) out << ", capo " << voiced.capo << ": shapes in " << voiced.key;
  if (voiced.transpose != 0)
    out << ", transposed " << std::showpos << voiced.transpose << std::noshowpos;
  out << ", " << session.instrument.name << "\n";
  for (const DistinctChord& chord : voiced.distinct)
    out << std::left << std::setw(10) << PrintableText(chord.symbol) << std::right
        << ReadableFrets(chord.voicing.frets)
        << (voiced.capo > 0 ? "  sounds " + PrintableText(chord.sounding) : std::string())
        << (chord.pinned ? "  (pinned)" : "") << "\n";
  out << voiced.chords.size() << " chords, cost " << Rounded(voiced.cost.total) << "\n";
  for (const CapoSuggestion& suggestion : voiced.capoSuggestions) {
    out << "capo " << suggestion.capo << ": " << std::setw(6) << Rounded(suggestion.difficulty)
        << "  key " << suggestion.key << " ";
    for (const std::string& shape : suggestion.shapes) out << " " << PrintableText(shape);
    out << "\n";
  }
}

}  // namespace corvanta::cli
