// corvanta-cli's outputs and inputs at their edges: descriptors named as
// files, a closed or non-blocking standard output, a file-size limit, typed
// input past its cap, and notes past MIDI's range.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "cli/cli_process.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;
using testing::ReadWhole;
using testing::RunModernCli;

fs::path Folder() { return test_files::FreshFolder("corvanta-cli-edges"); }

// A shell script with $CLI the program and the folder as its working one;
// its exit status.
int Shell(const fs::path& folder, const std::string& script) {
  const std::string command = "cd '" + folder.string() + "' && CLI='" + CORVANTA_CLI_PATH +
                              "' sh -c '" + script + "' 2>err";
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(CliOutputEdges, devStdoutAppendedToALogStaysAnAppend) {
  const fs::path folder = Folder();
  std::ofstream(folder / "app.log") << "earlier line\n";
  EXPECT_EQ(Shell(folder, "$CLI diagram x32010 --svg /dev/stdout >> app.log"), 0)
      << ReadWhole(folder / "err");
  const std::string log = ReadWhole(folder / "app.log");
  EXPECT_EQ(log.rfind("earlier line\n<?xml", 0), 0u) << log.substr(0, 40);
  EXPECT_NE(log.find("</svg>"), std::string::npos);
  // A pipe is written as the pipe it is.
  EXPECT_EQ(Shell(folder, "$CLI diagram x32010 --svg /dev/stdout | cat > piped.svg"), 0)
      << ReadWhole(folder / "err");
  EXPECT_NE(ReadWhole(folder / "piped.svg").find("</svg>"), std::string::npos);
  fs::remove_all(folder);
}

TEST(CliOutputEdges, aClosedStandardOutputIsReportedNotWrittenElsewhere) {
  const fs::path folder = Folder();
  EXPECT_EQ(Shell(folder, "$CLI diagram x32010 --png - >&-"), 1);
  const std::string err = ReadWhole(folder / "err");
  EXPECT_NE(err.find("standard output is not open for writing"), std::string::npos) << err;
  EXPECT_EQ(Shell(folder, "$CLI query Am7 >&-"), 1);
  fs::remove_all(folder);
}

TEST(CliOutputEdges, aNonBlockingStandardOutputGetsEveryByte) {
  const fs::path folder = Folder();
  ASSERT_EQ(Shell(folder, "$CLI sheet C G Am F --per-chord 40 --svg - > whole.svg"), 0);
  const std::size_t whole = fs::file_size(folder / "whole.svg");
  ASSERT_GT(whole, 4u * 65536);  // several pipe buffers
  // The JSON is larger than a pipe's buffer too (93 KB).
  for (const char* arguments :
       {"sheet C G Am F --per-chord 40 --svg -", "search --root C --json"}) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    fcntl(ends[1], F_SETFL, fcntl(ends[1], F_GETFL) | O_NONBLOCK);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      dup2(ends[1], STDOUT_FILENO);
      close(ends[0]);
      close(ends[1]);
      execl("/bin/sh", "sh", "-c", (std::string(CORVANTA_CLI_PATH) + " " + arguments).c_str(),
            static_cast<char*>(nullptr));
      _exit(127);
    }
    close(ends[1]);
    std::string received;
    char piece[4096];
    for (ssize_t got; (got = read(ends[0], piece, sizeof piece)) > 0;) {
      received.append(piece, static_cast<std::size_t>(got));
      std::this_thread::sleep_for(std::chrono::microseconds(50));  // a slow reader
    }
    close(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << arguments;
    if (std::string(arguments).rfind("sheet", 0) == 0) {
      EXPECT_EQ(received.size(), whole) << arguments;
    } else {
      EXPECT_EQ(received, RunModernCli(arguments).out) << arguments;
    }
  }
  fs::remove_all(folder);
}

TEST(CliOutputEdges, aFileSizeLimitIsAFailureThatLeavesNothing) {
  const fs::path folder = Folder();
  EXPECT_EQ(Shell(folder, "ulimit -f 8; $CLI sheet C G Am F --per-chord 20 --svg out.svg"), 1);
  const std::string err = ReadWhole(folder / "err");
  EXPECT_NE(err.find("File too large"), std::string::npos) << err;
  fs::remove(folder / "err");
  EXPECT_TRUE(fs::is_empty(folder));
  fs::remove_all(folder);
}

TEST(CliInputLimits, typedInputIsCappedAndEchoedTextIsCut) {
  const auto flood = RunModernCli("query -", std::string(100 * 1024, '\0'));
  EXPECT_EQ(flood.status, 2);
  EXPECT_NE(flood.err.find("more than 64 KB"), std::string::npos) << flood.err.substr(0, 200);
  EXPECT_LT(flood.err.size(), 200u);
  // Within the cap, a long unrecognised text is echoed cut, with its size.
  const auto noise = RunModernCli("query -", "C" + std::string(20000, '\x01'));
  EXPECT_LT(noise.err.size(), 400u) << noise.err.size();
  EXPECT_NE(noise.err.find("(20000 bytes)"), std::string::npos) << noise.err;
  // A flood of unrecognised words is counted, not listed.
  std::string words = "C";
  for (int i = 0; i < 500; ++i) words += "m7(b9";
  const auto repeated = RunModernCli("query -", words);
  EXPECT_LE(std::count(repeated.err.begin(), repeated.err.end(), '\n'), 12) << repeated.err.size();
  EXPECT_NE(repeated.err.find("more words were not recognised"), std::string::npos);
  const auto typed = RunModernCli("query 'C7" + std::string(70 * 1024, 'z') + "'");
  EXPECT_EQ(typed.status, 2);
  EXPECT_NE(typed.err.find("more than 64 KB"), std::string::npos) << typed.err.substr(0, 200);
}

TEST(CliMidiRange, notesAboveMidiAreLeftOutWithAWarning) {
  // A custom tuning near C8: its highest string's twentieth fret is 128.
  const auto strum = RunModernCli("strum '0 0 0 20' --instrument custom --tuning 'C7 E7 G7 C8'");
  EXPECT_EQ(strum.status, 0) << strum.err;
  EXPECT_NE(strum.err.find("left out"), std::string::npos) << strum.err;
  EXPECT_NE(strum.err.find(" 128"), std::string::npos) << strum.err;
  // Every message a synthesizer is sent holds a note it can play.
  std::istringstream lines(strum.out);
  int notes = 0;
  for (std::string line; std::getline(lines, line);) {
    const std::size_t at = line.find("0x");
    if (at == std::string::npos) continue;
    const unsigned long message = std::stoul(line.substr(at), nullptr, 16);
    if ((message & 0xF0) != 0x90) continue;
    ++notes;
    EXPECT_LE((message >> 8) & 0xFF, 127u) << line;
  }
  EXPECT_EQ(notes, 3);
}

}  // namespace
}  // namespace corvanta
