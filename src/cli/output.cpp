#include "cli/output.h"

#include <iomanip>

#include "instrument/capo.h"
#include "search/fingering.h"
#include "search/fingering_key.h"
#include "theory/note_names.h"
#include "theory/text_util.h"
#include "view/layout/diagram_layout.h"

namespace corvanta::cli {
namespace {

// The position shown: the lowest fret of the fingering's own key, which the
// promoted shape does not carry in its prefix.
int PositionOf(const Frets& frets) { return KeyPosition(KeyFactsOf(frets)); }

std::string ReadableFrets(const Frets& frets) {
  std::string text;
  for (int value : frets) {
    if (!text.empty()) text += ' ';
    text += value == kMuted ? "X" : std::to_string(value < 0 ? -value : value);
  }
  return text;
}

}  // namespace

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

nlohmann::json FretsJson(const Frets& frets) {
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

std::string NoteWithOctave(int midi) {
  return std::string(kSharpNoteNames[WrapPitchClass(midi)]) + std::to_string(midi / 12 - 1);
}

nlohmann::json VoicingJson(const PackedFingering& fingering, const PitchTable& sounding) {
  const Frets& frets = fingering.frets;
  nlohmann::json voicing;
  voicing["frets"] = FretsJson(frets);
  voicing["barre"] = nullptr;
  for (int string = 0; string < kStringCount; ++string) {
    if (frets[string] < 0) {
      voicing["barre"] = {{"fret", -frets[string]}, {"fromString", string}};
      break;
    }
  }
  DiagramLayout layout = LayOutDiagram(frets, DiagramVariant::Plain, false);
  voicing["position"] = layout.firstFret;
  nlohmann::json fingers = nlohmann::json::array();
  for (int finger : layout.fingers)
    fingers.push_back(finger == kNoFinger ? nlohmann::json(nullptr) : nlohmann::json(finger));
  voicing["fingers"] = fingers;
  nlohmann::json notes = nlohmann::json::array();
  for (int string = 0; string < kStringCount; ++string) {
    int value = frets[string];
    if (value != kMuted)
      notes.push_back(NoteWithOctave(sounding[string][std::min(std::abs(value), kFretSlots - 1)]));
  }
  voicing["notes"] = notes;
  voicing["preferred"] = IsPreferred(fingering);
  return voicing;
}

}  // namespace

nlohmann::json VoicingsJson(std::span<const PackedFingering> fingerings, const Tuning& tuning,
                            int capo) {
  PitchTable sounding = PitchTableWithCapo(BuildPitchTable(tuning), capo);
  nlohmann::json list = nlohmann::json::array();
  for (const PackedFingering& fingering : fingerings)
    list.push_back(VoicingJson(fingering, sounding));
  return list;
}

std::span<const PackedFingering> FirstFingerings(const SearchResult& result, int limit) {
  std::span<const PackedFingering> all(result.fingerings);
  if (limit < 0 || static_cast<std::size_t>(limit) >= all.size()) return all;
  return all.first(static_cast<std::size_t>(limit));
}

nlohmann::json SearchJson(const std::string& argument, const SearchResult& result,
                          const Tuning& tuning, int capo, int limit) {
  nlohmann::json json;
  json["argument"] = argument;
  json["chordTones"] = result.chordTones;
  json["count"] = result.fingerings.size();
  std::span<const PackedFingering> shown = FirstFingerings(result, limit);
  nlohmann::json keys = nlohmann::json::array();
  for (const PackedFingering& fingering : shown) keys.push_back(KeyText(fingering));
  json["fingerings"] = keys;
  json["voicings"] = VoicingsJson(shown, tuning, capo);
  return json;
}

void PrintFingeringTable(const std::string& argument, const SearchResult& result, int limit,
                         std::ostream& out) {
  out << "argument: " << argument << "\n";
  out << "   #  frets (low E first)  position\n";
  int number = 0;
  for (const PackedFingering& fingering : FirstFingerings(result, limit)) {
    out << std::setw(4) << ++number << "  " << std::left << std::setw(20)
        << ReadableFrets(fingering.frets) << std::right << PositionOf(fingering.frets) << "\n";
  }
  out << result.fingerings.size() << " fingerings\n";
}

}  // namespace corvanta::cli
