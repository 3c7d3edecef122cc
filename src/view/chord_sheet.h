// The sheet model as the painter draws it.
#pragma once

#include <QPainter>
#include <QString>
#include <atomic>
#include <vector>

#include "session/sheet_model.h"
#include "view/layout/diagram_layout.h"

namespace corvanta {

// The sheet model as the painter draws it, with what only drawing needs.
struct ChordSheet : SheetModel {
  ChordSheet() = default;
  explicit ChordSheet(SheetModel model) : SheetModel(std::move(model)) {}
  // Set from another thread to stop a drawing being written: its painting
  // stops at the next diagram and nothing is written.
  const std::atomic<bool>* cancel = nullptr;

  // The diagrams' cell width: their strings decide it.
  int CellWidth() const;
};

// Sizes in the diagram's logical units (a diagram cell is 100 x 130).
inline constexpr double kSheetMargin = 24;
inline constexpr double kSheetHeadingHeight = 32;

// The columns and rows that fit a page of this size (at least one each).
int SheetColumns(double pageWidth, int cellWidth = kSixStringCellWidth);
// The heading's height on a page or picture of this width: it wraps to the
// width, one line of kSheetHeadingHeight at the least.
double SheetHeadingHeight(const ChordSheet& sheet, double width);
int SheetRowsPerPage(double pageHeight, double headingHeight = kSheetHeadingHeight);
int SheetPageCount(const ChordSheet& sheet, QSizeF page);
// The pages (from 0) a print of pages from..to (from 1, both included, as a
// print dialog gives them; 0 for either end: from the first or to the
// last) prints of a sheet of this many pages; a range past the last page
// ends there.
std::vector<int> SheetPagesToPrint(int pageCount, int from, int to);

// One page, in logical units from the painter's origin; the heading on every page.
void PaintSheetPage(QPainter& painter, const ChordSheet& sheet, int page, QSizeF pageSize);

// One diagram of the sheet (at least one there) with its caption, its cell's
// top-left corner at `at`: CellWidth x kSheetRowHeight. The song sheet draws
// its chords' diagrams through here too.
void PaintSheetCell(QPainter& painter, const SheetModel& sheet, int index, QPointF at);

// The whole sheet as one picture (PNG, SVG): this size, in logical units.
QSizeF SheetPictureSize(const ChordSheet& sheet, int columns);
void PaintSheetPicture(QPainter& painter, const ChordSheet& sheet, int columns);

// Whether a drawing of the sheet was cancelled (its cancel flag set), and
// what a cancelled write answers.
bool SheetCancelled(const ChordSheet& sheet);
inline constexpr const char* kCancelledExport = "cancelled";
// The columns of the sheet's picture: one per diagram, at most six.
int SheetPictureColumns(const ChordSheet& sheet);

}  // namespace corvanta
