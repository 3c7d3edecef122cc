// Draws the window's small pictures: icons, logo, wordmark.
#include "view/drawn_assets.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "view/sprite_painter.h"

namespace corvanta {
namespace {

// Pictures are made at this many device pixels per logical pixel.
constexpr double kAssetScale = 2;

QImage Canvas(int width, int height) {
  QImage image(static_cast<int>(width * kAssetScale), static_cast<int>(height * kAssetScale),
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(kAssetScale);
  image.fill(Qt::transparent);
  return image;
}

QImage Logo() {
  QImage image = Canvas(300, 42);
  QPainter painter(&image);
  PaintWordmark(painter, QRectF(0, 0, 300, 42), 15, 20);
  return image;
}

QImage QueryGlyph() {
  QImage glyph = Canvas(20, 20);
  QPainter painter(&glyph);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 60, 120), 2));
  painter.drawEllipse(QPointF(8, 8), 5, 5);
  painter.setPen(QPen(QColor(40, 60, 120), 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(12, 12), QPointF(17, 17));
  return glyph;
}

QImage TuningIcon() {
  QImage icon = Canvas(16, 16);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(90, 90, 100), 2));
  painter.drawLine(QPointF(5, 1), QPointF(5, 8));
  painter.drawLine(QPointF(11, 1), QPointF(11, 8));
  painter.drawArc(QRectF(5, 3, 6, 8), 180 * 16, 180 * 16);
  painter.drawLine(QPointF(8, 11), QPointF(8, 15));
  return icon;
}

}  // namespace

DrawnAssets DrawAssets() {
  DrawnAssets assets;
  assets.logo = Logo();
  assets.queryGlyph = QueryGlyph();
  assets.tuningIcon = TuningIcon();
  return assets;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintAppIcon(painter, QRectF(0, 0, size, size));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

Banner::Banner(QWidget* parent) : QWidget(parent) { setFixedSize(450, 48); }

void Banner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The 450 x 80 wordmark, its middle band showing in the 48-pixel strip.
  PaintWordmark(painter, QRectF(0, -16, 450, 80), 18, 26);
}

}  // namespace corvanta
