// The window on any instrument: the menu, the diagrams, the neck, the
// tuning panel, the strum and the remembered choice.
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

#include "app/command_line.h"
#include "keyed_fingering.h"
#include "search/instrument_search.h"
#include "session/placed_fingering.h"
#include "sound/midi_messages.h"
#include "view/layout/diagram_layout.h"
#include "view/layout/neck_layout.h"
#include "view/neck_view.h"
#include "window_fixture.h"

namespace corvanta {

using testing::Window;
using Values = std::vector<int>;

class InstrumentWindowTest : public QObject {
  Q_OBJECT

 private:
  static void Choose(const Window& window, const char* name) {
    window.form->findChild<QAction*>(QString("Instrument_%1").arg(name))->trigger();
  }

  static bool Dark(QRgb pixel) { return qGray(pixel) < 80; }

  // The diagrams painted on screen hold every finger, and the bass mark on
  // the string that sounds lowest, where the layout puts them.
  static void CheckPaintedDiagram(const Window& window, int index, const Instrument& tuned) {
    DiagramSheet* sheet = window.Sheet();
    const QImage picture = sheet->grab(sheet->CellRect(index)).toImage();
    const Values frets = KeyValues(window.form->Result().search.voicings[index].frets);
    std::vector<int> pitches, starts;
    for (const OpenString& string : tuned.strings) {
      pitches.push_back(string.pitch);
      starts.push_back(string.firstFret);
    }
    const int bass = BassString(Keyed(frets), pitches, starts);
    DiagramLayout layout = LayOutDiagram(Keyed(frets), DiagramVariant::Plain, false, bass);
    QCOMPARE(layout.strings, tuned.StringCount());
    int discs = 0;
    for (const Placement& p : layout.placements) {
      if (p.sprite >= Sprite::Finger1 && p.sprite <= Sprite::Finger4) {
        ++discs;
        QVERIFY(Dark(picture.pixel(p.x + 1, p.y + 4)));
      } else if (p.sprite == Sprite::BassMark) {
        QVERIFY(Dark(picture.pixel(p.x + 3, p.y + 3)));
      } else if (p.sprite == Sprite::SoundingMark) {
        QVERIFY(!Dark(picture.pixel(p.x + 3, p.y + 3)));
      }
    }
    QVERIFY(discs > 0 ||
            std::all_of(frets.begin(), frets.end(), [](int f) { return f == 0 || f == kMuted; }));
  }

  // The note-on messages sent, in order.
  static std::vector<std::uint32_t> NotesOn(const Window& window) {
    window.form->Player().WaitUntilIdle();
    std::vector<std::uint32_t> notes;
    for (const auto& record : window.midi->Records()) {
      if (record.kind == MidiCall::Kind::ShortMessage && (record.value & 0xF0) == 0x90)
        notes.push_back(record.value);
    }
    return notes;
  }

  static std::vector<std::uint32_t> Messages(const Values& notes) {
    std::vector<std::uint32_t> messages;
    for (int note : notes) messages.push_back(NoteOnMessage(note));
    return messages;
  }

 private slots:
  void init() { QSettings("Corvanta", "Corvanta").clear(); }

  // The menu is the instrument table's: one item per row, named in each
  // language from the row's caption (its English name is the row's title).
  void theMenuOffersEveryRowOfTheInstrumentTable() {
    Window window;
    const std::vector<Instrument>& table = BuiltInInstruments();
    for (UiLanguage language : {UiLanguage::Chinese, UiLanguage::English}) {
      window.form->SetLanguage(language, false);
      for (const Instrument& instrument : table) {
        auto* item = window.form->findChild<QAction*>("Instrument_" +
                                                      QString::fromStdString(instrument.name));
        QVERIFY2(item != nullptr, instrument.name.c_str());
        const QString expected = language == UiLanguage::English
                                     ? QString::fromStdString(instrument.title)
                                     : QString::fromStdString(instrument.caption);
        QCOMPARE(item->text(), expected);
      }
    }
  }

