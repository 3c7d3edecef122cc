// The built-in synthesizer with the real soundfont: offline rendering and
// the live output's quiet failure.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "guitar_pitch_table.h"
#include "keyed_fingering.h"
#include "sound/fluidsynth/fluidsynth_output.h"
#include "sound/fluidsynth/offline_render.h"
#include "sound/fluidsynth/soundfont.h"
#include "sound/guitar_strum.h"
#include "sound/midi_messages.h"

namespace corvanta {
namespace {

// Where (ms) the strum's note `note` starts: rendering is deterministic, so
// the strum with that note and the strum without it agree up to its first
// sample.
double NoteStartMs(const std::vector<MidiCall>& calls, std::size_t note,
                   const std::string& soundfont) {
  std::vector<MidiCall> without(calls.begin(), calls.begin() + note);
  std::vector<MidiCall> with(calls.begin(), calls.begin() + note + 1);
  if (!without.empty()) without.back().pauseAfterMs += calls[note].pauseAfterMs;
  auto a = RenderOffline(without, soundfont, 100);
  auto b = RenderOffline(with, soundfont, 100);
  if (!a || !b) return -1;
  std::size_t size = std::min(a->samples.size(), b->samples.size());
  for (std::size_t i = 0; i < size; ++i) {
    if (std::fabs(a->samples[i] - b->samples[i]) > 1e-6f) return (i / 2) * 1000.0 / a->sampleRate;
  }
  return -1;
}

TEST(Synthesizer, rendersAStrumOfFiveNotesSeventyFiveMillisecondsApart) {
  auto soundfont = FindGeneralMidiSoundfont();
  if (!soundfont)
    GTEST_SKIP() << "no General MIDI soundfont installed (package fluid-soundfont-gm)";
  auto calls = PlanStrum(Keyed({99, 3, 2, 0, 1, 0}), BuildPitchTable(kStandardTuning), 2);
  auto audio = RenderOffline(calls, *soundfont, 2000);
  ASSERT_TRUE(audio);
  EXPECT_EQ(audio->Frames(), 5u * (75 * 44100 / 1000) + 2000 * 44100 / 1000);
  double peak = 0;
  for (float sample : audio->samples) peak = std::max(peak, static_cast<double>(std::fabs(sample)));
  EXPECT_GT(peak, 0.01);
  for (std::size_t note = 0; note < 5; ++note) {
    // The synthesizer starts an event at its next 64-sample block (1.5 ms).
    EXPECT_NEAR(NoteStartMs(calls, note, *soundfont), note * 75.0, 2.0) << note;
  }
}

TEST(Synthesizer, staysSilentWithoutASoundfont) {
  EXPECT_FALSE(RenderOffline({}, "/nonexistent/none.sf2", 10));
  FluidSynthOutput output("/nonexistent/none.sf2");
  output.WaitUntilLoaded();
  EXPECT_FALSE(output.Ready());
  output.ShortMessage(NoteOnMessage(60));
  output.SetVolume(kFullVolume);
}

TEST(Synthesizer, strumsEveryInstrumentItemAtOneLoudnessWithoutClipping) {
  auto soundfont = FindGeneralMidiSoundfont();
  if (!soundfont)
    GTEST_SKIP() << "no General MIDI soundfont installed (package fluid-soundfont-gm)";
  for (const PatchItem& item : kPatchItems) {
    for (const Fingering& chord : {Keyed({0, 2, 2, 1, 0, 0}), Keyed({3, 2, 0, 0, 3, 3})}) {
      auto calls = PlanPatchChange(item.program);
      for (const MidiCall& call : PlanStrum(chord, BuildPitchTable(kStandardTuning), 2))
        calls.push_back(call);
      auto audio = RenderOffline(calls, *soundfont, 2000);
      ASSERT_TRUE(audio);
      double peak = 0;
      for (float sample : audio->samples)
        peak = std::max(peak, static_cast<double>(std::fabs(sample)));
      double decibels = 20 * std::log10(peak);
      EXPECT_GE(decibels, -6.0) << item.program;
      EXPECT_LE(decibels, -1.0) << item.program;
    }
  }
}

TEST(Synthesizer, writesAPlayableWaveFile) {
  RenderedAudio audio;
  audio.samples = {0.0f, 0.5f, -2.0f, 1.0f};
  std::ostringstream file;
  ASSERT_TRUE(WriteWav(audio, file));
  std::string bytes = file.str();
  ASSERT_EQ(bytes.size(), 44u + 8u);
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
  std::ostringstream broken;
  broken.setstate(std::ios::badbit);
  EXPECT_FALSE(WriteWav(audio, broken));
}

}  // namespace
}  // namespace corvanta
