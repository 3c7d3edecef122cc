// The small pictures a diagram or the neck is assembled from.
#pragma once

#include <vector>

namespace corvanta {

// The small pictures a diagram or the neck is assembled from; each is copied
// opaquely at its top-left corner.
enum class Sprite {
  PlainGrid,        // braco: 56 x 83, near-white
  HighlightedGrid,  // braco2: 56 x 83, beige
  Finger1,          // dedo1..dedo4: 9 x 9 black disc with a white digit
  Finger2,
  Finger3,
  Finger4,
  BarreSegment,  // dedo6: 15 x 4 black bar
  BassMark,      // omin1: 6 x 6 filled dot, the lowest sounding string
  SoundingMark,  // omin2: 6 x 6 ring
  MutedMark,     // x: 6 x 6 cross
  NeckOpen,      // d0: 12 x 12 blue disc
  NeckFinger1,   // d1..d4: 13 x 12 blue disc with a white digit
  NeckFinger2,
  NeckFinger3,
  NeckFinger4,
  BassRing,  // 13 x 13 ring round a finger's disc: the chart's fretted bass
};

struct Placement {
  Sprite sprite;
  int x;
  int y;
  bool operator==(const Placement&) const = default;
};

}  // namespace corvanta
