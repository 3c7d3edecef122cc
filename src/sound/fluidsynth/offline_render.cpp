// Renders planned MIDI calls to samples, for strum --wav.
#include "sound/fluidsynth/offline_render.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <ostream>

#include "sound/fluidsynth/fluidsynth_output.h"
#include "sound/fluidsynth/program_soundfont.h"
#include "sound/midi_messages.h"

namespace corvanta {
namespace {

struct Synth {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_synth_t* synth = nullptr;
  std::unique_ptr<ProgramSoundfont> soundfont;
  ~Synth() {
    soundfont.reset();
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
  }
};

void RenderFrames(fluid_synth_t* synth, std::size_t frames, std::vector<float>& out) {
  std::size_t start = out.size();
  out.resize(start + frames * 2);
  if (frames == 0) return;
  fluid_synth_write_float(synth, static_cast<int>(frames), out.data() + start, 0, 2,
                          out.data() + start, 1, 2);
}

template <typename T>
void Put(std::ostream& file, T value) {
  file.write(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

std::optional<RenderedAudio> RenderOffline(const std::vector<MidiCall>& calls,
                                           const std::string& soundfont, int tailMs) {
  SilenceFluidSynthLog();
  Synth engine;
  if (!engine.settings) return std::nullopt;
  fluid_settings_setnum(engine.settings, "synth.sample-rate", kRenderSampleRate);
  // Only the samples of the program played are read (see SynthChannel).
  fluid_settings_setint(engine.settings, "synth.dynamic-sample-loading", 1);
  engine.synth = new_fluid_synth(engine.settings);
  if (!engine.synth) return std::nullopt;
  engine.soundfont = std::make_unique<ProgramSoundfont>(engine.synth, soundfont);
  if (!engine.soundfont->Loaded()) return std::nullopt;
  RenderedAudio audio;
  ShortMessageDecoder decoder;
  SynthChannel channel;
  channel.UseSoundfont(engine.soundfont.get());
  auto framesFor = [](int ms) { return static_cast<std::size_t>(ms) * kRenderSampleRate / 1000; };
  for (const MidiCall& call : calls) {
    if (call.kind == MidiCall::Kind::ShortMessage) {
      if (auto event = decoder.Decode(call.value)) channel.Send(engine.synth, *event);
    } else {
      channel.SetVolume(engine.synth, call.value);
    }
    RenderFrames(engine.synth, framesFor(call.pauseAfterMs), audio.samples);
  }
  RenderFrames(engine.synth, framesFor(tailMs), audio.samples);
  return audio;
}

bool WriteWav(const RenderedAudio& audio, std::ostream& file) {
  // A plain RIFF header and 16-bit samples: no library needed for this much.
  const std::uint16_t channels = 2, bits = 16;
  const std::uint32_t dataBytes =
      static_cast<std::uint32_t>(audio.samples.size() * sizeof(std::int16_t));
  file.write("RIFF", 4);
  Put<std::uint32_t>(file, 36 + dataBytes);
  file.write("WAVEfmt ", 8);
  Put<std::uint32_t>(file, 16);
  Put<std::uint16_t>(file, 1);  // PCM
  Put<std::uint16_t>(file, channels);
  Put<std::uint32_t>(file, static_cast<std::uint32_t>(audio.sampleRate));
  Put<std::uint32_t>(file, static_cast<std::uint32_t>(audio.sampleRate) * channels * bits / 8);
  Put<std::uint16_t>(file, channels * bits / 8);
  Put<std::uint16_t>(file, bits);
  file.write("data", 4);
  Put<std::uint32_t>(file, dataBytes);
  for (float sample : audio.samples) {
    float clamped = std::clamp(sample, -1.0f, 1.0f);
    Put<std::int16_t>(file, static_cast<std::int16_t>(std::lround(clamped * 32767.0f)));
  }
  return static_cast<bool>(file);
}

}  // namespace corvanta
