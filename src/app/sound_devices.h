#pragma once

#include <memory>

#include "sound/midi_output.h"

namespace corvanta {

class TForm1;

// The MIDI outputs the window can send to: the built-in synthesizer by
// default, a system MIDI port when the user picks one.
class SoundDevices {
 public:
  SoundDevices();
  ~SoundDevices();
  std::shared_ptr<MidiOutput> DefaultOutput() const { return defaultOutput_; }
  // Adds the output choice to the window's menu.
  void AttachMenu(TForm1& window);

 private:
  std::shared_ptr<MidiOutput> defaultOutput_;
};

}  // namespace corvanta
