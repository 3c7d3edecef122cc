// The test songs: our own arrangements of traditional tunes.
#pragma once

#include <string>

#include "files/temp_files.h"

// The test songs: our own arrangements of traditional tunes.
inline std::string ReadSongFile(const std::string& name) {
  return corvanta::test_files::ReadWhole(std::string(CORVANTA_SONGS_DIR) + "/" + name);
}
