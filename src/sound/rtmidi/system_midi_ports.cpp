// The system's MIDI output ports through RtMidi.
#include "sound/rtmidi/system_midi_ports.h"

#include <RtMidi.h>

#include <filesystem>
#include <mutex>

#include "sound/midi_messages.h"

namespace corvanta {
namespace {

constexpr const char* kClientName = "Corvanta";

// RtMidi throws when there is no sequencer; asking for ALSA explicitly keeps
// the JACK backend (which crashes without a server) out of the way.
std::unique_ptr<RtMidiOut> OpenClient() {
  // Without a sequencer device both ALSA and RtMidi report it on stderr
  // before failing; there is nothing to list then.
  std::error_code error;
  if (!std::filesystem::exists("/dev/snd/seq", error)) return nullptr;
  try {
    return std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
  } catch (const RtMidiError&) {
    return nullptr;
  }
}

class SystemPortOutput final : public MidiOutput {
 public:
  explicit SystemPortOutput(std::unique_ptr<RtMidiOut> port) : port_(std::move(port)) {}

  void ShortMessage(std::uint32_t message) override {
    std::lock_guard lock(mutex_);
    auto event = decoder_.Decode(message);
    if (!event) return;
    std::vector<unsigned char> bytes{event->status, event->data1};
    // Program changes carry one data byte, note messages two.
    if ((event->status & 0xF0) != kProgramChangeChannel1) bytes.push_back(event->data2);
    try {
      port_->sendMessage(&bytes);
    } catch (const RtMidiError&) {
    }
  }

  // A MIDI port has no device volume.
  void SetVolume(std::uint32_t) override {}

 private:
  std::mutex mutex_;
  std::unique_ptr<RtMidiOut> port_;
  ShortMessageDecoder decoder_;
};

}  // namespace

std::vector<std::string> ListSystemMidiPorts() {
  std::vector<std::string> names;
  auto client = OpenClient();
  if (!client) return names;
  try {
    unsigned count = client->getPortCount();
    for (unsigned i = 0; i < count; ++i) names.push_back(client->getPortName(i));
  } catch (const RtMidiError&) {
    names.clear();
  }
  return names;
}

std::shared_ptr<MidiOutput> OpenSystemMidiPort(unsigned index) {
  auto client = OpenClient();
  try {
    if (client && index < client->getPortCount()) {
      client->openPort(index, kClientName);
      return std::make_shared<SystemPortOutput>(std::move(client));
    }
  } catch (const RtMidiError&) {
  }
  return std::make_shared<NullMidiOutput>();
}

}  // namespace corvanta
