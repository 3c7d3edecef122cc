#include "view/drawn_assets.h"

#include <QPainter>
#include <QPainterPath>

#include "view/layout/neck_layout.h"

namespace corvanta {
namespace {

// Digits small enough for a 9 x 9 disc: 3 x 5 pixels each, '#' set.
constexpr std::array<std::array<const char*, 5>, 4> kTinyDigits{{
    {".#.", "##.", ".#.", ".#.", "###"},
    {"##.", "..#", ".#.", "#..", "###"},
    {"##.", "..#", ".#.", "..#", "##."},
    {"#.#", "#.#", "###", "..#", "..#"},
}};

// A 9 x 9 disc, row by row.
constexpr std::array<const char*, 9> kDisc9{"..#####..", ".#######.", "#########",
                                            "#########", "#########", "#########",
                                            "#########", ".#######.", "..#####.."};

QImage Filled(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

void PutDigit(QImage& image, int digit, int left, int top, QColor colour) {
  const auto& rows = kTinyDigits[digit - 1];
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 3; ++x) {
      if (rows[y][x] == '#') image.setPixelColor(left + x, top + y, colour);
    }
  }
}

QImage Grid(QRgb background, QColor lines) {
  QImage grid = Filled(56, 83, QColor::fromRgb(background));
  QPainter painter(&grid);
  painter.setPen(Qt::NoPen);
  painter.setBrush(lines);
  for (int x : {0, 11, 22, 33, 44, 55}) painter.drawRect(x, 0, 1, 83);
  painter.drawRect(0, 0, 56, 3);  // the nut
  for (int y : {18, 34, 50, 66, 82}) painter.drawRect(0, y, 56, 1);
  return grid;
}

QImage Finger(int digit) {
  QImage dot = Filled(9, 9, Qt::white);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      if (kDisc9[y][x] == '#') dot.setPixelColor(x, y, Qt::black);
    }
  }
  PutDigit(dot, digit, 3, 2, Qt::white);
  return dot;
}

QImage Mark(bool filled) {
  QImage mark = Filled(6, 6, Qt::white);
  QPainter painter(&mark);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(filled ? QBrush(Qt::black) : Qt::NoBrush);
  painter.drawEllipse(QRectF(0.5, 0.5, 5, 5));
  return mark;
}

QImage Cross() {
  QImage cross = Filled(6, 6, Qt::white);
  for (int i = 0; i < 6; ++i) {
    cross.setPixelColor(i, i, Qt::black);
    cross.setPixelColor(5 - i, i, Qt::black);
  }
  return cross;
}

QImage NeckMarker(int width, int digit) {
  QImage marker = Filled(width, 12, Qt::black);  // the fingerboard shows around it
  QPainter painter(&marker);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(150, 190, 255), 1));
  painter.setBrush(QColor(30, 90, 220));
  painter.drawEllipse(QRectF(0.5, 0.5, 11, 11));
  painter.end();
  if (digit > 0) {
    // Digits twice the tiny size, centred on the disc.
    const auto& rows = kTinyDigits[digit - 1];
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 3; ++x) {
        if (rows[y][x] != '#') continue;
        for (int dy = 0; dy < 2; ++dy) marker.setPixelColor(4 + x, 1 + 2 * y + dy, Qt::white);
      }
    }
  }
  return marker;
}

// The neck: black fingerboard, ivory nut, 24 fret wires, inlays, six strings
// with the highest on top.
QImage Neck(bool bronzeLowStrings) {
  QImage neck = Filled(kNeckPictureWidth, kNeckPictureHeight, QColor(18, 14, 12));
  QPainter painter(&neck);
  painter.fillRect(0, 0, kNeckNutWidth, kNeckPictureHeight, QColor(235, 228, 205));
  auto wireX = [](int fret) {
    int spacing = NeckFretX(fret + 1) - NeckFretX(fret);
    return NeckFretX(fret) + (spacing * 21 + 50) / 100;  // the first wire at x = 59
  };
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(230, 230, 225));
  for (int fret : {3, 5, 7, 9, 15, 17, 19, 21}) {
    int middle = (wireX(fret - 1) + wireX(fret)) / 2;
    painter.drawEllipse(QPointF(middle, kNeckPictureHeight / 2.0), 3, 3);
  }
  for (int fret : {12, 24}) {
    int middle = (wireX(fret - 1) + wireX(fret)) / 2;
    painter.drawEllipse(QPointF(middle, 27), 3, 3);
    painter.drawEllipse(QPointF(middle, 55), 3, 3);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int fret = 1; fret <= kNeckFretWires; ++fret) {
    painter.fillRect(wireX(fret), 0, 2, kNeckPictureHeight, QColor(170, 170, 165));
  }
  for (int string = 0; string < 6; ++string) {
    bool bronze = bronzeLowStrings && string < 3;
    QColor colour = bronze ? QColor(205, 140, 60) : QColor(215, 215, 220);
    int thickness = string < 3 ? 2 : 1;
    painter.fillRect(0, NeckStringY(string), kNeckPictureWidth, thickness, colour);
  }
  return neck;
}

