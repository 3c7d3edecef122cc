// Paints one laid-out page of the printed song.
#include "view/song_sheet_painter.h"

#include "view/chord_sheet.h"

namespace corvanta {
namespace {

const QColor kBand(0xE8, 0xE8, 0xE8);
const QColor kUnreadChord(0xA0, 0x20, 0x20);
constexpr double kRuleWidth = 0.8;

QFont FontOf(const SongText& text) {
  QFont font = SongFont(text.role);
  if (text.pixelSize > 0) font.setPixelSize(text.pixelSize);
  return font;
}

}  // namespace

void PaintSongPage(QPainter& painter, const SongSheet& sheet, const SongSheetLayout& layout,
                   int page) {
  if (page < 0 || page >= static_cast<int>(layout.pages.size())) return;
  const SongPageLayout& drawn = layout.pages[static_cast<std::size_t>(page)];
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(QPointF(0, 0), layout.pageSize), Qt::white);
  for (const QRectF& band : drawn.bands) painter.fillRect(band, kBand);
  for (const SongText& text : drawn.texts) {
    painter.setFont(FontOf(text));
    painter.setPen(text.unread ? kUnreadChord : QColor(Qt::black));
    painter.drawText(text.baseline, text.text);
  }
  painter.setPen(QPen(Qt::black, kRuleWidth));
  painter.setBrush(Qt::NoBrush);
  for (const QLineF& rule : drawn.rules) painter.drawLine(rule);
  for (const QRectF& frame : drawn.frames) painter.drawRect(frame);
  for (const auto& [index, at] : drawn.diagrams) {
    if (index < 0 || index >= static_cast<int>(sheet.diagrams.diagrams.size())) continue;
    painter.save();
    painter.translate(at);
    painter.scale(layout.diagramScale, layout.diagramScale);
    PaintSheetCell(painter, sheet.diagrams, index, QPointF(0, 0));
    painter.restore();
  }
  painter.restore();
}

}  // namespace corvanta
