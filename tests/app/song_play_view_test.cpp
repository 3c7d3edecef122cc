// The song window as a view to play from: the text's size remembered, the
// words alone, two columns on a wide view, the view following Play and
// scrolling without sound, the keys, full screen, the choices saved with
// the song and the songs of a setlist.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "app/song_window.h"
#include "instrument/instrument.h"
#include "song_window_fixture.h"
#include "view/song_sheet_view.h"
#include "view/song_strip.h"

namespace corvanta {
namespace {

const QString kGrace = CORVANTA_TEST_DATA "/amazing_grace.cho";

// The song window as the play view's tests start it: the text's size,
// both columns, chords shown.
struct Songs : testing::SongWindowFixture {
  Songs() {
    songs->SetTextScale(0);
    songs->SetLyricsOnly(false);
    songs->SetTwoColumns(true);
  }
  ~Songs() { songs->SetFullScreen(false); }
  SongSheetView* View() const { return songs->Preview(); }
  QScrollBar* Bar() const { return songs->PreviewArea()->verticalScrollBar(); }
};

// Verses enough to scroll, quick to play: a bar of one beat at 600.
QString LongSong() {
  QString text = "{title: Long}\n{tempo: 600}\n{time: 1/4}\n";
  for (int verse = 1; verse <= 12; ++verse)
    text += QString("[G]Verse %1 goes [C]on and [D]on and [G]on\n\n").arg(verse);
  return text;
}

int CountChordTexts(const SongSheetLayout& layout) {
  int count = 0;
  for (const SongPageLayout& page : layout.pages)
    for (const SongText& text : page.texts) count += text.role == SongTextRole::Chord;
  return count;
}

}  // namespace

class SongPlayViewTest : public QObject {
  Q_OBJECT

 private slots:
  void theTextSizeStepsFromThePageAndIsRemembered() {
    Songs w;
    QVERIFY(w.songs->OpenFile(kGrace));
    const double fit = w.View()->Scale();
    QCOMPARE(w.View()->Style().scale, 0.0);
    QTest::keySequence(w.songs, QKeySequence::ZoomIn);
    QVERIFY(qAbs(w.View()->Scale() - fit * 1.15) < 1e-6);
    QCOMPARE(QSettings().value("songs/textScale").toDouble(), w.View()->Scale());
    QTest::keySequence(w.songs, QKeySequence::ZoomOut);
    QTest::keySequence(w.songs, QKeySequence::ZoomOut);
    QVERIFY(qAbs(w.View()->Scale() - fit / 1.15) < 1e-6);
    // Laid out again for the width at that size: as tall as it needs.
    QCOMPARE(w.View()->minimumHeight(), w.View()->heightForWidth(w.View()->width()));
    QVERIFY(w.View()->height() >= w.View()->minimumHeight());
    w.songs->SetTextScale(100);  // kept within the sizes a screen shows
    QCOMPARE(w.View()->Scale(), kMostPlayScale);
  }

  // A settings file edited by hand or written by another version: the song
  // window opens at a size it can show, never "nan" laid out.
  void sizesReadBackFromTheSettingsAreOnesTheWindowShows_data() {
    QTest::addColumn<QString>("textScale");
    QTest::addColumn<double>("shown");
    QTest::newRow("not a number fits the page") << "nan" << 0.0;
    QTest::newRow("infinite is the largest") << "inf" << kMostPlayScale;
    QTest::newRow("negative fits the page") << "-3" << 0.0;
    QTest::newRow("tiny is the smallest") << "0.01" << kLeastPlayScale;
  }
  void sizesReadBackFromTheSettingsAreOnesTheWindowShows() {
    QFETCH(QString, textScale);
    QFETCH(double, shown);
    QSettings().setValue("songs/textScale", textScale);
    QSettings("Corvanta", "Corvanta").setValue("view/zoom", 5000);
    {
      testing::SongWindowFixture w;
      QVERIFY(w.songs->OpenFile(kGrace));
      QCOMPARE(w.songs->Preview()->Style().scale, shown);
      QVERIFY(w.songs->Preview()->Scale() > 0 && w.songs->Preview()->Scale() <= kMostPlayScale);
      QVERIFY(CountChordTexts(w.songs->Preview()->Layout()) > 0);
      QCOMPARE(w.songs->Strip()->Zoom(), 100);  // the main window's size
    }
    QSettings().remove("songs/textScale");
    QSettings("Corvanta", "Corvanta").remove("view/zoom");
  }

