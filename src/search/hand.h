// What a hand does to play a fingering.
#pragma once

#include "instrument/fingering.h"

namespace corvanta {

// What a hand does to play a fingering, read from its stops alone (the
// fingering's own barres are not needed: they are found here as a player
// finds them), any number of strings, lowest first.
struct HandPlacement {
  int strings = 0;  // of the instrument
  int held = 0;     // strings held at a fret
  int fingers = 0;  // fingers put down: a barre is one finger, however many strings it covers
  // The first finger laid flat across the lowest fret: the strings from the
  // first to the last it presses (0: no barre), and whether it covers every
  // string of the instrument (the E-shape) rather than some (the A-shape).
  int firstFingerBarre = 0;
  bool fullBarre = false;
  // Strings pressed by a barre of another finger, at a higher fret (the
  // ring finger across G and B of x 3 2 3 3 4).
  int otherFingerBarre = 0;
  int span = 0;        // highest held fret minus the lowest
  int lowest = 0;      // lowest held fret, 0 when nothing is held
  int highest = 0;     // highest held fret, 0 when nothing is held
  bool open = false;   // an open string sounds
  int muted = 0;       // strings left out
  int mutedTop = 0;    // of them, above the highest sounding string
  int mutedInner = 0;  // of them, between sounding strings
};

inline constexpr int kHandFingers = 4;

HandPlacement HandPlacementOf(const Fingering& fingering);

}  // namespace corvanta
