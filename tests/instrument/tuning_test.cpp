// Tests of the guitar's tuning presets and pitch tables.
#include "instrument/tuning.h"

#include <gtest/gtest.h>

#include "guitar_pitch_table.h"

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

// Open A's C# and the C of Blues and Rain Song sound on the B string's
// octave (C#4, C4), not an octave below the G string.
TEST(TuningPresets, tuneEachStringNearItsStandardPitch) {
  const std::vector<std::pair<std::string, std::array<int, 6>>> rows{
      {"G Minor Tunning", {43, 46, 50, 55, 58, 62}}, {"Open A", {40, 45, 52, 57, 61, 64}},
      {"Rain Song", {38, 43, 48, 55, 60, 62}},       {"Blues Tunning", {40, 45, 50, 55, 60, 65}},
      {"Drop D", {38, 45, 50, 55, 59, 64}},          {"C 6th", {36, 43, 48, 55, 57, 64}},
      {"DADGAD", {38, 45, 50, 55, 57, 62}},          {"Eb", {39, 44, 49, 54, 58, 63}},
  };
  for (const auto& [caption, notes] : rows) {
    int tag = FindTuningPreset(caption);
    ASSERT_GE(tag, 0) << caption;
    EXPECT_EQ(OpenNotes(BuildPitchTable(kTuningPresets[tag].pitchClasses)), notes) << caption;
  }
}

// The plain rule: of the pitches of a class, the one closest to the
// standard string, a tie (a tritone) going down.
TEST(TuningPresets, everyStringSoundsWithinATritoneOfItsStandardPitch) {
  for (const TuningPreset& preset : kTuningPresets) {
    PitchTable table = BuildPitchTable(preset.pitchClasses);
    for (int s = 0; s < kStringCount; ++s) {
      int distance = table[s][0] - kStandardPitches[s];
      EXPECT_TRUE(distance >= -6 && distance <= 5) << preset.englishName << " string " << s;
      EXPECT_EQ((table[s][0] % 12), preset.pitchClasses[s]) << preset.englishName;
    }
  }
  for (int standard = 30; standard < 80; ++standard) {
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
      int best = -1;
      for (int pitch = standard - 6; pitch <= standard + 5; ++pitch)
        if (pitch % 12 == pitchClass) best = pitch;
      EXPECT_EQ(NearestPitch(pitchClass, standard), best);
    }
  }
}

TEST(TuningPresets, areFoundByEveryNameInAnyCase) {
  const std::vector<std::pair<std::string, int>> rows{
      {"标准音", 0},
      {"Standard", 0},
      {"standard tuning", 0},
      {"Standard tuning", 0},
      {"Drop D", 7},
      {"drop d", 7},
      {"Open G", 8},
      {"Lute", 3},
      {"Lute Tunning", 3},
      {"lute tuning", 3},
      {"G minor", 10},
      {"DADGAD", 12},
      {"Half step down (Eb)", 13},
      {"eb", 13},
      {"降半音 (Eb)", 13},
  };
  for (const auto& [name, tag] : rows) EXPECT_EQ(FindTuningPreset(name), tag) << name;
  for (const char* name : {"", " ", "tuning", "Open", "Drop", "Standard tunings"})
    EXPECT_EQ(FindTuningPreset(name), -1) << name;
  // The message lists each preset once, with its English name where it differs.
  const std::string list = TuningPresetList();
  EXPECT_NE(list.find("\"标准音\" (Standard tuning)"), std::string::npos) << list;
  EXPECT_NE(list.find("\"Drop D\", "), std::string::npos) << list;
  EXPECT_EQ(list.find("\"Drop D\" ("), std::string::npos) << list;
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
