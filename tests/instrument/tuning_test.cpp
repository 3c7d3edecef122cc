#include "instrument/tuning.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

std::array<int, 6> OpenNotes(const PitchTable& table) {
  std::array<int, 6> notes{};
  for (int s = 0; s < 6; ++s) notes[s] = table[s][0];
  return notes;
}

TEST(PitchTable, standardTuningGivesTheStartUpNotes) {
  PitchTable table = BuildPitchTable(kStandardTuning);
  EXPECT_EQ(OpenNotes(table), (std::array<int, 6>{40, 45, 50, 55, 59, 64}));
  for (int s = 0; s < 6; ++s) {
    for (int f = 0; f < kFretSlots; ++f) EXPECT_EQ(table[s][f], table[s][0] + f);
  }
}

TEST(TuningPresets, followTheOctaveRule) {
  const std::vector<std::pair<std::string, std::array<int, 6>>> rows{
      {"G Minor Tunning", {43, 46, 50, 55, 58, 62}}, {"Open A", {40, 45, 52, 57, 49, 64}},
      {"Rain Song", {38, 43, 48, 55, 48, 62}},       {"Blues Tunning", {40, 45, 50, 55, 48, 65}},
      {"Drop D", {38, 45, 50, 55, 59, 64}},          {"C 6th", {36, 43, 48, 55, 57, 64}},
  };
  for (const auto& [caption, notes] : rows) {
    int tag = FindTuningPreset(caption);
    ASSERT_GE(tag, 0) << caption;
    EXPECT_EQ(OpenNotes(BuildPitchTable(kTuningPresets[tag].pitchClasses)), notes) << caption;
  }
}

TEST(TuningPresets, keepTheirOwnSpellingAndCaptions) {
  const TuningPreset& gMinor = kTuningPresets[10];
  EXPECT_EQ(gMinor.labels[1], "Bb");
  EXPECT_EQ(gMinor.buttonCaption, "G minor tuning");
  EXPECT_EQ(kTuningPresets[0].menuCaption, "标准音");
  EXPECT_EQ(kTuningPresets[3].buttonCaption, "Lute");
  EXPECT_EQ(FindTuningPreset("Open Z"), -1);
}

}  // namespace
}  // namespace corvanta
