// The chord diagram painter.
#pragma once

#include <QPainter>
#include <span>
#include <string>
#include <vector>

#include "instrument/fingering.h"
#include "view/layout/diagram_layout.h"

namespace corvanta {

// Draws each placed piece, relative to origin.
void PaintPlacements(QPainter& painter, const std::vector<Placement>& placements, QPointF origin);

// One chord diagram as a value: the fingering and everything that says how
// it is drawn. Its cell is DiagramCellWidth(strings) x 130 logical units:
// marks, grid, the first fret's number on an opaque white box, dots and
// barres. With a capo, its bar lies across the top of the grid and "capo N"
// stands below the marks; the frets count from it. A short string (its
// first fret in `stringStarts`, counted as the frets are) is drawn from the
// wire of that fret. With labels (one per string, lowest-listed first),
// each sounding string's mark gives way to its label (a note name or an
// interval), the bass's bold; muted strings keep their cross.
struct Diagram {
  Fingering frets;  // each string's stop, lowest-listed first, and its barres
  DiagramVariant variant = DiagramVariant::Plain;
  bool leftHanded = false;
  int capo = 0;
  std::span<const int> stringStarts;
  int bassString = -1;  // the string marked as the bass; -1: the lowest sounding
  std::span<const std::string> labels;
  DiagramMarks marks = DiagramMarks::Below;  // labels, when given, stand below
  bool nutFretLabel = true;                  // the fret number "1" drawn at the nut too

  // The cell's size in logical units.
  QSizeF CellSize() const;
};

// The labels under the strings in one size that fits each between its
// neighbours (8 px down to 6); when even 6 is too wide, every other
// position's label a line lower, with two strings' room.
struct StringLabelFit {
  int pixelSize = 8;
  bool staggered = false;
};
inline constexpr int kLargestLabelPixels = 8;
inline constexpr int kSmallestLabelPixels = 6;
inline constexpr double kStaggeredLabelDrop = 9;  // a line of the smallest size
StringLabelFit FitStringLabels(std::span<const std::string> labels);
QFont StringLabelFont(int pixelSize, bool bold);
// The box a label is centred in, for the drawing position (from the left)
// whose mark stands at `mark` (the mark's top-left corner).
QRectF StringLabelBox(const StringLabelFit& fit, int position, QPointF mark);

// Paints the diagram into the rectangle, its cell scaled to fill it (every
// device draws the same shapes: screen, image, SVG, PDF).
void PaintDiagram(QPainter& painter, const Diagram& diagram, const QRectF& rect);

// The capo on the neck picture: a bar across the strings just behind its
// fret (its frets spread by the stretch, as the background's).
void PaintNeckCapo(QPainter& painter, int capo, double stretch = 1);

}  // namespace corvanta
