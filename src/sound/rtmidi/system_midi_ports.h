// The system's MIDI output ports (ALSA sequencer).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sound/midi_output.h"

namespace corvanta {

// The system's MIDI output ports (ALSA sequencer). No sequencer, or no port,
// is an empty list, never an error.
std::vector<std::string> ListSystemMidiPorts();

// An output on one port; a silent output when it cannot be opened.
std::shared_ptr<MidiOutput> OpenSystemMidiPort(unsigned index);

}  // namespace corvanta
