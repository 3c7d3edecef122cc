// Reads a hand's placement (barre, fingers, stretch) from a fingering.
#include "search/hand.h"

#include <algorithm>
#include <array>

#include "instrument/instrument.h"
#include "search/fingering.h"

namespace corvanta {
namespace {

using Held = std::array<int, kMaxInstrumentStrings>;  // the fret, 0 open, kMuted

// The first finger across the lowest fret: from the first string held there
// up to the last one before an open string (the barre would stop it
// sounding, so it ends short of it; x 1 1 1 0 2 holds strings 1 to 3).
// Returns the strings held at that fret it presses.
int FirstFingerBarre(const Held& frets, int strings, int low, HandPlacement& hand) {
  int first = -1, last = -1, pressed = 0;
  for (int string = 0; string < strings; ++string) {
    const int fret = frets[std::size_t(string)];
    if (first >= 0 && fret == kOpen) break;
    if (fret != low) continue;
    if (first < 0) first = string;
    last = string;
    ++pressed;
  }
  if (pressed < 2) return 0;
  hand.firstFingerBarre = last - first + 1;
  hand.fullBarre = first == 0 && last == strings - 1;
  return pressed;
}

// Another finger across a higher fret: the longest run of strings held at
// one fret with no string between held lower or open (muted strings the
// finger's flat covers). Returns the strings held at that fret it presses.
int OtherFingerBarre(const Held& frets, int strings, int low, HandPlacement& hand) {
  int best = 0, bestWidth = 0;
  for (int string = 0; string < strings; ++string) {
    const int fret = frets[std::size_t(string)];
    if (fret <= low || fret == kMuted) continue;
    int pressed = 0, last = string;
    for (int higher = string; higher < strings; ++higher) {
      const int other = frets[std::size_t(higher)];
      if (other == kMuted) continue;
      if (other < fret) break;
      if (other == fret) ++pressed, last = higher;
    }
    if (pressed > best) best = pressed, bestWidth = last - string + 1;
  }
  if (best < 2) return 0;
  hand.otherFingerBarre = bestWidth;
  return best;
}

}  // namespace

HandPlacement HandPlacementOf(const Fingering& fingering) {
  HandPlacement hand;
  const int strings = static_cast<int>(fingering.size());
  hand.strings = strings;
  Held frets{};
  int low = 0, high = 0, firstSounding = -1, lastSounding = -1, sounding = 0;
  for (int string = 0; string < strings; ++string) {
    const StringStop stop = fingering[std::size_t(string)];
    const int fret = stop.IsMuted() ? kMuted : stop.Fret();
    frets[std::size_t(string)] = fret;
    if (fret == kMuted) continue;
    if (firstSounding < 0) firstSounding = string;
    lastSounding = string;
    ++sounding;
    if (fret == kOpen) {
      hand.open = true;
      continue;
    }
    ++hand.held;
    low = low == 0 ? fret : std::min(low, fret);
    high = std::max(high, fret);
  }
  hand.muted = strings - sounding;
  if (sounding > 0) {
    hand.mutedTop = strings - 1 - lastSounding;
    hand.mutedInner = lastSounding - firstSounding + 1 - sounding;
  }
  hand.lowest = low;
  hand.highest = high;
  hand.span = high - low;
  hand.fingers = hand.held;
  // Four fingers hold four strings: a barre only where more are held.
  if (hand.fingers > kHandFingers) {
    hand.fingers -= std::max(0, FirstFingerBarre(frets, strings, low, hand) - 1);
  }
  if (hand.fingers > kHandFingers) {
    hand.fingers -= std::max(0, OtherFingerBarre(frets, strings, low, hand) - 1);
  }
  return hand;
}

}  // namespace corvanta
