// Tests of corvanta-cli's strum command: messages and rendered sound.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_process.h"

namespace corvanta {
namespace {

using testing::RunCli;

TEST(CliStrum, printsEachMessageWithItsTime) {
  auto result = RunCli("strum '99 3 2 0 1 0'");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "0 0x643090\n75 0x643490\n150 0x643790\n225 0x643C90\n300 0x644090\n");
  auto barre = RunCli("strum '-3 99 99 99 99 99' --speed 0 --patch 弱音吉他 --tuning 'Drop D'");
  EXPECT_EQ(barre.out, "0 0xC0\n0 0x1C\n0 volume 0xFFFFFFFF\n0 0x90\n0 0x642990\n");
  EXPECT_EQ(RunCli("strum '99 99 99 99 99 99'").out, "");
}

TEST(CliStrum, rendersTheSoundIntoAWaveFile) {
  std::string path = ::testing::TempDir() + "corvanta-strum.wav";
  auto result = RunCli("strum '0 2 2 1 0 0' --patch 0 --wav " + path);
  if (result.status == 1 && result.err.find("soundfont") != std::string::npos) {
    GTEST_SKIP() << "no General MIDI soundfont installed (package fluid-soundfont-gm)";
  }
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(result.out.empty());
  // 6 strings x 75 ms and 2 s after the last, 16-bit stereo at 44.1 kHz.
  EXPECT_EQ(std::filesystem::file_size(path), 44u + 4u * (6u * 3307u + 88200u));
  std::filesystem::remove(path);
}

TEST(CliStrum, refusesBadArgumentsWithStatusTwo) {
  for (const char* arguments :
       {"strum '1 2 3'", "strum '1 2 3 4 5 6 7'", "strum 'a b c d e f'", "strum '30 0 0 0 0 0'",
        "strum '0 0 0 0 0 0' --speed 6", "strum '0 0 0 0 0 0' --patch piano",
        "strum '0 0 0 0 0 0' --tuning x"}) {
    auto result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_FALSE(result.err.empty()) << arguments;
  }
}

}  // namespace
}  // namespace corvanta
