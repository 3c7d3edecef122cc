// A click strums through the window's MIDI output; the patch box changes the
// instrument.
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSlider>
#include <QtTest>

#include "sound/midi_messages.h"
#include "window_fixture.h"

namespace corvanta {

using testing::Window;

class SoundControlsTest : public QObject {
  Q_OBJECT

 private:
  static std::vector<std::uint32_t> Values(const Window& window) {
    window.form->Player().WaitUntilIdle();
    std::vector<std::uint32_t> values;
    for (const auto& record : window.midi->Records()) values.push_back(record.value);
    return values;
  }

  static std::vector<std::uint32_t> NoteOns(std::initializer_list<int> notes) {
    std::vector<std::uint32_t> values;
    for (int note : notes) values.push_back(NoteOnMessage(note));
    return values;
  }

 private slots:
  void theFirstStrumPlaysTheInstrumentTheBoxShows() {
    auto midi = std::make_shared<RecordingMidiOutput>();
    TForm1 form(midi);
    form.Player().WaitUntilIdle();
    auto records = midi->Records();
    QVERIFY(records.size() >= 2);
    QCOMPARE(records[0].value, std::uint32_t{kProgramChangeChannel1});
    QCOMPARE(records[1].value, static_cast<std::uint32_t>(kPatchItems[0].program));
    // A new output device hears the same instrument.
    auto other = std::make_shared<RecordingMidiOutput>();
    form.SetMidiOutput(other);
    form.Player().WaitUntilIdle();
    QVERIFY(other->Records().size() >= 2);
    QCOMPARE(other->Records()[1].value, static_cast<std::uint32_t>(kPatchItems[0].program));
  }

  void aClickStrumsTheChordFromTheLowString() {
    Window window;
    window.ClickCell(0);  // 99 3 2 0 1 0
    QCOMPARE(Values(window), NoteOns({48, 52, 55, 60, 64}));
    auto records = window.midi->Records();
    for (std::size_t i = 1; i < records.size(); ++i) {
      QVERIFY(records[i].at - records[i - 1].at >= std::chrono::milliseconds(74));
    }
  }

  void clicksDuringAStrumPlayInClickOrder() {
    Window window;
    window.ClickCell(0);
    window.ClickCell(2);  // 99 -3 5 5 5 3
    window.ClickCell(0);
    QCOMPARE(Values(window), NoteOns({48, 52, 55, 60, 64, 48, 55, 60, 64, 67, 48, 52, 55, 60, 64}));
  }

  void aLeftHandedDisplayStrumsTheSameWay() {
    Window window;
    QTest::mouseClick(window.Get<QCheckBox>("CheckBoxCanhoto"), Qt::LeftButton);
    window.ClickCell(0);
    QCOMPARE(Values(window), NoteOns({48, 52, 55, 60, 64}));
  }

  void theSpeedSliderSetsThePause() {
    Window window;
    window.Get<QSlider>("TrackBarTempoAcorde")->setValue(0);
    window.ClickCell(0);
    QCOMPARE(Values(window).size(), std::size_t{5});
  }

  void everyPatchChoiceSendsTheWholeSequence() {
    Window window;
    auto* patch = window.Get<QComboBox>("ComboBoxPatch");
    QCOMPARE(patch->currentText(), QString("尼龙吉他"));
    QCOMPARE(patch->currentIndex(), -1);
    QVERIFY(Values(window).empty());  // nothing at start-up
    patch->setFocus();
    QTest::keyClick(patch, Qt::Key_Down);  // item 0, nylon guitar
    QTest::keyClick(patch, Qt::Key_Down);  // item 1, jazz guitar
    // The same item chosen twice from the list sends everything twice.
    patch->setCurrentIndex(4);
    emit patch->activated(4);
    emit patch->activated(4);
    std::vector<std::uint32_t> expected;
    for (int program : {24, 26, 0, 0}) {
      for (std::uint32_t value : {0xC0u, static_cast<std::uint32_t>(program), kFullVolume, 0x90u}) {
        expected.push_back(value);
      }
    }
    QCOMPARE(Values(window), expected);
  }

  void typedInstrumentNamesChangeThePatch() {
    Window window;
    auto* patch = window.Get<QComboBox>("ComboBoxPatch");
    patch->lineEdit()->selectAll();
    QTest::keyClick(patch->lineEdit(), Qt::Key_Delete);
    // Chinese arrives through the input method, as a committed string.
    QInputMethodEvent typed;
    typed.setCommitString("电钢琴");
    QApplication::sendEvent(patch->lineEdit(), &typed);
    QCOMPARE(Values(window), (std::vector<std::uint32_t>{0xC0u, 2u, kFullVolume, 0x90u}));
  }

  void typedTextThatNamesNoInstrumentSendsNothing() {
    Window window;
    auto* patch = window.Get<QComboBox>("ComboBoxPatch");
    patch->lineEdit()->selectAll();
    QTest::keyClicks(patch->lineEdit(), "xyz");
    QVERIFY(Values(window).empty());
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::SoundControlsTest)
#include "sound_controls_test.moc"
