// The soundfont cut to one program against the whole file: the same samples
// out of the synthesizer, and no crash on a file that is not a soundfont.
#include "sound/fluidsynth/program_soundfont.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "sound/fluidsynth/fluidsynth_output.h"
#include "sound/fluidsynth/soundfont.h"
#include "sound/midi_messages.h"

namespace corvanta {
namespace {

struct Synth {
  Synth() {
    SilenceFluidSynthLog();
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    synth = new_fluid_synth(settings);
  }
  ~Synth() {
    soundfont.reset();
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
  }
  fluid_settings_t* settings = new_fluid_settings();
  fluid_synth_t* synth = nullptr;
  std::unique_ptr<ProgramSoundfont> soundfont;
};

// An E major strum, 50 ms apart, and a second of its ring.
std::vector<float> Strum(fluid_synth_t* synth) {
  std::vector<float> out;
  auto render = [&](int frames) {
    std::size_t start = out.size();
    out.resize(start + 2 * frames);
    fluid_synth_write_float(synth, frames, out.data() + start, 0, 2, out.data() + start, 1, 2);
  };
  for (int note : {40, 47, 52, 56, 59, 64}) {
    fluid_synth_noteon(synth, 0, note, kStrumVelocity);
    render(2205);
  }
  render(44100);
  return out;
}

std::vector<float> WholeSoundfont(const std::string& path, int program) {
  Synth whole;
  fluid_synth_sfload(whole.synth, path.c_str(), 0);
  fluid_synth_program_change(whole.synth, 0, program);
  return Strum(whole.synth);
}

TEST(ProgramSoundfont, soundsSampleForSampleAsTheWholeSoundfont) {
  auto path = FindGeneralMidiSoundfont();
  if (!path) GTEST_SKIP() << "no General MIDI soundfont installed (package fluid-soundfont-gm)";
  for (const PatchItem& item : kPatchItems) {
    const std::vector<float> expected = WholeSoundfont(*path, item.program);
    Synth cut;
    cut.soundfont = std::make_unique<ProgramSoundfont>(cut.synth, *path);
    ASSERT_TRUE(cut.soundfont->Loaded());
    cut.soundfont->Select(0, item.program);
    EXPECT_TRUE(cut.soundfont->Cut()) << item.program;
    EXPECT_TRUE(Strum(cut.synth) == expected) << item.program;
    // Chosen after another program: the cut made again in place of that one.
    Synth again;
    again.soundfont = std::make_unique<ProgramSoundfont>(again.synth, *path);
    again.soundfont->Select(0, 40);
    again.soundfont->Select(0, item.program);
    EXPECT_TRUE(again.soundfont->Cut()) << item.program;
    EXPECT_TRUE(Strum(again.synth) == expected) << item.program << " after another";
  }
}

TEST(ProgramSoundfont, isNotLoadedFromAFileThatIsNoSoundfont) {
  const std::string path = ::testing::TempDir() + "corvanta-not-a-soundfont.sf2";
  for (const std::string& bytes :
       {std::string(), std::string("RIFF\x04\0\0\0sfbk", 12),
        std::string("RIFF\xff\xff\xff\x0fsfbkLIST\x04\0\0\0pdta", 24),
        // A cut file whose preset data claims nearly 4 GB: refused without
        // reading that much into memory.
        std::string("RIFF\xe8\xff\xff\xffsfbkLIST\x04\0\0\0sdtaLIST\xd0\xff\xff\xffpdtaphdr",
                    40)}) {
    std::ofstream(path, std::ios::binary) << bytes;
    Synth synth;
    ProgramSoundfont soundfont(synth.synth, path);
    EXPECT_FALSE(soundfont.Loaded()) << bytes;
  }
  Synth synth;
  EXPECT_FALSE(ProgramSoundfont(synth.synth, "/nonexistent/none.sf2").Loaded());
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace corvanta
