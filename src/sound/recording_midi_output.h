// A MIDI output that records every call, for tests and --print.
#pragma once

#include <chrono>
#include <mutex>
#include <vector>

#include "sound/midi_output.h"
#include "sound/strum.h"

namespace corvanta {

// Keeps every call with the time it arrived, for tests and for printing the
// messages of a strum.
class RecordingMidiOutput final : public MidiOutput {
 public:
  struct Record {
    MidiCall::Kind kind;
    std::uint32_t value;
    std::chrono::steady_clock::time_point at;
  };

  void ShortMessage(std::uint32_t message) override { Add(MidiCall::Kind::ShortMessage, message); }
  void SetVolume(std::uint32_t volume) override { Add(MidiCall::Kind::SetVolume, volume); }

  void Clear() {
    std::lock_guard lock(mutex_);
    records_.clear();
  }

  std::vector<Record> Records() const {
    std::lock_guard lock(mutex_);
    return records_;
  }

 private:
  void Add(MidiCall::Kind kind, std::uint32_t value) {
    std::lock_guard lock(mutex_);
    records_.push_back({kind, value, std::chrono::steady_clock::now()});
  }

  mutable std::mutex mutex_;
  std::vector<Record> records_;
};

}  // namespace corvanta
