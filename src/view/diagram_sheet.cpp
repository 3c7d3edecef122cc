#include "view/diagram_sheet.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>

#include "search/picture_geometry.h"
#include "view/diagram_painter.h"

namespace corvanta {

DiagramSheet::DiagramSheet(const DrawnAssets& assets, QWidget* parent)
    : QWidget(parent), assets_(assets) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(0, kPictureMargin);
}

void DiagramSheet::ShowFingerings(std::vector<Frets> fingerings, int width) {
  fingerings_ = std::move(fingerings);
  columns_ = PictureColumns(width);
  highlighted_ = -1;
  setFixedSize(std::max(0, width), PictureHeight(FingeringCount(), columns_));
  update();
}

void DiagramSheet::Clear() {
  fingerings_.clear();
  highlighted_ = -1;
  setFixedSize(width(), 0);
  update();
}

void DiagramSheet::SetLeftHanded(bool leftHanded) {
  leftHanded_ = leftHanded;
  update();
}

void DiagramSheet::SetCapo(int capo) {
  if (capo_ == capo) return;
  capo_ = capo;
  update();
}

void DiagramSheet::SetHighlighted(int index) {
  if (highlighted_ >= 0) update(CellRect(highlighted_));
  highlighted_ = index;
  if (index >= 0) update(CellRect(index));
}

QRect DiagramSheet::CellRect(int index) const {
  CellOrigin origin = CellOf(index, columns_);
  return QRect(origin.left, origin.top, kCellWidth, kCellHeight);
}

void DiagramSheet::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect exposed = event->rect();
  painter.fillRect(exposed, Qt::white);
  int firstRow = std::max(0, exposed.top() / kCellHeight);
  int lastRow = exposed.bottom() / kCellHeight;
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int column = 0; column < columns_; ++column) {
      int index = row * columns_ + column;
      if (index >= FingeringCount()) return;
      if (!CellRect(index).intersects(exposed)) continue;
      DiagramVariant variant =
          index == highlighted_ ? DiagramVariant::Highlighted : DiagramVariant::Plain;
      PaintDiagram(painter, fingerings_[index], CellRect(index).topLeft(), variant, leftHanded_,
                   assets_, capo_);
    }
  }
}

void DiagramSheet::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseUp(event->button(), event->position().toPoint());
}

}  // namespace corvanta
