#include "app/first_paint_exit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace corvanta {

FirstPaintExit::FirstPaintExit(QObject* watched) : QObject(watched) {
  watched->installEventFilter(this);
}

bool FirstPaintExit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    watched->removeEventFilter(this);
    // After this paint has been drawn.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace corvanta
