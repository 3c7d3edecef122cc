#include "view/neck_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "view/diagram_painter.h"
#include "view/layout/neck_layout.h"
#include "view/sprite_painter.h"

namespace corvanta {

NeckView::NeckView(QWidget* parent) : QWidget(parent) {
  setFixedSize(kNeckPictureWidth, kNeckPictureHeight + 4);
}

void NeckView::ShowBackground(Background background) {
  background_ = background;
  hasMarkers_ = false;
  update();
}

void NeckView::DrawNeck(Background background, const Frets& frets, int capo) {
  background_ = background;
  frets_ = frets;
  capo_ = capo;
  hasMarkers_ = true;
  update();
}

void NeckView::SetCapo(int capo) {
  capo_ = capo;
  update();
}

void NeckView::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseUp(event->button(), event->position().toPoint());
}

void NeckView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintNeckBackground(painter, background_ == Background::Bronze);
  PaintNeckCapo(painter, capo_);
  if (hasMarkers_)
    PaintPlacements(painter, LayOutNeck(AbsoluteFrets(frets_, capo_), capo_), QPointF(0, 0));
}

}  // namespace corvanta
