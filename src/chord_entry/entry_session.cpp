// Voices what the chord entry shows under its own option controls.
#include "chord_entry/entry_session.h"

#include "chord_entry/entry_chord.h"

namespace corvanta {

void TakeEntryOptions(Session& session, const ChordEntryState& state) {
  session.fretCount = state.fretCount;
  session.span = state.span;
  session.noFullBarres = state.noFullBarres;
  session.simpleChords = state.simpleChords;
  session.leftHanded = state.leftHanded;
}

void SetEntryOptions(ChordEntryState& state, const SearchSettings& settings) {
  state.fretCount = settings.fretCount;
  state.span = settings.span;
  state.omitThird = settings.omitThird;
  state.omitFifth = settings.omitFifth;
  state.noFullBarres = settings.noFullBarres;
  state.simpleChords = settings.simpleChords;
}

VoicedChord VoiceEntry(const ChordEntry& entry, const Instrument& instrument, int capo,
                       CapoNames names, bool practical) {
  // Made with its instrument, not a copy of the guitar replaced.
  Session session{instrument, capo, names};
  session.practical = practical;
  TakeEntryOptions(session, entry.state);
  return VoiceChord(session, ChordOfEntry(entry.state));
}

}  // namespace corvanta
