#pragma once

#include <fstream>
#include <sstream>
#include <string>

// The test songs: our own arrangements of traditional tunes.
inline std::string ReadSongFile(const std::string& name) {
  std::ifstream file(std::string(CORVANTA_SONGS_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}
