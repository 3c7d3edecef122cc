#pragma once

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/cli_options.h"

namespace corvanta::cli {

inline constexpr int kBadArgumentStatus = 2;

// What a command reads from the command line besides the shared options.
struct EntryCommandText {
  std::string text;  // query: the symbol ("-": standard input); clicks: "15,18,21"
  SearchOptionText options;
  bool flats = false;  // both note grids show flat names
};

struct StrumCommandText {
  std::string frets;  // "99 3 2 0 1 0"
  std::string tuning;
  int speed = 2;
  std::string patch;
  std::string wav;
  bool messages = false;
};

// Every command's arguments as typed, owned by main().
struct CommandTexts {
  EntryCommandText search;
  EntryCommandText query;
  EntryCommandText clicks;
  StrumCommandText strum;
};

void AddCommands(CLI::App& app, CommandTexts& texts);
int RunCommands(const CLI::App& app, const CommandTexts& texts, std::ostream& out);

int RunSearch(const EntryCommandText& command, std::ostream& out);
int RunQuery(const EntryCommandText& command, std::ostream& out);
int RunClicks(const EntryCommandText& command, std::ostream& out);
int RunStrum(const StrumCommandText& command, std::ostream& out);

}  // namespace corvanta::cli
