// The song library: a folder's songs found as the player types, setlists
// dragged into order, books printed from either.
#include "app/song_library_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/export_functions.h"
#include "app/tform1.h"
#include "files/output_file.h"
#include "instrument/capo.h"
#include "modules/module_loader.h"
#include "printed_song/book_song.h"
#include "song/song_key.h"
#include "song/song_split.h"

namespace corvanta {
namespace {

constexpr const char* kFolderKey = "library/folder";
constexpr const char* kSetlistKey = "library/setlist";
constexpr int kEntryRole = Qt::UserRole;      // the setlist line
constexpr int kTitleRole = Qt::UserRole + 1;  // the song's title, as listed
constexpr int kSongRole = Qt::UserRole;       // a library row's song index
constexpr std::size_t kMostSongBytes = 8u << 20;
const char* const kLibraryMime = "application/x-corvanta-library-songs";

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

bool IsSongFile(const QFileInfo& file) {
  static const QStringList kSuffixes{"cho", "chordpro", "chopro", "crd", "pro", "txt"};
  return file.isFile() && kSuffixes.contains(file.suffix().toLower());
}

std::string ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(kMostSongBytes).toStdString();
}

SongPaper DesktopPaper() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? SongPaper::Letter
                                                                            : SongPaper::A4;
}

}  // namespace

SetlistList::SetlistList(QWidget* parent) : QListWidget(parent) {
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void SetlistList::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasFormat(kLibraryMime))
    event->acceptProposedAction();
  else
    QListWidget::dragEnterEvent(event);
}

void SetlistList::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasFormat(kLibraryMime))
    event->acceptProposedAction();
  else
    QListWidget::dragMoveEvent(event);
}

void SetlistList::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasFormat(kLibraryMime)) return QListWidget::dropEvent(event);
  const QModelIndex at = indexAt(event->position().toPoint());
  emit librarySongsDropped(at.isValid() ? at.row() : count());
  event->acceptProposedAction();
}

// The library's rows carry their songs to the setlist as a drag.
class LibraryTree : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;

 protected:
  QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override {
    auto* data = new QMimeData;
    QStringList songs;
    for (const QTreeWidgetItem* item : items) songs << item->data(0, kSongRole).toString();
    data->setData(kLibraryMime, songs.join(',').toUtf8());
    return data;
  }
  QStringList mimeTypes() const override { return {kLibraryMime}; }
};

SongLibraryWindow::SongLibraryWindow(TForm1* main) : QMainWindow(nullptr), main_(main) {
  setObjectName("SongLibraryWindow");
  BuildWindow();
  RetranslateUi();
  resize(900, 600);
  const QSettings settings;
  const QString folder = settings.value(kFolderKey).toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) OpenFolder(folder);
  for (const QString& line : settings.value(kSetlistKey).toStringList()) {
    const Setlist read = ReadSetlist(line.toStdString());
    if (!read.entries.empty()) AddEntry(read.entries.front());
  }
}

