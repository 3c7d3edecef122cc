// A song's pinned fingerings as voicings.
#pragma once

#include <string>
#include <vector>

#include "search/voicing.h"
#include "session/session.h"
#include "song/voiced_song.h"

namespace corvanta {

// A pin made a voicing: the frets as given with their barre marked as the
// search marks it. Throws BadPin when the frets are no fingering on the
// instrument (a value per string, each muted or a fret on its neck, at most
// four fingers' worth).
Voicing PinVoicing(const Fingering& frets, const Session& session, const std::string& what);

// What a pin sounds against its chord: "" when it sounds the chord's tones
// and no other, else "sounds no B; adds F" in the key's names. `needed`
// are the tones it must sound, `tones` all it may (pitch classes, shapes).
std::string PinMismatch(const Voicing& pin, const Session& session, const std::vector<int>& needed,
                        const std::vector<int>& tones, const NoteNameRow& names);

}  // namespace corvanta
