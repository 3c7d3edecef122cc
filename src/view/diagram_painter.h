#pragma once

#include <QPainter>
#include <span>
#include <string>
#include <vector>

#include "search/fingering.h"
#include "view/layout/diagram_layout.h"

namespace corvanta {

// Draws each placed piece, relative to origin.
void PaintPlacements(QPainter& painter, const std::vector<Placement>& placements, QPointF origin);

// One chord diagram in the cell whose top-left corner is origin: marks,
// grid, the first fret's number on an opaque white box, dots and barres.
// With a capo, its bar lies across the top of the grid and "capo N" stands
// below the marks; the frets count from it.
// The diagram is 100 x 130 logical units; scale the painter to draw it
// larger (every device draws the same shapes: screen, image, SVG, PDF).
// Any number of strings (the cell then DiagramCellWidth wide); a short
// string (its first fret in `stringStarts`, counted as the frets are) is
// drawn from the wire of that fret.
void PaintDiagram(QPainter& painter, std::span<const int> frets, QPointF origin,
                  DiagramVariant variant, bool leftHanded, int capo = 0,
                  std::span<const int> stringStarts = {}, int bassString = -1,
                  std::span<const std::string> labels = {});
// With labels (one per string, lowest-listed first), each sounding string's
// mark gives way to its label (a note name or an interval), the bass's bold;
// muted strings keep their cross.

// The capo on the neck picture: a bar across the strings just behind its fret.
void PaintNeckCapo(QPainter& painter, int capo);

}  // namespace corvanta