  void switchingInstrumentsSearchesAgainAndDrawsTheirStrings() {
    Window window;
    const auto guitarResult = window.form->Result().search.voicings;
    QCOMPARE(window.Sheet()->Cell().width, 100);
    const int searches = window.form->SearchCount();
    Choose(window, "ukulele");
    QCOMPARE(window.form->SearchCount(), searches + 1);
    QCOMPARE(window.form->ChosenInstrument().name, std::string("ukulele"));
    const auto& voicings = window.form->Result().search.voicings;
    QVERIFY(!voicings.empty());
    for (const Voicing& voicing : voicings) QCOMPARE(voicing.frets.size(), std::size_t{4});
    QCOMPARE(KeyValues(voicings.front().frets), (Values{0, 0, 0, 3}));
    QCOMPARE(window.Sheet()->Cell().width, DiagramCellWidth(4));
    QCOMPARE(window.Get<NeckView>("Image2")->Strings(), 4);
    // One slider per string with its note name; the other sliders hide.
    for (int string = 0; string < 8; ++string) {
      auto* bar = window.Get<QSlider>(qPrintable(QString("TrackBar%1").arg(string + 1)));
      QCOMPARE(bar->isVisible(), string < 4);
    }
    QCOMPARE(window.Get<QLabel>("lbAfinacaoCorda1")->text(), QString("G"));
    QCOMPARE(window.Get<QLabel>("lbAfinacaoCorda4")->text(), QString("A"));
    QCOMPARE(window.Get<QSlider>("TrackBar2")->value(), 0);
    for (int index : {0, 1, 5}) CheckPaintedDiagram(window, index, *FindInstrument("ukulele"));
    QVERIFY(window.Get<QLabel>("StatusInfo")->text().contains("G4 C4 E4 A4"));

    Choose(window, "guitar7");
    for (const Voicing& voicing : window.form->Result().search.voicings)
      QCOMPARE(voicing.frets.size(), std::size_t{7});
    QCOMPARE(window.Sheet()->Cell().width, DiagramCellWidth(7));
    QVERIFY(window.Get<QSlider>("TrackBar7")->isVisible());
    QVERIFY(!window.Get<QSlider>("TrackBar8")->isVisible());
    CheckPaintedDiagram(window, 0, *FindInstrument("guitar7"));

    // Back on the guitar everything is as it started.
    Choose(window, "guitar");
    QCOMPARE(window.form->Result().search.voicings, guitarResult);
    QCOMPARE(window.Sheet()->Cell().width, 100);
    QVERIFY(!window.Get<QSlider>("TrackBar7")->isVisible());
    QVERIFY(window.Get<QSlider>("TrackBar6")->isVisible());
    QVERIFY(window.Get<QLabel>("StatusInfo")->text().isEmpty());
  }

  void clicksKeysAndZoomSelectTheRightFingeringOnFourAndSevenStrings() {
    Window window;
    window.Get<QSlider>("TrackBarTempoAcorde")->setValue(0);
    for (const char* name : {"ukulele", "guitar7"}) {
      Choose(window, name);
      const Instrument& instrument = *FindInstrument(name);
      for (int percent : {100, 200}) {
        window.form->SetZoom(percent, false);
        DiagramSheet* sheet = window.Sheet();
        QCOMPARE(sheet->Cell().width, DiagramCellWidth(instrument.StringCount()) * percent / 100);
        QCOMPARE(sheet->Columns(), std::max(1, sheet->width() / sheet->Cell().width));
        for (int index : {0, 1, sheet->Columns()}) {
          window.form->Player().WaitUntilIdle();
          window.midi->Clear();
          QTest::mouseClick(sheet, Qt::LeftButton, Qt::NoModifier, sheet->CellRect(index).center());
          QCOMPARE(sheet->Highlighted(), index);
          const Values selected = KeyValues(window.form->SelectedFrets());
          QCOMPARE(selected, KeyValues(window.form->Result().search.voicings[index].frets));
          // The strum plays the instrument's strings in order at their pitches.
          QCOMPARE(NotesOn(window), Messages(StrumNotes(Keyed(selected), instrument)));
        }
        QTest::keyClick(sheet, Qt::Key_Right);
        QCOMPARE(sheet->Highlighted(), sheet->Columns() + 1);
        QTest::keyClick(sheet, Qt::Key_Up);
        QCOMPARE(sheet->Highlighted(), 1);
        QCOMPARE(KeyValues(window.form->SelectedFrets()),
                 KeyValues(window.form->Result().search.voicings[1].frets));
      }
    }
  }

  void theNeckPlacesAndNamesFingersOnAnyInstrument() {
    Window window;
    Choose(window, "ukulele");
    auto* neck = window.Get<NeckView>("Image2");
    // 0 0 0 3: the open strings, then the A string at fret 3.
    QTest::mouseClick(neck, Qt::LeftButton, Qt::NoModifier,
                      neck->WidgetPoint(QPoint(NeckFretX(3) - 5, NeckStringY(3, 4))));
    QCOMPARE(KeyValues(window.form->SelectedFrets()), (Values{0, 0, 0, 3}));
    QCOMPARE(KeyValues(neck->MarkedFrets()), (Values{0, 0, 0, 3}));
    auto* names = window.Get<QListWidget>("ListBox1");
    QVERIFY(!names->findItems("C", Qt::MatchExactly).isEmpty());
    // The diagram with the same frets is selected too.
    QCOMPARE(window.Sheet()->Highlighted(), 0);

    // The banjo's drone string has no frets below its fifth: a click there
    // is on its nut.
    Choose(window, "banjo");
    QCOMPARE(neck->Strings(), 5);
    QTest::mouseClick(neck, Qt::LeftButton, Qt::NoModifier,
                      neck->WidgetPoint(QPoint(NeckFretX(3) - 5, NeckStringY(0, 5))));
    QCOMPARE(KeyValues(window.form->SelectedFrets())[0], kMuted);
    QTest::mouseClick(neck, Qt::LeftButton, Qt::NoModifier,
                      neck->WidgetPoint(QPoint(NeckFretX(7) - 5, NeckStringY(0, 5))));
    QCOMPARE(KeyValues(window.form->SelectedFrets())[0], 7);
  }

