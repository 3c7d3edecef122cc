// A chord tone spelled by its degree.
#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// A chord tone spelled by its degree: the letter `degree - 1` steps above the
// root's letter, with the accidentals that make `semitones` above the root
// (C minor: C Eb G; F#7: F# A# C# E; Db: Db F Ab; Abm7: Ab Cb Eb Gb). Where
// that would need a double sharp or flat (the bb7 of C°7, the #5 of D#+),
// a player reads the plain note, so the note is named as `plainNames`
// spells it. rootName is a letter A..G with at most one # or b; any other
// root gives the plain name.
std::string SpellDegree(std::string_view rootName, int semitones, int degree, bool flats);

// The pitch class of a natural letter A..G; kNoPitchClass for anything else.
int LetterPitchClass(char letter);
// The pitch class of a note as SpellDegree spells it: a letter and any
// number of # or b ("E#", "Cb", "Fbb"); kNoPitchClass for anything else.
int PitchClassOfSpelling(std::string_view note);

// The name a player gives a chord's root when nothing else says: the
// spelling of its key with fewer accidentals (Db, Eb, F#, Ab, Bb major; C#,
// Eb, F#, G#, Bb minor).
std::string_view PreferredRootName(int pitchClass, bool minor);

}  // namespace corvanta
