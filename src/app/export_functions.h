// The export module's entry: the functions that write and print sheets.
#pragma once

#include <QString>

#include "printed_song/song_sheet.h"
#include "printed_song/song_sheet_layout.h"
#include "view/chord_sheet.h"
#include "view/songbook_files.h"

class QWidget;

namespace corvanta {

// What the export module gives the window: the sheet written as PNG, SVG
// or PDF, and printed. A module, so that the window loads the SVG, PDF and
// printing machinery only when the user exports or prints.
struct ExportFunctions {
  QString (*png)(const ChordSheet& sheet, const QString& path, double scale);
  QString (*svg)(const ChordSheet& sheet, const QString& path);
  QString (*pdf)(const ChordSheet& sheet, const QString& path);
  // Asks for a printer, all the diagrams or the selected one (when a
  // diagram is selected: `selected` has it) and a range of pages, and prints
  // them; nothing when cancelled.
  void (*print)(const ChordSheet& all, const ChordSheet& selected, QWidget* parent);
  // The printed song, the same way.
  QString (*songPdf)(const SongSheet& sheet, const QString& path, SongPaper paper);
  QString (*songSvg)(const SongSheet& sheet, const QString& path, SongPaper paper);
  QString (*songPng)(const SongSheet& sheet, const QString& path, SongPaper paper, double scale);
  void (*printSong)(const SongSheet& sheet, QWidget* parent);
  // A songbook as one PDF, told of each page drawn (and stopped by it).
  QString (*songbookPdf)(const Songbook& book, const QString& path, SongPaper paper,
                         const SongbookProgress& progress);
};

inline constexpr const char* kExportModuleName = "libcorvanta-export.so";

}  // namespace corvanta
