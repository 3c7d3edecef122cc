// The diagram grid's geometry: cells, zoom, hit tests.
#pragma once

#include <optional>

namespace corvanta {

// Diagrams are laid out row by row in cells of 100 x 130 pixels, with a
// 260-pixel margin (two rows) below the last full row. A zoom scales the
// cell; the columns, the height and the click mapping follow the cell size.
inline constexpr int kCellWidth = 100;
inline constexpr int kCellHeight = 130;
// The strings the cell's width and the grid sprites are drawn for (the
// guitar's six); a diagram of more or fewer strings widens or narrows its
// cell by one string's spacing each.
inline constexpr int kSpriteGridStrings = 6;
// A chord sheet's diagram cell: the diagram with its caption above it.
inline constexpr double kSheetCaptionHeight = 16;
inline constexpr double kSheetRowHeight = kCellHeight + kSheetCaptionHeight;
inline constexpr int kPictureMargin = 260;
// Clicks in the last pixels of the last column are ignored.
inline constexpr int kIgnoredClickStrip = 5;

// The diagram sizes offered, in percent; 100 is the start.
inline constexpr int kZoomSteps[] = {100, 150, 200, 300};

// The index of a zoom among the steps; a zoom between steps (a remembered
// value the menu does not offer) counts as the first.
int ZoomStepIndex(int percent);
// The step `direction` steps (+1 larger, -1 smaller) from a zoom, kept
// within the steps offered.
int StepZoom(int percent, int direction);

struct CellSize {
  int width = kCellWidth;
  int height = kCellHeight;
};

// The cell at a zoom in percent (clamped to 25..1000), for diagrams of
// `strings` strings (one string's spacing wider or narrower per string).
CellSize CellAtZoom(int percent, int strings = 6);

struct CellOrigin {
  int left;
  int top;
};

// At least one column, so a picture narrower than a cell still lays out.
int PictureColumns(int pictureWidth, CellSize cell = {});
int PictureHeight(int fingeringCount, int columns, CellSize cell = {});
CellOrigin CellOf(int index, int columns, CellSize cell = {});

// The item under a point of the picture, or nullopt for a point outside the
// picture, in the ignored strip, or past the last item.
std::optional<int> ItemAt(int x, int y, int pictureWidth, int pictureHeight, int fingeringCount,
                          CellSize cell = {});

}  // namespace corvanta
