#include "cli/commands.h"

namespace corvanta::cli {

void AddExtraCommands(CLI::App&) {}

int RunExtraCommands(const CLI::App&, std::ostream&) { return 0; }

}  // namespace corvanta::cli
