// The song window beside the main window: a song opened and shown (its
// strip of chosen diagrams, its chords marked in the text), transposed,
// put under a suggested capo, a voicing pinned from the main window and
// kept, played at its tempo through the recording output, saved, and the
// question before a changed song is dropped.
#include "app/song_window.h"

#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/export_functions.h"
#include "app/song_editor.h"
#include "app/song_highlighter.h"
#include "modules/module_loader.h"
#include "session/placed_fingering.h"
#include "song_window_fixture.h"
#include "view/song_sheet_view.h"
#include "view/song_strip.h"

namespace corvanta {
namespace {

const QString kGrace = CORVANTA_TEST_DATA "/amazing_grace.cho";

// The song window of a shown main window, opened as the menu opens it.
struct Songs : testing::SongWindowFixture {
  std::vector<Fingering> StripFrets() const {
    std::vector<Fingering> frets;
    for (const SheetDiagram& diagram : songs->Strip()->Chords().diagrams)
      frets.push_back(diagram.frets);
    return frets;
  }
  std::vector<Fingering> ChosenFrets() const {
    std::vector<Fingering> frets;
    for (const DistinctChord& chord : songs->Voiced().distinct)
      frets.push_back(chord.voicing.frets);
    return frets;
  }
};

// Answers the next message box with this button, once it shows.
void AnswerNextMessage(QMessageBox::StandardButton button) {
  QTimer::singleShot(0, [button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box != nullptr) box->button(button)->click();
  });
}

}  // namespace

class SongWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theFileMenuOpensTheSongWindowInEitherLanguage() {
    testing::Window window;
    QAction* item = window.form->findChild<QAction*>("Song1");
    QVERIFY(item != nullptr);
    QCOMPARE(item->shortcut(), QKeySequence("Ctrl+Shift+O"));
    QCOMPARE(item->text(), QString("歌曲…"));
    window.form->SetLanguage(UiLanguage::English, false);
    QCOMPARE(item->text(), QString("Song…"));
    item->trigger();
    QVERIFY(window.form->Songs()->isVisible());
    QCOMPARE(window.form->Songs()->findChild<QToolButton*>("SongPlay")->text(), QString("Play"));
    window.form->SetLanguage(UiLanguage::Chinese, false);
    QTRY_COMPARE(window.form->Songs()->findChild<QToolButton*>("SongPlay")->text(),
                 QString("播放"));
  }

  // Every distinct chord in the strip, drawn with the voicing the core
  // chose, side by side; every chord of the text marked where it stands.
  void opensASongAndShowsItsChosenDiagrams() {
    Songs w;
    QVERIFY(w.songs->OpenFile(kGrace));
    const VoicedSong& voiced = w.songs->Voiced();
    QCOMPARE(voiced.capo, 3);
    QVERIFY(!voiced.distinct.empty());
    QCOMPARE(w.StripFrets(), w.ChosenFrets());
    SongStrip* strip = w.songs->Strip();
    for (int i = 0; i < static_cast<int>(voiced.distinct.size()); ++i) {
      QCOMPARE(strip->Chords().diagrams[static_cast<std::size_t>(i)].caption,
               voiced.distinct[static_cast<std::size_t>(i)].symbol);
      const QRect cell = strip->CellRect(i);
      QVERIFY(strip->rect().contains(cell));
      QCOMPARE(strip->IndexAt(cell.center()), i);
      if (i > 0) QCOMPARE(cell.left(), strip->CellRect(i - 1).right() + 1);
    }
    const std::vector<SongHighlighter::Mark> marks =
        w.songs->findChild<SongHighlighter*>()->Marks();
    QCOMPARE(marks.size(), w.songs->ReadText().chords.size());
    QPlainTextEdit* text = w.Control<QPlainTextEdit>("SongText");
    for (std::size_t i = 0; i < marks.size(); ++i) {
      const QString line = text->document()->findBlockByNumber(marks[i].block).text();
      QCOMPARE(line.mid(marks[i].start, marks[i].length),
               QString::fromStdString(w.songs->ReadText().chords[i].written));
    }
    QVERIFY(w.Control<QLabel>("SongCapoLine")->text().contains("变调夹 3"));  // in Chinese
    QVERIFY(w.songs->Sheet().capoLine.find("变调夹 3") != std::string::npos);
    w.form->SetLanguage(UiLanguage::English, false);
    QTRY_VERIFY(w.Control<QLabel>("SongCapoLine")->text().contains("Capo 3 — shapes in"));
    w.form->SetLanguage(UiLanguage::Chinese, false);
    // Beside the text, the song as it prints, scaled to the pane's width.
    SongSheetView* preview = w.songs->Preview();
    QTRY_COMPARE(preview->Sheet(), w.songs->Sheet());
    QVERIFY(preview->isVisible() && preview->width() > 100);
    QCOMPARE(preview->Layout().pages.front().diagrams.size(), voiced.distinct.size());
    QCOMPARE(preview->height(), preview->heightForWidth(preview->width()));
    // The diagrams follow the main window's size.
    const int width = strip->CellRect(0).width();
    w.form->SetZoom(200, false);
    QCOMPARE(strip->CellRect(0).width(), 2 * width);
    w.form->SetZoom(100, false);
    QVERIFY(w.songs->RecentSongs().contains(QFileInfo(kGrace).absoluteFilePath()));
    QVERIFY(!w.songs->Modified());
    // A chord the reader cannot read is marked so, and said below the text.
    w.songs->SetSongText("[G]one [Qx7]two\n");
    const auto& unread = w.songs->findChild<SongHighlighter*>()->Marks();
    QCOMPARE(unread.size(), std::size_t(2));
    QVERIFY(unread[0].read && !unread[1].read);
    QVERIFY(w.Control<QLabel>("SongProblems")->text().contains("Qx7"));
  }

  // Up and down a semitone by the buttons, to a key by the key box, spelled
  // as the key spells; up then down gives back the text.
  void transposesByTheButtonsAndTheKeyBox() {
    Songs w;
    const QString start = "{key: G}\n[G]Hello [C]world [D7]now\n";
    w.songs->SetSongText(start);
    QTest::mouseClick(w.Control<QToolButton>("TransposeUp"), Qt::LeftButton);
    QCOMPARE(w.songs->SongText(), QString("{key: Ab}\n[Ab]Hello [Db]world [Eb7]now\n"));
    QCOMPARE(w.Control<QComboBox>("SongKey")->currentText(), QString("Ab"));
    QVERIFY(w.songs->Modified());
    QTest::mouseClick(w.Control<QToolButton>("TransposeDown"), Qt::LeftButton);
    QCOMPARE(w.songs->SongText(), start);
    QComboBox* key = w.Control<QComboBox>("SongKey");
    const int a = key->findText("A");
    QVERIFY(a >= 0);
    key->setCurrentIndex(a);
    emit key->activated(a);
    QCOMPARE(w.songs->SongText(), QString("{key: A}\n[A]Hello [D]world [E7]now\n"));
    QCOMPARE(w.StripFrets(), w.ChosenFrets());  // re-voiced at once
  }

  // "Suggest" ranks the capos; applying one puts the song under it.
  void appliesASuggestedCapo() {
    Songs w;
    w.songs->SetSongText("{key: Eb}\n[Eb]One [Ab]two [Bb7]three [Cm]four [Eb]five\n");
    QCOMPARE(w.songs->Voiced().capo, 0);
    w.songs->Suggest();
    const std::vector<CapoSuggestion> suggestions = w.songs->Voiced().capoSuggestions;
    QVERIFY(suggestions.size() > 1);
    QVERIFY(suggestions.front().capo > 0);  // Eb is easier with a capo
    QCOMPARE(w.Control<QToolButton>("SuggestCapo")->menu()->actions().size(),
             static_cast<qsizetype>(suggestions.size()));
    w.songs->ApplySuggestion(0);
    QCOMPARE(w.songs->Voiced().capo, suggestions.front().capo);
    QCOMPARE(w.Control<QSpinBox>("SongCapo")->value(), suggestions.front().capo);
    QCOMPARE(w.songs->Voiced().key, suggestions.front().key);
    QVERIFY(w.Control<QLabel>("SongCapoLine")->text().startsWith("变调夹"));
    QCOMPARE(w.StripFrets(), w.ChosenFrets());
    // The strip names the diagrams as they sound when asked.
    QComboBox* names = w.Control<QComboBox>("SongCapoNames");
    names->setCurrentIndex(1);
    emit names->activated(1);
    QCOMPARE(w.songs->Strip()->Chords().diagrams.front().caption, std::string("Eb"));
    // The capo spin box re-voices too; the text stays as written.
    w.Control<QSpinBox>("SongCapo")->setValue(0);
    QCOMPARE(w.songs->Voiced().capo, 0);
    QVERIFY(w.songs->SongText().contains("[Eb]One"));
  }

  // A click on a chord of the strip shows it in the main window with its
  // voicing selected; another diagram chosen there pins it, marked; the
  // pin holds when the song is voiced again; unpin frees it.
  void pinsAVoicingChosenInTheMainWindow() {
    Songs w;
    w.songs->SetSongText("[C]One [G]two [Am]three [F]four [C]five\n");
    SongStrip* strip = w.songs->Strip();
    const Fingering chosen = w.ChosenFrets().front();
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, strip->CellRect(0).center());
    QCOMPARE(w.form->SelectedFrets(), chosen);
    const auto& voicings = w.form->Result().search.voicings;
    int other = -1;
    for (std::size_t i = 0; i < voicings.size() && other < 0; ++i)
      if (voicings[i].frets != chosen) other = static_cast<int>(i);
    QVERIFY(other >= 0);
    const Fingering pinned = voicings[static_cast<std::size_t>(other)].frets;
    w.ClickCell(other);
    QCOMPARE(w.form->SelectedFrets(), pinned);
    QCOMPARE(w.ChosenFrets().front(), pinned);
    QVERIFY(w.songs->Voiced().distinct.front().pinned);
    QVERIFY(strip->Pinned(0));
    QCOMPARE(w.StripFrets().front(), pinned);
    // Another mode chooses the rest again; the pin stays.
    w.songs->ChooseMode(VoicingMode::Easiest);
    QCOMPARE(w.ChosenFrets().front(), pinned);
    QVERIFY(strip->Pinned(0));
    // Unpin from the right-click menu.
    QTimer::singleShot(0, [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      menu->actions().front()->trigger();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, strip->CellRect(0).center(),
                            strip->mapToGlobal(strip->CellRect(0).center()));
    QApplication::sendEvent(strip, &event);
    QVERIFY(!strip->Pinned(0));
    QVERIFY(!w.songs->Voiced().distinct.front().pinned);
    // A click on a chord in the text shows that chord too: [G] of "two".
    QPlainTextEdit* text = w.Control<QPlainTextEdit>("SongText");
    QTextCursor cursor(text->document()->findBlockByNumber(0));
    cursor.setPosition(QString("[C]One [").size());
    QTest::mouseClick(text->viewport(), Qt::LeftButton, Qt::NoModifier,
                      text->cursorRect(cursor).center());
    QCOMPARE(w.form->SelectedFrets(), w.ChosenFrets()[1]);
    QCOMPARE(w.songs->DistinctAt(0, 0), 0);
    QCOMPARE(w.songs->DistinctAt(0, 5), -1);  // "One"
  }

  // The window's export module writes the printed song.
  void theExportModuleWritesTheSong() {
    Songs w;
    QVERIFY(w.songs->OpenFile(kGrace));
    std::string error;
    const auto* exports = LoadModule<ExportFunctions>(kExportModuleName, error);
    QVERIFY2(exports != nullptr, error.c_str());
    QTemporaryDir dir;
    QCOMPARE(exports->songPdf(w.songs->Sheet(), dir.filePath("s.pdf"), SongPaper::Letter),
             QString());
    QFile pdf(dir.filePath("s.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QCOMPARE(exports->songPng(w.songs->Sheet(), dir.filePath("s.png"), SongPaper::A4, 1),
             QString());
    QCOMPARE(QImage(dir.filePath("s.png")).width(), qRound(PaperSize(SongPaper::A4).width));
  }

  // Each chord's notes in order, one chord a bar at the song's tempo: at
  // 240 beats a minute in 1/4 a chord every 250 ms; the chord sounding is
  // highlighted in the strip.
  void playsTheChordsInOrderAtTheTempo() {
    Songs w;
    w.songs->SetSongText("{tempo: 240}\n{time: 1/4}\n[C]a [G]b [Am]c [C]d\n");
    w.midi->Clear();
    w.songs->Play();
    QCOMPARE(w.songs->PlayingChord(), 0);
    QCOMPARE(w.songs->Strip()->Highlighted(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(w.songs->PlayingChord(), -1, 5000);
    w.form->Player().WaitUntilIdle();
    const auto records = w.midi->Records();
    const Instrument sounding = w.songs->SongSession().instrument;
    std::vector<int> expected;
    std::vector<std::size_t> starts;
    for (const VoicedOccurrence& chord : w.songs->Voiced().chords) {
      starts.push_back(expected.size());
      for (int note : StrumNotes(chord.voicing->frets, sounding)) expected.push_back(note);
    }
    std::vector<int> notes;
    for (const auto& record : records)
      if ((record.value & 0xF0) == 0x90)
        notes.push_back(static_cast<int>((record.value >> 8) & 0x7F));
    QCOMPARE(notes, expected);
    for (std::size_t i = 1; i < starts.size(); ++i) {
      const auto gap = std::chrono::duration_cast<std::chrono::milliseconds>(
                           records[starts[i]].at - records[starts[i - 1]].at)
                           .count();
      QVERIFY2(gap > 200 && gap < 350, qPrintable(QString::number(gap)));
    }
    QCOMPARE(w.songs->Strip()->Highlighted(), -1);
    // Stop at any time.
    w.songs->Play();
    w.songs->Stop();
    QCOMPARE(w.songs->PlayingChord(), -1);
  }

  void savesAsChordProWithItsDefinesAndAsText() {
    Songs w;
    QVERIFY(w.songs->OpenFile(kGrace));
    QTemporaryDir dir;
    QCOMPARE(w.songs->SaveChordPro(dir.filePath("plain.cho"), false), QString());
    QFile plain(dir.filePath("plain.cho"));
    QVERIFY(plain.open(QIODevice::ReadOnly));
    QFile original(kGrace);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(plain.readAll(), original.readAll());  // unchanged: written back as read
    QCOMPARE(w.songs->SaveChordPro(dir.filePath("defines.cho"), true), QString());
    QFile defines(dir.filePath("defines.cho"));
    QVERIFY(defines.open(QIODevice::ReadOnly));
    const QByteArray withDefines = defines.readAll();
    QCOMPARE(withDefines.count("{define:"),
             static_cast<qsizetype>(w.songs->Voiced().distinct.size()));
    QCOMPARE(w.songs->SaveText(dir.filePath("song.txt")), QString());
    QFile text(dir.filePath("song.txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QByteArray words = text.readAll();
    QVERIFY(words.contains("Amazing grace") && !words.contains("[G]"));
    QVERIFY(!w.songs->SaveText(dir.path()).isEmpty());  // a folder is refused
  }

  // A changed song is not dropped without asking: Cancel keeps the window,
  // Discard closes it.
  void asksBeforeClosingAChangedSong() {
    Songs w;
    w.songs->SetSongText("[G]one\n");
    QVERIFY(!w.songs->Modified());
    w.Control<QPlainTextEdit>("SongText")->appendPlainText("[C]two");
    QVERIFY(w.songs->Modified());
    AnswerNextMessage(QMessageBox::Cancel);
    QVERIFY(!w.songs->close());
    QVERIFY(w.songs->isVisible());
    // Closing the main window asks too, and Cancel keeps both open.
    AnswerNextMessage(QMessageBox::Cancel);
    QVERIFY(!w.form->close());
    QVERIFY(w.form->isVisible() && w.songs->isVisible());
    AnswerNextMessage(QMessageBox::Discard);
    QVERIFY(w.songs->close());
    QVERIFY(!w.songs->isVisible());
  }

  // Ctrl+V with nothing on the clipboard, or data without text, inserts
  // nothing and the song is kept.
  void aPasteOfNoDataKeepsTheSong() {
    Songs w;
    w.songs->SetSongText("[G]one\n");
    auto* editor = w.Control<SongEditor>("SongText");
    editor->InsertPasted(nullptr);
    QMimeData image;
    image.setData("image/png", QByteArray("\x89PNG", 4));
    editor->InsertPasted(&image);
    QApplication::clipboard()->clear();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.songs->SongText(), QString("[G]one\n"));
    // The menu's paste says the clipboard is empty and keeps the song.
    AnswerNextMessage(QMessageBox::Ok);
    w.Control<QAction>("SongPaste1")->trigger();
    QCOMPARE(w.songs->SongText(), QString("[G]one\n"));
  }

  // A keystroke is only noted: the song is read and voiced after a pause in
  // typing, in the background, the last result shown meanwhile; a save
  // right after typing writes what was typed.
  void typingVoicesAfterAPauseAwayFromTheKeyEvent() {
    Songs w;
    w.songs->SetSongText("[G]one [C]two\n");
    auto* editor = w.Control<QPlainTextEdit>("SongText");
    editor->moveCursor(QTextCursor::End);
    editor->setFocus();
    QTest::keyClicks(editor, "[D]three");
    QVERIFY(w.songs->Modified());
    QVERIFY(w.songs->VoicingPending());
    QCOMPARE(w.songs->Voiced().chords.size(), std::size_t(2));  // the last result, still shown
    QTRY_VERIFY(!w.songs->VoicingPending());
    QCOMPARE(w.songs->Voiced().chords.size(), std::size_t(3));
    QCOMPARE(w.songs->Strip()->Chords().diagrams.size(), std::size_t(3));
    QTest::keyClicks(editor, " [Em]four");
    QTemporaryDir dir;
    QCOMPARE(w.songs->SaveChordPro(dir.filePath("typed.cho"), false), QString());
    QFile typed(dir.filePath("typed.cho"));
    QVERIFY(typed.open(QIODevice::ReadOnly));
    QCOMPARE(typed.readAll(), QByteArray("[G]one [C]two\n[D]three [Em]four"));
  }

  // After a capo is applied the text names the shapes the diagrams show,
  // and holds the capo.
  void theTextNamesTheShapesAfterACapoIsApplied() {
    Songs w;
    w.songs->SetSongText("{key: Eb}\n[Eb]one [Ab]two [Bb7]three [Cm]four\n");
    w.songs->SetCapo(3);
    QCOMPARE(w.songs->Voiced().capo, 3);
    QVERIFY(w.songs->SongText().contains("{capo: 3}"));
    QVERIFY(w.songs->SongText().contains("[C]one [F]two [G7]three [Am]four"));
    const Song& text = w.songs->ReadText();
    for (std::size_t i = 0; i < text.chords.size(); ++i)
      QCOMPARE(w.songs->Voiced().chords[i].symbol, text.chords[i].written);
    QCOMPARE(w.songs->Sheet().diagrams.diagrams.front().caption, std::string("C"));
    w.songs->SetSongText("Capo: 1\n\nD    G\nwords here\n");  // sounding Eb and Ab
    w.songs->SetCapo(3);
    QVERIFY(w.songs->SongText().startsWith("Capo: 3\n"));
    QVERIFY(w.songs->SongText().contains("C    F\nwords here"));
  }

  // A FIFO, a folder and a file over the size limit are refused with a
  // message, at once; nothing is cut.
  void specialAndOversizedFilesAreRefused() {
    Songs w;
    QTemporaryDir dir;
    const QString fifo = dir.filePath("song.cho");
    QCOMPARE(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& path : {fifo, dir.path()}) {
      AnswerNextMessage(QMessageBox::Ok);
      QVERIFY(!w.songs->OpenFile(path));
    }
    QFile large(dir.filePath("large.cho"));
    QVERIFY(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(static_cast<int>(kMaxSongBytes) + 10, '\n'));
    large.close();
    AnswerNextMessage(QMessageBox::Ok);
    QVERIFY(!w.songs->OpenFile(large.fileName()));
  }

  // Latin-1, UTF-16 and UTF-8 with a mark and CR/LF line ends are read and
  // written back as they were.
  void filesAreWrittenBackInTheirOwnEncodingAndLineEnds() {
    static constexpr char kUtf16[] = "\xFF\xFE{\0t\0:\0 \0\xE9\0}\0\r\0\n\0[\0G\0]\0x\0\r\0\n\0";
    const QByteArray utf16(kUtf16, sizeof kUtf16 - 1);  // its NULs are bytes of the file
    const QByteArray files[] = {QByteArray("{t: Caf\xE9}\r\n[G]\xE9t\xE9\r\n"),
                                QByteArray("\xEF\xBB\xBF{t: Caf\xC3\xA9}\r\n[G]x\r\n"), utf16};
    for (const QByteArray& bytes : files) {
      Songs w;
      QTemporaryDir dir;
      QFile file(dir.filePath("in.cho"));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(bytes);
      file.close();
      QVERIFY(w.songs->OpenFile(file.fileName()));
      QVERIFY(w.songs->SongText().contains(QChar(0xE9)));
      QCOMPARE(w.songs->Voiced().chords.size(), std::size_t(1));
      QCOMPARE(w.songs->SaveChordPro(dir.filePath("out.cho"), false), QString());
      QFile out(dir.filePath("out.cho"));
      QVERIFY(out.open(QIODevice::ReadOnly));
      QCOMPARE(out.readAll(), bytes);
    }
    Songs w;
    QTemporaryDir dir;
    QFile latin(dir.filePath("latin.cho"));
    QVERIFY(latin.open(QIODevice::WriteOnly));
    latin.write("[G]\xE9t\xE9\n");
    latin.close();
    QVERIFY(w.songs->OpenFile(latin.fileName()));
    QVERIFY(w.Control<QLabel>("SongProblems")->text().contains("Latin-1"));
  }

  // Chord names in the text read at 4.5:1 or more under a light and a dark
  // palette.
  void chordNamesReadUnderADarkPalette() {
    Songs w;
    auto* editor = w.Control<QPlainTextEdit>("SongText");
    const QPalette original = w.songs->palette();
    for (const QColor base :
         {QColor(Qt::white), QColor(0x1E, 0x1E, 0x1E), QColor(0x2B, 0x2B, 0x40)}) {
      QPalette palette = original;
      palette.setColor(QPalette::Base, base);
      w.songs->setPalette(palette);
      QCOMPARE(editor->palette().color(QPalette::Base), base);
      const auto* highlighter = editor->document()->findChild<SongHighlighter*>();
      QVERIFY(highlighter != nullptr);
      QVERIFY2(ContrastRatio(highlighter->ReadColour(), base) >= 4.5,
               qPrintable(highlighter->ReadColour().name()));
    }
    w.songs->setPalette(original);
  }

  // The song window fits a 1024x600 screen.
  void theSongWindowFitsASmallScreen() {
    Songs w;
    QVERIFY(w.songs->OpenFile(kGrace));
    const QSize least = w.songs->minimumSizeHint().expandedTo(w.songs->minimumSize());
    QVERIFY2(least.width() <= 1024 && least.height() <= 600 - 40,
             qPrintable(QString("%1x%2").arg(least.width()).arg(least.height())));
    QVERIFY2(w.songs->height() <= 600 - 40, qPrintable(QString::number(w.songs->height())));
  }

  void theExportFormatFollowsTheNameOrTheFilter() {
    struct Row {
      const char* path;
      const char* filter;
      const char* format;
    };
    const Row rows[] = {
        {"/t/song.pdf", "PDF (*.pdf)", "pdf"}, {"/t/song", "SVG (*.svg)", "svg"},
        {"/t/song", "PNG (*.png)", "png"},     {"/t/song.SVG", "PDF (*.pdf)", "svg"},
        {"/t/song.jpg", "PNG (*.png)", ""},    {"/t/song.jpg", "PDF (*.pdf)", ""}};
    for (const Row& row : rows)
      QCOMPARE(SongWindow::ExportFormatOf(row.path, row.filter), QString(row.format));
  }

  // Another instrument voices the song on its strings at once.
  void anotherInstrumentRevoicesTheSong() {
    Songs w;
    w.songs->SetSongText("[C]One [G]two [Am]three [F]four\n");
    QComboBox* instrument = w.Control<QComboBox>("SongInstrument");
    int ukulele = -1;
    for (std::size_t i = 0; i < BuiltInInstruments().size(); ++i)
      if (BuiltInInstruments()[i].name == "ukulele") ukulele = static_cast<int>(i);
    QVERIFY(ukulele >= 0);
    instrument->setCurrentIndex(ukulele);
    emit instrument->activated(ukulele);
    for (const auto& frets : w.StripFrets()) QCOMPARE(frets.size(), std::size_t(4));
    QCOMPARE(w.StripFrets(), w.ChosenFrets());
  }

  void theSimplifyBoxPlaysSimplerChords() {
    Songs w;
    w.songs->SetSongText("[Cmaj7]One [Am7]two [G9]three\n");
    QCheckBox* simplify = w.Control<QCheckBox>("SongSimplify");
    QVERIFY(!simplify->isChecked());
    simplify->setChecked(true);
    std::vector<std::string> captions;
    for (const SheetDiagram& diagram : w.songs->Strip()->Chords().diagrams)
      captions.push_back(diagram.caption);
    QCOMPARE(captions, (std::vector<std::string>{"C", "Am", "G7"}));
    QCOMPARE(w.StripFrets(), w.ChosenFrets());
    simplify->setChecked(false);
    QCOMPARE(w.songs->Voiced().distinct.front().symbol, std::string("Cmaj7"));
  }

  // The names on the strip and the sheet as numbers in the key, chosen in
  // the box and remembered; the text, the files and the pins keep letters.
  void theNotationBoxShowsNumbersAndIsRemembered() {
    const QString song = "{key: C}\n[C]One [G]two [Am]three [F]four\n";
    const auto captions = [](const Songs& w) {
      std::vector<std::string> names;
      for (const SheetDiagram& diagram : w.songs->Strip()->Chords().diagrams)
        names.push_back(diagram.caption);
      return names;
    };
    const auto sheetChords = [](const Songs& w) {
      std::vector<std::string> chords;
      for (const SongSheetBlock& block : w.songs->Sheet().body)
        for (const SongSheetSegment& segment : block.segments)
          if (!segment.chord.empty()) chords.push_back(segment.chord);
      return chords;
    };
    QTemporaryDir folder;
    {
      Songs w;
      w.songs->SetSongText(song);
      QComboBox* notation = w.Control<QComboBox>("SongNotation");
      QCOMPARE(notation->count(), 3);
      QVERIFY(!notation->accessibleName().isEmpty());
      QCOMPARE(captions(w), (std::vector<std::string>{"C", "G", "Am", "F"}));
      const std::vector<Fingering> letters = w.StripFrets();
      notation->setCurrentIndex(1);
      emit notation->activated(1);
      QCOMPARE(captions(w), (std::vector<std::string>{"1", "5", "6m", "4"}));
      QCOMPARE(sheetChords(w), (std::vector<std::string>{"1", "5", "6m", "4"}));
      QCOMPARE(w.StripFrets(), letters);  // only the names change
      notation->setCurrentIndex(2);
      emit notation->activated(2);
      QCOMPARE(captions(w), (std::vector<std::string>{"I", "V", "vi", "IV"}));
      QCOMPARE(sheetChords(w), (std::vector<std::string>{"I", "V", "vi", "IV"}));
      // A chord shown as a number goes to the main window as its letters,
      // and the voicing chosen there pins it.
      SongStrip* strip = w.songs->Strip();
      QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, strip->CellRect(2).center());
      QCOMPARE(w.form->SelectedFrets(), letters[2]);
      const auto& voicings = w.form->Result().search.voicings;
      int other = -1;
      for (std::size_t i = 0; i < voicings.size() && other < 0; ++i)
        if (voicings[i].frets != letters[2]) other = static_cast<int>(i);
      QVERIFY(other >= 0);
      w.ClickCell(other);
      QVERIFY(strip->Pinned(2));
      QCOMPARE(w.songs->Options().pins.front().name, std::string("Am"));
      QCOMPARE(captions(w)[2], std::string("vi"));
      w.songs->Unpin(2);
      QVERIFY(!strip->Pinned(2));
      // A capo rewrites the text in letters, and the files keep them too.
      w.songs->SetCapo(2);
      QVERIFY(w.songs->SongText().contains("[A#]One") || w.songs->SongText().contains("[Bb]One"));
      QCOMPARE(captions(w)[0], std::string("I"));
      const QString path = folder.filePath("numbers.cho");
      QVERIFY(w.songs->SaveChordPro(path, true).isEmpty());
      QFile saved(path);
      QVERIFY(saved.open(QIODevice::ReadOnly));
      const QString written = QString::fromUtf8(saved.readAll());
      QVERIFY(written.contains("{define: Bb") || written.contains("{define: A#"));
      QVERIFY(!written.contains("[I]") && !written.contains("[vi]"));
      QVERIFY(w.songs->SaveText(folder.filePath("numbers.txt")).isEmpty());
    }
    {
      Songs w;  // a window opened later shows the names last chosen
      QCOMPARE(w.Control<QComboBox>("SongNotation")->currentIndex(), 2);
      w.songs->SetSongText(song);
      QCOMPARE(captions(w), (std::vector<std::string>{"I", "V", "vi", "IV"}));
      w.songs->ChooseNotation(ChordNumbers::Letters);
      QCOMPARE(captions(w), (std::vector<std::string>{"C", "G", "Am", "F"}));
    }
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::SongWindowTest)
#include "song_window_test.moc"
