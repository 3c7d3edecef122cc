// corvanta-cli: prints what the window shows, from the same core.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/cli_options.h"
#include "cli/commands.h"

int main(int argc, char** argv) {
  using namespace corvanta::cli;
  CLI::App app{"Corvanta chord finder, command-line companion"};
  app.require_subcommand(1);
  SearchOptionText searchText;
  auto* search = app.add_subcommand("search", "every fingering of a chord");
  AddChordOptions(*search, searchText);
  AddSettingOptions(*search, searchText);
  AddExtraCommands(app);
  try {
    app.parse(argc, argv);
    if (search->parsed()) return RunSearch(searchText, std::cout);
    return RunExtraCommands(app, std::cout);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    std::cout << app.help("", CLI::AppFormatMode::All);
    return 0;
  } catch (const CLI::ParseError& error) {
    std::cerr << "corvanta-cli: " << error.what() << "\n";
    return kBadArgumentStatus;
  } catch (const BadArgument& error) {
    std::cerr << "corvanta-cli: " << error.what() << "\n";
    return kBadArgumentStatus;
  }
}
