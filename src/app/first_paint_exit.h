// An event filter that ends the program once its window has first painted.
#pragma once

#include <QObject>

namespace corvanta {

// For start-up measurements (CORVANTA_EXIT_AFTER_FIRST_PAINT=1): ends the
// process once the watched widget has painted for the first time.
class FirstPaintExit : public QObject {
 public:
  explicit FirstPaintExit(QObject* watched);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace corvanta
