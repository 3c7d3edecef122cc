#include "cli/output.h"

#include <iomanip>

#include "search/fingering.h"
#include "theory/note_names.h"
#include "theory/text_util.h"
#include "view/layout/diagram_layout.h"

namespace corvanta::cli {

nlohmann::json TextJson(std::string_view bytes) { return BytesToUtf8(bytes); }

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

nlohmann::json FretsJson(std::span<const int> frets) {
  nlohmann::json list = nlohmann::json::array();
  for (int value : frets) {
    if (value == kMuted) {
      list.push_back(nullptr);
    } else {
      list.push_back(value < 0 ? -value : value);
    }
  }
  return list;
}

namespace {

nlohmann::json VoicingJson(const Voicing& voicing, const Instrument& sounding) {
  const std::vector<int> frets = voicing.frets.ToVector();
  nlohmann::json json;
  json["frets"] = FretsJson(frets);
  json["barre"] = nullptr;
  for (std::size_t string = 0; string < frets.size(); ++string) {
    if (frets[string] < 0) {
      json["barre"] = {{"fret", -frets[string]}, {"fromString", string}};
      break;
    }
  }
  DiagramLayout layout = LayOutDiagram(frets, DiagramVariant::Plain, false);
  json["position"] = layout.firstFret;
  nlohmann::json fingers = nlohmann::json::array();
  for (int finger : layout.fingers)
    fingers.push_back(finger == kNoFinger ? nlohmann::json(nullptr) : nlohmann::json(finger));
  json["fingers"] = fingers;
  nlohmann::json notes = nlohmann::json::array();
  for (std::size_t string = 0; string < frets.size(); ++string) {
    if (frets[string] == kMuted) continue;
    int pitch = PitchAt(sounding, static_cast<int>(string), frets[string]);
    if (pitch >= 0) notes.push_back(PitchName(pitch));
  }
  json["notes"] = notes;
  json["preferred"] = voicing.preferred;
  return json;
}

}  // namespace

nlohmann::json VoicingsJson(std::span<const Voicing> voicings, const Instrument& sounding) {
  nlohmann::json list = nlohmann::json::array();
  for (const Voicing& voicing : voicings) list.push_back(VoicingJson(voicing, sounding));
  return list;
}

std::span<const Voicing> FirstVoicings(const InstrumentSearchResult& result, int limit) {
  std::span<const Voicing> all(result.voicings);
  if (limit < 0 || static_cast<std::size_t>(limit) >= all.size()) return all;
  return all.first(static_cast<std::size_t>(limit));
}

nlohmann::json SearchJson(const std::string& argument, const InstrumentSearchResult& result,
                          const Instrument& sounding, int limit) {
  nlohmann::json json;
  json["argument"] = argument;
  json["chordTones"] = result.chordTones;
  json["count"] = result.voicings.size();
  std::span<const Voicing> shown = FirstVoicings(result, limit);
  nlohmann::json keys = nlohmann::json::array();
  for (const Voicing& voicing : shown) keys.push_back(VoicingKeyText(voicing));
  json["fingerings"] = keys;
  json["voicings"] = VoicingsJson(shown, sounding);
  return json;
}

void PrintFingeringTable(const std::string& argument, const InstrumentSearchResult& result,
                         const Instrument& instrument, int limit, std::ostream& out) {
  const std::string first =
      instrument.IsGuitar() ? "low E" : PitchName(instrument.strings.front().pitch);
  const std::string column = "frets (" + first + " first)";
  const int width = std::max(20, static_cast<int>(instrument.strings.size()) * 3 + 2);
  out << "argument: " << argument << "\n";
  out << "   #  " << std::left << std::setw(width) << column << std::right << "position\n";
  int number = 0;
  for (const Voicing& voicing : FirstVoicings(result, limit)) {
    out << std::setw(4) << ++number << "  " << std::left << std::setw(width)
        << ReadableFrets(voicing.frets.ToVector()) << std::right
        << static_cast<int>(voicing.position) << "\n";
  }
  out << result.voicings.size() << " fingerings\n";
}

}  // namespace corvanta::cli
