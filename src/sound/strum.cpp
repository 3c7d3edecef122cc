// Plans a strum: one note per sounding string with its pause.
#include "sound/strum.h"

#include <algorithm>
#include <cstdlib>

#include "sound/midi_messages.h"

namespace corvanta {
namespace {

constexpr int kDelayStepMs = 25;

bool IsMidiNote(int note) { return note >= 0 && note <= kHighestMidiNote; }

}  // namespace

int StrumDelayMs(int speed) {
  return std::clamp(speed, kMinStrumSpeed, kMaxStrumSpeed) * kDelayStepMs + kDelayStepMs;
}

std::vector<MidiCall> PlanStrumNotes(const std::vector<int>& notes, int speed) {
  std::vector<MidiCall> calls;
  for (int note : notes) {
    if (IsMidiNote(note))
      calls.push_back({MidiCall::Kind::ShortMessage, NoteOnMessage(note), StrumDelayMs(speed)});
  }
  return calls;
}

std::vector<int> NotesBeyondMidi(const std::vector<int>& notes) {
  std::vector<int> beyond;
  for (int note : notes)
    if (!IsMidiNote(note)) beyond.push_back(note);
  return beyond;
}

std::vector<MidiCall> PlanPatchChange(int program) {
  using Kind = MidiCall::Kind;
  return {{Kind::ShortMessage, kProgramChangeChannel1, 0},
          {Kind::ShortMessage, static_cast<std::uint32_t>(program & 0x7F), 0},
          {Kind::SetVolume, kFullVolume, 0},
          {Kind::ShortMessage, kNoteOnChannel1, 0}};
}

}  // namespace corvanta
