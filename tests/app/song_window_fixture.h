// The song window test fixture: the song window of a shown main window,
// opened as its menu item opens it, emptied at the end.
#pragma once

#include <QAction>
#include <QTest>

#include "app/song_window.h"
#include "window_fixture.h"

namespace corvanta::testing {

struct SongWindowFixture : Window {
  SongWindow* songs = nullptr;
  SongWindowFixture() {
    QAction* item = form->findChild<QAction*>("Song1");
    if (item == nullptr) qFatal("no Song1 item");
    item->trigger();
    songs = form->Songs();
    if (!QTest::qWaitForWindowExposed(songs)) qWarning("song window not exposed");
  }
  ~SongWindowFixture() {
    songs->SetSongText(QString());  // nothing to ask about at the end
  }
  template <typename T>
  T* Control(const char* name) const {
    T* widget = songs->findChild<T*>(name);
    if (widget == nullptr) qFatal("no song control named %s", name);
    return widget;
  }
};

}  // namespace corvanta::testing