  void presetsTheResetAndTheSlidersFollowTheInstrument() {
    Window window;
    Choose(window, "ukulele");
    auto* button = window.Get<QToolButton>("ToolButton5");
    QCOMPARE(static_cast<std::size_t>(button->menu()->actions().size()),
             FindInstrument("ukulele")->presets.size());
    const int searches = window.form->SearchCount();
    window.form->findChild<QAction*>("InstrumentPreset1")->trigger();  // Low G
    QCOMPARE(window.form->SearchCount(), searches + 1);
    QCOMPARE(window.form->Tuning().state.pitches, (Values{55, 60, 64, 69}));
    QCOMPARE(button->text(), QString("Low G"));
    button->click();
    QCOMPARE(window.form->Tuning().state.pitches, (Values{67, 60, 64, 69}));
    // A moved slider retunes its string to the nearest pitch and searches.
    window.Get<QSlider>("TrackBar1")->setValue(9);
    QCOMPARE(window.form->Tuning().state.pitches[0], 69);
    QCOMPARE(window.Get<QLabel>("lbAfinacaoCorda1")->text(), QString("A"));
    QCOMPARE(window.form->SearchCount(), searches + 3);
  }

  // A guitar in another tuning, as a song in Drop D asks for it, is shown
  // and searched in that tuning; the guitar from the menu is standard again.
  void aRetunedGuitarIsShownInItsTuningAndTheMenuGuitarIsStandard() {
    Window window;
    const Instrument& guitar = *FindInstrument("guitar");
    window.form->ChooseInstrument(*InPreset(guitar, "Drop D"), false);
    QCOMPARE(window.form->Tuning().state.pitches, (Values{38, 45, 50, 55, 59, 64}));
    QCOMPARE(window.Get<QLabel>("lbAfinacaoCorda1")->text(), QString("D"));
    QCOMPARE(window.Get<QSlider>("TrackBar1")->value(), 2);
    QVERIFY(window.form->findChild<QAction*>("DropD1") != nullptr);
    for (const Voicing& voicing : window.form->Result().search.voicings)
      QVERIFY(KeyValues(voicing.frets)[0] != 3);  // C on a D string is fret 10 or muted
    Choose(window, "guitar");
    QCOMPARE(window.form->Tuning().state.pitches, guitar.StandardPitches());
    QCOMPARE(window.Get<QLabel>("lbAfinacaoCorda1")->text(), QString("E"));
  }

  void theSoundFollowsTheInstrumentUntilTheUserPicksOne() {
    Window window;
    Choose(window, "banjo");
    window.form->Player().WaitUntilIdle();
    QCOMPARE(window.midi->Records().front().value, PlanPatchChange(105).front().value);
    auto* patch = window.Get<QComboBox>("ComboBoxPatch");
    QCOMPARE(patch->currentText(), QString("五弦班卓琴"));
    patch->setCurrentIndex(2);
    emit patch->activated(2);
    window.form->Player().WaitUntilIdle();
    window.midi->Clear();
    Choose(window, "bass");
    window.form->Player().WaitUntilIdle();
    QVERIFY(window.midi->Records().empty());
  }

  void theChoiceIsRememberedAndTheCommandLineOverridesIt() {
    {
      Window window;
      Choose(window, "mandolin");
    }
    {
      Window again;
      QCOMPARE(again.form->ChosenInstrument().name, std::string("mandolin"));
      QCOMPARE(again.Sheet()->Cell().width, DiagramCellWidth(4));
      QVERIFY(again.form->findChild<QAction*>("Instrument_mandolin")->isChecked());
      // A one-run choice is not remembered.
      again.form->ChooseInstrument(*FindInstrument("bass"), false);
    }
    {
      Window third;
      QCOMPARE(third.form->ChosenInstrument().name, std::string("mandolin"));
      // A custom tuning comes back with its pitches.
      third.form->ChooseInstrument(*CustomInstrument({50, 55, 62, 67, 71, 74}), true);
    }
    Window custom;
    QCOMPARE(custom.form->ChosenInstrument().StandardPitches(), (Values{50, 55, 62, 67, 71, 74}));
    QVERIFY(custom.form->findChild<QAction*>("CustomInstrument1")->isChecked());

    WindowArguments arguments = ParseWindowArguments({"corvanta", "--instrument", "ukulele"});
    QVERIFY(arguments.error.isEmpty());
    QCOMPARE(arguments.instrument, std::optional<std::string>("ukulele"));
    QVERIFY(!ParseWindowArguments({"corvanta", "--instrument", "lute"}).error.isEmpty());
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::InstrumentWindowTest)
#include "instrument_window_test.moc"
