// The neck as an input (place fingers, hear them, see their names) and the
// capo control.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <set>

#include "guitar_pitch_table.h"
#include "instrument/capo.h"
#include "keyed_fingering.h"
#include "session/placed_fingering.h"
#include "sound/midi_messages.h"
#include "view/layout/neck_layout.h"
#include "view/neck_view.h"
#include "window_fixture.h"

namespace corvanta {

using testing::Window;

class NeckInputTest : public QObject {
  Q_OBJECT

 private:
  static void ClickNeck(const Window& window, int string, int fret) {
    int x = fret == 0 ? 4 : NeckFretX(fret) - 5;
    // The neck spreads its frets over the window's width: the point where it shows x.
    auto* neck = window.Get<NeckView>("Image2");
    QTest::mouseClick(neck, Qt::LeftButton, Qt::NoModifier,
                      neck->WidgetPoint(QPoint(x, NeckStringY(string, 6))));
  }

  // x 3 2 0 1 0 placed from the open strings.
  static void PlaceC(const Window& window) {
    ClickNeck(window, 0, 0);
    ClickNeck(window, 1, 3);
    ClickNeck(window, 2, 2);
    ClickNeck(window, 4, 1);
  }

  static QStringList Names(const Window& window) {
    QStringList names;
    auto* list = window.Get<QListWidget>("ListBox1");
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
  }

  static std::uint32_t LastNoteOn(const Window& window) {
    window.form->Player().WaitUntilIdle();
    return window.midi->Records().back().value;
  }

 private slots:
  void init() { QSettings("Corvanta", "Corvanta").clear(); }

  // 5 7 7 6 5 5 placed finger by finger: the barre is found as the search
  // finds it, every note is drawn and sounds, and the names say whose they are.
  void aPlacedBarreShapeShowsAndSoundsEveryNote() {
    Window window;
    window.Get<QSlider>("TrackBarTempoAcorde")->setValue(0);
    const int frets[] = {5, 7, 7, 6, 5, 5};
    for (int string = 0; string < kStringCount; ++string) ClickNeck(window, string, frets[string]);
    QCOMPARE(KeyValues(window.form->SelectedFrets()), (std::vector<int>{5, 7, 7, 6, 5, 5}));
    const Fingering& marked = window.Get<NeckView>("Image2")->MarkedFrets();
    QCOMPARE(KeyValues(marked), (std::vector<int>{-5, 7, 7, 6, 5, 5}));
    std::vector<Placement> markers = LayOutNeck(marked, 0);
    QCOMPARE(static_cast<int>(markers.size()), 9);  // the barre on six strings, three fingers
    std::set<int> rows;
    for (const Placement& p : markers) rows.insert(p.y);
    QCOMPARE(static_cast<int>(rows.size()), kStringCount);  // a marker on every string
    // The last strum sounds all six notes, low string first: A2 E3 A3 C#4 E4 A4.
    window.form->Player().WaitUntilIdle();
    const auto& records = window.midi->Records();
    QVERIFY(records.size() >= 6);
    const int notes[] = {45, 52, 57, 61, 64, 69};
    for (int i = 0; i < 6; ++i)
      QCOMPARE(records[records.size() - 6 + static_cast<std::size_t>(i)].value,
               NoteOnMessage(notes[i]));
    QCOMPARE(Names(window).value(0), QString::fromUtf8("指板上按法的名称:"));
    QVERIFY(Names(window).contains("A"));
    // Above the list, labelled as the fingering's: the name a player says.
    QCOMPARE(window.Get<QLabel>("LabelBestName")->text(), QString::fromUtf8("指板上的按法: A"));
    window.form->SetLanguage(UiLanguage::English, false);
    QCOMPARE(Names(window).value(0), QString("Names of the fingering on the neck:"));
    window.form->SetLanguage(UiLanguage::Chinese, false);
    // Six fingers with no barre still draw every note.
    QCOMPARE(static_cast<int>(LayOutNeck(Keyed({1, 3, 5, 2, 4, 6}), 0).size()), 6);
  }

  void placedFingersAreShownNamedStrummedAndFoundAmongTheDiagrams() {
    Window window;
    window.Get<QSlider>("TrackBarTempoAcorde")->setValue(0);
    PlaceC(window);
    QCOMPARE(KeyValues(window.form->SelectedFrets()), (std::vector<int>{99, 3, 2, 0, 1, 0}));
    QCOMPARE(window.Get<QLineEdit>("Edit1")->text(), QString("X 3 2 0 1 0 "));
    QCOMPARE(KeyValues(window.Get<NeckView>("Image2")->MarkedFrets()),
             (std::vector<int>{99, 3, 2, 0, 1, 0}));
    QVERIFY(Names(window).contains("C"));
    int expected = FindVoicing(window.form->Result().search.voicings, Keyed({99, 3, 2, 0, 1, 0}));
    QVERIFY(expected >= 0);
    QCOMPARE(window.Sheet()->Highlighted(), expected);
    QCOMPARE(LastNoteOn(window), NoteOnMessage(64));  // the high E string, open

    // A click on a placed finger opens the string; left of the nut mutes it.
    ClickNeck(window, 4, 1);
    QCOMPARE(KeyValues(window.form->SelectedFrets())[4], 0);
    ClickNeck(window, 4, 0);
    QCOMPARE(KeyValues(window.form->SelectedFrets())[4], kMuted);
    QCOMPARE(window.Sheet()->Highlighted(),
             FindVoicing(window.form->Result().search.voicings, window.form->SelectedFrets()));
  }

