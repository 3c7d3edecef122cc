// The neck picture: background, finger markers, clicks.
#include "view/neck_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "view/diagram_painter.h"
#include "view/layout/neck_layout.h"
#include "view/sprite_painter.h"

namespace corvanta {

NeckView::NeckView(QWidget* parent) : QWidget(parent) {
  setFixedSize(kNeckPictureWidth, kNeckPictureHeight + 4);
}

double NeckView::Stretch() const {
  return std::max(1.0, static_cast<double>(width()) / kNeckPictureWidth);
}

QPoint NeckView::WidgetPoint(QPoint picture) const {
  return QPoint(static_cast<int>(std::lround(picture.x() * Stretch())), picture.y());
}

void NeckView::ShowBackground(Background background) {
  background_ = background;
  hasMarkers_ = false;
  update();
}

void NeckView::DrawNeck(Background background, Fingering frets, int capo) {
  background_ = background;
  frets_ = std::move(frets);
  capo_ = capo;
  hasMarkers_ = true;
  update();
}

void NeckView::SetStrings(std::vector<int> stringStarts) {
  stringStarts_ = std::move(stringStarts);
  hasMarkers_ = false;
  update();
}

void NeckView::SetCapo(int capo) {
  capo_ = capo;
  update();
}

void NeckView::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  emit mouseUp(event->button(), QPoint(static_cast<int>(at.x() / Stretch()), at.toPoint().y()));
}

void NeckView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const double stretch = Stretch();
  PaintNeckBackground(painter, background_ == Background::Bronze, stringStarts_, stretch);
  PaintNeckCapo(painter, capo_, stretch);
  if (hasMarkers_ && frets_.size() == stringStarts_.size()) {
    // Each marker's middle moves with its fret; the marker keeps its size.
    std::vector<Placement> markers = LayOutNeck(AbsoluteFrets(frets_, capo_), capo_, stringStarts_);
    constexpr double kHalf = kNeckMarkerWidth / 2.0;
    for (Placement& marker : markers)
      marker.x = static_cast<int>(std::lround((marker.x + kHalf) * stretch - kHalf));
    PaintPlacements(painter, markers, QPointF(0, 0));
  }
}

}  // namespace corvanta
