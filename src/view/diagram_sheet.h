// The tall picture of chord diagrams in the main window.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "instrument/fingering.h"
#include "view/layout/diagram_layout.h"
#include "view/layout/picture_geometry.h"

namespace corvanta {

// The tall picture of chord diagrams (Image1): one cell per fingering (100 x
// 130 at 100%, scaled by the zoom), row by row, with a margin below. Only
// the cells a paint event exposes are drawn, so painting costs the same for
// ten diagrams or ten thousand. It takes the keyboard focus: the arrows,
// Home/End and PageUp/PageDown ask for another selection, Enter or space for
// the selected one again.
class DiagramSheet : public QWidget {
  Q_OBJECT

 public:
  explicit DiagramSheet(QWidget* parent = nullptr);

  // Lays the fingerings out for a picture of the given width and clears the
  // highlight; each has one value per string of the instrument set.
  void ShowFingerings(std::vector<Fingering> fingerings, int width);
  // The instrument the diagrams are drawn for: its open pitches and its
  // strings' first frets (a short string is drawn from its own). The bass
  // mark goes on the lowest-listed sounding string, as a guitar's
  // diagrams have it, or with `bassByPitch` on the string sounding lowest
  // (a re-entrant ukulele's). The six-string guitar by default; the cells
  // take the width of the string count at the next layout.
  void SetStrings(std::vector<int> openPitches, std::vector<int> stringStarts, bool bassByPitch);
  // The picture without diagrams and without a scroll range.
  void Clear();
  void SetLeftHanded(bool leftHanded);
  // The capo each diagram draws (0: none).
  void SetCapo(int capo);
  // What stands under each string instead of the marks (a note name or an
  // interval per string); without a labeller, the marks.
  using Labeller = std::function<std::vector<std::string>(const Fingering& frets)>;
  void SetLabeller(Labeller labeller) {
    labeller_ = std::move(labeller);
    update();
  }
  // What stands under the strings of a diagram of these frets; none for the marks.
  std::vector<std::string> LabelsOf(const Fingering& frets) const {
    return labeller_ ? labeller_(frets) : std::vector<std::string>();
  }
  // Where the marks stand when there are no labels: below the grid, or
  // above it as chord charts draw them.
  void SetMarks(DiagramMarks marks) {
    marks_ = marks;
    update();
  }
  DiagramMarks Marks() const { return marks_; }
  // The hint a diagram shows under the mouse (none by default).
  void SetToolTipText(std::function<QString(int index)> text) { toolTipText_ = std::move(text); }
  // The diagram size in percent; the picture is laid out again for the width.
  void SetZoom(int percent, int width);
  // Redraws the old highlighted cell plainly and this one highlighted (-1:
  // none).
  void SetHighlighted(int index);
  // The cell of a fingering in the picture, for scrolling it into view.
  QRect CellRect(int index) const;

  int Columns() const { return columns_; }
  int Highlighted() const { return highlighted_; }
  int FingeringCount() const { return static_cast<int>(fingerings_.size()); }
  int Zoom() const { return zoom_; }
  CellSize Cell() const { return cell_; }
  const std::vector<Fingering>& Fingerings() const { return fingerings_; }
  int Strings() const { return static_cast<int>(openPitches_.size()); }
  bool LeftHanded() const { return leftHanded_; }
  int Capo() const { return capo_; }

 signals:
  void mouseUp(Qt::MouseButton button, QPoint position);
  // The keyboard asks to select this diagram, or to strum the selected one.
  void selectionRequested(int index);
  void strumRequested();
  // A right click on a diagram (its index, -1 between diagrams).
  void contextMenuRequested(int index, QPoint globalPosition);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int RowsPerScreen() const;

  std::vector<Fingering> fingerings_;
  std::vector<int> openPitches_{40, 45, 50, 55, 59, 64};
  std::vector<int> stringStarts_ = std::vector<int>(6, 0);
  bool bassByPitch_ = false;
  std::function<QString(int index)> toolTipText_;
  Labeller labeller_;
  DiagramMarks marks_ = DiagramMarks::Below;
  int columns_ = 1;
  int highlighted_ = -1;
  bool leftHanded_ = false;
  int capo_ = 0;
  int zoom_ = 100;
  CellSize cell_;
};

}  // namespace corvanta
