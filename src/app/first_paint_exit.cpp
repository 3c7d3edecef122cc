// Ends the program at its first paint, for start-up measurements.
#include "app/first_paint_exit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdlib>

namespace corvanta {

FirstPaintExit::FirstPaintExit(QObject* watched) : QObject(watched) {
  watched->installEventFilter(this);
}

bool FirstPaintExit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    watched->removeEventFilter(this);
    // After this paint has been drawn; at once, as a measurement should end
    // (no teardown of what the program would go on to load).
    QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace corvanta
