// Printed pages painted into a PDF document in memory, one unit a point.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QString>
#include <functional>

#include "printed_song/song_sheet_layout.h"

namespace corvanta {

// Paints `pages` pages of `paper` with no margins, one logical unit per
// point, titled `title` and made by Corvanta, into `bytes`. paintPage draws
// one page and says whether to go on. Returns "" when written, "cancelled"
// when paintPage stopped it, or why the document could not be made.
QString PaintPdfPages(QByteArray& bytes, SongPaper paper, const QString& title, int pages,
                      const std::function<bool(QPainter&, int page)>& paintPage);

}  // namespace corvanta
