// Tests of strum planning.
#include "sound/strum.h"

#include <gtest/gtest.h>

#include "guitar_pitch_table.h"
#include "keyed_fingering.h"
#include "sound/guitar_strum.h"
#include "sound/midi_messages.h"

namespace corvanta {
namespace {

using Kind = MidiCall::Kind;

std::vector<int> Notes(const std::vector<MidiCall>& calls) {
  std::vector<int> notes;
  for (const MidiCall& call : calls) notes.push_back(static_cast<int>((call.value >> 8) & 0xFF));
  return notes;
}

TEST(Strum, strikesEachSoundingStringFromTheLowestWithItsPause) {
  auto calls =
      PlanStrum(Keyed({99, 3, 2, 0, 1, 0}), BuildPitchTable(kStandardTuning), kDefaultStrumSpeed);
  EXPECT_EQ(Notes(calls), (std::vector<int>{48, 52, 55, 60, 64}));
  for (const MidiCall& call : calls) {
    EXPECT_EQ(call.kind, Kind::ShortMessage);
    EXPECT_EQ(call.value & 0xFF, 0x90u);
    EXPECT_EQ(call.value >> 16, 100u);
    EXPECT_EQ(call.pauseAfterMs, 75);
  }
}

TEST(Strum, playsABarreAsItsFretAndSkipsMutedStrings) {
  PitchTable standard = BuildPitchTable(kStandardTuning);
  EXPECT_EQ(Notes(PlanStrum(Keyed({-3, 99, 99, 99, 99, 99}), standard, 2)), (std::vector<int>{43}));
  EXPECT_TRUE(PlanStrum(Keyed({99, 99, 99, 99, 99, 99}), standard, 2).empty());
  EXPECT_EQ(Notes(PlanStrum(Keyed({0, 0, 0, 0, 0, 0}),
                            BuildPitchTable(kTuningPresets[2].pitchClasses), 2)),
            (std::vector<int>{40, 45, 52, 57, 61, 64}));
}

TEST(Strum, leavesOutNotesMidiCannotSend) {
  // A custom tuning near C8: 128 would be masked into a status byte.
  const std::vector<int> notes = {96, 127, 128, 140};
  EXPECT_EQ(Notes(PlanStrumNotes(notes, 2)), (std::vector<int>{96, 127}));
  EXPECT_EQ(NotesBeyondMidi(notes), (std::vector<int>{128, 140}));
  EXPECT_TRUE(NotesBeyondMidi({0, 64, 127}).empty());
}

TEST(Strum, pausesTwentyFiveMillisecondsPerSpeedStepPlusTwentyFive) {
  EXPECT_EQ(StrumDelayMs(0), 25);
  EXPECT_EQ(StrumDelayMs(2), 75);
  EXPECT_EQ(StrumDelayMs(5), 150);
  EXPECT_EQ(StrumDelayMs(-4), 25);
  EXPECT_EQ(StrumDelayMs(99), 150);
}

TEST(PatchChange, sendsFourCallsForEveryInstrument) {
  for (const PatchItem& item : kPatchItems) {
    auto calls = PlanPatchChange(item.program);
    const std::vector<MidiCall> expected{
        {Kind::ShortMessage, 0xC0, 0},
        {Kind::ShortMessage, static_cast<std::uint32_t>(item.program), 0},
        {Kind::SetVolume, 0xFFFFFFFF, 0},
        {Kind::ShortMessage, 0x90, 0}};
    EXPECT_EQ(calls, expected) << item.program;
    EXPECT_EQ(PatchProgram(item.text), item.program);
  }
  EXPECT_EQ(PatchProgram("钢琴"), std::nullopt);
  EXPECT_EQ(PatchProgram(""), std::nullopt);
}

TEST(ShortMessageDecoder, endsThePatchChangeOnTheChosenProgramByRunningStatus) {
  ShortMessageDecoder decoder;
  std::vector<MidiEvent> events;
  for (const MidiCall& call : PlanPatchChange(26)) {
    if (call.kind != Kind::ShortMessage) continue;
    if (auto event = decoder.Decode(call.value)) events.push_back(*event);
  }
  const std::vector<MidiEvent> expected{{0xC0, 0, 0}, {0xC0, 26, 0}, {0x90, 0, 0}};
  EXPECT_EQ(events, expected);
  EXPECT_EQ(decoder.Decode(NoteOnMessage(48)), (MidiEvent{0x90, 48, 100}));
  EXPECT_EQ(decoder.Decode(0x7F40), (MidiEvent{0x90, 0x40, 0x7F}));
  ShortMessageDecoder fresh;
  EXPECT_EQ(fresh.Decode(24), std::nullopt);  // data before any status
}

}  // namespace
}  // namespace corvanta
