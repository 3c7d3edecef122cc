// The main window as a user meets it: start state, diagrams, clicks, neck,
// resizing.
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include "app/about_box.h"
#include "keyed_fingering.h"
#include "view/drawn_assets.h"
#include "view/layout/picture_geometry.h"
#include "view/neck_view.h"
#include "window_fixture.h"

namespace corvanta {

using testing::Window;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  // The colour of a grid-background pixel of cell index, away from any dot,
  // barre or label.
  static QRgb GridPixel(const Window& window, int index) {
    QImage picture = window.Sheet()->grab().toImage();
    CellOrigin cell = CellOf(index, window.Sheet()->Columns());
    return picture.pixel(cell.left + 74, cell.top + 17) & 0xFFFFFF;
  }

 private slots:
  void startsWithCMajor() {
    Window window;
    QCOMPARE(window.form->windowTitle(), QString("Corvanta"));
    QCOMPARE(window.Get<QLineEdit>("EditAcorde")->text(), QString("C"));
    QCOMPARE(window.Get<QLabel>("LabelTotal")->text(), QString("165"));
    auto* types = window.Get<QTableWidget>("StringGrid1");
    QCOMPARE(types->rowCount(), 35);
    QCOMPARE(types->item(0, 0)->text(), QString(" "));
    QCOMPARE(types->item(0, 1)->text(), QString("00 04 07"));
    QCOMPARE(types->item(1, 0)->text(), QString::fromUtf8("\u00BA"));
    QVERIFY(!types->isVisible());
    QCOMPARE(window.Ticked(), (std::vector<int>{0}));
    QCOMPARE(window.Get<QListWidget>("ListBox1")->item(0)->text(), QString("C"));
    QCOMPARE(window.Get<QListWidget>("ListBox1")->item(1)->text(), QString("Em5+/C"));
    QVERIFY(!window.Get<QWidget>("Button2")->isVisible());
    QStringList menus;
    for (QAction* menu : window.form->menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus, (QStringList{"文件", "查看", "乐器", "语言 Language", "帮助"}));
    for (QLabel* panel : window.form->statusBar()->findChildren<QLabel*>())
      QVERIFY(panel->text().isEmpty());
  }

  // Rows of 15 px, as the grids are drawn: all twelve notes show, B too.
  void noteGridsShowAllTwelveNotes() {
    Window window;
    for (const char* name : {"StringGridAcorde", "StringGridBaixo"}) {
      auto* grid = window.Get<QTableWidget>(name);
      for (int row = 0; row < grid->rowCount(); ++row) QCOMPARE(grid->rowHeight(row), 15);
      QRect last = grid->visualItemRect(grid->item(11, 0));
      QVERIFY2(last.bottom() < grid->viewport()->height(), name);
    }
  }

  // At the start size every control shows, the capo included, and the
  // window cannot be made smaller than that.
  void theStartSizeShowsEveryControlAndIsTheSmallest() {
    Window window;
    window.form->resize(817, 593);
    QCOMPARE(window.form->minimumSize(), QSize(817, 593));
    window.form->resize(400, 428);
    QCOMPARE(window.form->size(), QSize(817, 593));
    QCoreApplication::processEvents();
    for (const char* name : {"PanelCapo", "SpinCapo", "Panel4", "Panel2", "Panel6", "Panel5"}) {
      auto* control = window.Get<QWidget>(name);
      QRect inWindow(control->mapTo(window.form.get(), QPoint(0, 0)), control->size());
      QVERIFY2(window.form->rect().contains(inWindow), name);
    }
    // "Ticks" and "Types" fit their buttons in both languages, with hints.
    for (UiLanguage language : {UiLanguage::English, UiLanguage::Chinese}) {
      window.form->SetLanguage(language, false);
      for (const char* name : {"SpeedButton7", "SpeedButton8"}) {
        auto* button = window.Get<QToolButton>(name);
        QVERIFY2(!button->toolTip().isEmpty(), name);
        QVERIFY2(CaptionFits(button->text(), button->font(), button->width()), name);
      }
    }
  }

  // Under a dark desktop palette the panels, lists and boxes follow it, the
  // diagram paper stays white, and no text is drawn in its background's colour.
  void aDarkPaletteLeavesNoTextOnItsOwnColour() {
    const QPalette light = QApplication::palette();
    const QRgb paper = GridPixel(Window(), 0);
    QPalette dark(QColor(53, 53, 53), QColor(35, 35, 35));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    {
      Window window;
      auto lightness = [](QColor c) { return c.toHsl().lightness(); };
      for (const char* name : {"ListBox1", "CheckListBox1", "StringGridAcorde", "EditAcorde"}) {
        const QPalette p = window.Get<QWidget>(name)->palette();
        QVERIFY2(
            std::abs(lightness(p.color(QPalette::Text)) - lightness(p.color(QPalette::Base))) > 100,
            name);
        QVERIFY2(lightness(p.color(QPalette::Base)) < 128, name);  // it follows the dark palette
      }
      // The instrument box keeps its light colour, so its text is drawn dark.
      QImage box = window.Get<QWidget>("ComboBoxPatch")->grab().toImage();
      int darkest = 255;
      for (int y = 0; y < box.height(); ++y)
        for (int x = 4; x < box.width() / 2; ++x)
          darkest = std::min(darkest, qGray(box.pixel(x, y)));
      QVERIFY(darkest < 100);
      QCOMPARE(GridPixel(window, 0), paper);  // the diagram paper as ever
    }
    QApplication::setPalette(light);
  }

