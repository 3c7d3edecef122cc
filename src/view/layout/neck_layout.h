// The neck picture's geometry.
#pragma once

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "instrument/fingering.h"
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

// y of each string's line, string 0 (lowest-listed) first, at the bottom;
// the six guitar strings keep their lines, any other count spreads its
// strings over the same height.
int NeckStringY(int string, int strings);

// The finger markers of a fingering on the neck, at real frets (a low
// fingering is not moved to the first fret), one string per value. A barre
// is a column of equal markers on every string it covers. Markers stay
// inside the picture. With a capo (frets already absolute), open strings
// are marked at it; a short string's open marker stands at its first fret
// (`stringStarts`, absolute; none: every string starts at the nut).
std::vector<Placement> LayOutNeck(const Fingering& frets, int capo = 0,
                                  std::span<const int> stringStarts = {});

// Where a click on the neck picture lands: the nearest string and the fret
// whose space holds the point (0: on or left of the nut; past the last wire:
// the last fret). Nothing outside the picture.
struct NeckPosition {
  int string = 0;
  int fret = 0;
  bool operator==(const NeckPosition&) const = default;
};
std::optional<NeckPosition> NeckPositionAt(int x, int y, int strings);

// Fret values counted from a capo, as absolute frets on the neck (open
// strings stay open: they sound at the capo).
Fingering AbsoluteFrets(Fingering frets, int capo);

}  // namespace corvanta
