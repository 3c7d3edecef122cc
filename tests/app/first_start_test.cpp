// A first start follows the desktop: with nothing remembered the language
// is the locale's (English for English, Chinese otherwise) and the notation
// follows the language until the user chooses either; so do the practical
// rules and the order by ease (an English start has both). The test runs under
// the locale CMake gives it and expects what FIRST_START_EXPECT says.
#include <QAction>
#include <QLineEdit>
#include <QSettings>
#include <QtTest>

#include "app/preferences.h"
#include "window_fixture.h"

namespace corvanta {

using testing::Window;

class FirstStartTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QSettings("Corvanta", "Corvanta").clear(); }

  void theLocaleRule() {
    QCOMPARE(preferences::LanguageForLocale("en_US"), UiLanguage::English);
    QCOMPARE(preferences::LanguageForLocale("en_GB"), UiLanguage::English);
    QCOMPARE(preferences::LanguageForLocale("zh_CN"), UiLanguage::Chinese);
    QCOMPARE(preferences::LanguageForLocale("C"), UiLanguage::Chinese);
    QCOMPARE(preferences::LanguageForLocale("de_DE"), UiLanguage::Chinese);
  }

  void aFirstStartFollowsTheDesktop() {
    const bool english = qgetenv("FIRST_START_EXPECT") == "en";
    Window window;
    auto* notation = window.Get<QAction>("StandardNotation1");
    QCOMPARE(notation->isChecked(), english);
    QCOMPARE(window.Get<QAction>("Sair1")->text(),
             english ? QString("Close") : QString::fromUtf8("关闭"));
    window.form->findChild<QLineEdit*>("EditAcorde")->setText("Cmaj7");
    QTest::keyClick(window.form->findChild<QLineEdit*>("EditAcorde"), Qt::Key_Return);
    QCOMPARE(window.form->findChild<QLineEdit*>("EditAcorde")->text(),
             english ? QString("Cmaj7") : QString("C7+ "));
    // English starts with the shapes players use, easiest first; Chinese
    // (and the C locale) with the strict rules in position order.
    QCOMPARE(window.Get<QAction>("Practical1")->isChecked(), english);
    QCOMPARE(window.Get<QAction>("OrderByEase1")->isChecked(), english);
    QCOMPARE(window.Get<QAction>("OrderByPosition1")->isChecked(), !english);
    QCOMPARE(window.form->CurrentSession().practical, english);
    // English draws the strings as chord charts do; Chinese (and the C
    // locale) with the marks below the grid.
    QCOMPARE(window.Get<QAction>("LabelChart1")->isChecked(), english);
    QCOMPARE(window.Get<QAction>("LabelMarks1")->isChecked(), !english);
    QCOMPARE(window.Sheet()->Marks(), english ? DiagramMarks::Chart : DiagramMarks::Below);
    // Nothing was chosen, so nothing is remembered.
    for (const char* key :
         {"symbols/notation", "ui/language", "view/order", "search/practical", "view/labels"})
      QVERIFY2(!QSettings("Corvanta", "Corvanta").contains(key), key);
  }

  void aChoiceInTheViewMenuIsRemembered() {
    {
      Window window;
      auto* practical = window.Get<QAction>("Practical1");
      practical->trigger();
      window.Get<QAction>("OrderByPosition1")->trigger();
      window.Get<QAction>("OrderByEase1")->trigger();
    }
    const bool english = qgetenv("FIRST_START_EXPECT") == "en";
    Window again;
    QCOMPARE(again.Get<QAction>("Practical1")->isChecked(), !english);
    QVERIFY(again.Get<QAction>("OrderByEase1")->isChecked());
  }

  void theNotationFollowsTheLanguageUntilItIsChosen() {
    Window window;
    auto* notation = window.Get<QAction>("StandardNotation1");
    window.form->SetLanguage(UiLanguage::English, true);
    QVERIFY(notation->isChecked());
    window.form->SetLanguage(UiLanguage::Chinese, true);
    QVERIFY(!notation->isChecked());
    notation->trigger();  // chosen: standard, whatever the language now
    window.form->SetLanguage(UiLanguage::English, true);
    window.form->SetLanguage(UiLanguage::Chinese, true);
    QVERIFY(notation->isChecked());
    QCOMPARE(preferences::Notation(), ChordNotation::Standard);
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::FirstStartTest)
#include "first_start_test.moc"
