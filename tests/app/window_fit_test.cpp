// The window as a new user meets it on a second day: the info box holds its
// longest text, the grids their whole names, the layout shares a wide
// screen, the chart marks follow the view into exports, left-handed
// mirroring keeps the selection, the custom tuning names a bad note, every
// control has a hint in both languages, and a dark palette stays readable.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <map>

#include "app/diagram_help.h"
#include "app/preferences.h"
#include "instrument/instrument.h"
#include "keyed_fingering.h"
#include "view/layout/neck_layout.h"
#include "view/neck_view.h"
#include "window_fixture.h"

namespace corvanta {

using testing::Window;

namespace {

double Luminance(QColor colour) {
  auto channel = [](double c) {
    c /= 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
         0.0722 * channel(colour.blue());
}

double Contrast(QColor a, QColor b) {
  double la = Luminance(a), lb = Luminance(b);
  if (la < lb) std::swap(la, lb);
  return (la + 0.05) / (lb + 0.05);
}

// A picture's ground (its commonest colour) and its strongest contrast with
// it: the ink of a text or the frame of a box.
double InkContrast(const QImage& image) {
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  QRgb ground = counts.begin()->first;
  for (auto [colour, count] : counts)
    if (count > counts[ground]) ground = colour;
  double best = 1;
  for (auto [colour, count] : counts) best = std::max(best, Contrast(colour, ground));
  return best;
}

QPalette DarkPalette() {
  QPalette dark;
  const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230);
  dark.setColor(QPalette::Window, window);
  dark.setColor(QPalette::WindowText, text);
  dark.setColor(QPalette::Base, base);
  dark.setColor(QPalette::AlternateBase, window);
  dark.setColor(QPalette::Text, text);
  dark.setColor(QPalette::Button, window);
  dark.setColor(QPalette::ButtonText, text);
  dark.setColor(QPalette::Light, QColor(70, 70, 74));
  dark.setColor(QPalette::Midlight, QColor(60, 60, 64));
  dark.setColor(QPalette::Dark, QColor(20, 20, 22));
  dark.setColor(QPalette::Mid, QColor(35, 35, 38));
  dark.setColor(QPalette::Shadow, Qt::black);
  dark.setColor(QPalette::Highlight, QColor(40, 100, 200));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  dark.setColor(QPalette::ToolTipBase, window);
  dark.setColor(QPalette::ToolTipText, text);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    dark.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
  return dark;
}

// Every label and check box shown with a text, and the box of every check
// box, readable on what lies under it.
void CheckContrast(const Window& window, const char* where) {
  int checked = 0;
  for (QWidget* widget : window.form->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window.form.get()) || !widget->isEnabled()) continue;
    auto* label = qobject_cast<QLabel*>(widget);
    auto* box = qobject_cast<QCheckBox*>(widget);
    if (!(label && !label->text().isEmpty() && label->pixmap().isNull()) && !box) continue;
    const QImage image = widget->grab().toImage();
    const QByteArray name = QByteArray(where) + ": " + widget->objectName().toUtf8();
    QVERIFY2(InkContrast(image) >= 4.5, name.constData());
    if (box) {
      QStyleOptionButton option;
      option.initFrom(box);
      const QRect indicator =
          box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
      // The empty box's frame against the panel: a component, 3:1.
      QVERIFY2(InkContrast(image.copy(indicator.adjusted(-2, -2, 2, 2))) >= 3.0, name.constData());
    }
    ++checked;
  }
  QVERIFY(checked >= 10);
}

}  // namespace

class WindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QSettings("Corvanta", "Corvanta").clear(); }

  // The info box holds eight strings at two-digit frets with the longest
  // difficulty word, in both languages; an instrument change empties it.
  void theInfoBoxHoldsItsLongestTextAndEmptiesOnAnotherInstrument() {
    Window window;
    auto* info = window.Get<QLineEdit>("Edit1");
    for (UiLanguage language : {UiLanguage::Chinese, UiLanguage::English}) {
      window.form->SetLanguage(language, false);
      for (DifficultyWord word :
           {DifficultyWord::Easy, DifficultyWord::Medium, DifficultyWord::Hard}) {
        const QString longest = "24 12 24 12 24 12 24 12   \u00b7 " + DifficultyWordText(word);
        QVERIFY2(info->fontMetrics().horizontalAdvance(longest) <= info->width() - 6,
                 qPrintable(longest));
      }
      QVERIFY(info->geometry().right() < info->parentWidget()->width());
    }
    window.form->findChild<QAction*>("OrderByEase1")->trigger();
    window.ClickCell(0);
    QVERIFY(info->text().startsWith("X 3 2 0 1 0"));
    window.form->ChooseInstrument(*FindInstrument("ukulele"), false);
    QVERIFY(info->text().isEmpty());
  }

  // Wide, the neck and the lower panel take the width; the grids show whole
  // note names, the banner is one black, the capo names button says its
  // choice, and File ends with Quit on Ctrl+Q.
  void aWideWindowSharesItsWidth() {
    Window window;
    window.form->resize(1600, 900);
    QTest::qWait(50);
    auto* lower = window.Get<QFrame>("PanelBraco");
    auto* sound = window.Get<QFrame>("Panel5");
    auto* neck = window.Get<NeckView>("Image2");
    QVERIFY(sound->width() >= lower->width() - 12);
    QVERIFY(neck->width() >= sound->width() - 16);
    QVERIFY(neck->Stretch() > 1.5);
    // A click on the wide neck lands on the fret it shows.
    QTest::mouseClick(neck, Qt::LeftButton, Qt::NoModifier,
                      neck->WidgetPoint(QPoint(NeckFretX(5) - 5, NeckStringY(5, 6))));
    QCOMPARE(KeyValues(window.form->SelectedFrets())[5], 5);

    for (const char* name : {"StringGridAcorde", "StringGridBaixo"}) {
      auto* grid = window.Get<QTableWidget>(name);
      for (int row = 0; row < grid->rowCount(); ++row) {
        const QString text = grid->item(row, 0)->text();
        QVERIFY2(grid->fontMetrics().horizontalAdvance(text) + 4 <= grid->columnWidth(0), name);
      }
    }
    window.Get<QToolButton>("SpeedButton6")->click();  // flats: "Db", "Eb" ...
    auto* banner = window.Get<QFrame>("PanelBanner");
    const QImage strip = banner->grab().toImage();
    QCOMPARE(strip.pixelColor(strip.width() - 2, 2), strip.pixelColor(2, 2));

    auto* capoNames = window.Get<QToolButton>("ToolButtonCapoNames");
    QCOMPARE(capoNames->text(), QString::fromUtf8("实际发音"));
    window.form->findChild<QAction*>("CapoNamesShapes1")->trigger();
    QCOMPARE(capoNames->text(), QString::fromUtf8("指法形状"));
    window.form->SetLanguage(UiLanguage::English, false);
    QCOMPARE(capoNames->text(), QString("Shapes"));
    QVERIFY(capoNames->fontMetrics().horizontalAdvance(capoNames->text()) < capoNames->width());

    auto* quit = window.Get<QAction>("Quit1");
    QCOMPARE(quit->text(), QString("Quit"));
    QCOMPARE(quit->shortcut(), QKeySequence(QKeySequence::Quit));
    quit->trigger();
    QVERIFY(!window.form->isVisible());
  }

  // At its smallest, in either language, every panel of the lower row shows.
  void theSmallestWindowShowsEveryPanelInBothLanguages() {
    Window window;
    for (UiLanguage language : {UiLanguage::Chinese, UiLanguage::English}) {
      window.form->SetLanguage(language, false);
      window.form->resize(400, 400);
      QCoreApplication::processEvents();
      for (const char* name : {"PanelInfo", "Panel4", "Panel2", "Panel6", "Panel5", "PanelCapo"}) {
        auto* panel = window.Get<QWidget>(name);
        const QRect inWindow(panel->mapTo(window.form.get(), QPoint(0, 0)), panel->size());
        QVERIFY2(window.form->rect().contains(inWindow), name);
      }
    }
  }

  // Chart marks, from View > Under the strings: the sheet draws them, the
  // exports get them, the choice is remembered.
  void chartMarksFollowTheViewIntoExports() {
    {
      Window window;
      QCOMPARE(window.Sheet()->Marks(), DiagramMarks::Below);  // the C locale's first start
      window.Get<QAction>("LabelChart1")->trigger();
      QCOMPARE(window.Sheet()->Marks(), DiagramMarks::Chart);
      QCOMPARE(window.form->CurrentSession().labels, StringLabels::Chart);
    }
    Window again;
    QVERIFY(again.Get<QAction>("LabelChart1")->isChecked());
    QCOMPARE(again.Sheet()->Marks(), DiagramMarks::Chart);
    // The first diagram's chart row: a mark over each open or muted string,
    // none over a fretted one.
    const QImage cell = again.Sheet()->grab(again.Sheet()->CellRect(0)).toImage();
    const Fingering& frets = again.Sheet()->Fingerings()[0];
    for (std::size_t k = 0; k < frets.size(); ++k) {
      bool ink = false;
      for (int y = 4; y < 10; ++y)
        for (int x = 21 + 11 * int(k); x < 27 + 11 * int(k); ++x)
          ink = ink || qGray(cell.pixel(x, y)) < 100;
      QCOMPARE(ink, !frets[k].IsHeld());
    }
  }

  // An export draws the strings as the view does, and the next export's
  // dialog opens in the folder of the last; before any, a desktop folder.
  void exportsFollowTheViewAndRememberTheirFolder() {
    QVERIFY(QDir(QString::fromStdString(preferences::ExportFolder())).exists());
    Window window;
    QTemporaryDir folder;
    auto exportTo = [&](const QString& name) {
      QString opened;
      QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        opened = dialog->directory().absolutePath();
        dialog->selectFile(folder.filePath(name));
        static_cast<QDialog*>(dialog)->accept();
      });
      window.Get<QAction>("ExportAll1")->trigger();
      QFile file(folder.filePath(name));
      if (!file.open(QIODevice::ReadOnly)) return std::pair{opened, QByteArray()};
      return std::pair{opened, file.readAll()};
    };
    const auto [firstFolder, below] = exportTo("below.svg");
    QCOMPARE(QString::fromStdString(preferences::ExportFolder()),
             QDir(folder.path()).absolutePath());
    window.Get<QAction>("LabelChart1")->trigger();
    const auto [secondFolder, chart] = exportTo("chart.svg");
    QCOMPARE(secondFolder, QDir(folder.path()).absolutePath());
    QVERIFY(!below.isEmpty() && !chart.isEmpty());
    QVERIFY(below != chart);
    Q_UNUSED(firstFolder);
  }

  // Mirrored, the selected diagram stays highlighted.
  void leftHandedMirroringKeepsTheSelection() {
    Window window;
    window.ClickCell(2);
    const Fingering selected = window.form->SelectedFrets();
    QTest::mouseClick(window.Get<QCheckBox>("CheckBoxCanhoto"), Qt::LeftButton);
    QVERIFY(window.Sheet()->LeftHanded());
    QCOMPARE(window.Sheet()->Highlighted(), 2);
    QVERIFY(window.Sheet()->Fingerings()[2] == selected);
    QTest::mouseClick(window.Get<QCheckBox>("CheckBoxCanhoto"), Qt::LeftButton);
    QCOMPARE(window.Sheet()->Highlighted(), 2);
  }

  // A bad note is named and what was typed stays in the box to be mended.
  void theCustomTuningNamesTheBadNoteAndKeepsTheText() {
    Window window;
    window.form->SetLanguage(UiLanguage::English, false);
    QString secondLabel, secondText;
    QTimer::singleShot(0, [&] {
      auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      QVERIFY(ask != nullptr);
      ask->setTextValue("G3 C4 H4 A4");
      ask->accept();
      QTimer::singleShot(0, [&] {
        auto* again = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(again != nullptr);
        secondLabel = again->labelText();
        secondText = again->textValue();
        again->reject();
      });
    });
    window.Get<QAction>("CustomInstrument1")->trigger();
    QVERIFY2(secondLabel.startsWith("'H4' is not a note name: use C..B with #, b and an octave"),
             qPrintable(secondLabel));
    QCOMPARE(secondText, QString("G3 C4 H4 A4"));
    QCOMPARE(window.form->ChosenInstrument().name, std::string("guitar"));
    QCOMPARE(FirstBadPitchName("G3 C4 E4 A4"), std::string());
    QCOMPARE(FirstBadPitchName("G3 X9 H4"), std::string("X9"));
  }

  // Every control has a hint, in Chinese and in English (translated).
  void everyControlHasAHintInBothLanguages() {
    Window window;
    std::map<QString, QString> chinese;
    for (UiLanguage language : {UiLanguage::Chinese, UiLanguage::English}) {
      window.form->SetLanguage(language, false);
      int controls = 0;
      for (QWidget* widget : window.form->findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
            qobject_cast<QAbstractSlider*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
            qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractItemView*>(widget) ||
            qobject_cast<NeckView*>(widget) || qobject_cast<DiagramSheet*>(widget);
        // The controls the window names; a box's own parts go with it.
        if (!control || widget->objectName().isEmpty() || widget->objectName().startsWith("qt_") ||
            !widget->isVisibleTo(window.form.get()))
          continue;
        const QString hint = widget->toolTip();
        QVERIFY2(!hint.isEmpty(), qPrintable(widget->objectName()));
        if (language == UiLanguage::Chinese) {
          chinese[widget->objectName()] = hint;
        } else {
          const bool han =
              std::any_of(hint.begin(), hint.end(), [](QChar c) { return c.unicode() >= 0x3000; });
          QVERIFY2(!han, qPrintable(widget->objectName() + ": " + hint));
        }
        ++controls;
      }
      QVERIFY(controls >= 30);
    }
    // The window's own Chinese hints stay as they are.
    QCOMPARE(chinese["ComboBox2"], QString::fromUtf8("手指跨度"));
    QCOMPARE(chinese["CheckBoxCanhoto"], QString::fromUtf8("左撇子的按法"));
  }

  // Help > How to read a diagram: its page in both languages.
  void theHelpPageExplainsTheDiagram() {
    Window window;
    QCOMPARE(window.Get<QAction>("HowToRead1")->text(), QString::fromUtf8("如何看和弦图"));
    QVERIFY(DiagramHelp::PageText().contains(QString::fromUtf8("横按")));
    window.form->SetLanguage(UiLanguage::English, false);
    QCOMPARE(window.Get<QAction>("HowToRead1")->text(), QString("How to read a diagram"));
    const QString page = DiagramHelp::PageText();
    for (const char* word : {"barre", "finger", "fret", "easy", "medium", "hard", "capo"})
      QVERIFY2(page.contains(word, Qt::CaseInsensitive), word);
    DiagramHelp help(DiagramMarks::Chart);
    QVERIFY(help.findChild<QTextBrowser*>("DiagramHelpText") != nullptr);
  }

  // A dark palette: every label and check box readable, the info box's text too.
  void aDarkPaletteKeepsEveryTextReadable() {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    {
      Window window;
      window.ClickCell(0);
      CheckContrast(window, "dark palette");
      QVERIFY(InkContrast(window.Get<QLineEdit>("Edit1")->grab().toImage()) >= 4.5);
      window.form->SetLanguage(UiLanguage::English, false);
      CheckContrast(window, "dark palette, English");
    }
    // The Adwaita dark style, where the system has it.
    if (QStyleFactory::keys().contains("Adwaita-Dark", Qt::CaseInsensitive)) {
      QStyle* style = QStyleFactory::create("Adwaita-Dark");
      QApplication::setStyle(style);
      QApplication::setPalette(style->standardPalette());
      Window window;
      window.form->SetLanguage(UiLanguage::English, false);
      CheckContrast(window, "Adwaita-Dark");
      // Its inactive window's texts are not the disabled ones.
      for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        QVERIFY(window.form->palette().color(QPalette::Inactive, role) !=
                window.form->palette().color(QPalette::Disabled, role));
      QVERIFY(
          window.Get<QListWidget>("ListBox1")
              ->palette()
              .color(QPalette::Inactive, QPalette::Text) ==
          window.Get<QListWidget>("ListBox1")->palette().color(QPalette::Active, QPalette::Text));
      // "Omit 5th" and "Omit 3rd" stand apart.
      QVERIFY(window.Get<QCheckBox>("CheckBoxOmit5")->geometry().right() <
              window.Get<QCheckBox>("CheckBoxOmit3")->x());
    }
    QApplication::setPalette(before);
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::WindowFitTest)
#include "window_fit_test.moc"
