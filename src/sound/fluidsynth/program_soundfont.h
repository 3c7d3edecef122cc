// A General MIDI soundfont loaded one program at a time.
#pragma once

#include <memory>
#include <string>

struct _fluid_synth_t;  // FluidSynth's synthesizer, kept out of this header

namespace corvanta {

// A General MIDI soundfont loaded one program at a time. FluidSynth keeps the
// zones and generators of every preset it loads, about 11 MB for FluidR3's
// whole set; here it is handed the file with its preset data cut down to the
// one program played, the sample data read from the file where it is (so
// the samples, and the sound, are the whole file's). A file whose layout is
// not the usual one is loaded whole.
class ProgramSoundfont {
 public:
  // Reads the file's preset data; the synthesizer is given a loader for it.
  ProgramSoundfont(_fluid_synth_t* synth, std::string path);
  ~ProgramSoundfont();
  ProgramSoundfont(const ProgramSoundfont&) = delete;
  ProgramSoundfont& operator=(const ProgramSoundfont&) = delete;

  // Whether the file could be read as a soundfont at all.
  bool Loaded() const;
  // Whether it is loaded cut to the program (not whole).
  bool Cut() const;
  // Selects the program on the channel (bank 0; program 0 where the
  // soundfont has none, as FluidSynth substitutes), loading its presets in
  // place of the last program's.
  void Select(int channel, int program);

 private:
  struct Data;
  std::unique_ptr<Data> data_;
};

}  // namespace corvanta
