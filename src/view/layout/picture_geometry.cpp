// The diagram grid's cells, zoom steps and hit tests.
#include "view/layout/picture_geometry.h"

#include <algorithm>
#include <iterator>

#include "view/layout/diagram_layout.h"

namespace corvanta {

CellSize CellAtZoom(int percent, int strings) {
  percent = std::clamp(percent, 25, 1000);
  return {DiagramCellWidth(strings) * percent / 100, kCellHeight * percent / 100};
}

int PictureColumns(int pictureWidth, CellSize cell) {
  return std::max(1, pictureWidth / std::max(1, cell.width));
}

int PictureHeight(int fingeringCount, int columns, CellSize cell) {
  int margin = kPictureMargin * cell.height / kCellHeight;
  return (std::max(0, fingeringCount) / std::max(1, columns)) * cell.height + margin;
}

CellOrigin CellOf(int index, int columns, CellSize cell) {
  columns = std::max(1, columns);
  return {(index % columns) * cell.width, (index / columns) * cell.height};
}

std::optional<int> ItemAt(int x, int y, int pictureWidth, int pictureHeight, int fingeringCount,
                          CellSize cell) {
  if (x < 0 || y < 0 || x >= pictureWidth || y >= pictureHeight) return std::nullopt;
  if (cell.width <= 0 || cell.height <= 0) return std::nullopt;
  int columns = PictureColumns(pictureWidth, cell);
  if (x > columns * cell.width - kIgnoredClickStrip) return std::nullopt;
  long long index = x / cell.width + static_cast<long long>(y / cell.height) * columns;
  if (index >= fingeringCount) return std::nullopt;
  return static_cast<int>(index);
}

int ZoomStepIndex(int percent) {
  for (int i = 0; i < static_cast<int>(std::size(kZoomSteps)); ++i)
    if (kZoomSteps[i] == percent) return i;
  return 0;
}

int StepZoom(int percent, int direction) {
  const int last = static_cast<int>(std::size(kZoomSteps)) - 1;
  return kZoomSteps[std::clamp(ZoomStepIndex(percent) + direction, 0, last)];
}

}  // namespace corvanta
