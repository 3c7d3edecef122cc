// The song's distinct chords in a row, each with its voicing.
#pragma once

#include <QWidget>
#include <vector>

#include "session/sheet_model.h"

namespace corvanta {

// The song's distinct chords in a row, each drawn with the voicing chosen
// for it (captioned, at the diagram zoom): the current one highlighted while
// the song plays, a pinned one marked. A click on a chord asks to show it;
// a right click on a pinned one offers to unpin it.
class SongStrip : public QWidget {
  Q_OBJECT

 public:
  explicit SongStrip(QWidget* parent = nullptr);

  // The diagrams (and the instrument's strings) with, per diagram, whether it is pinned.
  void SetChords(SheetModel chords, std::vector<bool> pinned);
  void SetZoom(int percent);
  void SetHighlighted(int index);  // -1: none

  const SheetModel& Chords() const { return chords_; }
  bool Pinned(int index) const;
  int Highlighted() const { return highlighted_; }
  int Zoom() const { return zoom_; }
  // A chord's cell in the strip, and the chord under a point (-1 for none).
  QRect CellRect(int index) const;
  int IndexAt(QPoint point) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

  // The text of the unpin item of the right-click menu.
  void SetUnpinText(const QString& text) { unpinText_ = text; }

 signals:
  void chordClicked(int index);
  void unpinRequested(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  double Scale() const { return zoom_ / 100.0; }
  int CellWidth() const;

  SheetModel chords_;
  std::vector<bool> pinned_;
  int highlighted_ = -1;
  int zoom_ = 100;
  QString unpinText_ = QStringLiteral("unpin");
};

}  // namespace corvanta
