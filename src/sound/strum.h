// A strum planned as MIDI calls with pauses.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "instrument/fingering.h"
#include "instrument/tuning.h"
#include "search/fingering.h"

namespace corvanta {

// One call to the MIDI output, then a pause.
struct MidiCall {
  enum class Kind { ShortMessage, SetVolume };
  Kind kind;
  std::uint32_t value;
  int pauseAfterMs;
  bool operator==(const MidiCall&) const = default;
};

inline constexpr int kMinStrumSpeed = 0;
inline constexpr int kMaxStrumSpeed = 5;
inline constexpr int kDefaultStrumSpeed = 2;

// The pause after each struck string: 25 ms at speed 0, 75 at 2, 150 at 5.
int StrumDelayMs(int speed);

// Note-on per sounding string's MIDI note, in strumming order (StrumNotes),
// each followed by the pause; no note-off.
// A note outside MIDI's 0..127 (a custom tuning near C8 with a capo and a
// high fret) is left out: its number cannot be sent, and masked it would
// become another note or a status byte.
std::vector<MidiCall> PlanStrumNotes(const std::vector<int>& notes, int speed);

inline constexpr int kHighestMidiNote = 127;
// The notes PlanStrumNotes leaves out, in order, for a message.
std::vector<int> NotesBeyondMidi(const std::vector<int>& notes);

// The patch change: program change status, the program alone (running
// status), the volume, then the note-on status alone.
std::vector<MidiCall> PlanPatchChange(int program);

}  // namespace corvanta
