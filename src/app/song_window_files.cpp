// The song window's files: open and paste, save as ChordPro or text, the
// recent songs, export (PDF, SVG, PNG) and print, and the question before a
// changed song is dropped.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>

#include "app/export_functions.h"
#include "app/preferences.h"
#include "app/song_window.h"
#include "files/input_file.h"
#include "files/output_file.h"
#include "modules/module_loader.h"
#include "song/song_defines.h"
#include "song/song_writer.h"

namespace corvanta {
namespace {

constexpr const char* kRecentKey = "songs/recent";
constexpr int kMostRecent = 8;

// Letter where the desktop measures in inches, A4 elsewhere.
SongPaper DesktopPaper() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? SongPaper::Letter
                                                                            : SongPaper::A4;
}

// The text in the form its file came in (encoding, mark, line endings);
// a failure, or a note on a form that could not be kept, in `note`.
QString WriteText(const QString& path, const std::string& text, const TextFileForm& form,
                  QString& note) {
  std::string changed;
  const std::string bytes = EncodeText(text, form, changed);
  note = QString::fromStdString(changed);
  return QString::fromStdString(WriteOutputFile(path.toStdString(), bytes));
}

}  // namespace

bool SongWindow::OpenFile(const QString& path) {
  if (path.endsWith(".setlist", Qt::CaseInsensitive)) return OpenSetlist(path);
  InputFile file;
  // Two bytes a character in UTF-16, and one more to tell a larger file.
  const std::string failure = ReadInputFile(path.toStdString(), 2 * kMaxSongBytes, file);
  if (!failure.empty()) {
    QMessageBox::warning(this, tr("歌曲"),
                         tr("无法打开 %1: %2").arg(path, QString::fromStdString(failure)));
    return false;
  }
  DecodedText decoded = DecodeText(file.bytes);
  // Opened whole or not at all: a part saved back would lose the rest.
  if (file.larger || decoded.utf8.size() > kMaxSongBytes) {
    QMessageBox::warning(this, tr("歌曲"),
                         tr("无法打开 %1: 歌曲文件大于 %2 KB").arg(path).arg(kMaxSongBytes / 1024));
    return false;
  }
  Stop();
  fileNote_ = QString::fromStdString(decoded.note);
  SetSongText(QString::fromStdString(decoded.utf8));
  fileForm_ = decoded.form;
  RestoreChoices();
  path_ = path;
  AddRecent(path);
  return true;
}

void SongWindow::OpenClick() {
  if (!MayDrop()) return;
  const QString path = QFileDialog::getOpenFileName(
      this, tr("打开歌曲"), QFileInfo(path_).path(),
      tr("歌曲 (*.cho *.chordpro *.chopro *.crd *.pro *.txt *.setlist);;所有文件 (*)"));
  if (!path.isEmpty()) OpenFile(path);
}

void SongWindow::PasteClick() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText() || data->text().isEmpty()) {
    QMessageBox::information(this, tr("歌曲"), tr("剪贴板中没有文本。"));
    return;
  }
  if (!MayDrop()) return;
  Stop();
  fileForm_ = TextFileForm();
  fileNote_.clear();
  SetSongText(data->text());
  path_.clear();
  modified_ = true;
}

QString SongWindow::SaveChordPro(const QString& path, bool defines) {
  SettleText();
  // The song as it is played when the player moved it (the shapes under
  // another capo, with its {capo}), else as read, its {transpose} kept;
  // defines name the chords as played. With the player's choices, in place
  // of those it was read with.
  // The file keeps letters whatever the names shown.
  const VoicedSong voiced = InLetters();
  Song song = defines ? voiced.song : SongToWrite(song_, voiced);
  DropSavedChoices(song);
  std::vector<std::string> added = AddedChordProLines(voiced, defines);
  for (std::string& line : SavedChoiceLines(CurrentChoices())) added.push_back(std::move(line));
  QString note;
  const QString failure = WriteText(path, WriteChordPro(song, added), fileForm_, note);
  if (failure.isEmpty() && !note.isEmpty()) QMessageBox::information(this, tr("歌曲"), note);
  if (failure.isEmpty()) {
    modified_ = false;
    path_ = path;
    AddRecent(path);
  }
  return failure;
}

QString SongWindow::SaveText(const QString& path) {
  SettleText();
  // Plain text has no {transpose} or capo directive: the chords as played.
  QString note;
  const VoicedSong voiced = InLetters();
  const QString failure =
      WriteText(path, WriteChordsOverWords(voiced.song, AddedTextLines(voiced)), fileForm_, note);
  if (failure.isEmpty() && !note.isEmpty()) QMessageBox::information(this, tr("歌曲"), note);
  return failure;
}

