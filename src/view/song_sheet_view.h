// The printed song on screen, as one tall page.
#pragma once

#include <QWidget>

#include "printed_song/song_sheet.h"
#include "printed_song/song_sheet_layout.h"

namespace corvanta {

// The printed song on screen, as one tall page of the paper's width scaled
// to the widget's: chords over their syllables as they will be printed.
class SongSheetView : public QWidget {
  Q_OBJECT

 public:
  explicit SongSheetView(QWidget* parent = nullptr);

  void SetSheet(SongSheet sheet);
  const SongSheet& Sheet() const { return sheet_; }
  const SongSheetLayout& Layout() const { return layout_; }
  // Points to pixels at the widget's width.
  double Scale() const;

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  SongSheet sheet_;
  SongSheetLayout layout_;
};

}  // namespace corvanta