void SongLibraryWindow::BuildWindow() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  auto* top = new QHBoxLayout;
  folderButton_ = Named(new QPushButton(central), "SongLibraryFolder");
  folderLabel_ = Named(new QLabel(central), "SongLibraryFolderName");
  search_ = Named(new QLineEdit(central), "SongLibrarySearch");
  search_->setClearButtonEnabled(true);
  top->addWidget(folderButton_);
  top->addWidget(folderLabel_, 1);
  top->addWidget(search_, 2);
  column->addLayout(top);

  auto* split = new QSplitter(Qt::Horizontal, central);
  list_ = Named(new LibraryTree(split), "SongLibraryList");
  list_->setColumnCount(2);
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setDragEnabled(true);
  list_->setDragDropMode(QAbstractItemView::DragOnly);
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  split->addWidget(list_);

  auto* right = new QWidget(split);
  auto* rightColumn = new QVBoxLayout(right);
  rightColumn->setContentsMargins(0, 0, 0, 0);
  setlist_ = Named(new SetlistList(right), "SongSetlist");
  rightColumn->addWidget(setlist_, 1);
  auto* settingsRow = new QHBoxLayout;
  keyLabel_ = new QLabel(right);
  key_ = Named(new QComboBox(right), "SetlistKey");
  key_->addItem(QString());
  for (int tonic = 0; tonic < 12; ++tonic)
    for (const bool minor : {false, true})
      key_->addItem(QString::fromStdString(KeyName(KeyAt(tonic, minor))));
  capoLabel_ = new QLabel(right);
  capo_ = Named(new QSpinBox(right), "SetlistCapo");
  capo_->setRange(-1, kMaxCapo);
  instrumentLabel_ = new QLabel(right);
  instrument_ = Named(new QComboBox(right), "SetlistInstrument");
  instrument_->addItem(QString());
  for (const Instrument& instrument : BuiltInInstruments())
    instrument_->addItem(main_->InstrumentTitle(instrument),
                         QString::fromStdString(instrument.name));
  for (QWidget* widget : std::initializer_list<QWidget*>{keyLabel_, key_, capoLabel_, capo_,
                                                         instrumentLabel_, instrument_})
    settingsRow->addWidget(widget);
  rightColumn->addLayout(settingsRow);
  auto* buttons = new QHBoxLayout;
  remove_ = Named(new QPushButton(right), "SetlistRemove");
  openSetlist_ = Named(new QPushButton(right), "SetlistOpen");
  saveSetlist_ = Named(new QPushButton(right), "SetlistSave");
  for (QPushButton* button : {remove_, openSetlist_, saveSetlist_}) buttons->addWidget(button);
  rightColumn->addLayout(buttons);
  auto* books = new QHBoxLayout;
  exportSetlist_ = Named(new QPushButton(right), "SetlistExportBook");
  exportLibrary_ = Named(new QPushButton(right), "LibraryExportBook");
  books->addWidget(exportSetlist_);
  books->addWidget(exportLibrary_);
  rightColumn->addLayout(books);
  split->addWidget(right);
  column->addWidget(split, 1);
  setCentralWidget(central);

  connect(folderButton_, &QPushButton::clicked, this, &SongLibraryWindow::ChooseFolderClick);
  connect(search_, &QLineEdit::textChanged, this, &SongLibraryWindow::Search);
  connect(list_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { AddToSetlist(item->data(0, kSongRole).toInt()); });
  connect(setlist_, &SetlistList::librarySongsDropped, this, [this](int row) {
    for (QTreeWidgetItem* item : list_->selectedItems()) {
      const int song = item->data(0, kSongRole).toInt();
      SetlistEntry entry;
      entry.path = library_.Songs()[static_cast<std::size_t>(song)].path;
      AddEntry(entry, row++);
    }
    Remember();
  });
  connect(setlist_->model(), &QAbstractItemModel::rowsMoved, this, [this] { Remember(); });
  connect(setlist_, &QListWidget::currentRowChanged, this, &SongLibraryWindow::ShowSettingsOf);
  connect(key_, &QComboBox::activated, this, &SongLibraryWindow::SettingsEdited);
  connect(capo_, &QSpinBox::valueChanged, this, &SongLibraryWindow::SettingsEdited);
  connect(instrument_, &QComboBox::activated, this, &SongLibraryWindow::SettingsEdited);
  connect(remove_, &QPushButton::clicked, this, [this] {
    delete setlist_->takeItem(setlist_->currentRow());
    Remember();
  });
  connect(openSetlist_, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, openSetlist_->text(), folder_,
                                                      tr("歌单 (*.setlist);;所有文件 (*)"));
    if (!path.isEmpty()) LoadSetlist(path);
  });
  connect(saveSetlist_, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getSaveFileName(
        this, saveSetlist_->text(), QDir(folder_).filePath("set.setlist"), tr("歌单 (*.setlist)"));
    if (path.isEmpty()) return;
    const QString failure = SaveSetlist(path);
    if (!failure.isEmpty()) QMessageBox::warning(this, windowTitle(), failure);
  });
  connect(exportSetlist_, &QPushButton::clicked, this, [this] { ExportClick(false); });
  connect(exportLibrary_, &QPushButton::clicked, this, [this] { ExportClick(true); });
}

