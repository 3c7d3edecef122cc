// corvanta-cli: prints what the window shows, from the same core.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/commands.h"
#include "cli/help_format.h"
#include "cli/standard_streams.h"
#include "corvanta_version.h"
#include "theory/text_util.h"

namespace {

// Standard output through the buffer for as long as main runs.
class StandardOutput {
 public:
  StandardOutput() : buffer_(STDOUT_FILENO), previous_(std::cout.rdbuf(&buffer_)) {}
  ~StandardOutput() { std::cout.rdbuf(previous_); }
  StandardOutput(const StandardOutput&) = delete;
  StandardOutput& operator=(const StandardOutput&) = delete;

 private:
  corvanta::cli::DescriptorStreamBuffer buffer_;
  std::streambuf* previous_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace corvanta::cli;
  HoldClosedStandardDescriptors();
  const StandardOutput standardOutput;
  // Named outright: help and the man page say "corvanta-cli" wherever the
  // program lies, not the path it was started by.
  CLI::App app{"Corvanta chord finder, command-line companion", "corvanta-cli"};
  // Before the commands are added: each takes its formatter from the app.
  app.formatter(std::make_shared<HelpFormatter>());
  app.require_subcommand(1);
  app.footer(
      "Defaults: every command reads and writes chord symbols in the standard notation, "
      "searches by the practical rules and lists the fingerings easiest first. --classic, "
      "anywhere after a command's name, gives the program's own behaviour instead: its own "
      "chord words, the strict rules and the position order; --notation, --practical and "
      "--order given beside it win.");
  app.set_version_flag("--version", "corvanta-cli " CORVANTA_VERSION);
  CommandTexts texts;
  AddCommands(app, texts);
  int status = 0;
  try {
    CheckCommandWord(app, argc, argv);
    app.parse(argc, argv);
    ApplyCommandDefaults(app, texts);
    status = RunCommands(app, texts, std::cout);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << "\n";
  } catch (const CLI::CallForAllHelp&) {
    std::cout << app.help("", CLI::AppFormatMode::All);
  } catch (const CLI::ParseError& error) {
    std::cerr << "corvanta-cli: " << corvanta::PrintableText(error.what()) << "\n";
    return kBadArgumentStatus;
  } catch (const BadArgument& error) {
    std::cerr << "corvanta-cli: " << corvanta::PrintableText(error.what()) << "\n";
    return kBadArgumentStatus;
  } catch (const CommandFailure& error) {
    std::cerr << "corvanta-cli: " << corvanta::PrintableText(error.what()) << "\n";
    return kFailureStatus;
  }
  // Output that never arrived (a full disk, a closed pipe) is no success.
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "corvanta-cli: cannot write the output: " << std::strerror(errno) << "\n";
    return kFailureStatus;
  }
  return status;
}