void SongWindow::SaveClick(bool chordPro, bool defines) {
  QString suggested = path_;
  if (suggested.isEmpty())
    suggested = QString::fromStdString(song_.title.empty() ? "song" : song_.title);
  suggested = QFileInfo(suggested).path() + "/" + QFileInfo(suggested).completeBaseName() +
              (chordPro ? ".cho" : ".txt");
  const QString path = QFileDialog::getSaveFileName(
      this, chordPro ? saveChordPro_->text() : saveText_->text(), suggested,
      chordPro ? tr("ChordPro (*.cho *.chordpro)") : tr("文本 (*.txt)"));
  if (path.isEmpty()) return;
  const QString failure = chordPro ? SaveChordPro(path, defines) : SaveText(path);
  if (!failure.isEmpty()) QMessageBox::warning(this, tr("歌曲"), failure);
}

QStringList SongWindow::RecentSongs() const { return QSettings().value(kRecentKey).toStringList(); }

void SongWindow::AddRecent(const QString& path) {
  QStringList recent = RecentSongs();
  const QString full = QFileInfo(path).absoluteFilePath();
  recent.removeAll(full);
  recent.prepend(full);
  while (recent.size() > kMostRecent) recent.removeLast();
  QSettings().setValue(kRecentKey, recent);
}

void SongWindow::FillRecentMenu() {
  recentMenu_->clear();
  for (const QString& path : RecentSongs()) {
    QAction* item = recentMenu_->addAction(QFileInfo(path).fileName());
    item->setToolTip(path);
    connect(item, &QAction::triggered, this, [this, path] {
      if (MayDrop()) OpenFile(path);
    });
  }
  recentMenu_->setEnabled(!recentMenu_->isEmpty());
}

const ExportFunctions* SongWindow::Exports() {
  if (exports_ == nullptr) {
    std::string error;
    exports_ = LoadModule<ExportFunctions>(kExportModuleName, error);
    if (exports_ == nullptr) QMessageBox::warning(this, tr("歌曲"), QString::fromStdString(error));
  }
  return exports_;
}

void SongWindow::ExportClick() {
  SettleText();
  QString selected;
  const QString base = QString::fromStdString(song_.title.empty() ? "song" : song_.title);
  // In the folder of the last export, the main window's too.
  const QString path = QFileDialog::getSaveFileName(
      this, export_->text(),
      QDir(QString::fromStdString(preferences::ExportFolder())).filePath(base + ".pdf"),
      "PDF (*.pdf);;SVG (*.svg);;PNG (*.png)", &selected);
  if (path.isEmpty()) return;
  preferences::SetExportFolder(QFileInfo(path).absolutePath().toStdString());
  const ExportFunctions* exports = Exports();
  if (exports == nullptr) return;
  const QString format = ExportFormatOf(path, selected);
  if (format.isEmpty()) {
    QMessageBox::warning(this, tr("歌曲"),
                         tr("无法导出 %1: 只能导出 PDF、SVG 或 PNG 文件").arg(path));
    return;
  }
  // A name without a suffix takes the chosen format's.
  const QString target = QFileInfo(path).suffix().isEmpty() ? path + "." + format : path;
  const SongSheet sheet = Sheet();
  constexpr double kPngScale = 2;  // pixels per point: a page about 1190 pixels wide
  const QString failure = format == "svg" ? exports->songSvg(sheet, target, DesktopPaper())
                          : format == "png"
                              ? exports->songPng(sheet, target, DesktopPaper(), kPngScale)
                              : exports->songPdf(sheet, target, DesktopPaper());
  if (!failure.isEmpty()) QMessageBox::warning(this, tr("歌曲"), failure);
}

QString SongWindow::ExportFormatOf(const QString& path, const QString& filter) {
  static const QStringList kFormats{"pdf", "svg", "png"};
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (!suffix.isEmpty()) return kFormats.contains(suffix) ? suffix : QString();
  for (const QString& format : kFormats)
    if (filter.contains("*." + format, Qt::CaseInsensitive)) return format;
  return "pdf";
}

void SongWindow::PrintClick() {
  SettleText();
  if (const ExportFunctions* exports = Exports()) exports->printSong(Sheet(), this);
}

bool SongWindow::MayDrop() {
  if (!modified_ || SongText().trimmed().isEmpty()) return true;
  const auto answer = QMessageBox::question(
      this, tr("歌曲"), tr("歌曲已修改。保存吗?"),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Save) {
    SaveClick(true, false);
    return !modified_;
  }
  return true;
}

}  // namespace corvanta