  void sizesThePictureForTheDiagramArea() {
    Window window;
    auto* box = window.Get<QScrollArea>("ScrollBoxViolao");
    DiagramSheet* sheet = window.Sheet();
    QCOMPARE(sheet->width(), box->width());
    QCOMPARE(sheet->Columns(), box->width() / 100);
    QCOMPARE(sheet->height(), (165 / sheet->Columns()) * 130 + 260);
  }

  void clickHighlightsOnlyTheClickedCell() {
    Window window;
    window.ClickCell(3);
    QCOMPARE(window.Get<QLineEdit>("Edit1")->text(), QString("X 3 2 0 5 0 "));
    QCOMPARE(GridPixel(window, 3), kHighlightedGridBackground & 0xFFFFFF);
    QCOMPARE(GridPixel(window, 0), kPlainGridBackground & 0xFFFFFF);
    QCOMPARE(GridPixel(window, 4), kPlainGridBackground & 0xFFFFFF);
    window.ClickCell(2, Qt::RightButton);  // any button selects
    QCOMPARE(GridPixel(window, 3), kPlainGridBackground & 0xFFFFFF);
    QCOMPARE(GridPixel(window, 2), kHighlightedGridBackground & 0xFFFFFF);
    QCOMPARE(window.Get<QLineEdit>("Edit1")->text(), QString("X 3 5 5 5 3 "));
    QCOMPARE(KeyValues(window.form->SelectedFrets()), (std::vector<int>{99, -3, 5, 5, 5, 3}));
  }

  void aSearchClearsTheHighlightButKeepsTheInfoText() {
    Window window;
    window.ClickCell(0);
    QCOMPARE(GridPixel(window, 0), kHighlightedGridBackground & 0xFFFFFF);
    QTest::mouseClick(window.Get<QWidget>("CheckBoxOmit5"), Qt::LeftButton);
    QCOMPARE(GridPixel(window, 0), kPlainGridBackground & 0xFFFFFF);
    QCOMPARE(window.Get<QLineEdit>("Edit1")->text(), QString("X 3 2 0 1 0 "));
    window.ClickCell(1);
    QCOMPARE(GridPixel(window, 0), kPlainGridBackground & 0xFFFFFF);
    QCOMPARE(GridPixel(window, 1), kHighlightedGridBackground & 0xFFFFFF);
  }

  void ignoresClicksOutsideTheDiagrams() {
    Window window;
    DiagramSheet* sheet = window.Sheet();
    int columns = sheet->Columns();
    const QPoint ignored[] = {{columns * 100 - 4, 10},
                              {columns * 100 + 2, 10},
                              {50, sheet->height() - 10},
                              {(165 % columns) * 100 + 50, (165 / columns) * 130 + 20}};
    for (QPoint at : ignored) {
      QTest::mouseClick(sheet, Qt::LeftButton, Qt::NoModifier, at);
      QVERIFY(window.Get<QLineEdit>("Edit1")->text().isEmpty());
    }
    // A drag that ends outside the picture.
    QTest::mousePress(sheet, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QTest::mouseRelease(sheet, Qt::LeftButton, Qt::NoModifier, QPoint(-30, -200));
    QTest::mouseRelease(sheet, Qt::LeftButton, Qt::NoModifier, QPoint(50, 100000));
    QVERIFY(window.Get<QLineEdit>("Edit1")->text().isEmpty());
    QVERIFY(window.midi->Records().empty());
  }

  void showsTheSelectionOnTheNeck() {
    Window window;
    auto* neck = window.Get<NeckView>("Image2");
    QVERIFY(!neck->HasMarkers());
    window.ClickCell(2);
    QVERIFY(neck->HasMarkers());
    QCOMPARE(KeyValues(neck->MarkedFrets()), (std::vector<int>{99, -3, 5, 5, 5, 3}));
    QTest::mouseClick(window.Get<QWidget>("SpeedButton11"), Qt::LeftButton);
    QVERIFY(!neck->HasMarkers());  // a new background erases the markers
    window.ClickCell(0);
    QVERIFY(neck->HasMarkers());
  }

  void resizingReflowsAndClearsTheHighlight() {
    Window window;
    window.ClickCell(1);
    int searches = window.form->SearchCount();
    int columns = window.Sheet()->Columns();
    window.form->resize(700, 700);
    QCOMPARE(window.form->SearchCount(), searches + 1);
    QVERIFY(window.Sheet()->Columns() < columns);
    QCOMPARE(window.Sheet()->Highlighted(), -1);
    QCOMPARE(window.Get<QLineEdit>("Edit1")->text(), QString("X 3 2 0 1 3 "));
    // Moving a splitter re-runs nothing.
    auto* splitter = window.Get<QSplitter>("Splitter2");
    splitter->setSizes({200, 300});
    QCOMPARE(window.form->SearchCount(), searches + 1);
  }

  void survivesANarrowWindowAndANarrowPicture() {
    Window window;
    window.form->resize(120, 200);
    QVERIFY(window.Sheet()->Columns() >= 1);
    window.Sheet()->ShowFingerings({Keyed({0, 2, 2, 1, 0, 0})}, 50);
    QCOMPARE(window.Sheet()->Columns(), 1);
    QTest::mouseClick(window.Sheet(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  }

  void aboutBoxShowsTheVersion() {
    DrawnAssets assets = DrawAssets();
    TForm2 about(assets);
    QCOMPARE(about.windowTitle(), QString("关于Corvanta"));
    QCOMPARE(about.size(), QSize(260, 159));
    QCOMPARE(about.findChild<QLabel*>("Label1")->text(), QString("Corvanta v.1.0"));
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::MainWindowTest)
#include "main_window_test.moc"
