// The song library (File > Songbook…): a folder of our own songs listed by
// title, searched as typed, a setlist made by dropping songs with a key,
// capo and instrument each, saved, read back and remembered, and printed
// as a book; a book's drawing stopped by its progress writes nothing.
#include <QAction>
#include <QLineEdit>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "app/song_library_window.h"
#include "view/songbook_files.h"
#include "window_fixture.h"

namespace corvanta {
namespace {

const QString kSongs = CORVANTA_TEST_DATA "/songbook";

struct Library : testing::Window {
  SongLibraryWindow* library = nullptr;
  Library() {
    QAction* item = form->findChild<QAction*>("Songbook1");
    if (item == nullptr) qFatal("no Songbook1 item");
    item->trigger();
    library = form->Library();
    if (!QTest::qWaitForWindowExposed(library)) qWarning("library not exposed");
  }
  std::vector<std::string> ListedTitles() const {
    std::vector<std::string> titles;
    for (const int song : library->Listed())
      titles.push_back(library->Library().Songs()[static_cast<std::size_t>(song)].title);
    return titles;
  }
};

}  // namespace

class SongLibraryTest : public QObject {
  Q_OBJECT

 private slots:
  void aFolderIsListedByTitleAndSearchedAsTyped() {
    Library w;
    QVERIFY(w.library->OpenFolder(kSongs));
    QCOMPARE(w.ListedTitles(), (std::vector<std::string>{
                                   "Auld Lang Syne", "Down in the Valley", "Oh! Susanna",
                                   "Red River Valley", "Shenandoah", "Swing Low, Sweet Chariot"}));
    QCOMPARE(w.library->findChild<QTreeWidget*>("SongLibraryList")->topLevelItem(0)->text(1),
             QString("Robert Burns"));
    struct Case {
      const char* typed;
      std::vector<std::string> titles;
    };
    const Case cases[] = {
        {"valley", {"Down in the Valley", "Red River Valley"}},
        {"BURNS", {"Auld Lang Syne"}},                     // artist
        {"missouri", {"Shenandoah"}},                      // lyrics
        {"d7", {"Red River Valley"}},                      // chords
        {"jordan chariot", {"Swing Low, Sweet Chariot"}},  // every word
        {"nowhere at all", {}},
    };
    for (const Case& c : cases) {
      auto* search = w.library->findChild<QLineEdit*>("SongLibrarySearch");
      search->clear();
      QTest::keyClicks(search, c.typed);  // searched at every key
      QCOMPARE(w.ListedTitles(), c.titles);
    }
  }

  void songsDroppedIntoASetlistKeepTheirSettingsAndAreRemembered() {
    Library w;
    QVERIFY(w.library->OpenFolder(kSongs));
    w.library->Search("");
    auto* list = w.library->findChild<QTreeWidget*>("SongLibraryList");
    auto* setlist = w.library->findChild<QListWidget*>("SongSetlist");
    setlist->clear();
    // A drag from the library: the selected rows dropped on the setlist.
    list->topLevelItem(4)->setSelected(true);  // Shenandoah
    QMimeData mime;
    mime.setData("application/x-corvanta-library-songs", "4");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(setlist->viewport(), &enter);
    QDragMoveEvent move(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(setlist->viewport(), &move);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(setlist->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    w.library->AddToSetlist(0);  // Auld Lang Syne, at the end
    std::vector<SetlistEntry> entries = w.library->SetlistEntries();
    QCOMPARE(entries.size(), std::size_t(2));
    QVERIFY(QString::fromStdString(entries[0].path).endsWith("01-shenandoah.cho"));
    SetlistEntry changed = entries[0];
    changed.key = "C";
    changed.capo = 2;
    changed.instrument = "ukulele";
    w.library->SetEntry(0, changed);
    QCOMPARE(setlist->item(0)->text(), QString("Shenandoah  (C, 变调夹 2, ukulele)"));
    QCOMPARE(QSettings().value("library/setlist").toStringList().size(), 2);
    QTemporaryDir dir;
    const QString path = dir.filePath("tonight.setlist");
    QCOMPARE(w.library->SaveSetlist(path), QString());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString text = saved.readAll();
    QVERIFY2(text.contains("key=C capo=2 instrument=ukulele"), qPrintable(text));
    QVERIFY(!text.contains(dir.path()));  // paths relative to the setlist
    setlist->clear();
    QVERIFY(w.library->LoadSetlist(path));
    entries = w.library->SetlistEntries();
    QCOMPARE(entries.size(), std::size_t(2));
    QCOMPARE(entries[0].key, std::optional<std::string>("C"));
    QCOMPARE(entries[0].instrument, std::optional<std::string>("ukulele"));
    QVERIFY(QFileInfo(QString::fromStdString(entries[1].path)).exists());
  }

  void theSetlistAndTheLibraryPrintAsBooks() {
    Library w;
    QVERIFY(w.library->OpenFolder(kSongs));
    w.library->findChild<QListWidget*>("SongSetlist")->clear();
    w.library->AddToSetlist(3);  // Red River Valley
    QTemporaryDir dir;
    const QString setlist = dir.filePath("set.pdf");
    QCOMPARE(w.library->ExportBook(false, setlist), QString());
    QFile pdf(setlist);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    const QString whole = dir.filePath("all.pdf");
    QCOMPARE(w.library->ExportBook(true, whole), QString());
    QVERIFY(QFileInfo(whole).size() > QFileInfo(setlist).size());
  }

  void aBookStoppedByItsProgressWritesNothing() {
    Songbook book;
    book.songs.resize(3);
    for (std::size_t i = 0; i < book.songs.size(); ++i)
      book.songs[i].sheet.title = "Song " + std::to_string(i);
    QTemporaryDir dir;
    const QString path = dir.filePath("stopped.pdf");
    int told = 0;
    const QString result = WriteSongbookPdf(book, path, SongPaper::A4, [&](int done, int total) {
      ++told;
      return done < total / 2;
    });
    QCOMPARE(result, QString("cancelled"));
    QVERIFY(told > 0);
    QVERIFY(!QFileInfo::exists(path));
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::SongLibraryTest)
#include "song_library_test.moc"
