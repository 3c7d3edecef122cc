// The chord and tuning controls driven by mouse and keyboard, counting the
// searches each one runs.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include "window_fixture.h"

namespace corvanta {

using testing::Window;

class ChordControlsTest : public QObject {
  Q_OBJECT

 private:
  static QString Symbol(const Window& window) {
    return window.Get<QLineEdit>("EditAcorde")->text();
  }

  static void Query(const Window& window, const QString& text, bool pressEnter = false) {
    auto* box = window.Get<QLineEdit>("EditAcorde");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    if (pressEnter) {
      QTest::keyClick(box, Qt::Key_Return);
    } else {
      QTest::mouseClick(window.Get<QToolButton>("SpeedButton2"), Qt::LeftButton);
    }
  }

  static void ChoosePreset(const Window& window, const char* itemName) {
    window.form->findChild<QAction*>(itemName)->trigger();
  }

 private slots:
  void choosingARootAfterASeparateBassMovesTheBassRow() {
    Window window;
    window.ClickRow("StringGridBaixo", 4);
    QCOMPARE(Symbol(window), QString("C/E"));
    int searches = window.form->SearchCount();
    window.ClickRow("StringGridAcorde", 2);
    QCOMPARE(Symbol(window), QString("D"));
    QCOMPARE(window.form->SearchCount(), searches + 1);  // the bass choice inside searches with it
    QCOMPARE(window.Get<QTableWidget>("StringGridBaixo")->currentRow(), 2);
    QCOMPARE(window.form->Result().argument, std::string("2 6 9"));
  }

  void theRootIsSpelledFromTheBassGrid() {
    Window window;
    QTest::mouseClick(window.Get<QToolButton>("SpeedButton6"), Qt::LeftButton);
    auto* root = window.Get<QTableWidget>("StringGridAcorde");
    QCOMPARE(root->item(1, 0)->text(), QString("Db"));
    QCOMPARE(window.Get<QTableWidget>("StringGridBaixo")->item(1, 0)->text(), QString("C#"));
    window.ClickRow("StringGridAcorde", 1);
    QCOMPARE(Symbol(window), QString("C#"));
    QVERIFY(window.Get<QToolButton>("SpeedButton6")->isChecked());
  }

  void arrowKeysInAGridChooseRows() {
    Window window;
    auto* root = window.Get<QTableWidget>("StringGridAcorde");
    root->setFocus();
    int searches = window.form->SearchCount();
    QTest::keyClick(root, Qt::Key_Down);
    QTest::keyClick(root, Qt::Key_Down);
    QCOMPARE(Symbol(window), QString("D"));
    QCOMPARE(window.form->SearchCount(),
             searches + 2);  // one search a row, the bass row's move in it
  }

  void theTypeGridNamesTheTypeAndLeavesTheTicks() {
    Window window;
    QTest::mouseClick(window.Get<QToolButton>("SpeedButton8"), Qt::LeftButton);
    QVERIFY(window.Get<QTableWidget>("StringGrid1")->isVisible());
    QVERIFY(!window.Get<QListWidget>("CheckListBox1")->isVisible());
    int searches = window.form->SearchCount();
    window.ClickRow("StringGrid1", 29);
    QCOMPARE(Symbol(window), QString("Cm7"));
    QCOMPARE(window.form->SearchCount(), searches + 1);
    QTest::mouseClick(window.Get<QToolButton>("SpeedButton7"), Qt::LeftButton);
    QCOMPARE(window.Ticked(), (std::vector<int>{0}));
    QCOMPARE(window.form->SearchCount(), searches + 1);
  }

  void simpleChordsSetTheSpanAndSearchOnce() {
    Window window;
    int searches = window.form->SearchCount();
    QTest::mouseClick(window.Get<QCheckBox>("CheckBoxNSI"), Qt::LeftButton);
    QCOMPARE(window.Get<QComboBox>("ComboBox2")->currentText(), QString("3"));
    QCOMPARE(window.form->SearchCount(), searches + 1);
    QTest::mouseClick(window.Get<QCheckBox>("CheckBoxNSI"), Qt::LeftButton);
    QCOMPARE(window.Get<QComboBox>("ComboBox2")->currentText(), QString("5"));
    QCOMPARE(window.form->SearchCount(), searches + 2);
    QCOMPARE(window.Get<QLabel>("LabelTotal")->text(), QString("165"));
  }

  void optionsChangeTheResult() {
    Window window;
    window.ClickRow("StringGridAcorde", 5);
    QTest::mouseClick(window.Get<QCheckBox>("CheckBoxPestanas"), Qt::LeftButton);
    QCOMPARE(window.Get<QLabel>("LabelTotal")->text(), QString("45"));
    window.Get<QComboBox>("ComboBox1")->setCurrentIndex(3);  // 24 frets
    QVERIFY(window.Get<QLabel>("LabelTotal")->text().toInt() > 45);
    QTest::mouseClick(window.Get<QCheckBox>("CheckBoxCanhoto"), Qt::LeftButton);
    QVERIFY(window.form->Entry().state.leftHanded);
  }

