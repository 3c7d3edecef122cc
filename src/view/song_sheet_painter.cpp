// Paints one laid-out page of the printed song.
#include "view/song_sheet_painter.h"

#include "view/chord_sheet.h"
#include "view/qt_text_measure.h"

namespace corvanta {
namespace {

const QColor kBand(0xE8, 0xE8, 0xE8);
const QColor kUnreadChord(0xA0, 0x20, 0x20);
constexpr double kRuleWidth = 0.8;

QPointF PointOf(SheetPoint point) { return {point.x, point.y}; }
QRectF RectOf(const SheetRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

}  // namespace

QSizeF SizeOf(SheetSize size) { return {size.width, size.height}; }
SheetSize SheetSizeOf(QSizeF size) { return {size.width(), size.height()}; }

void PaintSongPage(QPainter& painter, const SongSheet& sheet, const SongSheetLayout& layout,
                   int page) {
  if (page < 0 || page >= static_cast<int>(layout.pages.size())) return;
  const SongPageLayout& drawn = layout.pages[static_cast<std::size_t>(page)];
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(QPointF(0, 0), SizeOf(layout.pageSize)), Qt::white);
  for (const SheetRect& band : drawn.bands) painter.fillRect(RectOf(band), kBand);
  for (const SongText& text : drawn.texts) {
    painter.setFont(SongFont(text.Face()));
    painter.setPen(text.unread ? kUnreadChord : QColor(Qt::black));
    painter.drawText(PointOf(text.baseline), QString::fromStdString(text.text));
  }
  painter.setPen(QPen(Qt::black, kRuleWidth));
  painter.setBrush(Qt::NoBrush);
  for (const SheetRule& rule : drawn.rules) painter.drawLine(PointOf(rule.from), PointOf(rule.to));
  for (const SheetRect& frame : drawn.frames) painter.drawRect(RectOf(frame));
  for (const auto& [index, at] : drawn.diagrams) {
    if (index < 0 || index >= static_cast<int>(sheet.diagrams.diagrams.size())) continue;
    painter.save();
    painter.translate(PointOf(at));
    painter.scale(layout.diagramScale, layout.diagramScale);
    PaintSheetCell(painter, sheet.diagrams, index, QPointF(0, 0));
    painter.restore();
  }
  painter.restore();
}

}  // namespace corvanta
