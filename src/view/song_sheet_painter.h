// The printed song's page painter.
#pragma once

#include <QPainter>

#include "printed_song/song_sheet.h"
#include "printed_song/song_sheet_layout.h"

namespace corvanta {

// One laid-out page of the song on any device, in points from the
// painter's origin, on white: bands, texts, rules, frames and the diagrams
// (drawn by the chord sheet's own cell painter, scaled).
// The layout's sizes as Qt's.
QSizeF SizeOf(SheetSize size);
SheetSize SheetSizeOf(QSizeF size);

void PaintSongPage(QPainter& painter, const SongSheet& sheet, const SongSheetLayout& layout,
                   int page);

}  // namespace corvanta
