// The printed song as files.
#pragma once

#include <QString>

#include "printed_song/song_sheet.h"
#include "printed_song/song_sheet_layout.h"

namespace corvanta {

// The printed song as files, written whole or not at all through the one
// output path ("-" for standard output); an empty text on success, else
// what went wrong. The PDF has pages of the paper's size; SVG and PNG are
// one tall picture of the paper's width (PNG at `scale` pixels per point).
QString WriteSongPdf(const SongSheet& sheet, const QString& path, SongPaper paper);
QString WriteSongSvg(const SongSheet& sheet, const QString& path, SongPaper paper);
QString WriteSongPng(const SongSheet& sheet, const QString& path, SongPaper paper, double scale);

}  // namespace corvanta
