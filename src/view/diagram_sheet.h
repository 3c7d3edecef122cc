#pragma once

#include <QWidget>
#include <vector>

#include "search/fingering.h"
#include "view/drawn_assets.h"

namespace corvanta {

// The tall picture of chord diagrams (Image1): one 100 x 130 cell per
// fingering, row by row, with a margin below. Only the cells a paint event
// exposes are drawn, so painting costs the same for ten diagrams or ten
// thousand.
class DiagramSheet : public QWidget {
  Q_OBJECT

 public:
  DiagramSheet(const DrawnAssets& assets, QWidget* parent = nullptr);

  // Lays the fingerings out for a picture of the given width and clears the
  // highlight.
  void ShowFingerings(std::vector<Frets> fingerings, int width);
  // The picture without diagrams and without a scroll range.
  void Clear();
  void SetLeftHanded(bool leftHanded);
  // The capo each diagram draws (0: none).
  void SetCapo(int capo);
  // The cell of a fingering in the picture, for scrolling it into view.
  QRect CellRect(int index) const;
  // Redraws the old highlighted cell plainly and this one highlighted (-1:
  // none).
  void SetHighlighted(int index);

  int Columns() const { return columns_; }
  int Highlighted() const { return highlighted_; }
  int FingeringCount() const { return static_cast<int>(fingerings_.size()); }

 signals:
  void mouseUp(Qt::MouseButton button, QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const DrawnAssets& assets_;
  std::vector<Frets> fingerings_;
  int columns_ = 1;
  int highlighted_ = -1;
  bool leftHanded_ = false;
  int capo_ = 0;
};

}  // namespace corvanta
