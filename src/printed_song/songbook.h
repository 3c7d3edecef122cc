#pragma once

#include <string>
#include <vector>

#include "printed_song/song_sheet.h"

namespace corvanta {

// A songbook: printed songs in the order given, with a title page, a table
// of contents, an alphabetical index and page numbers (the pages are laid
// out by the view). Texts are UTF-8.

struct SongbookSong {
  SongSheet sheet;
  std::string firstLine;  // the first words sung (FirstLineOf), for the index of first lines
};

enum class SongbookIndex {
  Titles,      // contents and index by title
  FirstLines,  // contents by first line; the index holds titles and first lines
};

struct Songbook {
  std::string title;
  std::string subtitle;
  std::vector<SongbookSong> songs;
  bool pack = false;  // songs follow each other on a page, not each on a new one
  SongbookIndex index = SongbookIndex::Titles;
};

// The first line a song's words begin with, chords left out, spaces closed
// up, a comma or semicolon at its end dropped ("Amazing grace, how sweet
// the sound"); empty for a song of chords alone.
std::string FirstLineOf(const SongSheet& sheet);

// One line of the contents or the index: its text and the song it names.
struct SongbookEntry {
  std::string text;
  int song = 0;
  bool firstLine = false;  // the song's first line, not its title (set in italics)
  bool operator==(const SongbookEntry&) const = default;
};

// The contents: every song in book order, by title, or by first line where
// asked and the song has one.
std::vector<SongbookEntry> SongbookContents(const Songbook& book);
// The index at the back: titles (and first lines where asked) in
// alphabetical order, letter case and leading punctuation ignored, ties in
// book order.
std::vector<SongbookEntry> SongbookIndexEntries(const Songbook& book);

// The key entries are sorted by: lowercase ASCII letters, leading quotes and
// punctuation dropped; other UTF-8 bytes kept as they are.
std::string SortKeyOf(const std::string& text);

}  // namespace corvanta
