#pragma once

#include <QImage>
#include <array>

#include "view/layout/sprites.h"

namespace corvanta {

// Every picture the window shows, drawn by our own code once at start-up.
struct DrawnAssets {
  QImage plainGrid;                   // braco
  QImage highlightedGrid;             // braco2
  std::array<QImage, 4> fingers;      // dedo1..dedo4
  QImage barreSegment;                // dedo6
  QImage bassMark;                    // omin1
  QImage soundingMark;                // omin2
  QImage mutedMark;                   // x
  QImage neckOpen;                    // d0
  std::array<QImage, 4> neckFingers;  // d1..d4
  QImage electricNeck;                // ImageBracoEletrico: six silver strings
  QImage bronzeNeck;                  // Image5: the three lower strings bronze
  QImage banner;                      // 450 x 80
  QImage logo;                        // 300 x 42
  QImage queryGlyph;                  // 20 x 20
  QImage tuningIcon;                  // 16 x 16

  const QImage& Of(Sprite sprite) const;
};

DrawnAssets DrawAssets();

// Colours named by the window's pictures.
inline constexpr QRgb kPlainGridBackground = qRgb(252, 252, 252);
inline constexpr QRgb kHighlightedGridBackground = qRgb(236, 233, 216);

}  // namespace corvanta
