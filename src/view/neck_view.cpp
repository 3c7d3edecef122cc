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
  emit mouseUp(event->button(), event->position().toPoint());
}

void NeckView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintNeckBackground(painter, background_ == Background::Bronze, stringStarts_);
  PaintNeckCapo(painter, capo_);
  if (hasMarkers_ && frets_.size() == stringStarts_.size()) {
    PaintPlacements(painter, LayOutNeck(AbsoluteFrets(frets_, capo_), capo_, stringStarts_),
                    QPointF(0, 0));
  }
}

}  // namespace corvanta
