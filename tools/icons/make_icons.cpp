// Draws the program's icon with the window's own painter into the sizes a
// desktop wants: PNGs for the hicolor theme and a scalable SVG.
// Usage: corvanta-make-icons OUTPUT_FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "view/sprite_painter.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: corvanta-make-icons OUTPUT_FOLDER\n");
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  folder.mkpath(".");
  for (int size : {16, 24, 32, 48, 64, 128, 192, 256, 512}) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      corvanta::PaintAppIcon(painter, QRectF(0, 0, size, size));
    }
    if (!image.save(folder.filePath(QString("corvanta-%1.png").arg(size)))) return 1;
  }
  QSvgGenerator svg;
  svg.setFileName(folder.filePath("corvanta.svg"));
  svg.setSize(QSize(256, 256));
  svg.setViewBox(QRect(0, 0, 256, 256));
  svg.setTitle("Corvanta");
  {
    QPainter painter(&svg);
    corvanta::PaintAppIcon(painter, QRectF(0, 0, 256, 256));
  }
  return 0;
}
