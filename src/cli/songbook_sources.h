#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "song/setlist.h"

namespace corvanta::cli {

// One song file of a book, with the settings its setlist line gave it.
struct SongSource {
  std::filesystem::path path;
  std::optional<SetlistEntry> settings;
  std::string origin;  // where it was named, for messages: "" or "set.setlist:3"
};

// What the inputs name, in book order: a file as itself, a folder's song
// files in file-name order (numbers compared as numbers, so "2" before
// "10"), a setlist's songs in its order. What cannot be read is named in
// `problems` ("FILE: why"), the rest kept.
struct SongSources {
  std::vector<SongSource> songs;
  std::vector<std::string> problems;
};
SongSources CollectSongSources(const std::vector<std::string>& inputs);

// A file holding a setlist: named *.setlist, or every line that is no
// comment naming a file beside it.
bool IsSetlistFile(const std::filesystem::path& path, const std::string& text);

// The file names a folder's songs have: .cho, .chordpro, .chopro, .crd,
// .pro, .txt (any letter case).
bool IsSongFileName(const std::filesystem::path& path);

// File-name order with runs of digits compared as numbers.
bool NaturalLess(const std::string& a, const std::string& b);

// A whole file up to `most` bytes (one more, to tell it is longer); nullopt
// when it cannot be read.
std::optional<std::string> ReadFileUpTo(const std::filesystem::path& path, std::size_t most);

}  // namespace corvanta::cli
