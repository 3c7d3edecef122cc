// Writes the printed song to PDF, SVG and PNG.
#include "view/song_sheet_files.h"

#include <QBuffer>
#include <QImage>

#include "files/output_file.h"
#include "view/pdf_pages.h"
#include "view/qt_text_measure.h"
#include "view/sheet_files.h"
#include "view/song_sheet_painter.h"
#include "view/svg_file.h"

namespace corvanta {
namespace {

QString Failure(const OutputFile& file) { return QString::fromStdString(file.Failure()); }

// The bytes through the output opened before they were made.
QString Written(OutputFile& file, const QByteArray& bytes) {
  if (!file.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return Failure(file);
  return QString::fromStdString(file.Commit());
}

}  // namespace

QString WriteSongPdf(const SongSheet& sheet, const QString& path, SongPaper paper) {
  OutputFile file(path.toStdString());
  if (!file.Failure().empty()) return Failure(file);
  const SongSheetLayout layout = LayOutSongPages(sheet, PaperSize(paper), QtTextMeasure());
  if (static_cast<int>(layout.pages.size()) > kMostPdfPages)
    return QString("the song would fill %1 pages, more than %2")
        .arg(layout.pages.size())
        .arg(kMostPdfPages);
  QByteArray bytes;
  const QString failure =
      PaintPdfPages(bytes, paper, QString::fromStdString(sheet.title),
                    static_cast<int>(layout.pages.size()), [&](QPainter& painter, int page) {
                      PaintSongPage(painter, sheet, layout, page);
                      return true;
                    });
  if (!failure.isEmpty()) return failure;
  return Written(file, bytes);
}

QString WriteSongSvg(const SongSheet& sheet, const QString& path, SongPaper paper) {
  const SongSheetLayout layout = LayOutSongPicture(sheet, PaperSize(paper).width, QtTextMeasure());
  const SvgRefusals refusals{
      QString("the drawing would be larger than %1 MB: shorten the song").arg(kMostSvgBytes >> 20),
      QString()};
  return WriteSvgDrawing(
      path, SizeOf(layout.pageSize), QString::fromStdString(sheet.title),
      [&](QPainter& painter) {
        PaintSongPage(painter, sheet, layout, 0);
        return true;
      },
      refusals);
}

QString WriteSongPng(const SongSheet& sheet, const QString& path, SongPaper paper, double scale) {
  OutputFile file(path.toStdString());
  if (!file.Failure().empty()) return Failure(file);
  const SongSheetLayout layout = LayOutSongPicture(sheet, PaperSize(paper).width, QtTextMeasure());
  const QSize size = (SizeOf(layout.pageSize) * scale).toSize();
  if (static_cast<double>(size.width()) * size.height() > kMostPngPixels)
    return QString("the picture would be %1 x %2 pixels: lower the scale")
        .arg(size.width())
        .arg(size.height());
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return "the picture is too large at this scale";
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintSongPage(painter, sheet, layout, 0);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return "cannot make the PNG picture";
  return Written(file, bytes);
}

}  // namespace corvanta
