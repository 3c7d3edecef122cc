// The built-in synthesizer's MIDI output through FluidSynth.
#include "sound/fluidsynth/fluidsynth_output.h"

#include <fluidsynth.h>
#include <glib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <string_view>

#include "sound/fluidsynth/program_soundfont.h"
#include "sound/fluidsynth/soundfont.h"

namespace corvanta {
namespace {

constexpr double kFullGain = 0.8;
constexpr int kChannel = 0;
constexpr std::uint8_t kStatusKind = 0xF0;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kProgramChange = 0xC0;

bool HasSoundCard() {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/dev/snd", error)) {
    if (entry.path().filename().string().rfind("pcmC", 0) == 0) return true;
  }
  return false;
}

}  // namespace

struct FluidSynthOutput::Engine {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_audio_driver_t* driver = nullptr;
  std::unique_ptr<ProgramSoundfont> soundfont;
  std::string driverName;

  ~Engine() {
    if (driver) delete_fluid_audio_driver(driver);
    soundfont.reset();
    if (synth) delete_fluid_synth(synth);
    if (settings) delete_fluid_settings(settings);
  }
};

void SilenceFluidSynthLog() {
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
    fluid_set_log_function(level, nullptr, nullptr);
  }
  // The sample library FluidSynth reads soundfonts with (libinstpatch) logs
  // through GLib without a domain; a broken file is reported by our caller.
  constexpr auto kQuietLevels =
      static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE |
                                  G_LOG_LEVEL_INFO | G_LOG_LEVEL_DEBUG);
  g_log_set_handler(
      nullptr, kQuietLevels, [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
}

namespace {

void SendToSynth(fluid_synth_t* synth, const MidiEvent& event) {
  switch (event.status & kStatusKind) {
    case kNoteOn:
      fluid_synth_noteon(synth, kChannel, event.data1 & 0x7F, event.data2 & 0x7F);
      break;
    case kNoteOff:
      fluid_synth_noteoff(synth, kChannel, event.data1 & 0x7F);
      break;
    default:
      break;  // nothing else is ever sent
  }
}

}  // namespace

double ProgramTrimDecibels(int program) {
  // Peaks measured at gain 0.8 with E, F and G chords strummed, programs of
  // the instrument items; trim = -3.5 dBFS minus their mean.
  switch (program) {
    case 24:
      return 1.5;  // nylon guitar
    case 26:
      return -2.6;  // jazz guitar
    case 27:
      return -6.0;  // clean guitar
    case 28:
      return 3.5;  // muted guitar
    case 0:
      return 4.5;  // grand piano
    case 1:
      return 4.9;  // bright piano
    case 2:
      return 0.6;  // electric grand
    case 3:
      return 4.1;  // honky-tonk
    case 4:
      return -0.9;  // electric piano
    default:
      return 0;
  }
}

double SynthChannel::Gain() const {
  return kFullGain * volume_ * std::pow(10.0, ProgramTrimDecibels(program_) / 20);
}

void SynthChannel::SetVolume(fluid_synth_t* synth, std::uint32_t volume) {
  std::uint32_t left = volume & 0xFFFF;
  std::uint32_t right = volume >> 16;
  volume_ = static_cast<double>(std::max(left, right)) / 0xFFFF;
  if (!synth) {
    kept_ = true;
    return;
  }
  fluid_synth_set_gain(synth, static_cast<float>(Gain()));
}

void SynthChannel::Select(fluid_synth_t* synth) {
  if (kept_) fluid_synth_set_gain(synth, static_cast<float>(Gain()));
  Choose(synth);
  kept_ = false;
}

void SynthChannel::Choose(fluid_synth_t* synth) {
  if (soundfont_) {
    soundfont_->Select(kChannel, program_);
  } else {
    fluid_synth_program_change(synth, kChannel, program_);
  }
  selected_ = true;
}

void SynthChannel::Send(fluid_synth_t* synth, const MidiEvent& event) {
  const std::uint8_t kind = event.status & kStatusKind;
  if (kind == kProgramChange) {
    program_ = event.data1 & 0x7F;
    if (!synth) {
      kept_ = true;
      return;
    }
    fluid_synth_set_gain(synth, static_cast<float>(Gain()));
    Choose(synth);
    return;
  }
  if (!synth) return;  // a note while loading is not heard
  // Before the note starts: its samples are read when the program is chosen.
  if (kind == kNoteOn && !selected_) Select(synth);
  SendToSynth(synth, event);
}

FluidSynthOutput::FluidSynthOutput(std::string soundfont)
    : loader_([this, soundfont = std::move(soundfont)]() mutable { Load(std::move(soundfont)); }) {}

FluidSynthOutput::~FluidSynthOutput() {
  if (loader_.joinable()) loader_.join();
}

void FluidSynthOutput::WaitUntilLoaded() { loadedSignal_.wait(); }

bool FluidSynthOutput::Loaded() const {
  return loadedSignal_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void FluidSynthOutput::Load(std::string soundfont) {
  struct Done {
    std::promise<void>& loaded;
    ~Done() { loaded.set_value(); }
  } done{loaded_};
  SilenceFluidSynthLog();
  if (soundfont.empty()) soundfont = FindGeneralMidiSoundfont().value_or("");
  auto engine = std::make_unique<Engine>();
  engine->settings = new_fluid_settings();
  if (!engine->settings) return;
  fluid_settings_setnum(engine->settings, "synth.gain", kFullGain);
  // Samples load when a program is chosen: a few instruments instead of the
  // whole 140 MB General MIDI set in memory.
  fluid_settings_setint(engine->settings, "synth.dynamic-sample-loading", 1);
  if (soundfont.empty()) return;
  engine->synth = new_fluid_synth(engine->settings);
  if (!engine->synth) return;
  // The audio device first: without one the soundfont is not read at all.
  for (const char* name : {"pipewire", "pulseaudio", "alsa"}) {
    // ALSA reports a missing card on stderr by itself; ask it only when the
    // machine has a sound card.
    if (std::string_view(name) == "alsa" && !HasSoundCard()) continue;
    if (fluid_settings_setstr(engine->settings, "audio.driver", name) != FLUID_OK) continue;
    engine->driver = new_fluid_audio_driver(engine->settings, engine->synth);
    if (engine->driver) {
      engine->driverName = name;
      break;
    }
  }
  if (!engine->driver) return;  // no sound card: stay silent
  // No program on any channel yet (FluidSynth's reset would read the piano
  // on fifteen channels and the drum kit on the tenth), and the presets of
  // one program only.
  engine->soundfont = std::make_unique<ProgramSoundfont>(engine->synth, soundfont);
  if (!engine->soundfont->Loaded()) return;
  std::lock_guard lock(mutex_);
  // The patch change sent while loading, before any note is heard.
  channel_.UseSoundfont(engine->soundfont.get());
  channel_.Select(engine->synth);
  engine_ = std::move(engine);
  ready_ = true;
}

std::string FluidSynthOutput::AudioDriver() const {
  if (!ready_) return {};
  return engine_->driverName;
}

void FluidSynthOutput::ShortMessage(std::uint32_t message) {
  std::lock_guard lock(mutex_);
  auto event = decoder_.Decode(message);
  if (event) channel_.Send(ready_ ? engine_->synth : nullptr, *event);
}

void FluidSynthOutput::SetVolume(std::uint32_t volume) {
  std::lock_guard lock(mutex_);
  channel_.SetVolume(ready_ ? engine_->synth : nullptr, volume);
}

}  // namespace corvanta
