// The built-in synthesizer with the real soundfont: offline rendering and
// the live output's quiet failure.
#include <gtest/gtest.h>

#include <cmath>

#include "sound/fluidsynth/fluidsynth_output.h"
#include "sound/fluidsynth/offline_render.h"
#include "sound/fluidsynth/soundfont.h"

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
  auto calls = PlanStrum({99, 3, 2, 0, 1, 0}, BuildPitchTable(kStandardTuning), 2);
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

TEST(Synthesizer, writesAPlayableWaveFile) {
  RenderedAudio audio;
  audio.samples = {0.0f, 0.5f, -2.0f, 1.0f};
  std::string path = ::testing::TempDir() + "corvanta-test.wav";
  ASSERT_TRUE(WriteWav(audio, path));
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  char header[44];
  ASSERT_EQ(std::fread(header, 1, sizeof header, file), sizeof header);
  std::fseek(file, 0, SEEK_END);
  EXPECT_EQ(std::ftell(file), 44 + 8);
  std::fclose(file);
  EXPECT_EQ(std::string(header, 4), "RIFF");
  EXPECT_EQ(std::string(header + 8, 8), "WAVEfmt ");
  EXPECT_FALSE(WriteWav(audio, "/nonexistent/dir/x.wav"));
}

}  // namespace
}  // namespace corvanta
