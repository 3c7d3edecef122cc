// Failures are reported as failures: unwritable output, unreadable input,
// broken soundfonts, arguments that would mean unbounded work; files the
// command writes are complete or absent.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
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

using test_files::FreshFolder;

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

// Runs a shell script in a private mount namespace with a full 64 KiB tmpfs
// at $FULL holding old.png, old.svg, old.pdf and old.wav ("old"); what the
// script prints. Empty where no private tmpfs can be made.
std::string OnAFullDisk(const std::string& script) {
  const fs::path folder = FreshFolder("corvanta-full");
  const fs::path file = folder / "script.sh";
  std::ofstream(file) << "set -e\nFULL=" << (folder / "disk").string() << "\nmkdir -p $FULL\n"
                      << "mount -t tmpfs -o size=64k tmpfs $FULL\n"
                      << "for f in png svg pdf wav; do printf old > $FULL/old.$f; done\n"
                      << "dd if=/dev/zero of=$FULL/fill bs=1k count=1000 2>/dev/null || true\n"
                      << "set +e\n"
                      << script;
  const fs::path out = folder / "out";
  const std::string command =
      "unshare --mount --map-root-user sh " + file.string() + " >" + out.string() + " 2>/dev/null";
  const int status = std::system(command.c_str());
  std::string printed = WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ReadWhole(out) : "";
  fs::remove_all(folder);
  return printed;
}

// A full disk fails every format, over a new file and an existing one: exit
// 1, the old file as it was, no temporary file left.
TEST(CliFailures, aFullDiskFailsEveryFormatAndKeepsTheOldFile) {
  const std::string cli = CORVANTA_CLI_PATH;
  std::string script;
  for (const char* format : {"png", "svg", "pdf"}) {
    for (const char* name : {"old", "new"}) {
      script += cli + " sheet Am7 Dm7 G7 Cmaj7 --per-chord 4 --" + format + " $FULL/" + name + "." +
                format + "; echo " + name + "." + format + " $?\n";
    }
  }
  for (const char* name : {"old", "new"})
    script += cli + " strum x32010 --wav $FULL/" + name + ".wav; echo " + name + ".wav $?\n";
  script += "cat $FULL/old.png $FULL/old.svg $FULL/old.pdf $FULL/old.wav; echo\nls -A $FULL\n";
  const std::string printed = OnAFullDisk(script);
  if (printed.empty()) GTEST_SKIP() << "no private tmpfs can be mounted here (unshare)";
  for (const char* format : {"png", "svg", "pdf", "wav"}) {
    for (const char* name : {"old", "new"}) {
      const std::string line = std::string(name) + "." + format + " 1\n";
      EXPECT_NE(printed.find(line), std::string::npos) << line << printed;
    }
  }
  EXPECT_NE(printed.find("oldoldoldold\n"), std::string::npos) << printed;
  EXPECT_NE(printed.find("fill\nold.pdf\nold.png\nold.svg\nold.wav\n"), std::string::npos)
      << printed;
}

// Every format can be piped; special files are never replaced.
TEST(CliFailures, drawingsPipeToStandardOutputAndSpecialFilesAreRefused) {
  auto png = RunCli("diagram x32010 --png -");
  EXPECT_EQ(png.status, 0) << png.err;
  EXPECT_EQ(png.out.substr(1, 3), "PNG");
  auto svg = RunCli("sheet Am7 --svg -");
  EXPECT_NE(svg.out.find("<svg"), std::string::npos);
  auto pdf = RunCli("diagram x32010 --pdf -");
  EXPECT_EQ(pdf.out.substr(0, 5), "%PDF-");
  auto wav = RunCli("strum x32010 --wav -");
  EXPECT_EQ(wav.status, 0) << wav.err;
  EXPECT_EQ(wav.out.substr(0, 4), "RIFF");
  const fs::path folder = FreshFolder("corvanta-special");
  const fs::path fifo = folder / "pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  for (const std::string& arguments :
       {"diagram x32010 --png " + fifo.string(), "strum x32010 --wav " + fifo.string(),
        "sheet Am --svg " + folder.string(), std::string("diagram x32010 --pdf /dev/null")}) {
    auto result = RunCli(arguments);
    EXPECT_EQ(result.status, 1) << arguments;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  fs::remove_all(folder);
}

// Too large a picture says what to lower; bad --wav uses are refused.
TEST(CliFailures, capsAndWaveOptionsSayWhatIsWrong) {
  auto huge =
      RunCli("sheet C Am F G7 Dm E7 --per-chord 100 --scale 8 --png /tmp/corvanta-huge.png");
  EXPECT_EQ(huge.status, 1);
  EXPECT_NE(huge.err.find("lower the scale"), std::string::npos) << huge.err;
  EXPECT_FALSE(fs::exists("/tmp/corvanta-huge.png"));
  EXPECT_EQ(RunCli("strum x32010 --wav ''").status, 2);
  EXPECT_EQ(RunCli("strum x32010 --soundfont /x.sf2").status, 2);
  EXPECT_EQ(RunCli("strum x32010 --wav - --messages").status, 2);
  auto folder = RunCli("strum x32010 --wav .");
  EXPECT_EQ(folder.status, 1);
  EXPECT_NE(folder.err.find("a folder"), std::string::npos) << folder.err;
}

// A fret must lie on the neck with the capo counted; a diagram draws every
// note or refuses; input is read and echoed safely.
TEST(CliFailures, fretsPastTheNeckAndWideDiagramsAreRefused) {
  for (const std::string& arguments :
       {std::string("name 'x 20 x x x x' --capo 12"), std::string("strum 'x 20 x x x x' --capo 12"),
        std::string("diagram '0 29 29 29 29 29' --capo 12 --png /tmp/corvanta-no.png"),
        std::string("name 'x 25 x x x x'"),
        std::string("diagram '3 x x x x 15' --png /tmp/corvanta-no.png")}) {
    auto result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
  EXPECT_FALSE(fs::exists("/tmp/corvanta-no.png"));
  // On the neck, the capo counted: fret 12 above a capo at 12 is the 24th.
  auto f = RunCli("name 'x 12 x x x x' --capo 12 --json");
  EXPECT_EQ(f.status, 0) << f.err;
  EXPECT_NE(f.out.find("\"A\""), std::string::npos) << f.out;
}

TEST(CliFailures, inputIsReadAndEchoedSafely) {
  // A byte order mark from a saved file is not part of the symbol.
  auto bom = RunCli("query -",
                    "\xEF\xBB\xBF"
                    "Am7\n");
  EXPECT_EQ(bom.status, 0) << bom.err;
  EXPECT_NE(bom.out.find("\"root\":9"), std::string::npos);
  // Control characters and stray bytes are escaped in warnings.
  auto raw = RunCli("query $'C\\x01z\\xff'");
  EXPECT_EQ(raw.err.find('\x01'), std::string::npos) << raw.err;
  EXPECT_EQ(raw.err.find('\xff'), std::string::npos) << raw.err;
  EXPECT_NE(raw.err.find("\\x01"), std::string::npos) << raw.err;
  // A symbol with no fingering is named, not dropped in silence.
  auto sheet =
      RunCli("sheet Am 'C/13/11+/9/7' --instrument ukulele --png /tmp/corvanta-sheet-warn.png");
  EXPECT_NE(sheet.err.find("left off the sheet"), std::string::npos) << sheet.err;
  fs::remove("/tmp/corvanta-sheet-warn.png");
}

}  // namespace
}  // namespace corvanta
