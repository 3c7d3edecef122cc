// Tests of the six-string tuning panel's actions.
#include "instrument/tuning_controls.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(TuningControls, applyAPresetWithItsOwnSpelling) {
  TuningControls controls;
  EXPECT_EQ(controls.ApplyTuningPreset(10), 1);
  const TuningState& state = controls.state;
  EXPECT_EQ(state.labels, (std::array<std::string, 6>{"G", "Bb", "D", "G", "Bb", "D"}));
  EXPECT_EQ(state.sliderPositions, (std::array<int, 6>{7, 10, 2, 7, 10, 2}));
  EXPECT_EQ(state.pitchTable[1][0], 46);
  EXPECT_EQ(state.buttonCaption, "G minor tuning");
  EXPECT_EQ(state.checkedPreset, 10);
}

TEST(TuningControls, choosingTheCheckedPresetAgainLeavesNoneChecked) {
  TuningControls controls;
  EXPECT_EQ(controls.ApplyTuningPreset(0), 1);
  EXPECT_EQ(controls.state.checkedPreset, -1);
  EXPECT_EQ(controls.state.tuningPitchClass, kStandardTuning);
  EXPECT_EQ(controls.ApplyTuningPreset(kTuningPresetCount), 0);
}

TEST(TuningControls, theButtonPartResetsToStandardAndKeepsTheMenuCheck) {
  TuningControls controls;
  controls.ApplyTuningPreset(7);  // Drop D
  EXPECT_EQ(controls.ResetToStandardTuning(), 1);
  EXPECT_EQ(controls.state.tuningPitchClass, kStandardTuning);
  EXPECT_EQ(controls.state.labels[0], "E");
  EXPECT_EQ(controls.state.buttonCaption, "标准音");
  EXPECT_EQ(controls.state.checkedPreset, 7);
  EXPECT_EQ(controls.state.pitchTable[0][0], 40);
}

TEST(TuningControls, retuningOneStringChangesTheSearchButNotPlayback) {
  TuningControls controls;
  EXPECT_EQ(controls.RetuneString(0, 2), 0);
  EXPECT_EQ(controls.state.labels[0], "D");
  EXPECT_EQ(controls.state.tuningPitchClass[0], 2);
  EXPECT_EQ(controls.state.pitchTable[0][0], 40);
  controls.RetuneString(1, 10);
  EXPECT_EQ(controls.state.labels[1], "A#");
  EXPECT_EQ(controls.RetuneString(6, 1), 0);
  EXPECT_EQ(controls.RetuneString(0, 12), 0);
  EXPECT_EQ(controls.state.tuningPitchClass[0], 2);
}

}  // namespace
}  // namespace corvanta
