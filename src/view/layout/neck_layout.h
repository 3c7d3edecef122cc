#pragma once

#include <optional>
#include <vector>

#include "search/fingering.h"
#include "view/layout/sprites.h"

namespace corvanta {

inline constexpr int kNeckPictureWidth = 625;
inline constexpr int kNeckPictureHeight = 85;
inline constexpr int kNeckNutWidth = 10;
inline constexpr int kNeckFretWires = 24;
inline constexpr int kNeckMarkerWidth = 13;

// x of fret f = 0..25 on the neck picture; a marker's left edge lies 10 px
// before it, in the space just behind fret wire f.
int NeckFretX(int fret);

// y of each string's line, string 0 (lowest) first; the highest string is on
// top.
int NeckStringY(int string);

// The finger markers of a fingering on the neck, at real frets (a low
// fingering is not moved to the first fret). A barre is a column of equal
// markers on every string it covers. Markers stay inside the picture.
// With a capo (frets already absolute), open strings are marked at it.
std::vector<Placement> LayOutNeck(const Frets& frets, int capo = 0);

// Where a click on the neck picture lands: the nearest string and the fret
// whose space holds the point (0: on or left of the nut; past the last wire:
// the last fret). Nothing outside the picture.
struct NeckPosition {
  int string = 0;
  int fret = 0;
  bool operator==(const NeckPosition&) const = default;
};
std::optional<NeckPosition> NeckPositionAt(int x, int y);

// Fret values counted from a capo, as absolute frets on the neck (open
// strings stay open: they sound at the capo).
Frets AbsoluteFrets(const Frets& frets, int capo);

}  // namespace corvanta
