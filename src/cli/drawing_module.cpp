// The drawing module of corvanta-cli: the window's own diagram painter on
// an offscreen Qt platform, loaded on demand by the diagram and sheet
// commands.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli/drawing_request.h"
#include "modules/module_loader.h"
#include "view/sheet_files.h"
#include "view/song_sheet_files.h"
#include "view/songbook_files.h"

namespace {

// One application object for the process: fonts need it; no display does.
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The command's own messages are its only output on stderr.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg || type == QtCriticalMsg)
      fprintf(stderr, "corvanta-cli: %s\n", qPrintable(message));
  });
  static int argc = 1;
  static char name[] = "corvanta-cli";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> application =
      std::make_unique<QGuiApplication>(argc, argv);
}

std::string DrawSong(const corvanta::cli::DrawingRequest& request) {
  using namespace corvanta;
  const SongPaper paper = request.paper == "letter" ? SongPaper::Letter : SongPaper::A4;
  const QString path = QString::fromStdString(request.path);
  if (request.printBook) return WriteSongbookPdf(request.book, path, paper).toStdString();
  QString failure = request.format == "svg" ? WriteSongSvg(request.song, path, paper)
                    : request.format == "pdf"
                        ? WriteSongPdf(request.song, path, paper)
                        : WriteSongPng(request.song, path, paper, request.scale);
  return failure.toStdString();
}

std::string Draw(const corvanta::cli::DrawingRequest& request) {
  using namespace corvanta;
  EnsureApplication();
  if (request.printSong || request.printBook) return DrawSong(request);
  const ChordSheet sheet(request.sheet);
  QString path = QString::fromStdString(request.path);
  QString failure = request.format == "svg"   ? WriteSheetSvg(sheet, path)
                    : request.format == "pdf" ? WriteSheetPdf(sheet, path)
                                              : WriteSheetPng(sheet, path, request.scale);
  return failure.toStdString();
}

const corvanta::cli::DrawingModule kTable{&Draw};

}  // namespace

CORVANTA_MODULE(kTable)
