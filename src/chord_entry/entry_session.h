// The chord entry's option controls as a session's choices, and the entry voiced.
#pragma once

#include "chord_entry/chord_entry.h"
#include "session/session.h"

namespace corvanta {

// The entry's option controls (frets, span, barres, simple chords,
// left-handed) as the session's: the window keeps them in its entry.
void TakeEntryOptions(Session& session, const ChordEntryState& state);

// The search options into the entry's option controls (frets, span, omit,
// barres, simple chords), as an entry takes them from a command line or the
// page's controls. The chord's own third and fifth stay as they are.
void SetEntryOptions(ChordEntryState& state, const SearchSettings& settings);

// A chord entry voiced on an instrument with its own option controls, as the
// window voices what its controls show.
VoicedChord VoiceEntry(const ChordEntry& entry, const Instrument& instrument, int capo = 0,
                       CapoNames names = CapoNames::Sounding, bool practical = false);

}  // namespace corvanta