  void aWideViewShowsTwoColumnsAndTheWordsAlone() {
    Songs w;
    w.songs->SetSongText(LongSong());
    w.songs->resize(1800, 700);
    QTest::qWait(50);
    w.songs->SetTextScale(1.0);
    QTRY_COMPARE(w.View()->Columns(), 2);
    // Both columns hold the song's lines, each chord once.
    QCOMPARE(CountChordTexts(w.View()->Layout()), 48);
    QVERIFY(!w.View()->Layout().pages[1].texts.empty());
    w.songs->SetTwoColumns(false);
    QCOMPARE(w.View()->Columns(), 1);
    QCOMPARE(QSettings().value("songs/twoColumns").toBool(), false);
    w.songs->SetLyricsOnly(true);
    QCOMPARE(CountChordTexts(w.View()->Layout()), 0);
    QVERIFY(w.View()->Layout().pages[0].diagrams.empty());
    QCOMPARE(w.View()->ChordTop(0), -1);
    QVERIFY(w.songs->findChild<QAction*>("SongLyricsOnly")->isChecked());
    w.songs->SetLyricsOnly(false);
    QVERIFY(w.View()->ChordTop(0) >= 0);
    QVERIFY(w.View()->ChordTop(40) > w.View()->ChordTop(4));
  }

  void theViewFollowsPlayAndScrollsWithoutSound() {
    Songs w;
    w.songs->resize(900, 500);
    w.songs->SetSongText(LongSong());
    w.songs->SetTextScale(2.0);
    QTest::qWait(50);
    QCOMPARE(w.Bar()->value(), 0);
    w.songs->Play();
    QTRY_VERIFY_WITH_TIMEOUT(w.songs->PlayingChord() >= 40, 8000);
    // The chord sounding is in sight.
    const int top = w.View()->ChordTop(w.songs->PlayingChord());
    QVERIFY(w.Bar()->value() > 0);
    QVERIFY(top >= w.Bar()->value() &&
            top < w.Bar()->value() + w.songs->PreviewArea()->viewport()->height());
    w.songs->Stop();
    w.Bar()->setValue(0);
    w.songs->SetScrollSpeed(400);
    w.songs->SetAutoScroll(true);
    QTRY_VERIFY_WITH_TIMEOUT(w.Bar()->value() > 100, 3000);
    QTest::keyClick(w.songs, Qt::Key_Escape);  // Escape stops the scrolling too
    const int stopped = w.Bar()->value();
    QTest::qWait(200);
    QCOMPARE(w.Bar()->value(), stopped);
    QCOMPARE(QSettings().value("songs/scrollSpeed").toInt(), 400);
  }

