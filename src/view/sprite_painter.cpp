// Draws the pieces of diagrams and the neck.
#include "view/sprite_painter.h"

#include <QPainterPath>
#include <algorithm>
#include <array>

#include "view/drawn_assets.h"
#include "view/layout/diagram_layout.h"
#include "view/layout/neck_layout.h"

namespace corvanta {
namespace {

constexpr double kGridHeight = 83;
constexpr double kFingerDisc = 9;
const QColor kNeckMarkerFill(30, 90, 220);
const QColor kNeckMarkerRim(150, 190, 255);

int FingerOf(Sprite sprite) {
  switch (sprite) {
    case Sprite::Finger1:
    case Sprite::NeckFinger1:
      return 1;
    case Sprite::Finger2:
    case Sprite::NeckFinger2:
      return 2;
    case Sprite::Finger3:
    case Sprite::NeckFinger3:
      return 3;
    case Sprite::Finger4:
    case Sprite::NeckFinger4:
      return 4;
    default:
      return 0;
  }
}

// Grid lines are whole pixels at scale 1: the strings' gaps of 11, the nut
// 3 high, fret lines every 16.
void PaintGrid(QPainter& painter, QPointF at, QRgb background, QColor lines, int strings,
               std::span<const int> lineTops) {
  const double width = DiagramGridWidth(strings);
  painter.fillRect(QRectF(at, QSizeF(width, kGridHeight)), QColor::fromRgb(background));
  for (int string = 0; string < strings; ++string) {
    const std::size_t at_ = static_cast<std::size_t>(string);
    const double top =
        at_ < lineTops.size() ? std::clamp<double>(lineTops[at_], 0, kGridHeight) : 0;
    painter.fillRect(
        QRectF(at + QPointF(string * kDiagramStringSpacing, top), QSizeF(1, kGridHeight - top)),
        lines);
  }
  painter.fillRect(QRectF(at, QSizeF(width, 3)), lines);
  for (int row = 0; row < 5; ++row)
    painter.fillRect(QRectF(at + QPointF(0, DiagramWireY(row)), QSizeF(width, 1)), lines);
}

void PaintDigit(QPainter& painter, const QRectF& box, int digit, double pixelSize) {
  QFont font("DejaVu Sans");
  font.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(box, Qt::AlignCenter, QString::number(digit));
}

void PaintFinger(QPainter& painter, QPointF at, int digit) {
  QRectF disc(at, QSizeF(kFingerDisc, kFingerDisc));
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(disc);
  PaintDigit(painter, disc.adjusted(0, 0, 0.5, 0.5), digit, 8);
}

void PaintNeckMarker(QPainter& painter, QPointF at, int digit) {
  QRectF disc(at + QPointF(0.5, 0.5), QSizeF(11, 11));
  painter.setPen(QPen(kNeckMarkerRim, 1));
  painter.setBrush(kNeckMarkerFill);
  painter.drawEllipse(disc);
  if (digit > 0) PaintDigit(painter, disc.adjusted(0, 0, 1, 1), digit, 10);
}

void PaintMark(QPainter& painter, QPointF at, bool filled) {
  painter.fillRect(QRectF(at, QSizeF(6, 6)), Qt::white);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(filled ? QBrush(Qt::black) : Qt::NoBrush);
  painter.drawEllipse(QRectF(at + QPointF(0.5, 0.5), QSizeF(5, 5)));
}

void PaintCross(QPainter& painter, QPointF at) {
  painter.fillRect(QRectF(at, QSizeF(6, 6)), Qt::white);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(at + QPointF(0.5, 0.5), at + QPointF(5.5, 5.5));
  painter.drawLine(at + QPointF(5.5, 0.5), at + QPointF(0.5, 5.5));
}

// A round play emblem: a ring with a triangle.
void PaintEmblem(QPainter& painter, QPointF centre, double radius) {
  painter.setPen(QPen(QColor(240, 180, 40), radius / 6));
  painter.setBrush(QColor(40, 40, 40));
  painter.drawEllipse(centre, radius, radius);
  QPainterPath triangle;
  triangle.moveTo(centre + QPointF(-radius * 0.35, -radius * 0.5));
  triangle.lineTo(centre + QPointF(radius * 0.55, 0));
  triangle.lineTo(centre + QPointF(-radius * 0.35, radius * 0.5));
  triangle.closeSubpath();
  painter.fillPath(triangle, QColor(240, 180, 40));
}

}  // namespace

void PaintDiagramGrid(QPainter& painter, Sprite grid, QPointF at, int strings,
                      std::span<const int> lineTops) {
  if (grid == Sprite::HighlightedGrid) {
    PaintGrid(painter, at, kHighlightedGridBackground, QColor(24, 24, 24), strings, lineTops);
  } else {
    PaintGrid(painter, at, kPlainGridBackground, Qt::black, strings, lineTops);
  }
}

int DiagramWireY(int row) { return 18 + 16 * row; }

void PaintSprite(QPainter& painter, Sprite sprite, QPointF at) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  switch (sprite) {
    case Sprite::PlainGrid:
    case Sprite::HighlightedGrid:
      PaintDiagramGrid(painter, sprite, at, kSpriteGridStrings);
      break;
    case Sprite::Finger1:
    case Sprite::Finger2:
    case Sprite::Finger3:
    case Sprite::Finger4:
      PaintFinger(painter, at, FingerOf(sprite));
      break;
    case Sprite::BarreSegment:
      painter.fillRect(QRectF(at, QSizeF(15, 4)), Qt::black);
      break;
    case Sprite::BassMark:
    case Sprite::SoundingMark:
      PaintMark(painter, at, sprite == Sprite::BassMark);
      break;
    case Sprite::MutedMark:
      PaintCross(painter, at);
      break;
    case Sprite::BassRing:
      painter.setPen(QPen(Qt::black, 1.2));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(QRectF(at + QPointF(0.5, 0.5), QSizeF(12, 12)));
      break;
    case Sprite::NeckOpen:
    case Sprite::NeckFinger1:
    case Sprite::NeckFinger2:
    case Sprite::NeckFinger3:
    case Sprite::NeckFinger4:
      PaintNeckMarker(painter, at, FingerOf(sprite));
      break;
  }
  painter.restore();
}

