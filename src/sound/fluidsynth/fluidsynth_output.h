#pragma once

#include <atomic>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "sound/midi_messages.h"
#include "sound/midi_output.h"

struct _fluid_synth_t;  // FluidSynth's synthesizer, kept out of this header

namespace corvanta {

// The built-in General MIDI synthesizer, playing through the system's audio
// (PipeWire, PulseAudio or ALSA, the first that opens). The soundfont loads
// on a thread of its own so the window never waits for it; until it has
// loaded, and for good when there is no soundfont or no sound card, the
// output is silent.
class FluidSynthOutput final : public MidiOutput {
 public:
  // An empty path looks for an installed General MIDI soundfont.
  explicit FluidSynthOutput(std::string soundfont = {});
  ~FluidSynthOutput() override;
  FluidSynthOutput(const FluidSynthOutput&) = delete;
  FluidSynthOutput& operator=(const FluidSynthOutput&) = delete;

  void ShortMessage(std::uint32_t message) override;
  void SetVolume(std::uint32_t volume) override;

  // For tests and diagnostics: whether it can sound yet, and on which driver.
  bool Ready() const { return ready_; }
  std::string AudioDriver() const;
  void WaitUntilLoaded();

 private:
  struct Engine;
  void Load(std::string soundfont);

  std::unique_ptr<Engine> engine_;
  std::atomic<bool> ready_{false};
  mutable std::mutex mutex_;  // guards the decoder and the driver name
  ShortMessageDecoder decoder_;
  std::promise<void> loaded_;
  std::shared_future<void> loadedSignal_ = loaded_.get_future().share();
  std::thread loader_;  // last: starts after every member it uses
};

// Sends one decoded event to a synthesizer (shared with offline rendering).
void SendToSynth(_fluid_synth_t* synth, const MidiEvent& event);
// Gain for a volume value: the louder of the two channels' words.
double GainForVolume(std::uint32_t volume);
// FluidSynth prints every failed driver probe; the program stays quiet.
void SilenceFluidSynthLog();

}  // namespace corvanta
