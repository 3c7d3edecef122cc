#include "view/song_sheet_files.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "files/output_file.h"
#include "view/sheet_files.h"
#include "view/song_sheet_painter.h"

namespace corvanta {
namespace {

QString Refusal(const QString& path) {
  return QString::fromStdString(CheckOutputTarget(path.toStdString()));
}

QString Written(const QString& path, const QByteArray& bytes) {
  return QString::fromStdString(
      WriteOutputFile(path.toStdString(), std::string_view(bytes.constData(), bytes.size())));
}

}  // namespace

QString WriteSongPdf(const SongSheet& sheet, const QString& path, SongPaper paper) {
  if (QString refusal = Refusal(path); !refusal.isEmpty()) return refusal;
  const SongSheetLayout layout = LayOutSongPages(sheet, PaperSize(paper));
  if (static_cast<int>(layout.pages.size()) > kMostPdfPages)
    return QString("the song would fill %1 pages, more than %2")
        .arg(layout.pages.size())
        .arg(kMostPdfPages);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(paper == SongPaper::Letter ? QPageSize::Letter : QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(72);  // one logical unit per point
    pdf.setTitle(QString::fromStdString(sheet.title));
    pdf.setCreator("Corvanta");
    QPainter painter(&pdf);
    for (int page = 0; page < static_cast<int>(layout.pages.size()); ++page) {
      if (page > 0) pdf.newPage();
      PaintSongPage(painter, sheet, layout, page);
    }
    if (!painter.end()) return "cannot make the PDF document";
  }
  return Written(path, bytes);
}

QString WriteSongSvg(const SongSheet& sheet, const QString& path, SongPaper paper) {
  if (QString refusal = Refusal(path); !refusal.isEmpty()) return refusal;
  const SongSheetLayout layout = LayOutSongPicture(sheet, PaperSize(paper).width());
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(layout.pageSize.toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), layout.pageSize));
  svg.setTitle(QString::fromStdString(sheet.title));
  {
    QPainter painter(&svg);
    PaintSongPage(painter, sheet, layout, 0);
    if (!painter.end()) return "cannot make the SVG drawing";
  }
  return Written(path, bytes);
}

QString WriteSongPng(const SongSheet& sheet, const QString& path, SongPaper paper, double scale) {
  if (QString refusal = Refusal(path); !refusal.isEmpty()) return refusal;
  const SongSheetLayout layout = LayOutSongPicture(sheet, PaperSize(paper).width());
  const QSize size = (layout.pageSize * scale).toSize();
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
  return Written(path, bytes);
}

}  // namespace corvanta