  void theCheckListKeepsMajorAndMinorApart() {
    Window window;
    window.ToggleItem(0);
    QCOMPARE(window.Ticked(), (std::vector<int>{1}));
    QCOMPARE(Symbol(window), QString("Cm"));
    window.ToggleItem(15);
    QCOMPARE(Symbol(window), QString("Cm/7"));
    QCOMPARE(window.form->Result().argument, std::string("0 3 7 10"));
  }

  void tickingToTheLimitDisablesAddedDegreesAndTheBassGrid() {
    Window window;
    for (int item : {15, 18, 21}) window.ToggleItem(item);
    auto* list = window.Get<QListWidget>("CheckListBox1");
    QVERIFY(!(list->item(24)->flags() & Qt::ItemIsEnabled));
    QVERIFY(list->item(2)->flags() & Qt::ItemIsEnabled);
    QVERIFY(!window.Get<QTableWidget>("StringGridBaixo")->isEnabled());
    int searches = window.form->SearchCount();
    window.ToggleItem(24);  // disabled: nothing happens
    QCOMPARE(window.Ticked(), (std::vector<int>{0, 15, 18, 21}));
    QCOMPARE(window.form->SearchCount(), searches);
  }

  void typedSymbolsAreQueried() {
    Window window;
    Query(window, "C7/9/11/13");
    QCOMPARE(window.Ticked(), (std::vector<int>{0, 15, 18, 21}));
    QCOMPARE(Symbol(window), QString("C7/9/11/13 "));
    Query(window, "Cm7/G", true);
    QCOMPARE(Symbol(window), QString("Cm/7/G"));
    QCOMPARE(window.Ticked(), (std::vector<int>{0, 1, 15}));
    Query(window, "Bbsus4");
    QCOMPARE(window.Get<QTableWidget>("StringGridAcorde")->item(10, 0)->text(), QString("Bb"));
    Query(window, "");
    QCOMPARE(window.Get<QLabel>("LabelTotal")->text(), QString("0"));
    Query(window, QString::fromUtf8("C\u00BA"));
    QCOMPARE(window.Ticked(), (std::vector<int>{0, 4}));
  }

  // After a query the grids show the chord read, and a bass click names it.
  void aBassClickAfterAQueryNamesTheChordShown() {
    Window window;
    Query(window, "Am7");
    QCOMPARE(window.Get<QTableWidget>("StringGridAcorde")->currentRow(), 9);
    QCOMPARE(window.Get<QTableWidget>("StringGridBaixo")->currentRow(), 9);
    const QString count = window.Get<QLabel>("LabelTotal")->text();
    window.ClickRow("StringGridBaixo", 7);
    QCOMPARE(Symbol(window), QString("Am/7/G"));
    QVERIFY(window.Get<QLabel>("LabelTotal")->text() != count);
  }

  static QString ReadingPanel(const Window& window) {
    return window.form->statusBar()->findChildren<QLabel*>().value(0)->text();
  }

  void standardSpellingsAreReadAndUnusedWordsShown() {
    QSettings("Corvanta", "Corvanta").clear();
    Window window;
    Query(window, "Cmaj7", true);
    QCOMPARE(Symbol(window), QString("C7+ "));
    QCOMPARE(ReadingPanel(window), QString("C7+  C E G B"));
    // A word not understood: the box keeps what was typed, tinted, with the
    // report in its hint; the status bar shows the chord searched.
    auto* box = window.Get<QLineEdit>("EditAcorde");
    const QString plainStyle = box->styleSheet();
    Query(window, "C7zap");
    QCOMPARE(ReadingPanel(window), QString::fromUtf8("C7/  C E G Bb  未识别: zap"));
    QCOMPARE(Symbol(window), QString("C7zap"));
    QVERIFY(box->styleSheet() != plainStyle);
    QVERIFY(box->toolTip().contains("zap"));
    auto* panel = window.form->statusBar()->findChildren<QLabel*>().value(0);
    QVERIFY(panel->width() >= panel->fontMetrics().horizontalAdvance(panel->text()));
    Query(window, "hello");
    QCOMPARE(ReadingPanel(window), QString::fromUtf8("未识别: hello"));
    Query(window, "Am");  // a successful reading clears the report
    QCOMPARE(ReadingPanel(window), QString("Am  A C E"));
    QCOMPARE(box->styleSheet(), plainStyle);
    window.ClickRow("StringGridAcorde", 2);  // so does any other chord change
    QCOMPARE(ReadingPanel(window), QString());
  }

