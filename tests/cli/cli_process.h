// Runs corvanta-cli as a process for the CLI tests.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files/temp_files.h"

namespace corvanta::testing {

struct ProcessResult {
  int status = -1;
  std::string out;
  std::string err;
};

using test_files::ReadWhole;

// Runs corvanta-cli through the shell; arguments are given shell-quoted.
inline ProcessResult RunModernCli(const std::string& arguments, const std::string& input = "") {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("corvanta-cli-test-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "in", std::ios::binary) << input;
  std::string command = std::string(CORVANTA_CLI_PATH) + " " + arguments + " <" +
                        (dir / "in").string() + " >" + (dir / "out").string() + " 2>" +
                        (dir / "err").string();
  int raw = std::system(command.c_str());
  ProcessResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadWhole(dir / "out");
  result.err = ReadWhole(dir / "err");
  fs::remove_all(dir);
  return result;
}

// As a script that wants the program's own results runs it: --classic
// right after the command's name (none for the program's own options).
inline ProcessResult RunCli(const std::string& arguments, const std::string& input = "") {
  const std::size_t end = arguments.find(' ');
  const std::string command = arguments.substr(0, end);
  if (command.empty() || command[0] == '-') return RunModernCli(arguments, input);
  return RunModernCli(
      command + " --classic" + (end == std::string::npos ? "" : arguments.substr(end)), input);
}

}  // namespace corvanta::testing
