// Makes the built-in synthesizer at the first message that needs it.
#include "sound/lazy_synth.h"

namespace corvanta {
namespace {

// Patch changes and volumes at start are a handful; a bound keeps a stream
// of settings without a synthesizer from growing.
constexpr std::size_t kMostKeptSettings = 64;

}  // namespace

LazySynth::LazySynth(Factory make) : make_(std::move(make)) {}

void LazySynth::Start() {
  std::call_once(once_, [this] {
    std::unique_ptr<BuiltInSynth> made = make_ ? make_() : nullptr;
    std::lock_guard lock(mutex_);
    synth_ = std::move(made);
    started_ = true;
    if (synth_) {
      for (const Setting& setting : kept_) {
        if (setting.volume) {
          synth_->SetVolume(setting.value);
        } else {
          synth_->ShortMessage(setting.value);
        }
      }
    }
    kept_.clear();
  });
}

bool LazySynth::Started() const {
  std::lock_guard lock(mutex_);
  return started_;
}

void LazySynth::Keep(const Setting& setting) {
  std::lock_guard lock(mutex_);
  if (started_) {
    if (!synth_) return;  // no synthesizer: silent
    if (setting.volume) {
      synth_->SetVolume(setting.value);
    } else {
      synth_->ShortMessage(setting.value);
    }
    return;
  }
  if (kept_.size() >= kMostKeptSettings) kept_.erase(kept_.begin());
  kept_.push_back(setting);
}

void LazySynth::ShortMessage(std::uint32_t message) {
  // A note-on with a velocity is the moment a sound is wanted; the patch
  // change and the bare note-on status of the start are only settings.
  bool wantsSound = false;
  {
    std::lock_guard lock(mutex_);
    auto event = decoder_.Decode(message);
    wantsSound = event && (event->status & 0xF0) == 0x90 && event->data2 > 0;
  }
  if (wantsSound) Start();
  Keep({false, message});
}

void LazySynth::SetVolume(std::uint32_t volume) { Keep({true, volume}); }

bool LazySynth::Loaded() const {
  std::lock_guard lock(mutex_);
  return started_ && (!synth_ || synth_->Loaded());
}

bool LazySynth::Ready() const {
  std::lock_guard lock(mutex_);
  return synth_ && synth_->Ready();
}

void LazySynth::WaitUntilLoaded() {
  Start();
  BuiltInSynth* synth = nullptr;
  {
    std::lock_guard lock(mutex_);
    synth = synth_.get();
  }
  if (synth) synth->WaitUntilLoaded();
}

}  // namespace corvanta
