// Failures are reported as failures: unwritable output, unreadable input,
// broken soundfonts, arguments that would mean unbounded work; files the
// command writes are complete or absent.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli_process.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;
using testing::ReadWhole;
using testing::RunCli;

// Runs corvanta-cli with its own redirections; returns the exit status and stderr.
testing::ProcessResult RunRedirected(const std::string& arguments,
                                     const std::string& redirections) {
  fs::path err = fs::temp_directory_path() / ("corvanta-redirect-" + std::to_string(::getpid()));
  std::string command =
      std::string(CORVANTA_CLI_PATH) + " " + arguments + " " + redirections + " 2>" + err.string();
  int raw = std::system(command.c_str());
  testing::ProcessResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.err = ReadWhole(err);
  fs::remove(err);
  return result;
}

fs::path FreshFolder(const std::string& name) {
  fs::path folder = fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

std::vector<std::string> FolderListing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(CliFailures, outputThatCannotBeWrittenIsAFailure) {
  for (const char* arguments :
       {"search --json", "search", "query C", "clicks 15", "strum '99 3 2 0 1 0'"}) {
    auto result = RunRedirected(arguments, ">/dev/full");
    EXPECT_EQ(result.status, 1) << arguments;
    EXPECT_NE(result.err.find("cannot write the output"), std::string::npos) << result.err;
  }
}

TEST(CliFailures, unreadableStandardInputIsAFailureNotAnEmptyText) {
  auto folder = RunRedirected("query -", "</ >/dev/null");
  EXPECT_EQ(folder.status, 1);
  EXPECT_NE(folder.err.find("cannot read standard input"), std::string::npos) << folder.err;
  EXPECT_EQ(RunRedirected("query -", "<&- >/dev/null").status, 1);
}

TEST(CliFailures, emptyFormulaOrTuningIsRefused) {
  for (const char* arguments : {"search --formula ''", "search --tuning ''", "query C --tuning ''",
                                "strum '0 2 2 1 0 0' --tuning ''"}) {
    auto result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
}

TEST(CliFailures, formulasBeyondTwelveEntriesAreRefusedAndRepeatsStayCheap) {
  std::string repeated = "00";
  for (int i = 0; i < 8; ++i) repeated += " 01 02 05 06 09 10";
  auto refused = RunCli("search --formula '" + repeated + "'");
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("at most 12"), std::string::npos) << refused.err;
  EXPECT_EQ(RunCli("search --formula '00 13'").status, 2);

  // Twelve entries with repeats are accepted; they mean the distinct notes.
  auto withRepeats = RunCli("search --json --formula '00 04 07 04 07 00 04 07 04 07 00 04'");
  auto plain = RunCli("search --json --formula '00 04 07'");
  ASSERT_EQ(withRepeats.status, 0) << withRepeats.err;
  auto countOf = [](const std::string& json) { return json.substr(json.find("\"count\"")); };
  EXPECT_EQ(countOf(withRepeats.out).substr(0, 20), countOf(plain.out).substr(0, 20));
}

TEST(CliFailures, aBrokenSoundfontIsNamedAndLeavesTheTargetAlone) {
  fs::path folder = FreshFolder("corvanta-broken-sf");
  std::ofstream(folder / "empty.sf2").close();
  std::ofstream(folder / "junk.sf2") << std::string(2000, 'x');
  std::ofstream(folder / "take.wav") << "a good file";
  for (const char* soundfont : {"empty.sf2", "junk.sf2"}) {
    auto result = RunCli("strum '0 2 2 1 0 0' --wav " + (folder / "take.wav").string() +
                         " --soundfont " + (folder / soundfont).string());
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "corvanta-cli: the soundfont '" + (folder / soundfont).string() +
                              "' cannot be loaded\n");
  }
  EXPECT_EQ(ReadWhole(folder / "take.wav"), "a good file");
  EXPECT_EQ(FolderListing(folder), (std::vector<std::string>{"empty.sf2", "junk.sf2", "take.wav"}));
  fs::remove_all(folder);
}

TEST(CliFailures, aWaveFileInAMissingFolderIsAFailure) {
  auto result = RunCli("strum '0 2 2 1 0 0' --wav /nonexistent-corvanta/x.wav");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("cannot write '/nonexistent-corvanta/x.wav'"), std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace corvanta
