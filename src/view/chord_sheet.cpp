#include "view/chord_sheet.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

#include "files/output_file.h"
#include "view/diagram_painter.h"
#include "view/layout/picture_geometry.h"

namespace corvanta {
namespace {

constexpr double kRowHeight = kCellHeight + kSheetCaptionHeight;
constexpr int kPictureColumnsMost = 6;
// Points per logical unit of a single diagram's PDF page.
constexpr double kSingleDiagramPdfScale = 2;

bool Cancelled(const ChordSheet& sheet) {
  return sheet.cancel != nullptr && sheet.cancel->load(std::memory_order_relaxed);
}

QFont HeadingFont() {
  QFont font("DejaVu Sans");
  font.setPixelSize(18);
  font.setBold(true);
  return font;
}

QFont CaptionFont() {
  QFont font("DejaVu Sans");
  font.setPixelSize(12);
  font.setBold(true);
  return font;
}

// Long headings (many symbols, a narrow single diagram) wrap at blanks to
// the width of the page or picture.
constexpr int kHeadingFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
// The room a line leaves below it before the diagrams.
constexpr double kHeadingGap = kSheetHeadingHeight - 22;

QRectF HeadingBox(double width) {
  return QRectF(kSheetMargin, kSheetMargin, std::max(1.0, width - 2 * kSheetMargin), 1e6);
}

void PaintHeading(QPainter& painter, const ChordSheet& sheet, double width) {
  painter.setFont(HeadingFont());
  painter.setPen(Qt::black);
  painter.drawText(HeadingBox(width), kHeadingFlags, sheet.heading);
}

// The diagrams from `first`, `rows` rows of `columns`, below the heading.
void PaintRows(QPainter& painter, const ChordSheet& sheet, int first, int rows, int columns,
               double width) {
  const double top = kSheetMargin + SheetHeadingHeight(sheet, width);
  int last = std::min(static_cast<int>(sheet.diagrams.size()), first + rows * columns);
  for (int index = first; index < last && !Cancelled(sheet); ++index) {
    int slot = index - first;
    const int cellWidth = sheet.CellWidth();
    QPointF at(kSheetMargin + (slot % columns) * cellWidth, top + (slot / columns) * kRowHeight);
    const SheetDiagram& diagram = sheet.diagrams[static_cast<std::size_t>(index)];
    if (!diagram.caption.isEmpty()) {
      painter.setFont(CaptionFont());
      painter.setPen(Qt::black);
      painter.drawText(QRectF(at.x() + 10, at.y(), cellWidth - 10, kSheetCaptionHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, diagram.caption);
    }
    PaintDiagram(
        painter, diagram.frets, at + QPointF(0, kSheetCaptionHeight), DiagramVariant::Plain,
        sheet.leftHanded, sheet.capo, sheet.stringStarts,
        sheet.bassByPitch ? BassString(diagram.frets, sheet.openPitches, sheet.stringStarts) : -1);
  }
}

}  // namespace

int ChordSheet::CellWidth() const {
  return DiagramCellWidth(diagrams.empty() ? kStringCount
                                           : static_cast<int>(diagrams.front().frets.size()));
}

int SheetColumns(double pageWidth, int cellWidth) {
  return std::max(1, static_cast<int>((pageWidth - 2 * kSheetMargin) / cellWidth));
}

double SheetHeadingHeight(const ChordSheet& sheet, double width) {
  if (sheet.heading.isEmpty()) return kSheetHeadingHeight;
  const QFontMetricsF metrics(HeadingFont());
  const QRectF used = metrics.boundingRect(HeadingBox(width), kHeadingFlags, sheet.heading);
  return std::max<double>(kSheetHeadingHeight, used.height() + kHeadingGap);
}

int SheetRowsPerPage(double pageHeight, double headingHeight) {
  return std::max(1,
                  static_cast<int>((pageHeight - 2 * kSheetMargin - headingHeight) / kRowHeight));
}

int SheetPageCount(const ChordSheet& sheet, QSizeF page) {
  int perPage = SheetColumns(page.width(), sheet.CellWidth()) *
                SheetRowsPerPage(page.height(), SheetHeadingHeight(sheet, page.width()));
  int count = static_cast<int>(sheet.diagrams.size());
  return std::max(1, (count + perPage - 1) / perPage);
}

void PaintSheetPage(QPainter& painter, const ChordSheet& sheet, int page, QSizeF pageSize) {
  int columns = SheetColumns(pageSize.width(), sheet.CellWidth());
  int rows = SheetRowsPerPage(pageSize.height(), SheetHeadingHeight(sheet, pageSize.width()));
  PaintHeading(painter, sheet, pageSize.width());
  PaintRows(painter, sheet, page * columns * rows, rows, columns, pageSize.width());
}

QSizeF SheetPictureSize(const ChordSheet& sheet, int columns) {
  int count = std::max(1, static_cast<int>(sheet.diagrams.size()));
  columns = std::clamp(columns, 1, count);
  int rows = (count + columns - 1) / columns;
  double width = std::max(2 * kSheetMargin + columns * sheet.CellWidth(), 2 * kSheetMargin + 220.0);
  return {width, 2 * kSheetMargin + SheetHeadingHeight(sheet, width) + rows * kRowHeight};
}

void PaintSheetPicture(QPainter& painter, const ChordSheet& sheet, int columns) {
  QSizeF size = SheetPictureSize(sheet, columns);
  painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  int count = std::max(1, static_cast<int>(sheet.diagrams.size()));
  columns = std::clamp(columns, 1, count);
  PaintHeading(painter, sheet, size.width());
  PaintRows(painter, sheet, 0, (count + columns - 1) / columns, columns, size.width());
}

namespace {

int PictureColumnsFor(const ChordSheet& sheet) {
  return std::min(kPictureColumnsMost, std::max(1, static_cast<int>(sheet.diagrams.size())));
}

// A cancelled drawing is not written.
QString Written(const ChordSheet& sheet, const QString& path, const QByteArray& bytes) {
  if (Cancelled(sheet)) return kCancelledExport;
  return QString::fromStdString(
      WriteOutputFile(path.toStdString(), std::string_view(bytes.constData(), bytes.size())));
}

}  // namespace

QString WriteSheetPng(const ChordSheet& sheet, const QString& path, double scale) {
  if (QString refusal = QString::fromStdString(CheckOutputTarget(path.toStdString()));
      !refusal.isEmpty())
    return refusal;
  int columns = PictureColumnsFor(sheet);
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
  return Written(sheet, path, bytes);
}

QString WriteSheetSvg(const ChordSheet& sheet, const QString& path) {
  if (QString refusal = QString::fromStdString(CheckOutputTarget(path.toStdString()));
      !refusal.isEmpty())
    return refusal;
  int columns = PictureColumnsFor(sheet);
  QSizeF size = SheetPictureSize(sheet, columns);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size.toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), size));
  svg.setTitle(sheet.heading);
  {
    QPainter painter(&svg);
    PaintSheetPicture(painter, sheet, columns);
    if (!painter.end()) return "cannot make the SVG drawing";
  }
  return Written(sheet, path, bytes);
}

QString WriteSheetPdf(const ChordSheet& sheet, const QString& path) {
  if (QString refusal = QString::fromStdString(CheckOutputTarget(path.toStdString()));
      !refusal.isEmpty())
    return refusal;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(sheet.heading);
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
      for (int index = 0; index < pages && !Cancelled(sheet); ++index) {
        if (index > 0) pdf.newPage();
        PaintSheetPage(painter, sheet, index, page);
      }
      if (!painter.end()) return "cannot make the PDF document";
    }
  }
  return Written(sheet, path, bytes);
}

}  // namespace corvanta
