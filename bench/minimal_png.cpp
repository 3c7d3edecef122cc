// The yardstick for corvanta-cli's drawings: a Qt program that starts the
// offscreen platform, draws a line of text and saves a PNG.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QImage image(100, 130, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.drawText(10, 20, "C");
  }
  return image.save(argc > 1 ? argv[1] : "/tmp/corvanta-minimal.png") ? 0 : 1;
}
