#pragma once

#include <vector>

#include "printed_song/song_sheet_layout.h"
#include "printed_song/songbook.h"
#include "printed_song/text_measure.h"

namespace corvanta {

// A songbook laid out on pages, in points: a title page, the contents, the
// songs (each laid out as its printed sheet is, on a page of its own or
// packed), the index, the page numbers. The contents and index name the
// printed page numbers, which are the PDF's page numbers.

// Part of a page: a song's items (painted with that song's diagrams) or the
// book's own (song -1: titles, contents, index, page number).
struct SongbookPiece {
  int song = -1;
  SongPageLayout items;
};

struct SongbookPage {
  std::vector<SongbookPiece> pieces;
};

struct SongbookLayout {
  SheetSize pageSize;
  std::vector<SongbookPage> pages;
  std::vector<int> songPages;  // the page (0-based) each song starts on
  int titlePage = -1;          // -1: none (no title was given)
  int contentsPage = -1;
  int indexPage = -1;  // -1: no songs, no index
};

// Whole blocks (a verse, a chorus, a grid, a tab: the lines between blank
// lines, a label with its lines) move to the next page rather than split,
// where they fit on one; the title block stays with the first of them.
SongbookLayout LayOutSongbook(const Songbook& book, SheetSize pageSize, const TextMeasure& measure);

inline constexpr double kPackedSongGap = 28;

}  // namespace corvanta
