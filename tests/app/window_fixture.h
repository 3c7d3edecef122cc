// The main window test fixture: a shown window whose sound is recorded.
#pragma once

#include <QListWidget>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "app/tform1.h"
#include "sound/recording_midi_output.h"
#include "view/diagram_sheet.h"

namespace corvanta::testing {

// A shown main window at a known size, sending its sound to a recorder.
struct Window {
  std::shared_ptr<RecordingMidiOutput> midi = std::make_shared<RecordingMidiOutput>();
  std::unique_ptr<TForm1> form = std::make_unique<TForm1>(midi);

  // The start patch (the instrument box's first item) is sent at once; the
  // tests of what later actions send begin after it.
  Window() {
    form->resize(1000, 700);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) qWarning("window not exposed");
    form->Player().WaitUntilIdle();
    midi->Clear();
  }

  template <typename T>
  T* Get(const char* name) const {
    T* widget = form->findChild<T*>(name);
    if (widget == nullptr) qFatal("no control named %s", name);
    return widget;
  }

  DiagramSheet* Sheet() const { return Get<DiagramSheet>("Image1"); }

  // Clicks the middle of diagram cell index.
  void ClickCell(int index, Qt::MouseButton button = Qt::LeftButton) const {
    int columns = Sheet()->Columns();
    QPoint at((index % columns) * 100 + 50, (index / columns) * 130 + 60);
    QTest::mouseClick(Sheet(), button, Qt::NoModifier, at);
  }

  void ClickRow(const char* grid, int row) const {
    auto* table = Get<QTableWidget>(grid);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      table->visualItemRect(table->item(row, 0)).center());
  }

  // Toggles a check-list item the way a keyboard user does.
  void ToggleItem(int item) const {
    auto* list = Get<QListWidget>("CheckListBox1");
    list->setFocus();
    list->setCurrentRow(item);
    QTest::keyClick(list, Qt::Key_Space);
  }

  std::vector<int> Ticked() const {
    auto* list = Get<QListWidget>("CheckListBox1");
    std::vector<int> items;
    for (int i = 0; i < list->count(); ++i) {
      if (list->item(i)->checkState() == Qt::Checked) items.push_back(i);
    }
    return items;
  }
};

}  // namespace corvanta::testing