void SongLibraryWindow::RetranslateUi() {
  setWindowTitle(tr("歌本"));
  folderButton_->setText(tr("歌曲文件夹..."));
  search_->setPlaceholderText(tr("搜索标题、歌手、歌词、和弦"));
  list_->setHeaderLabels({tr("标题"), tr("歌手")});
  keyLabel_->setText(tr("调:"));
  key_->setItemText(0, tr("原调"));
  capoLabel_->setText(tr("变调夹"));
  capo_->setSpecialValueText(tr("原样"));
  instrumentLabel_->setText(tr("乐器"));
  instrument_->setItemText(0, tr("主窗口的乐器"));
  remove_->setText(tr("移出歌单"));
  openSetlist_->setText(tr("打开歌单..."));
  saveSetlist_->setText(tr("保存歌单..."));
  exportSetlist_->setText(tr("歌单导出为歌本 (PDF)..."));
  exportLibrary_->setText(tr("全部歌曲导出为歌本 (PDF)..."));
  setlist_->setToolTip(tr("把歌曲从左边拖到这里，拖动排列顺序"));
}

void SongLibraryWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  QMainWindow::changeEvent(event);
}

bool SongLibraryWindow::OpenFolder(const QString& folder) {
  const QDir dir(folder);
  if (!dir.exists()) return false;
  folder_ = dir.absolutePath();
  library_ = SongLibrary();
  for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Name)) {
    if (!IsSongFile(file)) continue;
    const std::string text = ReadText(file.absoluteFilePath());
    if (text.find('\0') != std::string::npos) continue;  // no song
    library_.Add(file.absoluteFilePath().toStdString(), text,
                 file.completeBaseName().toStdString());
  }
  library_.Sort();
  folderLabel_->setText(QDir::toNativeSeparators(folder_));
  QSettings().setValue(kFolderKey, folder_);
  Search(search_->text());
  return true;
}

void SongLibraryWindow::ChooseFolderClick() {
  const QString folder = QFileDialog::getExistingDirectory(this, folderButton_->text(), folder_);
  if (!folder.isEmpty()) OpenFolder(folder);
}

void SongLibraryWindow::Search(const QString& text) {
  if (search_->text() != text) {
    const QSignalBlocker blocker(search_);
    search_->setText(text);
  }
  list_->setUpdatesEnabled(false);
  list_->clear();
  QList<QTreeWidgetItem*> items;
  for (const int song : library_.Search(text.toStdString())) {
    const LibrarySong& found = library_.Songs()[static_cast<std::size_t>(song)];
    auto* item = new QTreeWidgetItem(
        {QString::fromStdString(found.title), QString::fromStdString(found.artist)});
    item->setData(0, kSongRole, song);
    item->setToolTip(0, QDir::toNativeSeparators(QString::fromStdString(found.path)));
    items << item;
  }
  list_->addTopLevelItems(items);
  list_->setUpdatesEnabled(true);
}

std::vector<int> SongLibraryWindow::Listed() const {
  std::vector<int> listed;
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    listed.push_back(list_->topLevelItem(i)->data(0, kSongRole).toInt());
  return listed;
}

void SongLibraryWindow::AddToSetlist(int librarySong) {
  if (librarySong < 0 || librarySong >= static_cast<int>(library_.Songs().size())) return;
  SetlistEntry entry;
  entry.path = library_.Songs()[static_cast<std::size_t>(librarySong)].path;
  AddEntry(entry);
  Remember();
}

// A setlist row: the song's title and what is set for it.
void SongLibraryWindow::AddEntry(const SetlistEntry& entry, int row) {
  QString title = QFileInfo(QString::fromStdString(entry.path)).completeBaseName();
  for (const LibrarySong& song : library_.Songs())
    if (song.path == entry.path && song.part == 0) title = QString::fromStdString(song.title);
  auto* item = new QListWidgetItem;
  item->setData(kTitleRole, title);
  if (row < 0 || row > setlist_->count()) row = setlist_->count();
  setlist_->insertItem(row, item);
  SetEntry(row, entry);
  setlist_->setCurrentRow(row);
}

