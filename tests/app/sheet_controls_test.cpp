// The diagram sheet at every size, from the mouse and the keyboard.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "keyed_fingering.h"
#include "window_fixture.h"

namespace corvanta {

using testing::Window;

class SheetControlsTest : public QObject {
  Q_OBJECT

 private:
  static void ClickAtZoom(const Window& window, int index) {
    DiagramSheet* sheet = window.Sheet();
    QRect cell = sheet->CellRect(index);
    QTest::mouseClick(sheet, Qt::LeftButton, Qt::NoModifier, cell.center());
  }

 private slots:
  void init() { QSettings("Corvanta", "Corvanta").clear(); }

  void clicksMapToTheRightDiagramAtEveryZoom() {
    Window window;
    window.Get<QSlider>("TrackBarTempoAcorde")->setValue(0);
    for (int percent : {100, 150, 200, 300}) {
      window.form->findChild<QAction*>(QString("Zoom%1").arg(percent).toLatin1())->trigger();
      DiagramSheet* sheet = window.Sheet();
      QCOMPARE(sheet->Zoom(), percent);
      QCOMPARE(sheet->Cell().width, percent);
      QCOMPARE(sheet->Columns(), std::max(1, sheet->width() / percent));
      for (int index : {0, 1, sheet->Columns()}) {
        ClickAtZoom(window, index);
        QCOMPARE(sheet->Highlighted(), index);
        QCOMPARE(KeyValues(window.form->SelectedFrets()),
                 KeyValues(window.form->Result().search.voicings[index].frets));
      }
    }
  }

  void theZoomShortcutsStepAndTheChoiceIsRemembered() {
    {
      Window window;
      window.form->findChild<QAction*>("ZoomIn1")->trigger();
      QCOMPARE(window.Sheet()->Zoom(), 150);
      window.form->findChild<QAction*>("ZoomIn1")->trigger();
      window.form->findChild<QAction*>("ZoomIn1")->trigger();
      window.form->findChild<QAction*>("ZoomIn1")->trigger();
      QCOMPARE(window.Sheet()->Zoom(), 300);
      window.form->findChild<QAction*>("ZoomOut1")->trigger();
      QCOMPARE(window.Sheet()->Zoom(), 200);
      QCOMPARE(window.form->findChild<QAction*>("ZoomReset1")->shortcut(), QKeySequence("Ctrl+0"));
    }
    Window again;
    QCOMPARE(again.Sheet()->Zoom(), 200);
    QCOMPARE(again.Get<QLineEdit>("EditAcorde")->text(), QString("C"));  // nothing else kept
  }

  void theKeyboardMovesTheSelectionAndStrums() {
    Window window;
    window.Get<QSlider>("TrackBarTempoAcorde")->setValue(0);
    DiagramSheet* sheet = window.Sheet();
    sheet->setFocus();
    QVERIFY(sheet->hasFocus());
    QTest::keyClick(sheet, Qt::Key_Right);  // nothing selected yet: the first
    QCOMPARE(sheet->Highlighted(), 0);
    QTest::keyClick(sheet, Qt::Key_Right);
    QCOMPARE(sheet->Highlighted(), 1);
    QTest::keyClick(sheet, Qt::Key_Down);
    QCOMPARE(sheet->Highlighted(), 1 + sheet->Columns());
    QTest::keyClick(sheet, Qt::Key_Up);
    QCOMPARE(sheet->Highlighted(), 1);
    QTest::keyClick(sheet, Qt::Key_Left);
    QTest::keyClick(sheet, Qt::Key_Left);  // stays at the first
    QCOMPARE(sheet->Highlighted(), 0);
    QTest::keyClick(sheet, Qt::Key_End);
    int last = sheet->FingeringCount() - 1;
    QCOMPARE(sheet->Highlighted(), last);
    auto* bar = window.Get<QScrollArea>("ScrollBoxViolao")->verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum() > 0 ? bar->value() : 0);
    QVERIFY(bar->value() > 0);  // scrolled into view
    QTest::keyClick(sheet, Qt::Key_Home);
    QCOMPARE(sheet->Highlighted(), 0);
    QTest::keyClick(sheet, Qt::Key_PageDown);
    QVERIFY(sheet->Highlighted() > 0);
    QCOMPARE(sheet->Highlighted() % sheet->Columns(), 0);
    // What a click does: the info text, the neck, the strum.
    QCOMPARE(KeyValues(window.form->SelectedFrets()),
             KeyValues(window.form->Result().search.voicings[sheet->Highlighted()].frets));
    window.form->Player().WaitUntilIdle();
    std::size_t before = window.midi->Records().size();
    QTest::keyClick(sheet, Qt::Key_Space);
    window.form->Player().WaitUntilIdle();
    QVERIFY(window.midi->Records().size() > before);
  }

