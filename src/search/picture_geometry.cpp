#include "search/picture_geometry.h"

#include <algorithm>

namespace corvanta {

int PictureColumns(int pictureWidth) { return std::max(1, pictureWidth / kCellWidth); }

int PictureHeight(int fingeringCount, int columns) {
  return (std::max(0, fingeringCount) / std::max(1, columns)) * kCellHeight + kPictureMargin;
}

CellOrigin CellOf(int index, int columns) {
  columns = std::max(1, columns);
  return {(index % columns) * kCellWidth, (index / columns) * kCellHeight};
}

std::optional<int> ItemAt(int x, int y, int pictureWidth, int pictureHeight, int fingeringCount) {
  if (x < 0 || y < 0 || x >= pictureWidth || y >= pictureHeight) return std::nullopt;
  int columns = PictureColumns(pictureWidth);
  if (x > columns * kCellWidth - kIgnoredClickStrip) return std::nullopt;
  long long index = x / kCellWidth + static_cast<long long>(y / kCellHeight) * columns;
  if (index >= fingeringCount) return std::nullopt;
  return static_cast<int>(index);
}

}  // namespace corvanta
