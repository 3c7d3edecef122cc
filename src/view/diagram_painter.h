#pragma once

#include <QPainter>
#include <vector>

#include "search/fingering.h"
#include "view/drawn_assets.h"
#include "view/layout/diagram_layout.h"

namespace corvanta {

// Copies each placed sprite opaquely, relative to origin.
void PaintPlacements(QPainter& painter, const std::vector<Placement>& placements, QPoint origin,
                     const DrawnAssets& assets);

// One chord diagram in the cell whose top-left corner is origin: marks,
// grid, the first fret's number on an opaque white box, dots and barres.
// With a capo, its bar lies across the top of the grid and "capo N" stands
// below the marks; the frets count from it.
void PaintDiagram(QPainter& painter, const Frets& frets, QPoint origin, DiagramVariant variant,
                  bool leftHanded, const DrawnAssets& assets, int capo = 0);

// The capo on the neck picture: a bar across the strings just behind its fret.
void PaintNeckCapo(QPainter& painter, int capo);

}  // namespace corvanta
