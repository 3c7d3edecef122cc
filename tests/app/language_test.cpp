// The window in Chinese and in English: every visible text switches at once
// and back, the choice is remembered, --lang overrides it for one run, and a
// switch changes nothing of the chord, the result or the selection.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

#include "app/command_line.h"
#include "app/sound_devices.h"
#include "keyed_fingering.h"
#include "sound/midi_messages.h"
#include "window_fixture.h"

namespace corvanta {

using testing::Window;

class LanguageTest : public QObject {
  Q_OBJECT

 private:
  // Every text a user can see or hover over: captions, hints, menu titles
  // and items, list items; keyed by object and kind so that two snapshots
  // compare text by text. Notation (note names, chord names, the symbol box,
  // the fret text) is left out: it is never translated.
  static QMap<QString, QString> VisibleTexts(const TForm1& form) {
    QMap<QString, QString> texts;
    auto add = [&](const QObject* object, const QString& kind, const QString& text) {
      if (!text.isEmpty()) texts[object->objectName() + "/" + kind] = text;
    };
    for (const QLabel* label : form.findChildren<QLabel*>()) add(label, "text", label->text());
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
      add(button, "text", button->text());
      add(button, "hint", button->toolTip());
    }
    for (const QWidget* widget : form.findChildren<QWidget*>())
      add(widget, "hint", widget->toolTip());
    for (const QComboBox* box : form.findChildren<QComboBox*>()) {
      for (int i = 0; i < box->count(); ++i)
        add(box, "item" + QString::number(i), box->itemText(i));
      add(box, "shown", box->currentText());
    }
    for (const QMenu* menu : form.findChildren<QMenu*>()) {
      add(menu, "title", menu->title());
      int i = 0;
      for (const QAction* action : menu->actions()) {
        QString key = menu->objectName() + "#" + QString::number(i++);
        if (!action->text().isEmpty()) texts[key + "/text"] = action->text();
        if (!action->toolTip().isEmpty() && action->toolTip() != action->text())
          texts[key + "/hint"] = action->toolTip();
      }
    }
    return texts;
  }

  static bool HasChinese(const QString& text) {
    for (QChar c : text) {
      if (c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF) return true;
    }
    return false;
  }

  static QAction* Item(const Window& window, const char* name) {
    return window.form->findChild<QAction*>(name);
  }

 private slots:
  void init() { QSettings("Corvanta", "Corvanta").clear(); }

  void switchingToEnglishAndBackRetranslatesEveryText() {
    Window window;
    QCOMPARE(window.form->Language(), UiLanguage::Chinese);
    const auto chinese = VisibleTexts(*window.form);
    QCOMPARE(chinese.value("CheckBoxOmit5/text"), QString("去5音"));
    QCOMPARE(chinese.value("ComboBoxPatch/shown"), QString("尼龙吉他"));

    Item(window, "English1")->trigger();
    const auto english = VisibleTexts(*window.form);
    for (const QString& key : chinese.keys()) QVERIFY2(english.contains(key), qPrintable(key));
    QCOMPARE(english.keys(), chinese.keys());
    for (auto [key, text] : english.asKeyValueRange()) {
      // The language menu names each language in itself, in both languages
      // (also where the menu bar's overflow lists it).
      if (text == "语言 Language" || text == "中文") continue;
      QVERIFY2(!HasChinese(text), qPrintable(key + ": " + text));
    }
    QCOMPARE(english.value("CheckBoxOmit5/text"), QString("Omit 5th"));
    QCOMPARE(english.value("CheckBoxPestanas/text"), QString("No full barres"));
    QCOMPARE(english.value("ToolButton5/text"), QString("Standard tuning"));
    QCOMPARE(english.value("ComboBoxPatch/shown"), QString("Nylon guitar"));
    QCOMPARE(english.value("PopupMenu1#3/text"), QString("Lute tuning"));
    QCOMPARE(english.value("PopupMenu1#10/text"), QString("G minor tuning"));

    Item(window, "Chinese1")->trigger();
    QCOMPARE(VisibleTexts(*window.form), chinese);
  }

  void everyTextOfTheCoreTablesHasAnEnglishName() {
    Window window;
    window.form->SetLanguage(UiLanguage::English, false);
    for (const TuningPreset& preset : kTuningPresets) {
      QVERIFY(!HasChinese(TuningText(preset.menuCaption)));
      QVERIFY(!TuningText(preset.buttonCaption).contains("Tunning"));
    }
    for (const PatchItem& item : kPatchItems) QVERIFY(!HasChinese(InstrumentText(item.text)));
  }

