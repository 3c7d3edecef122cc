// A chord diagram laid out, in the sprites it is assembled from.
#pragma once

#include <span>
#include <vector>

#include "instrument/fingering.h"
#include "search/fingering.h"
#include "view/layout/picture_geometry.h"
#include "view/layout/sprites.h"

namespace corvanta {

enum class DiagramVariant { Plain = 1, Highlighted = 2 };

// Where a diagram says how each string is played. Below: a mark under every
// string (a filled dot for the bass, a ring for any other sounding string,
// a cross for a muted one). Chart: as chord books draw them, above the nut:
// a ring over an open string, a cross over a muted one, nothing over a
// fretted one; the bass is a filled dot over it when open and a ring round
// its finger when fretted. The chart's grid stands kChartMarkRoom lower.
enum class DiagramMarks { Below, Chart };
inline constexpr int kChartMarkRoom = 10;

// One chord diagram, relative to its cell's top-left corner: the sprites in
// drawing order and the fret number of its first row, drawn at kFretLabelX/Y.
struct DiagramLayout {
  std::vector<Placement> placements;
  int firstFret = 1;
  // The finger number the diagram shows on each string, lowest string first:
  // 0 open, the barre's number on every string it covers, kNoFinger for a
  // muted string or a fifth finger the diagram does not draw.
  std::vector<int> fingers;
  int strings = kSpriteGridStrings;  // the grid's strings
  int shift = 0;                     // how much lower than kGridY the grid stands
};

inline constexpr int kNoFinger = -1;

inline constexpr int kFretLabelX = 10;
inline constexpr int kFretLabelY = 3;

// Strings run left to right from the lowest, or mirrored for a left-handed
// player; five fret rows from the first fret shown.
// Any number of strings: the six-string cell is 100 units wide, and each
// string more or fewer adds or takes one string's spacing.
// The bass mark goes on `bassString`, or with -1 on the lowest-listed
// sounding string (the lowest-pitched on a guitar, not on a re-entrant
// ukulele: BassString finds it there).
DiagramLayout LayOutDiagram(const Fingering& frets, DiagramVariant variant, bool leftHanded,
                            int bassString = -1, DiagramMarks marks = DiagramMarks::Below);
// The rows a diagram shows, and whether they hold every fretted note: a
// fingering wider than the grid (3 x x x x 15) would lose its high notes.
inline constexpr int kDiagramRows = 5;
bool DiagramShowsEveryNote(const Fingering& frets);

// The string sounding the lowest note of a fingering, given each string's
// open pitch and first fret (a short string's fret f sounds f - first above
// its open pitch); -1 when no string sounds.
int BassString(const Fingering& frets, std::span<const int> openPitches,
               std::span<const int> stringStarts);

inline constexpr int kDiagramStringSpacing = 11;
// The x of the marks under the first string drawn; each next string's are
// one spacing further.
inline constexpr int kDiagramMarkOriginX = 21;
inline constexpr int kSixStringCellWidth = kCellWidth;
constexpr int DiagramCellWidth(int strings) {
  return kCellWidth + (strings - kSpriteGridStrings) * kDiagramStringSpacing;
}
// The grid's width: its first and last string lines included.
constexpr int DiagramGridWidth(int strings) { return (strings - 1) * kDiagramStringSpacing + 1; }

}  // namespace corvanta
