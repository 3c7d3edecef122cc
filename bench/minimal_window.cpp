// The yardstick for the window's start-up: a Qt window with a menu bar and
// a text label, ending after its first paint, as corvanta does when asked.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "app/first_paint_exit.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("File")->addAction("Quit");
  auto* label = new QLabel("Corvanta", &window);
  window.setCentralWidget(label);
  corvanta::FirstPaintExit exit(label);
  window.resize(1280, 800);
  window.show();
  return QApplication::exec();
}