void PaintNeckBackground(QPainter& painter, bool bronzeLowStrings,
                         std::span<const int> stringStarts, double stretch) {
  painter.save();
  const double width = kNeckPictureWidth * stretch;
  painter.fillRect(QRectF(0, 0, width, kNeckPictureHeight), QColor(18, 14, 12));
  painter.fillRect(QRectF(0, 0, kNeckNutWidth, kNeckPictureHeight), QColor(235, 228, 205));
  auto wireX = [stretch](int fret) {
    int spacing = NeckFretX(fret + 1) - NeckFretX(fret);
    return (NeckFretX(fret) + (spacing * 21 + 50) / 100) * stretch;  // the first wire at x = 59
  };
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(230, 230, 225));
  for (int fret : {3, 5, 7, 9, 15, 17, 19, 21}) {
    double middle = (wireX(fret - 1) + wireX(fret)) / 2;
    painter.drawEllipse(QPointF(middle, kNeckPictureHeight / 2.0), 3, 3);
  }
  for (int fret : {12, 24}) {
    double middle = (wireX(fret - 1) + wireX(fret)) / 2;
    painter.drawEllipse(QPointF(middle, 27), 3, 3);
    painter.drawEllipse(QPointF(middle, 55), 3, 3);
  }
  for (int fret = 1; fret <= kNeckFretWires; ++fret)
    painter.fillRect(QRectF(wireX(fret), 0, 2, kNeckPictureHeight), QColor(170, 170, 165));
  const int strings = static_cast<int>(stringStarts.size());
  for (int string = 0; string < strings; ++string) {
    const bool low = string < strings / 2;
    const bool bronze = bronzeLowStrings && low;
    QColor colour = bronze ? QColor(205, 140, 60) : QColor(215, 215, 220);
    double thickness = low ? 2 : 1;
    // A short string starts at its first fret's wire, where its own nut is.
    const int start = stringStarts[static_cast<std::size_t>(string)];
    const double left = start > 0 ? wireX(start) : 0;
    painter.fillRect(QRectF(left, NeckStringY(string, strings), width - left, thickness), colour);
    if (start > 0)
      painter.fillRect(QRectF(left - 2, NeckStringY(string, strings) - 3, 4, 7),
                       QColor(235, 228, 205));
  }
  painter.restore();
}

void PaintAppIcon(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  double side = std::min(area.width(), area.height());
  QRectF square(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(16, 16, 20));
  painter.drawRoundedRect(square, side * 0.18, side * 0.18);
  PaintEmblem(painter, square.center(), side * 0.36);
  painter.restore();
}

QColor WordmarkGround() { return QColor(16, 16, 20); }

void PaintWordmark(QPainter& painter, const QRectF& area, double emblemRadius, int pixelSize) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(area, WordmarkGround());
  PaintEmblem(painter, QPointF(area.left() + emblemRadius + 8, area.center().y()), emblemRadius);
  QFont font("DejaVu Sans");
  font.setPixelSize(pixelSize);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(area.adjusted(emblemRadius * 2 + 18, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   "Corvanta");
  painter.restore();
}

}  // namespace corvanta
