// Writes a chord sheet to PNG, SVG and PDF.
#include "view/sheet_files.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "files/output_file.h"
#include "view/svg_file.h"

namespace corvanta {
namespace {

// Points per logical unit of a single diagram's PDF page.
constexpr double kSingleDiagramPdfScale = 2;

QString Failure(const OutputFile& file) { return QString::fromStdString(file.Failure()); }

// The bytes through the output opened before they were made; a cancelled
// drawing is not written.
QString Written(const ChordSheet& sheet, OutputFile& file, const QByteArray& bytes) {
  if (SheetCancelled(sheet)) return kCancelledExport;
  if (!file.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return Failure(file);
  return QString::fromStdString(file.Commit());
}

}  // namespace

QString WriteSheetPng(const ChordSheet& sheet, const QString& path, double scale) {
  OutputFile file(path.toStdString());
  if (!file.Failure().empty()) return Failure(file);
  int columns = SheetPictureColumns(sheet);
  QSize size = (SheetPictureSize(sheet, columns) * scale).toSize();
  if (static_cast<double>(size.width()) * size.height() > kMostPngPixels) {
    return QString(
               "the picture would be %1 x %2 pixels, more than %3 million: lower the scale "
               "or draw fewer diagrams")
        .arg(size.width())
        .arg(size.height())
        .arg(kMostPngPixels / 1000000);
  }
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return "the picture is too large at this scale";
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintSheetPicture(painter, sheet, columns);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return "cannot make the PNG picture";
  return Written(sheet, file, bytes);
}

QString WriteSheetSvg(const ChordSheet& sheet, const QString& path) {
  const int diagrams = static_cast<int>(sheet.diagrams.size());
  if (diagrams > kMostSvgDiagrams) {
    return QString("the drawing would hold %1 diagrams, more than %2: draw fewer diagrams")
        .arg(diagrams)
        .arg(kMostSvgDiagrams);
  }
  const int columns = SheetPictureColumns(sheet);
  const SvgRefusals refusals{QString("the drawing would be larger than %1 MB: draw fewer diagrams")
                                 .arg(kMostSvgBytes >> 20),
                             kCancelledExport};
  return WriteSvgDrawing(
      path, SheetPictureSize(sheet, columns), QString::fromStdString(sheet.heading),
      [&](QPainter& painter) {
        PaintSheetPicture(painter, sheet, columns);
        return !SheetCancelled(sheet);
      },
      refusals);
}

QString WriteSheetPdf(const ChordSheet& sheet, const QString& path) {
  OutputFile file(path.toStdString());
  if (!file.Failure().empty()) return Failure(file);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QString::fromStdString(sheet.heading));
    pdf.setCreator("Corvanta");
    if (sheet.diagrams.size() <= 1) {
      // One diagram: a page the size of the drawing, at twice the sheet's
      // scale (a diagram 7 cm wide), not a small drawing in an A4 corner.
      const QSizeF size = SheetPictureSize(sheet, 1);
      pdf.setPageSize(QPageSize(size * kSingleDiagramPdfScale, QPageSize::Point));
      pdf.setResolution(static_cast<int>(72 / kSingleDiagramPdfScale));
      QPainter painter(&pdf);
      PaintSheetPicture(painter, sheet, 1);
      if (!painter.end()) return "cannot make the PDF document";
    } else {
      pdf.setPageSize(QPageSize(QPageSize::A4));
      pdf.setResolution(72);  // one logical unit per point: a diagram is 35 mm wide
      QSizeF page(pdf.width(), pdf.height());
      int pages = SheetPageCount(sheet, page);
      if (pages > kMostPdfPages) {
        return QString("the document would have %1 pages, more than %2: draw fewer diagrams")
            .arg(pages)
            .arg(kMostPdfPages);
      }
      QPainter painter(&pdf);
      for (int index = 0; index < pages && !SheetCancelled(sheet); ++index) {
        if (index > 0) pdf.newPage();
        PaintSheetPage(painter, sheet, index, page);
      }
      if (!painter.end()) return "cannot make the PDF document";
    }
  }
  return Written(sheet, file, bytes);
}

}  // namespace corvanta
