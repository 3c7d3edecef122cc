#pragma once

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/cli_options.h"

namespace corvanta::cli {

inline constexpr int kBadArgumentStatus = 2;

int RunSearch(const SearchOptionText& text, std::ostream& out);

// Commands added after search; each registers its own options.
void AddExtraCommands(CLI::App& app);
int RunExtraCommands(const CLI::App& app, std::ostream& out);

}  // namespace corvanta::cli
