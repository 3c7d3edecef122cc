// corvanta-cli: prints what the window shows, from the same core.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/commands.h"

int main(int argc, char** argv) {
  using namespace corvanta::cli;
  CLI::App app{"Corvanta chord finder, command-line companion"};
  app.require_subcommand(1);
  CommandTexts texts;
  AddCommands(app, texts);
  try {
    app.parse(argc, argv);
    return RunCommands(app, texts, std::cout);
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
