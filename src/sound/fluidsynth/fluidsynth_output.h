// The FluidSynth synthesizer as a MIDI output.
#pragma once

#include <atomic>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sound/built_in_synth.h"
#include "sound/midi_messages.h"
#include "sound/midi_output.h"

struct _fluid_synth_t;  // FluidSynth's synthesizer, kept out of this header

namespace corvanta {

class ProgramSoundfont;

// The synthesizer's channel as the window and the renderer drive it: events
// and volume settings, with every instrument item at one loudness. General
// MIDI programs differ by up to 12 dB in this soundfont; each program's gain
// is trimmed (measured with strummed six-string chords) so that a strum
// peaks near -3.5 dBFS at full volume, never clipping.
//
// The soundfont is loaded with no program on any channel, so that only the
// samples of the program played are read: a patch change selects its
// program, and a note with none before it selects program 0. Without a
// synthesizer (the live output's soundfont still loading) the patch change
// and the volume are kept until Select.
class SynthChannel {
 public:
  void Send(_fluid_synth_t* synth, const MidiEvent& event);
  // The volume value of a volume setting: the louder channel's word counts.
  void SetVolume(_fluid_synth_t* synth, std::uint32_t volume);
  // Selects the channel's program, with the gain of what was kept.
  void Select(_fluid_synth_t* synth);
  // Programs are chosen through the soundfont (none: the synthesizer's own).
  void UseSoundfont(ProgramSoundfont* soundfont) { soundfont_ = soundfont; }
  double Gain() const;

 private:
  void Choose(_fluid_synth_t* synth);

  ProgramSoundfont* soundfont_ = nullptr;
  int program_ = 0;
  double volume_ = 1.0;
  bool selected_ = false;
  bool kept_ = false;  // a patch change or volume came without a synthesizer
};

// The gain trim of a General MIDI program, in decibels (0 for unmeasured ones).
double ProgramTrimDecibels(int program);

// The built-in General MIDI synthesizer, playing through the system's audio
// (PipeWire, PulseAudio or ALSA, the first that opens). The soundfont loads
// on a thread of its own so the window never waits for it; until it has
// loaded, and for good when there is no soundfont or no sound card, the
// output is silent.
class FluidSynthOutput final : public BuiltInSynth {
 public:
  // An empty path looks for an installed General MIDI soundfont.
  explicit FluidSynthOutput(std::string soundfont = {});
  ~FluidSynthOutput() override;
  FluidSynthOutput(const FluidSynthOutput&) = delete;
  FluidSynthOutput& operator=(const FluidSynthOutput&) = delete;

  void ShortMessage(std::uint32_t message) override;
  void SetVolume(std::uint32_t volume) override;

  // For tests and diagnostics: whether it can sound yet, and on which driver.
  bool Ready() const override { return ready_; }
  std::string AudioDriver() const;
  void WaitUntilLoaded() override;
  // Whether loading has ended, with or without a sound: never waits.
  bool Loaded() const override;

 private:
  struct Engine;
  void Load(std::string soundfont);

  std::unique_ptr<Engine> engine_;
  std::atomic<bool> ready_{false};
  mutable std::mutex mutex_;  // guards the decoder and the driver name
  ShortMessageDecoder decoder_;
  SynthChannel channel_;
  std::promise<void> loaded_;
  std::shared_future<void> loadedSignal_ = loaded_.get_future().share();
  std::thread loader_;  // last: starts after every member it uses
};

// FluidSynth prints every failed driver probe; the program stays quiet.
void SilenceFluidSynthLog();

}  // namespace corvanta
