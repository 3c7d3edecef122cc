// The printed song on screen.
#include "view/song_sheet_view.h"

#include <QPainter>

#include "view/qt_text_measure.h"
#include "view/song_sheet_painter.h"

namespace corvanta {

SongSheetView::SongSheetView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  SetSheet(SongSheet());
}

void SongSheetView::SetSheet(SongSheet sheet) {
  sheet_ = std::move(sheet);
  layout_ = LayOutSongPicture(sheet_, PaperSize(SongPaper::A4).width, QtTextMeasure());
  updateGeometry();
  setMinimumHeight(heightForWidth(width()));
  update();
}

double SongSheetView::Scale() const {
  return std::max(1, width()) / std::max(1.0, layout_.pageSize.width);
}

int SongSheetView::heightForWidth(int width) const {
  return qCeil(layout_.pageSize.height * std::max(1, width) /
               std::max(1.0, layout_.pageSize.width));
}

QSize SongSheetView::sizeHint() const {
  const int width = qRound(layout_.pageSize.width);
  return {width, heightForWidth(width)};
}

void SongSheetView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  setMinimumHeight(heightForWidth(width()));
}

void SongSheetView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.scale(Scale(), Scale());
  PaintSongPage(painter, sheet_, layout_, 0);
}

}  // namespace corvanta
