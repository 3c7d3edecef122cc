// The small MIDI output interface every sound goes through.
#pragma once

#include <cstdint>

namespace corvanta {

// A MIDI output device: short messages (status in the low byte, data 1 and
// data 2 above it; a low byte below 0x80 reuses the last status, as running
// status does) and a volume (left channel in the low word, right in the high
// word). Sending never fails loudly: a device that is absent is silent.
class MidiOutput {
 public:
  virtual ~MidiOutput() = default;
  virtual void ShortMessage(std::uint32_t message) = 0;
  virtual void SetVolume(std::uint32_t volume) = 0;
};

// Always there: the output when no device could be opened.
class NullMidiOutput final : public MidiOutput {
 public:
  void ShortMessage(std::uint32_t) override {}
  void SetVolume(std::uint32_t) override {}
};

}  // namespace corvanta