// A round play emblem: a ring with a triangle, as in the banner and the logo.
void PaintEmblem(QPainter& painter, QPointF centre, double radius) {
  painter.setRenderHint(QPainter::Antialiasing);
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

QImage Wordmark(int width, int height, double emblemRadius, int pixelSize) {
  QImage image = Filled(width, height, QColor(16, 16, 20));
  QPainter painter(&image);
  PaintEmblem(painter, QPointF(emblemRadius + 8, height / 2.0), emblemRadius);
  QFont font("DejaVu Sans");
  font.setPixelSize(pixelSize);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(int(emblemRadius * 2 + 18), 0, width, height), Qt::AlignVCenter,
                   "Corvanta");
  return image;
}

QImage QueryGlyph() {
  QImage glyph(20, 20, QImage::Format_ARGB32);
  glyph.fill(Qt::transparent);
  QPainter painter(&glyph);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 60, 120), 2));
  painter.drawEllipse(QPointF(8, 8), 5, 5);
  painter.setPen(QPen(QColor(40, 60, 120), 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(12, 12), QPointF(17, 17));
  return glyph;
}

QImage TuningIcon() {
  QImage icon(16, 16, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setPen(QPen(QColor(90, 90, 100), 2));
  painter.drawLine(5, 1, 5, 8);
  painter.drawLine(11, 1, 11, 8);
  painter.drawArc(QRect(5, 3, 6, 8), 180 * 16, 180 * 16);
  painter.drawLine(8, 11, 8, 15);
  return icon;
}

}  // namespace

DrawnAssets DrawAssets() {
  DrawnAssets assets;
  assets.plainGrid = Grid(kPlainGridBackground, Qt::black);
  assets.highlightedGrid = Grid(kHighlightedGridBackground, QColor(24, 24, 24));
  for (int digit = 1; digit <= 4; ++digit) {
    assets.fingers[digit - 1] = Finger(digit);
    assets.neckFingers[digit - 1] = NeckMarker(13, digit);
  }
  assets.barreSegment = Filled(15, 4, Qt::black);
  assets.bassMark = Mark(true);
  assets.soundingMark = Mark(false);
  assets.mutedMark = Cross();
  assets.neckOpen = NeckMarker(12, 0);
  assets.electricNeck = Neck(false);
  assets.bronzeNeck = Neck(true);
  assets.banner = Wordmark(450, 80, 18, 26);
  assets.logo = Wordmark(300, 42, 15, 20);
  assets.queryGlyph = QueryGlyph();
  assets.tuningIcon = TuningIcon();
  return assets;
}

const QImage& DrawnAssets::Of(Sprite sprite) const {
  switch (sprite) {
    case Sprite::PlainGrid:
      return plainGrid;
    case Sprite::HighlightedGrid:
      return highlightedGrid;
    case Sprite::Finger1:
      return fingers[0];
    case Sprite::Finger2:
      return fingers[1];
    case Sprite::Finger3:
      return fingers[2];
    case Sprite::Finger4:
      return fingers[3];
    case Sprite::BarreSegment:
      return barreSegment;
    case Sprite::BassMark:
      return bassMark;
    case Sprite::SoundingMark:
      return soundingMark;
    case Sprite::MutedMark:
      return mutedMark;
    case Sprite::NeckOpen:
      return neckOpen;
    case Sprite::NeckFinger1:
      return neckFingers[0];
    case Sprite::NeckFinger2:
      return neckFingers[1];
    case Sprite::NeckFinger3:
      return neckFingers[2];
    case Sprite::NeckFinger4:
      return neckFingers[3];
  }
  return plainGrid;
}

}  // namespace corvanta