  void theBestNameAndEveryNameAreWrittenInTheNotationChosen() {
    QSettings("Corvanta", "Corvanta").clear();
    Window window;
    auto* best = window.Get<QLabel>("LabelBestName");
    Query(window, "Cmaj7");
    QCOMPARE(Symbol(window), QString("C7+ "));
    QCOMPARE(best->text(), QString::fromUtf8("名称: C7+"));
    window.ClickRow("StringGridBaixo", 4);  // over E: the list keeps its content below
    QCOMPARE(best->text(), QString::fromUtf8("名称: C7+/E"));
    window.form->findChild<QAction*>("StandardNotation1")->trigger();
    QCOMPARE(Symbol(window), QString("Cmaj7/E"));
    QCOMPARE(best->text(), QString::fromUtf8("名称: Cmaj7/E"));
    QVERIFY(ReadingPanel(window).isEmpty());
    Query(window, "Cm7b5");
    QCOMPARE(Symbol(window), QString("Cm7b5"));
    QCOMPARE(ReadingPanel(window), QString("Cm7b5  C Eb Gb Bb"));
    Query(window, "F#7");
    QCOMPARE(ReadingPanel(window), QString("F#7  F# A# C# E"));
    // A sixth read as it was typed in the box, named as a musician would above the list.
    Query(window, "Am7/C");
    QCOMPARE(Symbol(window), QString("Am7/C"));
    QCOMPARE(best->text(), QString::fromUtf8("名称: C6"));
  }

  // The program's notation keeps its list; the standard one lists the
  // readings, ranked, the chord itself first and every bass kept.
  void theNameListFollowsTheNotation() {
    QSettings("Corvanta", "Corvanta").clear();
    Window window;
    auto* list = window.Get<QListWidget>("ListBox1");
    auto texts = [list] {
      QStringList names;
      for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
      return names;
    };
    Query(window, "Cmaj7");
    QCOMPARE(list->item(0)->text(), QString("B/5+/add2-/4/C (no3)"));
    const QStringList own = texts();
    auto* standard = window.form->findChild<QAction*>("StandardNotation1");
    standard->trigger();
    QCOMPARE(list->item(0)->text(), QString("Cmaj7"));
    QCOMPARE(list->item(1)->text(), QString("Em/C"));
    standard->trigger();
    QCOMPARE(texts(), own);
    standard->trigger();
    Query(window, "D/F#");
    QCOMPARE(list->item(0)->text(), QString("D/F#"));
    QVERIFY(list->findItems("DF#", Qt::MatchExactly).isEmpty());
  }

  // Under the standard notation both lists name each word as songbooks do,
  // the program's word beside it; a row still chooses its own type.
  void theTypeAndDegreeListsShowTheStandardNames() {
    QSettings("Corvanta", "Corvanta").clear();
    Window window;
    auto* types = window.Get<QTableWidget>("StringGrid1");
    auto* degrees = window.Get<QListWidget>("CheckListBox1");
    QCOMPARE(types->item(14, 0)->text(), QString("6+"));
    QCOMPARE(degrees->item(14)->text(), QString("6+"));
    auto* standard = window.form->findChild<QAction*>("StandardNotation1");
    standard->trigger();
    QCOMPARE(types->item(0, 0)->text(), QString("maj"));
    QCOMPARE(types->item(14, 0)->text(), QString("7 (6+)"));
    QCOMPARE(types->item(15, 0)->text(), QString("7"));
    QCOMPARE(types->item(20, 0)->text(), QString("maj7 (7+)"));
    QCOMPARE(types->item(23, 0)->text(), QString("sus4 (11)"));
    QCOMPARE(types->item(1, 0)->text(), QString::fromUtf8("dim7 (º)"));
    QCOMPARE(degrees->item(14)->text(), QString("7 (6+)"));
    QCOMPARE(degrees->item(21)->text(), QString("11"));
    QCOMPARE(degrees->item(50)->text(), QString("sus4 (sus11)"));
    window.ClickRow("StringGrid1", 23);
    QCOMPARE(Symbol(window), QString("Csus4"));
    QCOMPARE(window.form->Result().argument, std::string("0 5 7"));
    standard->trigger();
    QCOMPARE(types->item(14, 0)->text(), QString("6+"));
    QCOMPARE(degrees->item(50)->text(), QString("sus11"));
  }