  // The outputs' submenu is listed again in the new language at once, not
  // only when it next opens.
  void theSoundOutputMenuFollowsTheLanguage() {
    Window window;
    SoundDevices sound;
    sound.AttachMenu(*window.form);
    QMenu* outputs = window.form->MidiOutputMenu();
    QVERIFY(outputs->actions().value(0)->text().startsWith(QString::fromUtf8("内置合成器")));
    window.form->SetLanguage(UiLanguage::English, false);
    QCoreApplication::processEvents();  // the language change arrives as an event
    QVERIFY(outputs->actions().value(0)->text().startsWith("Built-in synthesizer"));
    QCOMPARE(outputs->title(), QString("MIDI output"));
    // The English hint says what the option does.
    QCOMPARE(window.Get<QCheckBox>("CheckBoxNSI")->toolTip(),
             QString("Only voicings without muted inner strings (sets the span to 3)"));
  }

  // With no audio device the built-in synthesizer is silent: said once in
  // the status bar, and marked so in the outputs' menu.
  void aSilentSynthesizerIsSaidOnce() {
    Window window;
    SoundDevices sound;
    sound.AttachMenu(*window.form);
    sound.BuiltIn()->WaitUntilLoaded();
    if (!sound.CheckBuiltIn()) QSKIP("this machine has an audio device");
    QCOMPARE(window.form->statusBar()->currentMessage(),
             QString::fromUtf8("没有可用的音频设备:内置合成器无声"));
    QCOMPARE(window.form->MidiOutputMenu()->actions().value(0)->text(),
             QString::fromUtf8("内置合成器 (无声)"));
    window.form->statusBar()->clearMessage();
    QVERIFY(sound.CheckBuiltIn());
    QVERIFY(window.form->statusBar()->currentMessage().isEmpty());
  }

  void aSwitchKeepsTheChordTheResultAndTheSelection() {
    Window window;
    window.ClickRow("StringGridAcorde", 9);  // A major
    window.ClickCell(2);
    const auto fingerings = window.form->Result().search.voicings;
    const Fingering selected = window.form->SelectedFrets();
    const QString info = window.Get<QLineEdit>("Edit1")->text();
    const int searches = window.form->SearchCount();
    Item(window, "English1")->trigger();
    QCOMPARE(window.form->Result().search.voicings, fingerings);
    QCOMPARE(KeyValues(window.form->SelectedFrets()), KeyValues(selected));
    QCOMPARE(window.Get<QLineEdit>("Edit1")->text(), info);
    QCOMPARE(window.Get<QLineEdit>("EditAcorde")->text(), QString("A"));
    QCOMPARE(window.form->SearchCount(), searches);
    // The instrument box still plays what it shows.
    auto* patch = window.Get<QComboBox>("ComboBoxPatch");
    patch->setEditText("Jazz guitar");
    emit patch->textActivated("Jazz guitar");
  }

  void theChoiceIsRememberedAndLangOverridesItForOneRun() {
    {
      Window window;
      Item(window, "English1")->trigger();
    }
    {
      Window again;
      QCOMPARE(again.form->Language(), UiLanguage::English);
      QVERIFY(Item(again, "English1")->isChecked());
      QCOMPARE(again.Get<QCheckBox>("CheckBoxOmit3")->text(), QString("Omit 3rd"));
      // --lang zh for this run: Chinese now, English still remembered.
      WindowArguments arguments = ParseWindowArguments({"corvanta", "--lang", "zh"});
      QVERIFY(arguments.error.isEmpty());
      again.form->SetLanguage(*arguments.language, false);
      QCOMPARE(again.Get<QCheckBox>("CheckBoxOmit3")->text(), QString("去3音"));
    }
    QCOMPARE(QSettings("Corvanta", "Corvanta").value("ui/language").toString(), QString("en"));
    QVERIFY(!ParseWindowArguments({"corvanta", "--lang", "fr"}).error.isEmpty());
    QVERIFY(!ParseWindowArguments({"corvanta", "stray"}).error.isEmpty());
    QVERIFY(!ParseWindowArguments({"corvanta"}).language);
  }

  void startsInChineseWithoutARememberedChoice() {
    Window window;
    QCOMPARE(window.form->Language(), UiLanguage::Chinese);
    QVERIFY(Item(window, "Chinese1")->isChecked());
    QCOMPARE(window.Get<QCheckBox>("CheckBoxNSI")->text(), QString("简单和弦"));
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::LanguageTest)
#include "language_test.moc"
