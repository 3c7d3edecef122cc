// Tests of the strum player's order and pauses.
#include "sound/strum_player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>

#include "guitar_pitch_table.h"
#include "keyed_fingering.h"
#include "sound/guitar_strum.h"
#include "sound/midi_messages.h"
#include "sound/recording_midi_output.h"

namespace corvanta {
namespace {

// Records the pauses in between the calls instead of waiting.
struct PauseLog {
  std::mutex mutex;
  std::vector<int> pauses;
};

TEST(StrumPlayer, playsPlansInOrderWithTheirPauses) {
  auto output = std::make_shared<RecordingMidiOutput>();
  PauseLog log;
  StrumPlayer player(output, [&log](int ms) {
    std::lock_guard lock(log.mutex);
    log.pauses.push_back(ms);
  });
  PitchTable standard = BuildPitchTable(kStandardTuning);
  player.Play(PlanStrum(Keyed({99, 3, 2, 0, 1, 0}), standard, 2));
  player.Play(PlanPatchChange(27));
  player.Play(PlanStrum(Keyed({-3, 99, 99, 99, 99, 99}), standard, 0));
  player.Play({});
  player.WaitUntilIdle();
  auto records = output->Records();
  ASSERT_EQ(records.size(), 5u + 4u + 1u);
  EXPECT_EQ(records[0].value, NoteOnMessage(48));
  EXPECT_EQ(records[5].value, 0xC0u);
  EXPECT_EQ(records[7].kind, MidiCall::Kind::SetVolume);
  EXPECT_EQ(records[9].value, NoteOnMessage(43));
  EXPECT_EQ(log.pauses, (std::vector<int>{75, 75, 75, 75, 75, 25}));
}

TEST(StrumPlayer, waitsRealPausesOffTheCallersThread) {
  auto output = std::make_shared<RecordingMidiOutput>();
  StrumPlayer player(output);
  player.Play(PlanStrum(Keyed({99, 3, 2, 0, 1, 0}), BuildPitchTable(kStandardTuning), 0));
  player.WaitUntilIdle();
  auto records = output->Records();
  ASSERT_EQ(records.size(), 5u);
  for (std::size_t i = 1; i < records.size(); ++i) {
    // A pause never ends early; how late it may end is left to benchmarks.
    EXPECT_GE(records[i].at - records[i - 1].at, std::chrono::milliseconds(24));
  }
}

TEST(StrumPlayer, switchesOutputsAndStopsPromptlyWithPlansPending) {
  auto first = std::make_shared<RecordingMidiOutput>();
  auto second = std::make_shared<RecordingMidiOutput>();
  auto start = std::chrono::steady_clock::now();
  {
    StrumPlayer player(first);
    player.Play(PlanPatchChange(1));
    player.WaitUntilIdle();
    player.SetOutput(second);
    player.SetOutput(nullptr);  // silence, not a crash
    player.SetOutput(second);
    for (int i = 0; i < 20; ++i)
      player.Play(PlanStrum(Keyed({0, 0, 0, 0, 0, 0}), BuildPitchTable(kStandardTuning), 5));
  }
  EXPECT_EQ(first->Records().size(), 4u);
  EXPECT_LT(second->Records().size(), 20u * 6u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace corvanta
