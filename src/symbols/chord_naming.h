// A Chord's notes, readings and symbol as the program names them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "symbols/chord_readings.h"
#include "symbols/chord_spelling.h"
#include "theory/chord.h"

namespace corvanta {

// The note names of the chord, bass first, then the other chord tones from
// the root up, each spelled by its degree from the root as the chord's
// spelling names it (C minor: C Eb G); a bass outside the chord as its bass
// spelling names it. Empty without a root.
std::vector<std::string> ChordNoteNames(const Chord& chord);

// Every pitch class named as the chord spells it, for the notes under the
// strings and in the JSON: the chord's tones and a bass outside it as
// ChordNoteNames names them (C7: Bb, F#7: A#), any other note as the
// chord's spelling names it. Without a root, the spelling's names.
std::array<std::string, kPitchClassCount> ChordSpelling(const Chord& chord);

// The chord read on its own root (its formula and bass).
ChordReading ChordReadingOnRoot(const Chord& chord);

// The readings of the chord's notes over its bass, best first (ReadChord);
// none without a root.
std::vector<ChordReading> ChordReadingsOf(const Chord& chord);

// The chord's root as its spelling names it: the spelling its readings
// give the root when it is theirs (any other root is spelled as its key
// prefers).
std::string_view ChordRootName(const Chord& chord);

// The best reading written in the notation; empty without a root.
std::string BestChordName(const Chord& chord, ChordNotation notation);

// The chord as the program writes it: in the classic notation its symbol as
// composed or read; in the standard notation a standard chord symbol of the
// same root, tones and bass (C7+ is Cmaj7, Cm/7/b5 is Cm7b5).
std::string ChordSymbolText(const Chord& chord, ChordNotation notation);

}  // namespace corvanta
