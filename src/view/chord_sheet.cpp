// Paints a chord sheet: its heading, its diagram cells, the pages to print.
#include "view/chord_sheet.h"

#include <algorithm>

#include "view/diagram_painter.h"
#include "view/layout/picture_geometry.h"

namespace corvanta {
namespace {

constexpr int kPictureColumnsMost = 6;

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
  painter.drawText(HeadingBox(width), kHeadingFlags, QString::fromStdString(sheet.heading));
}

// The diagrams from `first`, `rows` rows of `columns`, below the heading.
void PaintRows(QPainter& painter, const ChordSheet& sheet, int first, int rows, int columns,
               double width) {
  const double top = kSheetMargin + SheetHeadingHeight(sheet, width);
  int last = std::min(static_cast<int>(sheet.diagrams.size()), first + rows * columns);
  for (int index = first; index < last && !SheetCancelled(sheet); ++index) {
    int slot = index - first;
    QPointF at(kSheetMargin + (slot % columns) * sheet.CellWidth(),
               top + (slot / columns) * kSheetRowHeight);
    PaintSheetCell(painter, sheet, index, at);
  }
}

}  // namespace

void PaintSheetCell(QPainter& painter, const SheetModel& sheet, int index, QPointF at) {
  const int cellWidth = DiagramCellWidth(static_cast<int>(sheet.diagrams.front().frets.size()));
  const SheetDiagram& diagram = sheet.diagrams[static_cast<std::size_t>(index)];
  if (!diagram.caption.empty()) {
    painter.setFont(CaptionFont());
    painter.setPen(Qt::black);
    painter.drawText(QRectF(at.x() + 10, at.y(), cellWidth - 10, kSheetCaptionHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(diagram.caption));
  }
  if (diagram.noChord) {
    painter.setFont(HeadingFont());
    painter.drawText(QRectF(at.x(), at.y() + kSheetCaptionHeight, cellWidth, kSheetRowHeight / 2),
                     Qt::AlignCenter, QStringLiteral("N.C."));
    return;
  }
  const Diagram drawn{
      diagram.frets,
      DiagramVariant::Plain,
      sheet.leftHanded,
      sheet.capo,
      sheet.stringStarts,
      sheet.bassByPitch ? BassString(diagram.frets, sheet.openPitches, sheet.stringStarts) : -1,
      diagram.labels,
      sheet.chartMarks ? DiagramMarks::Chart : DiagramMarks::Below,
      sheet.nutFretLabel};
  PaintDiagram(painter, drawn, QRectF(at + QPointF(0, kSheetCaptionHeight), drawn.CellSize()));
}

std::vector<int> SheetPagesToPrint(int pageCount, int from, int to) {
  const int first = std::max(from, 1);
  const int last = to <= 0 ? pageCount : std::min(to, pageCount);
  std::vector<int> pages;
  for (int page = first; page <= last; ++page) pages.push_back(page - 1);
  return pages;
}

int ChordSheet::CellWidth() const {
  return DiagramCellWidth(diagrams.empty() ? kSpriteGridStrings
                                           : static_cast<int>(diagrams.front().frets.size()));
}

int SheetColumns(double pageWidth, int cellWidth) {
  return std::max(1, static_cast<int>((pageWidth - 2 * kSheetMargin) / cellWidth));
}

double SheetHeadingHeight(const ChordSheet& sheet, double width) {
  if (sheet.heading.empty()) return kSheetHeadingHeight;
  const QFontMetricsF metrics(HeadingFont());
  const QRectF used =
      metrics.boundingRect(HeadingBox(width), kHeadingFlags, QString::fromStdString(sheet.heading));
  return std::max<double>(kSheetHeadingHeight, used.height() + kHeadingGap);
}

int SheetRowsPerPage(double pageHeight, double headingHeight) {
  return std::max(
      1, static_cast<int>((pageHeight - 2 * kSheetMargin - headingHeight) / kSheetRowHeight));
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
  return {width, 2 * kSheetMargin + SheetHeadingHeight(sheet, width) + rows * kSheetRowHeight};
}

void PaintSheetPicture(QPainter& painter, const ChordSheet& sheet, int columns) {
  QSizeF size = SheetPictureSize(sheet, columns);
  painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  int count = std::max(1, static_cast<int>(sheet.diagrams.size()));
  columns = std::clamp(columns, 1, count);
  PaintHeading(painter, sheet, size.width());
  PaintRows(painter, sheet, 0, (count + columns - 1) / columns, columns, size.width());
}

bool SheetCancelled(const ChordSheet& sheet) {
  return sheet.cancel != nullptr && sheet.cancel->load(std::memory_order_relaxed);
}

int SheetPictureColumns(const ChordSheet& sheet) {
  return std::min(kPictureColumnsMost, std::max(1, static_cast<int>(sheet.diagrams.size())));
}

}  // namespace corvanta
