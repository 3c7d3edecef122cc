// corvanta-cli name: what chord a fingering sounds (reverse lookup).
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/output.h"
#include "session/placed_fingering.h"

namespace corvanta::cli {

int RunName(const NameCommandText& command, std::ostream& out) {
  auto frets = ParseTypedFrets(command.frets);
  if (!frets) {
    throw BadArgument(
        "name: '" + command.frets +
        "' is not six fret values 0..29, x or 99 muted (\"x 3 2 0 1 0\", \"x32010\")");
  }
  Tuning tuning = ParseTuningOption(command.tuning);
  int capo = ParseCapo(command.capo);
  Accidentals spelling = command.flats ? Accidentals::Flats : Accidentals::Sharps;
  SoundingNotes notes = NotesOfFingering(*frets, tuning, capo);
  std::vector<std::string> noteNames;
  for (int pitchClass : notes.pitchClasses)
    noteNames.emplace_back(NoteNamesFor(spelling)[pitchClass]);
  ChordNameList names = NameSoundingNotes(notes, spelling);
  std::string bass = noteNames.empty() ? std::string() : noteNames.front();
  if (command.json) {
    nlohmann::json json;
    json["frets"] = FretsJson(*frets);
    json["notes"] = noteNames;
    json["bass"] = noteNames.empty() ? nlohmann::json(nullptr) : nlohmann::json(bass);
    json["names"] = NamesJson(names);
    out << json.dump() << "\n";
    return 0;
  }
  out << "notes:";
  for (const std::string& note : noteNames) out << ' ' << note;
  out << "\nbass: " << bass << "\n";
  for (std::string_view name : names) out << TextJson(name).get<std::string>() << "\n";
  return 0;
}

}  // namespace corvanta::cli