std::vector<SetlistEntry> SongLibraryWindow::SetlistEntries() const {
  std::vector<SetlistEntry> entries;
  for (int row = 0; row < setlist_->count(); ++row) {
    const Setlist read =
        ReadSetlist(setlist_->item(row)->data(kEntryRole).toString().toStdString());
    if (!read.entries.empty()) entries.push_back(read.entries.front());
  }
  return entries;
}

void SongLibraryWindow::SetEntry(int row, const SetlistEntry& entry) {
  QListWidgetItem* item = setlist_->item(row);
  if (item == nullptr) return;
  item->setData(kEntryRole, QString::fromStdString(SetlistLine(entry)));
  QStringList settings;
  if (entry.key) settings << QString::fromStdString(*entry.key);
  if (entry.capo) settings << tr("变调夹 %1").arg(*entry.capo);
  if (entry.instrument) settings << QString::fromStdString(*entry.instrument);
  const QString title = item->data(kTitleRole).toString();
  item->setText(settings.isEmpty() ? title : title + "  (" + settings.join(", ") + ")");
  if (row == setlist_->currentRow()) ShowSettingsOf(row);
  Remember();
}

void SongLibraryWindow::ShowSettingsOf(int row) {
  const std::vector<SetlistEntry> entries = SetlistEntries();
  const bool valid = row >= 0 && row < static_cast<int>(entries.size());
  for (QWidget* widget : std::initializer_list<QWidget*>{key_, capo_, instrument_, remove_})
    widget->setEnabled(valid);
  if (!valid) return;
  const SetlistEntry& entry = entries[static_cast<std::size_t>(row)];
  const QSignalBlocker keys(key_), capos(capo_), instruments(instrument_);
  key_->setCurrentIndex(entry.key ? std::max(0, key_->findText(QString::fromStdString(*entry.key)))
                                  : 0);
  capo_->setValue(entry.capo.value_or(-1));
  instrument_->setCurrentIndex(
      entry.instrument
          ? std::max(0, instrument_->findData(QString::fromStdString(*entry.instrument)))
          : 0);
}

void SongLibraryWindow::SettingsEdited() {
  const int row = setlist_->currentRow();
  std::vector<SetlistEntry> entries = SetlistEntries();
  if (row < 0 || row >= static_cast<int>(entries.size())) return;
  SetlistEntry entry = entries[static_cast<std::size_t>(row)];
  entry.key =
      key_->currentIndex() > 0 ? std::optional(key_->currentText().toStdString()) : std::nullopt;
  entry.capo = capo_->value() >= 0 ? std::optional(capo_->value()) : std::nullopt;
  entry.instrument = instrument_->currentIndex() > 0
                         ? std::optional(instrument_->currentData().toString().toStdString())
                         : std::nullopt;
  SetEntry(row, entry);
}

// The setlist as it is now, kept for the next start.
void SongLibraryWindow::Remember() const {
  QStringList lines;
  for (int row = 0; row < setlist_->count(); ++row)
    lines << setlist_->item(row)->data(kEntryRole).toString();
  QSettings().setValue(kSetlistKey, lines);
}

QString SongLibraryWindow::SaveSetlist(const QString& path) const {
  const QDir folder = QFileInfo(path).absoluteDir();
  std::string text;
  for (SetlistEntry entry : SetlistEntries()) {
    entry.path = folder.relativeFilePath(QString::fromStdString(entry.path)).toStdString();
    text += SetlistLine(entry) + "\n";
  }
  return QString::fromStdString(WriteOutputFile(path.toStdString(), text));
}

