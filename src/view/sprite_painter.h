// The pieces of a chord diagram and of the neck, drawn as shapes and text.
#pragma once

#include <QPainter>
#include <span>

#include "view/layout/sprites.h"

namespace corvanta {

// The pieces of a chord diagram and of the neck, drawn as shapes and text in
// logical coordinates with each piece's top-left corner at `at`. At scale 1
// they cover the pixels the layout sizes give (grid 56 x 83, finger disc
// 9 x 9, barre 15 x 4, marks 6 x 6, neck markers 13 x 12); at any other
// scale or device pixel ratio they stay sharp.
void PaintSprite(QPainter& painter, Sprite sprite, QPointF at);
// A diagram's grid (PlainGrid or HighlightedGrid) for any number of strings.
// `lineTops` (one per string drawn, left to right) lets a short string's
// line begin below the top, at the wire of its first fret.
void PaintDiagramGrid(QPainter& painter, Sprite grid, QPointF at, int strings,
                      std::span<const int> lineTops = {});
// The y, relative to the grid, of the wire below a row (0 = the first).
int DiagramWireY(int row);

// The neck picture's background (625 x 85): fingerboard, nut, 24 fret wires,
// inlays and the strings, the lower half bronze when asked: one string per
// entry of the string starts, each drawn from its first fret (0: the nut). A stretch above 1
// spreads the frets over a wider picture; the inlays stay round.
void PaintNeckBackground(QPainter& painter, bool bronzeLowStrings,
                         std::span<const int> stringStarts, double stretch = 1);

// The program's icon (window, desktop, package): the emblem on a rounded
// dark square filling the area.
void PaintAppIcon(QPainter& painter, const QRectF& area);

// The emblem and the name, as on the banner and in the about box, on the
// wordmark's dark ground (the banner's strip around it takes the same colour).
QColor WordmarkGround();
void PaintWordmark(QPainter& painter, const QRectF& area, double emblemRadius, int pixelSize);

}  // namespace corvanta
