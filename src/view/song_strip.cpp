// The strip of a song's distinct chords with their voicings.
#include "view/song_strip.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "view/chord_sheet.h"
#include "view/layout/diagram_layout.h"

namespace corvanta {
namespace {

const QColor kHighlight(236, 233, 216);  // the selected diagram's paper
const QColor kPinMark(0xC0, 0x30, 0x30);
constexpr double kPinRadius = 4;

}  // namespace

SongStrip::SongStrip(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
}

void SongStrip::SetChords(SheetModel chords, std::vector<bool> pinned) {
  chords_ = std::move(chords);
  pinned_ = std::move(pinned);
  pinned_.resize(chords_.diagrams.size(), false);
  if (highlighted_ >= static_cast<int>(chords_.diagrams.size())) highlighted_ = -1;
  updateGeometry();
  resize(sizeHint());
  update();
}

void SongStrip::SetZoom(int percent) {
  if (percent == zoom_ || percent <= 0) return;
  zoom_ = percent;
  updateGeometry();
  resize(sizeHint());
  update();
}

void SongStrip::SetHighlighted(int index) {
  if (index == highlighted_) return;
  highlighted_ = index;
  update();
}

bool SongStrip::Pinned(int index) const {
  return index >= 0 && index < static_cast<int>(pinned_.size()) &&
         pinned_[static_cast<std::size_t>(index)];
}

int SongStrip::CellWidth() const {
  const int strings = chords_.diagrams.empty()
                          ? kSpriteGridStrings
                          : static_cast<int>(chords_.diagrams.front().frets.size());
  return qRound(DiagramCellWidth(strings) * Scale());
}

QRect SongStrip::CellRect(int index) const {
  return QRect(index * CellWidth(), 0, CellWidth(), qRound(kSheetRowHeight * Scale()));
}

int SongStrip::IndexAt(QPoint point) const {
  if (point.y() < 0 || point.y() >= qRound(kSheetRowHeight * Scale()) || point.x() < 0) return -1;
  const int index = point.x() / std::max(1, CellWidth());
  return index < static_cast<int>(chords_.diagrams.size()) ? index : -1;
}

QSize SongStrip::sizeHint() const {
  const int count = std::max<int>(1, static_cast<int>(chords_.diagrams.size()));
  return QSize(count * CellWidth(), qRound(kSheetRowHeight * Scale()));
}

void SongStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  for (int index = 0; index < static_cast<int>(chords_.diagrams.size()); ++index) {
    const QRect cell = CellRect(index);
    if (index == highlighted_) painter.fillRect(cell, kHighlight);
    painter.save();
    painter.translate(cell.topLeft());
    painter.scale(Scale(), Scale());
    PaintSheetCell(painter, chords_, index, QPointF(0, 0));
    painter.restore();
    if (Pinned(index)) {
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(Qt::NoPen);
      painter.setBrush(kPinMark);
      const QPointF centre(cell.right() - kPinRadius * 2 * Scale(),
                           cell.top() + kPinRadius * 2 * Scale());
      painter.drawEllipse(centre, kPinRadius * Scale(), kPinRadius * Scale());
    }
  }
}

void SongStrip::mouseReleaseEvent(QMouseEvent* event) {
  const int index = IndexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index >= 0) emit chordClicked(index);
}

void SongStrip::contextMenuEvent(QContextMenuEvent* event) {
  const int index = IndexAt(event->pos());
  if (!Pinned(index)) return;
  QMenu menu(this);
  QAction* unpin = menu.addAction(unpinText_);
  unpin->setObjectName("Unpin1");
  connect(unpin, &QAction::triggered, this, [this, index] { emit unpinRequested(index); });
  menu.exec(event->globalPos());
}

}  // namespace corvanta