  void clicksMapTheSameOnBothNecksAndForALeftHandedPlayer() {
    Window window;
    window.Get<QSlider>("TrackBarTempoAcorde")->setValue(0);
    QTest::mouseClick(window.Get<QToolButton>("SpeedButton11"), Qt::LeftButton);
    PlaceC(window);
    QCOMPARE(KeyValues(window.form->SelectedFrets()), (std::vector<int>{99, 3, 2, 0, 1, 0}));
    QTest::mouseClick(window.Get<QCheckBox>("CheckBoxCanhoto"), Qt::LeftButton);
    ClickNeck(window, 5, 3);
    QCOMPARE(KeyValues(window.form->SelectedFrets()), (std::vector<int>{99, 3, 2, 0, 1, 3}));
    // Outside the picture nothing happens.
    auto* neck = window.Get<NeckView>("Image2");
    QTest::mouseClick(neck, Qt::LeftButton, Qt::NoModifier, neck->WidgetPoint(QPoint(700, 40)));
    QCOMPARE(KeyValues(window.form->SelectedFrets()), (std::vector<int>{99, 3, 2, 0, 1, 3}));
  }

  void theCapoRaisesTheSearchKeepsThroughPresetsAndSoundsAboveIt() {
    Window window;
    auto* capo = window.Get<QSpinBox>("SpinCapo");
    QCOMPARE(capo->value(), 0);
    const auto start = window.form->Result().search.voicings;
    int searches = window.form->SearchCount();
    capo->setValue(2);
    QCOMPARE(window.form->SearchCount(), searches + 1);
    QCOMPARE(window.form->Capo(), 2);
    QVERIFY(window.form->Result().search.voicings != start);
    // A preset keeps the capo.
    window.form->findChild<QAction*>("DropD1")->trigger();
    QCOMPARE(window.form->Capo(), 2);
    QCOMPARE(capo->value(), 2);
    window.Get<QToolButton>("ToolButton5")->click();
    QCOMPARE(capo->value(), 2);

    // A diagram strums the sounding pitches: frets count from the capo.
    window.ClickCell(0);
    std::vector<int> frets = KeyValues(window.form->SelectedFrets());
    int low = 0;
    while (frets[low] == kMuted) ++low;
    window.form->Player().WaitUntilIdle();
    PitchTable sounding = PitchTableWithCapo(BuildPitchTable(kStandardTuning), 2);
    QCOMPARE(window.midi->Records().front().value,
             NoteOnMessage(sounding[low][std::abs(frets[low])]));
    QCOMPARE(window.Get<NeckView>("Image2")->Capo(), 2);

    capo->setValue(0);
    QCOMPARE(window.form->Result().search.voicings, start);
  }

  // "Capo 2: G" as a songbook means it: the G shapes, sounding A; the
  // choice is remembered.
  void withShapeNamesTheChordIsTheShapeAboveTheCapo() {
    {
      Window window;
      auto* info = window.Get<QLabel>("StatusInfo");
      QVERIFY(info->text().isEmpty());
      window.Get<QLineEdit>("EditAcorde")->setText("G");
      window.Get<QToolButton>("SpeedButton2")->click();
      window.Get<QSpinBox>("SpinCapo")->setValue(2);
      QVERIFY(!info->text().contains("A"));
      const int searches = window.form->SearchCount();
      window.form->findChild<QAction*>("CapoNamesShapes1")->trigger();
      QCOMPARE(window.form->SearchCount(), searches + 1);
      const auto& found = window.form->Result().search.voicings;
      QVERIFY(!found.empty());
      QCOMPARE(KeyValues(found.front().frets), (std::vector<int>{3, 2, 0, 0, 3, 3}));
      QVERIFY2(info->text().endsWith("G 的指法, 实际发音 A"), qPrintable(info->text()));
      // A shape placed on the neck is named as a shape too: 3 2 0 0 0 3.
      window.ClickCell(0);
      ClickNeck(window, 4, 2);
      QCOMPARE(KeyValues(window.form->SelectedFrets()), (std::vector<int>{3, 2, 0, 0, 0, 3}));
      QVERIFY2(Names(window).contains("G"), qPrintable(Names(window).join(',')));
    }
    Window again;
    QVERIFY(again.form->findChild<QAction*>("CapoNamesShapes1")->isChecked());
    again.Get<QSpinBox>("SpinCapo")->setValue(3);
    // The start chord C as a shape under capo 3 sounds D#.
    QVERIFY(again.Get<QLabel>("StatusInfo")->text().endsWith("C 的指法, 实际发音 D#"));
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::NeckInputTest)
#include "neck_input_test.moc"
