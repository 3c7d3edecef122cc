#pragma once

#include <optional>

namespace corvanta {

// Diagrams are laid out row by row in cells of 100 x 130 pixels, with a
// 260-pixel margin below the last full row.
inline constexpr int kCellWidth = 100;
inline constexpr int kCellHeight = 130;
inline constexpr int kPictureMargin = 260;
// Clicks in the last pixels of the last column are ignored.
inline constexpr int kIgnoredClickStrip = 5;

struct CellOrigin {
  int left;
  int top;
};

// At least one column, so a picture narrower than a cell still lays out.
int PictureColumns(int pictureWidth);
int PictureHeight(int fingeringCount, int columns);
CellOrigin CellOf(int index, int columns);

// The item under a point of the picture, or nullopt for a point outside the
// picture, in the ignored strip, or past the last item.
std::optional<int> ItemAt(int x, int y, int pictureWidth, int pictureHeight, int fingeringCount);

}  // namespace corvanta
