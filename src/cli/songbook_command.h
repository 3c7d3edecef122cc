#pragma once

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"

namespace corvanta::cli {

// corvanta-cli songbook: many songs as one printed book.
struct SongbookCommandText {
  std::vector<std::string> inputs;  // song files, folders, setlists
  std::string pdf;                  // "-": standard output
  std::string page = "a4";
  std::string title;
  std::string subtitle;
  bool pack = false;
  std::string index = "titles";  // or first-lines
  SearchOptionText options;      // the instrument, tuning and neck options
  int transpose = 0;
  std::string key;
  std::string capo;  // "" (each song's own), a fret, or "suggest"
  std::string mode = "default";
};

void AddSongbookCommand(CLI::App& app, SongbookCommandText& text);
int RunSongbook(const SongbookCommandText& command, std::ostream& out, std::ostream& err);

}  // namespace corvanta::cli
