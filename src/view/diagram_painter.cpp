#include "view/diagram_painter.h"

#include "view/layout/neck_layout.h"
#include "view/layout/picture_geometry.h"
#include "view/sprite_painter.h"

namespace corvanta {

void PaintPlacements(QPainter& painter, const std::vector<Placement>& placements, QPointF origin) {
  for (const Placement& placement : placements)
    PaintSprite(painter, placement.sprite, origin + QPointF(placement.x, placement.y));
}

namespace {

// Where each drawn string's line begins: below the wire of a short string's
// first fret when the diagram shows that fret (the grid's top otherwise).
std::vector<int> GridLineTops(const DiagramLayout& layout, std::span<const int> stringStarts,
                              bool leftHanded) {
  std::vector<int> tops(static_cast<std::size_t>(layout.strings), 0);
  for (int k = 0; k < layout.strings; ++k) {
    const int string = leftHanded ? layout.strings - 1 - k : k;
    if (static_cast<std::size_t>(string) >= stringStarts.size()) continue;
    const int row = stringStarts[static_cast<std::size_t>(string)] - layout.firstFret;
    if (row >= 0) tops[static_cast<std::size_t>(k)] = DiagramWireY(row);
  }
  return tops;
}

// Draws the labels where the sounding strings' marks stand and returns the
// placements without those marks.
std::vector<Placement> LabelledMarks(QPainter& painter, const DiagramLayout& layout, QPointF origin,
                                     bool leftHanded, std::span<const std::string> labels) {
  std::vector<Placement> kept;
  QFont font("DejaVu Sans");
  font.setPixelSize(8);
  for (const Placement& p : layout.placements) {
    const bool mark = p.sprite == Sprite::BassMark || p.sprite == Sprite::SoundingMark;
    if (!mark) {
      kept.push_back(p);
      continue;
    }
    // Marks stand one string spacing apart from the first string's x.
    const int position = (p.x - kDiagramMarkOriginX) / kDiagramStringSpacing;
    const int string = leftHanded ? layout.strings - 1 - position : position;
    if (string < 0 || string >= layout.strings) continue;
    font.setBold(p.sprite == Sprite::BassMark);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF box(origin + QPointF(p.x + 3 - kDiagramStringSpacing / 2.0, p.y - 3),
                     QSizeF(kDiagramStringSpacing, 12));
    painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip,
                     QString::fromStdString(labels[static_cast<std::size_t>(string)]));
  }
  return kept;
}

const QColor kCapoColour(70, 70, 70);
constexpr int kCapoBarHeight = 5;
// The diagram's grid spans x 22..80 on six strings; the marks' row ends at y 97.
constexpr QRect kDiagramCapoBar(22, 0, 58, kCapoBarHeight);
constexpr QPoint kDiagramCapoLabel(24, 112);

// The fret label's and capo label's font: the same on every device.
QFont DiagramFont() {
  QFont font("DejaVu Sans");
  font.setPixelSize(12);
  return font;
}

}  // namespace

void PaintNeckCapo(QPainter& painter, int capo) {
  if (capo <= 0) return;
  int x = NeckFretX(capo) - kNeckMarkerWidth / 2 - 3;
  painter.fillRect(QRect(x, 2, 6, kNeckPictureHeight - 4), kCapoColour);
}

QSizeF Diagram::CellSize() const {
  return QSizeF(DiagramCellWidth(static_cast<int>(frets.size())), kCellHeight);
}

namespace {

void PaintDiagramCell(QPainter& painter, const Diagram& diagram) {
  const QPointF origin(0, 0);
  const bool leftHanded = diagram.leftHanded;
  const std::span<const std::string> labels = diagram.labels;
  DiagramLayout layout =
      LayOutDiagram(diagram.frets, diagram.variant, leftHanded, diagram.bassString);
  if (labels.size() == static_cast<std::size_t>(layout.strings))
    layout.placements = LabelledMarks(painter, layout, origin, leftHanded, labels);
  // Dots and barres come after the grid and the label in the layout's order;
  // the label is drawn right after the grid so a dot may cover it, as a
  // canvas drawn step by step would.
  auto grid =
      std::find_if(layout.placements.begin(), layout.placements.end(), [](const Placement& p) {
        return p.sprite == Sprite::PlainGrid || p.sprite == Sprite::HighlightedGrid;
      });
  auto afterGrid = grid == layout.placements.end() ? grid : grid + 1;
  PaintPlacements(painter, {layout.placements.begin(), grid}, origin);
  if (grid != layout.placements.end())
    PaintDiagramGrid(painter, grid->sprite, origin + QPointF(grid->x, grid->y), layout.strings,
                     GridLineTops(layout, diagram.stringStarts, leftHanded));

  const QString label = QString::number(layout.firstFret);
  painter.setFont(DiagramFont());
  const QFontMetricsF metrics(painter.font());
  QRectF box(origin + QPointF(kFretLabelX, kFretLabelY),
             QSizeF(metrics.horizontalAdvance(label), metrics.height()));
  painter.fillRect(box, Qt::white);
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, label);

  PaintPlacements(painter, {afterGrid, layout.placements.end()}, origin);

  if (diagram.capo > 0) {
    const int extra = (layout.strings - kStringCount) * kDiagramStringSpacing;
    painter.fillRect(QRectF(kDiagramCapoBar).adjusted(0, 0, extra, 0).translated(origin),
                     kCapoColour);
    painter.setPen(Qt::black);
    painter.drawText(origin + QPointF(kDiagramCapoLabel), QString("capo %1").arg(diagram.capo));
  }
}

}  // namespace

void PaintDiagram(QPainter& painter, const Diagram& diagram, const QRectF& rect) {
  const QSizeF cell = diagram.CellSize();
  painter.save();
  painter.translate(rect.topLeft());
  if (rect.size() != cell)
    painter.scale(rect.width() / cell.width(), rect.height() / cell.height());
  PaintDiagramCell(painter, diagram);
  painter.restore();
}

}  // namespace corvanta