  void leftOutTonesNoChordAndRefusalsAreReported() {
    QSettings("Corvanta", "Corvanta").clear();
    Window window;
    window.form->findChild<QAction*>("StandardNotation1")->trigger();
    Query(window, "C13(#11)");
    QVERIFY(ReadingPanel(window).endsWith(QString::fromUtf8("省略: 5")));
    QVERIFY(window.form->Entry().state.chordFormula.find("09") != std::string::npos);
    Query(window, "Cmaj7(omit3)");
    QCOMPARE(Symbol(window), QString("Cmaj7(no3)"));
    QCOMPARE(window.form->Entry().state.chordFormula, std::string("00 07 11"));
    Query(window, "N.C.");
    QVERIFY(ReadingPanel(window).startsWith("N.C."));
    QCOMPARE(window.Get<QLabel>("LabelTotal")->text().toInt(), 0);
    Query(window, "Am");
    const std::string formula = window.form->Entry().state.chordFormula;
    const QString count = window.Get<QLabel>("LabelTotal")->text();
    // Seven notes with none players leave out cannot fit: nothing changes.
    Query(window, "C7(b9,#9,11,#11)");
    QVERIFY(ReadingPanel(window).contains(QString::fromUtf8("未查询")));
    QCOMPARE(window.form->Entry().state.chordFormula, formula);
    QCOMPARE(window.Get<QLabel>("LabelTotal")->text(), count);
    QCOMPARE(Symbol(window), QString("C7(b9,#9,11,#11)"));
  }

  void theStandardNotationIsAPreferenceRememberedBetweenRuns() {
    QSettings("Corvanta", "Corvanta").clear();
    {
      Window window;
      auto* item = window.form->findChild<QAction*>("StandardNotation1");
      QVERIFY(item != nullptr && item->isCheckable() && !item->isChecked());
      QCOMPARE(item->text(), QString::fromUtf8("标准和弦记法"));
      QCOMPARE(item->toolTip(), QString("C9 = C7/9"));
      Query(window, "C9");
      QCOMPARE(window.form->Entry().state.chordFormula, std::string("00 04 07 02"));
      item->trigger();
      Query(window, "C9");
      QCOMPARE(window.form->Entry().state.chordFormula, std::string("00 04 07 10 02"));
    }
    Window again;
    QVERIFY(again.form->findChild<QAction*>("StandardNotation1")->isChecked());
    QCOMPARE(again.form->Notation(), ChordNotation::Standard);
    // Only the preference is remembered: the chord starts as C major.
    QCOMPARE(Symbol(again), QString("C"));
    again.form->findChild<QAction*>("StandardNotation1")->trigger();
    QCOMPARE(QSettings("Corvanta", "Corvanta").value("symbols/notation").toString(),
             QString("classic"));
  }

  void presetsRetuneAndTheButtonPartRestoresStandard() {
    Window window;
    ChoosePreset(window, "Afinaoemsolmenor1");
    const char* labels[] = {"G", "Bb", "D", "G", "Bb", "D"};
    for (int s = 0; s < 6; ++s) {
      QCOMPARE(window.Get<QLabel>(qPrintable(QString("lbAfinacaoCorda%1").arg(s + 1)))->text(),
               QString(labels[s]));
    }
    QCOMPARE(window.form->Tuning().state.strummedPitches[0], 43);
    QCOMPARE(window.form->Tuning().state.strummedPitches[5], 62);
    QCOMPARE(window.Get<QToolButton>("ToolButton5")->text(), QString("G minor tuning"));

    ChoosePreset(window, "DropD1");
    QTest::mouseClick(window.Get<QToolButton>("ToolButton5"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(10, 10));
    QCOMPARE(window.Get<QToolButton>("ToolButton5")->text(), QString("标准音"));
    QCOMPARE(window.Get<QLabel>("lbAfinacaoCorda1")->text(), QString("E"));
    QVERIFY(window.form->findChild<QAction*>("DropD1")->isChecked());
    QCOMPARE(window.Get<QLabel>("LabelTotal")->text(), QString("165"));

    ChoosePreset(window, "DropD1");  // the checked item again: none checked
    for (QAction* item : window.Get<QMenu>("PopupMenu1")->actions()) QVERIFY(!item->isChecked());
  }

  void aTrackBarChangesOnlyTheNextSearch() {
    Window window;
    int searches = window.form->SearchCount();
    window.Get<QSlider>("TrackBar1")->setValue(2);
    QCOMPARE(window.Get<QLabel>("lbAfinacaoCorda1")->text(), QString("D"));
    QCOMPARE(window.form->SearchCount(), searches);
    QCOMPARE(window.Get<QLabel>("LabelTotal")->text(), QString("165"));
    window.ClickRow("StringGridBaixo", 2);  // D in the bass, now on the open low string
    QCOMPARE(window.form->Entry().state.bassPitchClass, 2);
    window.Get<QSlider>("TrackBar2")->setValue(10);
    QCOMPARE(window.Get<QLabel>("lbAfinacaoCorda2")->text(), QString("A#"));
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::ChordControlsTest)
#include "chord_controls_test.moc"
