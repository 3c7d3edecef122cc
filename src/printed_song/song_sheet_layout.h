// The printed song laid out on pages, in points.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "printed_song/song_sheet.h"
#include "printed_song/text_measure.h"

namespace corvanta {

// The printed song laid out on pages, in points (one logical unit per
// point, as the PDF is written): every text with its baseline, every rule
// and band, every diagram's cell. Painting is then a loop over a page in
// any shell; the tests read the geometry.

struct SheetPoint {
  double x = 0;
  double y = 0;
  bool operator==(const SheetPoint&) const = default;
};
struct SheetRule {
  SheetPoint from;
  SheetPoint to;
};
struct SheetRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};
struct SheetSize {
  double width = 0;
  double height = 0;
};

enum class SongTextRole {
  Title,
  Subtitle,
  Facts,
  CapoLine,
  Header,      // the title again at the top of a later page
  PageNumber,  // "2 / 3"
  Section,
  Chord,
  Lyric,
  Comment,
  CommentItalic,
  Tab,
  GridChord,
};

// The role's face: its size, weight and slant, fixed-width for tabs.
SongFace FaceOf(SongTextRole role);

struct SongText {
  SongTextRole role = SongTextRole::Lyric;
  SheetPoint baseline;
  std::string text;     // UTF-8
  bool unread = false;  // a chord the reader could not read, printed as written
  int pixelSize = 0;    // a tab made smaller to fit the width; 0: the role's size
  // The face to set it in: the role's, at the size it was made.
  SongFace Face() const;
};

struct SongPageLayout {
  std::vector<SongText> texts;
  std::vector<SheetRule> rules;   // bar lines, the chorus mark, the rule under a header
  std::vector<SheetRect> bands;   // the grey band of a comment
  std::vector<SheetRect> frames;  // the frame of a boxed comment
  std::vector<std::pair<int, SheetPoint>> diagrams;  // the diagram's index, its cell's corner
};

struct SongSheetLayout {
  SheetSize pageSize;
  double diagramScale = 1;  // of the diagram cells (CellWidth x kSheetRowHeight)
  std::vector<SongPageLayout> pages;
};

enum class SongPaper { A4, Letter };
// In points, as print dialogs give them.
SheetSize PaperSize(SongPaper paper);

inline constexpr double kSongPageMargin = 48;
inline constexpr double kSongDiagramScale = 0.6;
inline constexpr double kChorusIndent = 18;

// Pages of the paper's size: the title block and the diagrams on the first,
// the title again at the top of each later one, the page numbers at the foot
// when there is more than one page. At least one page.
SongSheetLayout LayOutSongPages(const SongSheet& sheet, SheetSize pageSize,
                                const TextMeasure& measure);
// One tall picture of the page's width (SVG, PNG, the screen): no page breaks.
SongSheetLayout LayOutSongPicture(const SongSheet& sheet, double width, const TextMeasure& measure);

// The pieces pages are made of, for a book of songs paginated by its own
// rules: one that is never split (a printed line, a label, a row of
// diagrams), its items placed from its own top at their page x.
struct SongRow {
  double height = 0;
  SongPageLayout items;
  bool keepWithNext = false;  // a label stays with the first line it labels
  bool newPage = false;
  bool space = false;  // a gap, dropped at the top of a page
};
struct SongRows {
  std::vector<SongRow> title;  // the title block and the diagrams
  std::vector<SongRow> body;
};
SongRows LayOutSongRows(const SongSheet& sheet, double pageWidth, const TextMeasure& measure);
// The row's items onto a page, `top` points down.
void AppendSongRow(SongPageLayout& page, SongRow&& row, double top);
// The song's title, small, over a rule at the top of a later page; where
// the page's rows start.
double AddSongPageHeader(SongPageLayout& page, const SongSheet& sheet, double pageWidth,
                         const TextMeasure& measure);

}  // namespace corvanta