  void keysTransposePlayAndStopAndF11ShowsTheSongAlone() {
    Songs w;
    QVERIFY(w.songs->OpenFile(kGrace));
    const std::string key = w.songs->Voiced().soundingKey;
    QTest::keyClick(w.songs, Qt::Key_Up, Qt::ControlModifier);
    QVERIFY(w.songs->Voiced().soundingKey != key);
    QTest::keyClick(w.songs, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(w.songs->Voiced().soundingKey, key);
    // Space plays from the view; in the editor it stays a space.
    w.songs->PreviewArea()->setFocus();
    QTest::keyClick(w.songs->PreviewArea(), Qt::Key_Space);
    QVERIFY(w.songs->PlayingChord() >= 0);
    QTest::keyClick(w.songs->PreviewArea(), Qt::Key_Escape);
    QCOMPARE(w.songs->PlayingChord(), -1);
    QTest::keyClick(w.songs->PreviewArea(), Qt::Key_Space);
    QVERIFY(w.songs->PlayingChord() >= 0);
    QTest::keyClick(w.songs->PreviewArea(), Qt::Key_Space);
    QCOMPARE(w.songs->PlayingChord(), -1);
    auto* text = w.songs->findChild<QPlainTextEdit*>("SongText");
    QTest::keyClick(w.songs, Qt::Key_F11);
    QVERIFY(w.songs->windowState() & Qt::WindowFullScreen);
    QVERIFY(!text->isVisible());
    QVERIFY(w.View()->isVisible());
    QTest::keyClick(w.songs->PreviewArea(), Qt::Key_Escape);  // nothing playing: leaves
    QVERIFY(!(w.songs->windowState() & Qt::WindowFullScreen));
    QVERIFY(text->isVisible());
  }

  void theInstrumentCapoModeAndPinsAreSavedWithTheSong() {
    Songs w;
    QVERIFY(w.songs->OpenFile(kGrace));
    const auto& instruments = BuiltInInstruments();
    int ukulele = 0;
    while (instruments[static_cast<std::size_t>(ukulele)].name != "ukulele") ++ukulele;
    w.songs->ChooseInstrument(ukulele);
    w.songs->SetCapo(2);
    w.songs->ChooseMode(VoicingMode::Easiest);
    QTemporaryDir dir;
    const QString path = dir.filePath("grace.cho");
    QCOMPARE(w.songs->SaveChordPro(path, false), QString());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString text = saved.readAll();
    QVERIFY(text.contains("{meta: corvanta.instrument ukulele}"));
    QVERIFY(text.contains("{meta: corvanta.mode easiest}"));
    // Opened after the window was set back, the song's choices return.
    w.songs->ChooseInstrument(0);
    w.songs->ChooseMode(VoicingMode::AsPlayed);
    w.songs->SetCapo(0);
    QVERIFY(w.songs->OpenFile(path));
    QCOMPARE(w.songs->SongSession().instrument.name, std::string("ukulele"));
    QCOMPARE(w.songs->findChild<QComboBox*>("SongInstrument")->currentIndex(), ukulele);
    QCOMPARE(w.songs->Voiced().capo, 2);
    QCOMPARE(w.songs->Options().mode, VoicingMode::Easiest);
    // Saved again unchanged, it is the same file.
    const QString again = dir.filePath("again.cho");
    QCOMPARE(w.songs->SaveChordPro(again, false), QString());
    QFile second(again);
    QVERIFY(second.open(QIODevice::ReadOnly));
    QCOMPARE(QString(second.readAll()), text);
    w.songs->ChooseInstrument(0);
  }

  void pageDownAndPageUpStepThroughASetlistInItsKeys() {
    Songs w;
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QByteArray& text) {
      QFile file(dir.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(text);
    };
    write("one.cho", "{title: One}\n{key: G}\n[G]la [C]la [D]la [G]la\n");
    write("two.cho", "{title: Two}\n{key: C}\n[C]lo [F]lo [G]lo [C]lo\n");
    write("set.setlist", "# tonight\none.cho\ntwo.cho key=D\n");
    QVERIFY(w.songs->OpenFile(dir.filePath("set.setlist")));
    QCOMPARE(w.songs->ReadText().title, std::string("One"));
    QCOMPARE(w.songs->SetlistPosition(), 0);
    w.songs->PreviewArea()->setFocus();
    QTest::keyClick(w.songs->PreviewArea(), Qt::Key_PageDown);
    QCOMPARE(w.songs->ReadText().title, std::string("Two"));
    QCOMPARE(w.songs->Voiced().soundingKey, std::string("D"));
    QVERIFY(!w.songs->Modified());
    QTest::keyClick(w.songs->PreviewArea(), Qt::Key_PageDown);  // the last: stays
    QCOMPARE(w.songs->SetlistPosition(), 1);
    QTest::keyClick(w.songs->PreviewArea(), Qt::Key_PageUp);
    QCOMPARE(w.songs->ReadText().title, std::string("One"));
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::SongPlayViewTest)
#include "song_play_view_test.moc"
