// What a fingering sounds, its names, and fingers placed on the neck.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "instrument/fingering.h"
#include "instrument/instrument.h"
#include "instrument/tuning.h"
#include "search/fingering.h"
#include "search/voicing.h"
#include "symbols/chord_names.h"
#include "theory/note_names.h"

namespace corvanta {

// What a fingering sounds: its distinct pitch classes from the lowest
// sounding note up (the bass first), and each string's MIDI note.
struct SoundingNotes {
  std::vector<int> pitchClasses;  // distinct, ordered by their lowest sounding note
  int bass = kNoPitchClass;       // kNoPitchClass when every string is muted
};

// "What is this chord?": the chord names of the sounding notes over their
// lowest note, spelled with sharps or flats, in the chord-name list's order.
ChordNameList NameSoundingNotes(const SoundingNotes& notes, Accidentals names);

// What a fingering sounds on any instrument (give it the capo already:
// InstrumentWithCapo); a fret a string does not have sounds nothing.
SoundingNotes NotesOnInstrument(const Fingering& fingering, const Instrument& instrument);

// The neck as an input, on any number of strings: a click at a string and
// fret (0 = left of the nut) places or moves that string's finger; a click
// on the finger already there, or left of the nut, cycles the string between
// open and muted.
Fingering PlaceFinger(Fingering fingering, int string, int fret);
// The same for a click at a fret of the whole neck under a capo: frets count
// from the capo, and a click at or behind it is on the nut of the neck it
// leaves. A short string's nut is its first fret (`stringStart`, already
// counted from the capo): a click behind it is on its nut too.
Fingering PlaceFingerUnderCapo(Fingering fingering, int string, int neckFret, int capo,
                               int stringStart = 0);

// A placed fingering with its barres where the search lays them (the
// finger count's full and partial barres): 5 7 7 6 5 5 has one across
// every string at fret 5.
Fingering WithBarres(Fingering placed);

// The index of the fingering with these stops (barres aside), or -1.
int FindVoicing(const std::vector<Voicing>& voicings, const Fingering& fingering);

// The MIDI notes a strum plays: each sounding string's note, strings in
// order, lowest-listed first (a fret a string does not have plays nothing).
std::vector<int> StrumNotes(const Fingering& fingering, const Instrument& sounding);

// A fret value per string as typed: "x 3 2 0 1 0", "99 3 2 0 1 0", or
// "x32010" (one character a string) for single-digit frets; x or 99 mute a
// string, -f marks a barre's lowest string at fret f. nullopt for anything
// else, or for another count of strings.
std::optional<Fingering> ParseFretList(std::string_view text, int strings);

}  // namespace corvanta
