#pragma once

#include <QListWidget>
#include <QMainWindow>
#include <vector>

#include "printed_song/songbook.h"
#include "session/session.h"
#include "song/setlist.h"
#include "song/song_library.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace corvanta {

class TForm1;
struct ExportFunctions;

// The setlist being made: songs dragged in from the library and into order.
class SetlistList : public QListWidget {
  Q_OBJECT

 public:
  explicit SetlistList(QWidget* parent = nullptr);

 signals:
  // Library songs dropped at a row.
  void librarySongsDropped(int row);

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

// The song library (File > Songbook…): a folder's songs listed by title
// and artist, searched as the player types over titles, artists, lyrics
// and chords; a setlist made by dragging songs into order, each with its
// own key, capo and instrument; the setlist or the whole library printed
// as a book, with its progress and a Cancel.
class SongLibraryWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit SongLibraryWindow(TForm1* main);

  bool OpenFolder(const QString& folder);
  void Search(const QString& text);
  const SongLibrary& Library() const { return library_; }
  // The library's songs listed, as indices into Library().Songs().
  std::vector<int> Listed() const;
  // As dropping the song at the end of the setlist does.
  void AddToSetlist(int librarySong);
  std::vector<SetlistEntry> SetlistEntries() const;
  void SetEntry(int row, const SetlistEntry& entry);
  // Written with paths relative to its folder; empty text on success.
  QString SaveSetlist(const QString& path) const;
  bool LoadSetlist(const QString& path);
  // The setlist's songs (or the whole library's) voiced and printed as one
  // PDF; empty text on success, "cancelled" when stopped.
  QString ExportBook(bool wholeLibrary, const QString& path);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildWindow();
  void RetranslateUi();
  void ShowSettingsOf(int row);
  void SettingsEdited();
  void Remember() const;
  void AddEntry(const SetlistEntry& entry, int row = -1);
  void ChooseFolderClick();
  void ExportClick(bool wholeLibrary);
  Songbook BookOf(const std::vector<SetlistEntry>& entries, bool& cancelled);
  const ExportFunctions* Exports();

  TForm1* main_;
  SongLibrary library_;
  QString folder_;
  const ExportFunctions* exports_ = nullptr;
  QPushButton* folderButton_ = nullptr;
  QLabel* folderLabel_ = nullptr;
  QLineEdit* search_ = nullptr;
  QTreeWidget* list_ = nullptr;
  SetlistList* setlist_ = nullptr;
  QComboBox* key_ = nullptr;
  QSpinBox* capo_ = nullptr;
  QComboBox* instrument_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* openSetlist_ = nullptr;
  QPushButton* saveSetlist_ = nullptr;
  QPushButton* exportSetlist_ = nullptr;
  QPushButton* exportLibrary_ = nullptr;
  QLabel* keyLabel_ = nullptr;
  QLabel* capoLabel_ = nullptr;
  QLabel* instrumentLabel_ = nullptr;
};

}  // namespace corvanta
