// The command line, as NUL-separated arguments: every command parses and
// runs into memory, or refuses with a message. Files and standard input are
// left out: the fuzzer must not write files or wait for input (the drawing
// commands then stop at their missing output, after reading everything else).
#include <sstream>

#include "cli/commands.h"
#include "fuzz_input.h"

namespace {

bool TouchesTheOutsideWorld(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "-" || argument.rfind("--wav", 0) == 0 || argument.rfind("--png", 0) == 0 ||
        argument.rfind("--svg", 0) == 0 || argument.rfind("--pdf", 0) == 0 ||
        argument.rfind("--soundfont", 0) == 0 || argument.rfind("-h", 0) == 0 ||
        argument.rfind("--help", 0) == 0)
      return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta::cli;
  std::vector<std::string> arguments =
      corvanta::fuzz::SplitAtNul(corvanta::fuzz::AsText(data, size));
  if (arguments.size() > 16 || TouchesTheOutsideWorld(arguments)) return 0;
  std::vector<char*> argv{const_cast<char*>("corvanta-cli")};
  for (std::string& argument : arguments) argv.push_back(argument.data());
  CLI::App app;
  app.require_subcommand(1);
  CommandTexts texts;
  AddCommands(app, texts);
  std::ostringstream out;
  try {
    CheckCommandWord(app, static_cast<int>(argv.size()), argv.data());
    app.parse(static_cast<int>(argv.size()), argv.data());
    ApplyCommandDefaults(app, texts);
    RunCommands(app, texts, out);
  } catch (const CLI::Error&) {
  } catch (const BadArgument&) {
  } catch (const CommandFailure&) {
  }
  return 0;
}