bool SongLibraryWindow::LoadSetlist(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const Setlist setlist = ReadSetlist(file.read(kMostSongBytes).toStdString());
  const QDir folder = QFileInfo(path).absoluteDir();
  setlist_->clear();
  for (SetlistEntry entry : setlist.entries) {
    entry.path =
        QDir::cleanPath(folder.absoluteFilePath(QString::fromStdString(entry.path))).toStdString();
    AddEntry(entry);
  }
  Remember();
  return true;
}

const ExportFunctions* SongLibraryWindow::Exports() {
  if (exports_ == nullptr) {
    std::string error;
    exports_ = LoadModule<ExportFunctions>(kExportModuleName, error);
    if (exports_ == nullptr)
      QMessageBox::warning(this, windowTitle(), QString::fromStdString(error));
  }
  return exports_;
}

// The songs voiced one by one, the progress told between them.
Songbook SongLibraryWindow::BookOf(const std::vector<SetlistEntry>& entries, bool& cancelled) {
  Songbook book;
  Session base = main_->CurrentSession();
  base.capo = 0;
  base.practical = true;
  QProgressDialog progress(tr("正在排版歌本..."), tr("取消"), 0, static_cast<int>(entries.size()),
                           this);
  progress.setObjectName("SongbookProgress");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  for (std::size_t i = 0; i < entries.size() && !cancelled; ++i) {
    progress.setValue(static_cast<int>(i));
    QApplication::processEvents();
    if (progress.wasCanceled()) cancelled = true;
    const SetlistEntry& entry = entries[i];
    Session session = base;
    if (entry.instrument)
      if (const Instrument* named = FindInstrument(*entry.instrument)) session.instrument = *named;
    BookVoicing voicing;
    voicing.options.capo = std::nullopt;
    voicing = WithSetlistEntry(voicing, entry);
    const std::string text = ReadText(QString::fromStdString(entry.path));
    const std::vector<SongOfText> songs = ReadSongs(text);
    const std::string name =
        QFileInfo(QString::fromStdString(entry.path)).completeBaseName().toStdString();
    for (std::size_t part = 0; part < songs.size(); ++part) {
      VoicedSong voiced;
      try {
        book.songs.push_back(BookSongOf(session, songs[part].song, voicing, name, voiced));
      } catch (const std::exception&) {
        // A pin of the song no fingering: the book goes on without it.
      }
    }
  }
  return book;
}

QString SongLibraryWindow::ExportBook(bool wholeLibrary, const QString& path) {
  std::vector<SetlistEntry> entries;
  if (wholeLibrary) {
    for (const LibrarySong& song : library_.Songs())
      if (song.part == 0) {
        SetlistEntry entry;
        entry.path = song.path;
        entries.push_back(entry);
      }
  } else {
    entries = SetlistEntries();
  }
  if (entries.empty()) return tr("没有歌曲");
  const ExportFunctions* exports = Exports();
  if (exports == nullptr) return tr("无法导出");
  bool cancelled = false;
  Songbook book = BookOf(entries, cancelled);
  if (cancelled) return "cancelled";
  book.title = wholeLibrary ? QFileInfo(folder_).fileName().toStdString() : std::string();
  QProgressDialog progress(tr("正在写入 PDF..."), tr("取消"), 0, 1, this);
  progress.setObjectName("SongbookProgress");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  return exports->songbookPdf(book, path, DesktopPaper(), [&](int done, int total) {
    progress.setMaximum(total);
    progress.setValue(done);
    QApplication::processEvents();
    return !progress.wasCanceled();
  });
}

void SongLibraryWindow::ExportClick(bool wholeLibrary) {
  const QString path = QFileDialog::getSaveFileName(
      this, wholeLibrary ? exportLibrary_->text() : exportSetlist_->text(),
      QDir(folder_).filePath(wholeLibrary ? "songbook.pdf" : "setlist.pdf"), "PDF (*.pdf)");
  if (path.isEmpty()) return;
  const QString failure = ExportBook(wholeLibrary, path);
  if (!failure.isEmpty() && failure != "cancelled")
    QMessageBox::warning(this, windowTitle(), failure);
}

}  // namespace corvanta
