// The picture of chord diagrams: layout, painting, selection, keys, hints.
#include "view/diagram_sheet.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "view/diagram_painter.h"

namespace corvanta {

DiagramSheet::DiagramSheet(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(0, kPictureMargin);
}

void DiagramSheet::ShowFingerings(std::vector<Fingering> fingerings, int width) {
  fingerings_ = std::move(fingerings);
  cell_ = CellAtZoom(zoom_, Strings());
  columns_ = PictureColumns(width, cell_);
  highlighted_ = -1;
  setFixedSize(std::max(0, width), PictureHeight(FingeringCount(), columns_, cell_));
  update();
}

void DiagramSheet::SetStrings(std::vector<int> openPitches, std::vector<int> stringStarts,
                              bool bassByPitch) {
  bassByPitch_ = bassByPitch;
  openPitches_ = std::move(openPitches);
  stringStarts_ = std::move(stringStarts);
  stringStarts_.resize(openPitches_.size(), 0);
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

void DiagramSheet::SetZoom(int percent, int width) {
  zoom_ = percent;
  cell_ = CellAtZoom(percent, Strings());
  columns_ = PictureColumns(width, cell_);
  setFixedSize(std::max(0, width), PictureHeight(FingeringCount(), columns_, cell_));
  update();
}

void DiagramSheet::SetHighlighted(int index) {
  if (highlighted_ >= 0) update(CellRect(highlighted_));
  highlighted_ = index;
  if (index >= 0) update(CellRect(index));
}

QRect DiagramSheet::CellRect(int index) const {
  CellOrigin origin = CellOf(index, columns_, cell_);
  return QRect(origin.left, origin.top, cell_.width, cell_.height);
}

void DiagramSheet::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect exposed = event->rect();
  painter.fillRect(exposed, Qt::white);
  const double scale = zoom_ / 100.0;
  int firstRow = std::max(0, exposed.top() / cell_.height);
  int lastRow = exposed.bottom() / cell_.height;
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int column = 0; column < columns_; ++column) {
      int index = row * columns_ + column;
      if (index >= FingeringCount()) break;
      QRect cell = CellRect(index);
      if (!cell.intersects(exposed)) continue;
      DiagramVariant variant =
          index == highlighted_ ? DiagramVariant::Highlighted : DiagramVariant::Plain;
      painter.save();
      painter.translate(cell.topLeft());
      painter.scale(scale, scale);
      const Fingering& frets = fingerings_[static_cast<std::size_t>(index)];
      const std::vector<std::string> labels =
          labeller_ ? labeller_(frets) : std::vector<std::string>();
      const Diagram diagram{
          frets,  variant,       leftHanded_,
          capo_,  stringStarts_, bassByPitch_ ? BassString(frets, openPitches_, stringStarts_) : -1,
          labels, marks_};
      PaintDiagram(painter, diagram, QRectF(QPointF(0, 0), diagram.CellSize()));
      painter.restore();
    }
  }
  if (hasFocus() && highlighted_ >= 0) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(CellRect(highlighted_).adjusted(1, 1, -2, -2));
  }
}

void DiagramSheet::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseUp(event->button(), event->position().toPoint());
}

int DiagramSheet::RowsPerScreen() const {
  int visible = visibleRegion().boundingRect().height();
  return std::max(1, visible / std::max(1, cell_.height));
}

void DiagramSheet::keyPressEvent(QKeyEvent* event) {
  const int count = FingeringCount();
  if (count == 0) return QWidget::keyPressEvent(event);
  const int current = highlighted_;
  int target = -1;
  switch (event->key()) {
    case Qt::Key_Left:
      target = current < 0 ? 0 : current - 1;
      break;
    case Qt::Key_Right:
      target = current < 0 ? 0 : current + 1;
      break;
    case Qt::Key_Up:
      target = current < 0 ? 0 : current - columns_;
      break;
    case Qt::Key_Down:
      target = current < 0 ? 0 : current + columns_;
      break;
    case Qt::Key_Home:
      target = 0;
      break;
    case Qt::Key_End:
      target = count - 1;
      break;
    case Qt::Key_PageUp:
      target = current < 0 ? 0 : current - RowsPerScreen() * columns_;
      break;
    case Qt::Key_PageDown:
      target = current < 0 ? 0 : current + RowsPerScreen() * columns_;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (current >= 0) emit strumRequested();
      return;
    default:
      return QWidget::keyPressEvent(event);
  }
  // Up and down keep the column; the ends of the list hold the selection.
  if (event->key() == Qt::Key_Up || event->key() == Qt::Key_PageUp) {
    while (target < 0) target += columns_;
    if (current >= 0 && target > current) target = current;
  }
  target = std::clamp(target, 0, count - 1);
  if (target != current) emit selectionRequested(target);
}

void DiagramSheet::contextMenuEvent(QContextMenuEvent* event) {
  auto index =
      ItemAt(event->pos().x(), event->pos().y(), width(), height(), FingeringCount(), cell_);
  emit contextMenuRequested(index.value_or(-1), event->globalPos());
}

bool DiagramSheet::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip || !toolTipText_) return QWidget::event(event);
  const QPoint at = static_cast<QHelpEvent*>(event)->pos();
  const auto index = ItemAt(at.x(), at.y(), width(), height(), FingeringCount(), cell_);
  if (index) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), toolTipText_(*index), this,
                       CellRect(*index));
  } else if (!toolTip().isEmpty()) {
    // Between diagrams: what the picture is for.
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), toolTip(), this);
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

void DiagramSheet::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (highlighted_ >= 0) update(CellRect(highlighted_));
}

void DiagramSheet::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (highlighted_ >= 0) update(CellRect(highlighted_));
}

}  // namespace corvanta
