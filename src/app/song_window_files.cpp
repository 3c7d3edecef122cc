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
#include <QPlainTextEdit>
#include <QSettings>

#include "app/export_functions.h"
#include "app/preferences.h"
#include "app/song_window.h"
#include "files/output_file.h"
#include "modules/module_loader.h"
#include "song/song_defines.h"
#include "song/song_writer.h"

namespace corvanta {
namespace {

constexpr const char* kRecentKey = "songs/recent";
constexpr int kMostRecent = 8;
constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

// Letter where the desktop measures in inches, A4 elsewhere.
SongPaper DesktopPaper() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? SongPaper::Letter
                                                                            : SongPaper::A4;
}

QString WriteText(const QString& path, const std::string& text) {
  return QString::fromStdString(WriteOutputFile(path.toStdString(), text));
}

}  // namespace

bool SongWindow::OpenFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    QMessageBox::warning(this, tr("歌曲"), tr("无法打开 %1: %2").arg(path, file.errorString()));
    return false;
  }
  QByteArray bytes = file.read(static_cast<qint64>(kMaxSongBytes) + 1);
  if (bytes.startsWith(kByteOrderMark)) bytes.remove(0, 3);
  Stop();
  SetSongText(QString::fromUtf8(bytes));
  path_ = path;
  AddRecent(path);
  return true;
}

void SongWindow::OpenClick() {
  if (!MayDrop()) return;
  const QString path = QFileDialog::getOpenFileName(
      this, tr("打开歌曲"), QFileInfo(path_).path(),
      tr("歌曲 (*.cho *.chordpro *.chopro *.crd *.pro *.txt);;所有文件 (*)"));
  if (!path.isEmpty()) OpenFile(path);
}

void SongWindow::PasteClick() {
  if (!MayDrop()) return;
  Stop();
  SetSongText(QApplication::clipboard()->text());
  path_.clear();
  modified_ = true;
}

QString SongWindow::SaveChordPro(const QString& path, bool defines) {
  // The song as it is played: the shapes under the capo, with its {capo}.
  const QString failure =
      WriteText(path, WriteChordPro(voiced_.song, AddedChordProLines(voiced_, defines)));
  if (failure.isEmpty()) {
    modified_ = false;
    path_ = path;
    AddRecent(path);
  }
  return failure;
}

QString SongWindow::SaveText(const QString& path) {
  return WriteText(path, WriteChordsOverWords(song_));
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
  const SongSheet sheet = Sheet();
  const QString suffix = QFileInfo(path).suffix().toLower();
  constexpr double kPngScale = 2;  // pixels per point: a page about 1190 pixels wide
  const QString failure = suffix == "svg" ? exports->songSvg(sheet, path, DesktopPaper())
                          : suffix == "png"
                              ? exports->songPng(sheet, path, DesktopPaper(), kPngScale)
                              : exports->songPdf(sheet, path, DesktopPaper());
  if (!failure.isEmpty()) QMessageBox::warning(this, tr("歌曲"), failure);
}

void SongWindow::PrintClick() {
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
