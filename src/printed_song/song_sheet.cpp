// The printed song's capo and facts lines, as players read them.
#include "printed_song/song_sheet.h"

namespace corvanta {

std::string CapoLine(int capo, std::string_view shapesKey, std::string_view soundingKey) {
  if (capo <= 0) return {};
  std::string line = "Capo " + std::to_string(capo) + " \u2014 ";
  if (shapesKey.empty()) return line + "chords are shapes";
  line += "shapes in " + std::string(shapesKey);
  if (!soundingKey.empty()) line += ", sounding " + std::string(soundingKey);
  return line;
}

std::string SongFactsLine(std::string_view key, int tempo, std::string_view time) {
  std::vector<std::string> parts;
  if (!key.empty()) parts.push_back("Key " + std::string(key));
  if (tempo > 0) parts.push_back(std::to_string(tempo) + " bpm");
  if (!time.empty()) parts.emplace_back(time);
  std::string line;
  for (const std::string& part : parts) line += (line.empty() ? "" : " \u00b7 ") + part;
  return line;
}

}  // namespace corvanta
