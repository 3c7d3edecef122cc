// Any file given as the soundfont (--soundfont, the window's choice): its
// preset data read and cut to one program after another, or the file left
// to the synthesizer whole, or refused; never a crash, a hang or a read
// beyond the file.
#include <fluidsynth.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "fuzz_input.h"
#include "sound/fluidsynth/fluidsynth_output.h"
#include "sound/fluidsynth/program_soundfont.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  static const std::string path = "/tmp/soundfont_fuzz-" + std::to_string(getpid()) + ".sf2";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  SilenceFluidSynthLog();
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_synth_t* synth = new_fluid_synth(settings);
  {
    ProgramSoundfont soundfont(synth, path);
    if (soundfont.Loaded()) {
      // The programs a player moves between, the last byte's among them.
      for (int program : {24, 0, size > 0 ? data[size - 1] % 128 : 40}) {
        soundfont.Select(0, program);
        fluid_synth_noteon(synth, 0, 60, 100);
        float left[64], right[64];
        fluid_synth_write_float(synth, 64, left, 0, 1, right, 0, 1);
      }
    }
  }
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  std::remove(path.c_str());
  return 0;
}
