// The printed song on screen, as one tall page.
#pragma once

#include <QWidget>

#include "printed_song/song_sheet.h"
#include "printed_song/song_sheet_layout.h"

namespace corvanta {

// How the song is shown to play from: the text's size, the words alone,
// two columns where the view is wide enough for them.
struct PlayStyle {
  double scale = 0;  // pixels per point; 0: the page's width fills the view
  bool lyricsOnly = false;
  bool twoColumns = true;
  bool operator==(const PlayStyle&) const = default;
};

// The printed song on screen: by default one tall page of the paper's
// width scaled to the widget's, chords over their syllables as they will
// be printed; at a chosen text size the song is laid out again for the
// width, in two columns on a wide view.
class SongSheetView : public QWidget {
  Q_OBJECT

 public:
  explicit SongSheetView(QWidget* parent = nullptr);

  void SetSheet(SongSheet sheet);
  const SongSheet& Sheet() const { return sheet_; }
  // The pages shown: one, or one per column.
  const SongSheetLayout& Layout() const { return layout_; }
  void SetPlayStyle(const PlayStyle& style);
  const PlayStyle& Style() const { return style_; }
  // Points to pixels.
  double Scale() const;
  int Columns() const { return static_cast<int>(layout_.pages.size()); }
  // Where the n-th chord printed (0-based, in the song's order) stands: its
  // line's top in pixels, -1 when it is not printed (the words alone).
  int ChordTop(int n) const;

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOut();
  int WantedColumns() const;
  double ColumnWidth() const;

  SongSheet sheet_;
  SongSheet shown_;  // the sheet, or its words alone
  PlayStyle style_;
  SongSheetLayout layout_;
};

// The sheet without chords: no diagrams, no chord over the words, no grids.
SongSheet LyricsOnly(const SongSheet& sheet);

// Play styles' text sizes, in pixels per point.
inline constexpr double kLeastPlayScale = 0.5;
inline constexpr double kMostPlayScale = 6;
// A column is at least this many points wide.
inline constexpr double kLeastColumnPoints = 380;

}  // namespace corvanta
