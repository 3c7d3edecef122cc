// Paints a laid-out chord diagram into a rectangle.
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

}  // namespace

QFont StringLabelFont(int pixelSize, bool bold) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

StringLabelFit FitStringLabels(std::span<const std::string> labels) {
  auto widest = [&](int pixelSize) {
    // Bold, as the bass's is drawn: the wider of the two.
    const QFontMetricsF metrics(StringLabelFont(pixelSize, true));
    double width = 0;
    for (const std::string& label : labels)
      width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(label)));
    return width;
  };
  StringLabelFit fit;
  for (int size = kLargestLabelPixels; size >= kSmallestLabelPixels; --size) {
    if (widest(size) <= kDiagramStringSpacing - 1) {
      fit.pixelSize = size;
      return fit;
    }
  }
  // Still too wide: every other string's label a line lower, with two
  // strings' room each.
  fit.pixelSize = kSmallestLabelPixels + 1;
  fit.staggered = true;
  return fit;
}

QRectF StringLabelBox(const StringLabelFit& fit, int position, QPointF mark) {
  const double width = fit.staggered ? 2 * kDiagramStringSpacing - 1 : kDiagramStringSpacing - 1;
  const double lower = fit.staggered && position % 2 == 1 ? kStaggeredLabelDrop : 0;
  const double middle = mark.x() + 3;  // a mark is 6 wide
  const double height = fit.staggered ? kStaggeredLabelDrop : 12;
  return QRectF(middle - width / 2, mark.y() - 3 + lower, width, height);
}

namespace {

// Draws the labels where the sounding strings' marks stand, in one size
// that fits them all between their neighbours, and returns the placements
// without those marks.
std::vector<Placement> LabelledMarks(QPainter& painter, const DiagramLayout& layout, QPointF origin,
                                     bool leftHanded, std::span<const std::string> labels) {
  std::vector<Placement> kept;
  const StringLabelFit fit = FitStringLabels(labels);
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
    painter.setFont(StringLabelFont(fit.pixelSize, p.sprite == Sprite::BassMark));
    painter.setPen(Qt::black);
    const QRectF box = StringLabelBox(fit, position, origin + QPointF(p.x, p.y));
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

void PaintNeckCapo(QPainter& painter, int capo, double stretch) {
  if (capo <= 0) return;
  // The bar keeps its width; its middle moves as the frets spread.
  constexpr double kBarWidth = 6;
  const double middle = (NeckFretX(capo) - kNeckMarkerWidth / 2 - 3 + kBarWidth / 2) * stretch;
  painter.fillRect(QRectF(middle - kBarWidth / 2, 2, kBarWidth, kNeckPictureHeight - 4),
                   kCapoColour);
}

QSizeF Diagram::CellSize() const {
  return QSizeF(DiagramCellWidth(static_cast<int>(frets.size())), kCellHeight);
}

namespace {

void PaintDiagramCell(QPainter& painter, const Diagram& diagram) {
  const QPointF origin(0, 0);
  const bool leftHanded = diagram.leftHanded;
  const std::span<const std::string> labels = diagram.labels;
  const DiagramMarks marks = labels.empty() ? diagram.marks : DiagramMarks::Below;
  DiagramLayout layout =
      LayOutDiagram(diagram.frets, diagram.variant, leftHanded, diagram.bassString, marks);
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

  if (layout.firstFret > 1 || diagram.nutFretLabel) {
    const QString label = QString::number(layout.firstFret);
    painter.setFont(DiagramFont());
    const QFontMetricsF metrics(painter.font());
    QRectF box(origin + QPointF(kFretLabelX, kFretLabelY + layout.shift),
               QSizeF(metrics.horizontalAdvance(label), metrics.height()));
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, label);
  }

  PaintPlacements(painter, {afterGrid, layout.placements.end()}, origin);

  if (diagram.capo > 0) {
    const int extra = (layout.strings - kSpriteGridStrings) * kDiagramStringSpacing;
    painter.fillRect(QRectF(kDiagramCapoBar)
                         .adjusted(0, 0, extra, 0)
                         .translated(origin + QPointF(0, layout.shift)),
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