  // The export draws on a worker thread behind its progress dialog and
  // writes the whole file.
  void exportsEveryDiagramFromTheWindow() {
    Window window;
    QTemporaryDir folder;
    const QString path = folder.filePath("all.svg");
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      dialog->selectFile(path);
      static_cast<QDialog*>(dialog)->accept();
    });
    window.form->findChild<QAction*>("ExportAll1")->trigger();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    QVERIFY(svg.startsWith("<?xml"));
    QVERIFY(svg.trimmed().endsWith("</svg>"));
  }

  // Ordered by ease, the diagrams, clicks and keys follow the easiest-first
  // order, the info box says how easy the shape is; the choice is kept.
  void theDiagramsMayBeOrderedByEase() {
    {
      Window window;
      const auto byPosition = window.form->Result().search.voicings;
      const int searches = window.form->SearchCount();
      window.form->findChild<QAction*>("OrderByEase1")->trigger();
      QCOMPARE(window.form->SearchCount(), searches + 1);
      const auto& byEase = window.form->Result().search.voicings;
      QCOMPARE(byEase.size(), byPosition.size());
      QVERIFY(byEase != byPosition);
      window.ClickCell(1);
      QCOMPARE(KeyValues(window.form->SelectedFrets()), KeyValues(byEase[1].frets));
      QVERIFY(window.Get<QLineEdit>("Edit1")->text().contains(QString::fromUtf8("· 容易")));
    }
    Window again;
    QVERIFY(again.form->findChild<QAction*>("OrderByEase1")->isChecked());
    again.form->findChild<QAction*>("OrderByPosition1")->trigger();
    again.ClickCell(0);
    QCOMPARE(again.Get<QLineEdit>("Edit1")->text(), QString("X 3 2 0 1 0 "));
  }

  // Under the strings: the marks, or the notes or intervals in their place;
  // the choice is remembered.
  void theStringsMayBeLabelledWithNotesOrIntervals() {
    {
      Window window;
      DiagramSheet* sheet = window.Sheet();
      const QRect cell = sheet->CellRect(0);
      const QImage marks = sheet->grab(cell).toImage();
      window.form->findChild<QAction*>("LabelIntervals1")->trigger();
      const QImage intervals = sheet->grab(cell).toImage();
      window.form->findChild<QAction*>("LabelNotes1")->trigger();
      const QImage notes = sheet->grab(cell).toImage();
      QVERIFY(marks != intervals);
      QVERIFY(intervals != notes);
      // The grid and the dots above the labels stay as they were.
      QCOMPARE(marks.copy(0, 0, cell.width(), 85), notes.copy(0, 0, cell.width(), 85));
    }
    Window again;
    QVERIFY(again.form->findChild<QAction*>("LabelNotes1")->isChecked());
    // The notes are spelled by the chord, as the status bar spells them.
    for (auto [typed, spelled, other] : {std::tuple{"C7", "Bb", "A#"},
                                         {"F#7", "A#", "Bb"},
                                         {"Ebm", "Gb", "F#"},
                                         {"Db", "Ab", "G#"}}) {
      again.Get<QLineEdit>("EditAcorde")->setText(typed);
      again.Get<QToolButton>("SpeedButton2")->click();
      bool found = false;
      for (const Voicing& voicing : again.form->Result().search.voicings) {
        const std::vector<std::string> labels = again.Sheet()->LabelsOf(voicing.frets);
        QVERIFY(std::find(labels.begin(), labels.end(), other) == labels.end());
        found = found || std::find(labels.begin(), labels.end(), spelled) != labels.end();
      }
      QVERIFY2(found, typed);
    }
  }

  // Practical voicings: one menu item, a new search, the choice kept.
  void practicalVoicingsAreOneRememberedChoice() {
    {
      Window window;
      window.Get<QLineEdit>("EditAcorde")->setText("C7");
      window.Get<QToolButton>("SpeedButton2")->click();
      auto has = [&](const std::vector<int>& frets) {
        for (const Voicing& voicing : window.form->Result().search.voicings)
          if (KeyValues(voicing.frets) == frets) return true;
        return false;
      };
      const std::vector<int> c7{kMuted, 3, 2, 3, 1, 0};
      QVERIFY(!has(c7));
      const int searches = window.form->SearchCount();
      window.form->findChild<QAction*>("Practical1")->trigger();
      QCOMPARE(window.form->SearchCount(), searches + 1);
      QVERIFY(has(c7));
    }
    Window again;
    QVERIFY(again.form->findChild<QAction*>("Practical1")->isChecked());
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::SheetControlsTest)
#include "sheet_controls_test.moc"
