#pragma once

#include <array>
#include <vector>

#include "search/fingering.h"
#include "view/layout/sprites.h"

namespace corvanta {

enum class DiagramVariant { Plain = 1, Highlighted = 2 };

// One chord diagram, relative to its cell's top-left corner: the sprites in
// drawing order and the fret number of its first row, drawn at kFretLabelX/Y.
struct DiagramLayout {
  std::vector<Placement> placements;
  int firstFret = 1;
  // The finger number the diagram shows on each string, lowest string first:
  // 0 open, the barre's number on every string it covers, kNoFinger for a
  // muted string or a fifth finger the diagram does not draw.
  std::array<int, kStringCount> fingers{};
};

inline constexpr int kNoFinger = -1;

inline constexpr int kFretLabelX = 10;
inline constexpr int kFretLabelY = 3;

// Strings run left to right from the lowest, or mirrored for a left-handed
// player; five fret rows from the first fret shown.
DiagramLayout LayOutDiagram(const Frets& frets, DiagramVariant variant, bool leftHanded);

}  // namespace corvanta
