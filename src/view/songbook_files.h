#pragma once

#include <QString>
#include <functional>

#include "printed_song/song_sheet_layout.h"
#include "printed_song/songbook.h"

namespace corvanta {

// Told after each page is drawn (done of total); false stops the drawing,
// and nothing is written.
using SongbookProgress = std::function<bool(int done, int total)>;

inline constexpr int kMostBookPages = 5000;

// The songbook as one PDF, written whole or not at all through the one
// output path ("-" for standard output), with an outline entry for the
// contents, every song and the index. Empty on success, else what went
// wrong ("cancelled" when the progress said stop).
QString WriteSongbookPdf(const Songbook& book, const QString& path, SongPaper paper,
                         const SongbookProgress& progress = {});

}  // namespace corvanta
