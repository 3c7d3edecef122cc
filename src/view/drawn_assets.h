// The small pictures the window's buttons and the about box show.
#pragma once

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace corvanta {

// The small pictures the window's buttons and the about box show, drawn by
// our own code at twice their logical size so that they stay sharp on
// high-density screens. (Diagrams, the neck and the banner are painted as
// shapes whenever they are shown: see sprite_painter.h.)
struct DrawnAssets {
  QImage logo;        // 300 x 42 logical
  QImage queryGlyph;  // 20 x 20 logical
  QImage tuningIcon;  // 16 x 16 logical
};

DrawnAssets DrawAssets();

// The program's icon at the usual sizes (the desktop's icons are the same
// drawing, made at build time).
QIcon AppIcon();

// Colours named by the window's pictures.
inline constexpr QRgb kPlainGridBackground = qRgb(252, 252, 252);
inline constexpr QRgb kHighlightedGridBackground = qRgb(236, 233, 216);

// The banner across the top of the window: the emblem and the name on black.
class Banner : public QWidget {
 public:
  explicit Banner(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace corvanta
