// The built-in synthesizer made only when it is needed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "sound/built_in_synth.h"
#include "sound/midi_messages.h"

namespace corvanta {

// The built-in synthesizer made only when it is needed: the window paints
// before any sound library is loaded. Start() makes it (the window calls it
// once its first diagrams are painted); a note sent before that makes it at
// once. Settings sent before it exists (the start patch and volume) are kept
// and sent to it first. Without a synthesizer (no module, no library) it is
// a silent output that says it has loaded and does not sound.
class LazySynth final : public BuiltInSynth {
 public:
  using Factory = std::function<std::unique_ptr<BuiltInSynth>()>;
  explicit LazySynth(Factory make);

  // Makes the synthesizer if it is not made yet; safe from any thread.
  void Start();
  bool Started() const;

  void ShortMessage(std::uint32_t message) override;
  void SetVolume(std::uint32_t volume) override;
  bool Loaded() const override;
  bool Ready() const override;
  void WaitUntilLoaded() override;

 private:
  struct Setting {
    bool volume;
    std::uint32_t value;
  };
  // Sends a message or setting to the synthesizer, or keeps it for later.
  void Keep(const Setting& setting);

  Factory make_;
  std::once_flag once_;
  mutable std::mutex mutex_;  // guards synth_, started_ and kept_
  std::unique_ptr<BuiltInSynth> synth_;
  bool started_ = false;
  std::vector<Setting> kept_;
  ShortMessageDecoder decoder_;  // follows running status to find note-ons
};

}  // namespace corvanta
