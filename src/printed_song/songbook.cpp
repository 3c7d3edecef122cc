// A songbook's contents and index, in the order players look songs up.
#include "printed_song/songbook.h"

#include <algorithm>
#include <cctype>

namespace corvanta {
namespace {

std::string ClosedUp(const std::string& text) {
  std::string out;
  bool space = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t') {
      space = !out.empty();
      continue;
    }
    if (space) out += ' ';
    space = false;
    out += c;
  }
  return out;
}

std::string TitleOf(const Songbook& book, std::size_t song) {
  const std::string& title = book.songs[song].sheet.title;
  return title.empty() ? "(untitled)" : title;
}

}  // namespace

std::string FirstLineOf(const SongSheet& sheet) {
  for (const SongSheetBlock& block : sheet.body) {
    if (block.kind != SongBlockKind::Lyrics) continue;
    std::string words;
    for (const SongSheetSegment& segment : block.segments) words += segment.lyric;
    words = ClosedUp(words);
    // The line's own end is no end of the entry: "see you," lists as "see you".
    while (!words.empty() && (words.back() == ',' || words.back() == ';' || words.back() == ':'))
      words.pop_back();
    if (!words.empty()) return words;
  }
  return {};
}

std::string SortKeyOf(const std::string& text) {
  std::string key;
  for (const char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      key += c;
    } else if (std::isalnum(byte)) {
      key += static_cast<char>(std::tolower(byte));
    } else if (!key.empty() && (c == ' ' || c == '\t') && key.back() != ' ') {
      key += ' ';
    }
  }
  return key;
}

std::vector<SongbookEntry> SongbookContents(const Songbook& book) {
  std::vector<SongbookEntry> entries;
  for (std::size_t i = 0; i < book.songs.size(); ++i) {
    const std::string& first = book.songs[i].firstLine;
    if (book.index == SongbookIndex::FirstLines && !first.empty())
      entries.push_back({first, static_cast<int>(i), true});
    else
      entries.push_back({TitleOf(book, i), static_cast<int>(i), false});
  }
  return entries;
}

std::vector<SongbookEntry> SongbookIndexEntries(const Songbook& book) {
  std::vector<SongbookEntry> entries;
  for (std::size_t i = 0; i < book.songs.size(); ++i) {
    entries.push_back({TitleOf(book, i), static_cast<int>(i), false});
    const std::string& first = book.songs[i].firstLine;
    // A first line that is the title too is listed once.
    if (book.index == SongbookIndex::FirstLines && !first.empty() &&
        SortKeyOf(first) != SortKeyOf(entries.back().text))
      entries.push_back({first, static_cast<int>(i), true});
  }
  std::vector<std::string> keys;
  keys.reserve(entries.size());
  for (const SongbookEntry& entry : entries) keys.push_back(SortKeyOf(entry.text));
  std::vector<std::size_t> order(entries.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  std::vector<SongbookEntry> sorted;
  sorted.reserve(entries.size());
  for (const std::size_t i : order) sorted.push_back(entries[i]);
  return sorted;
}

}  // namespace corvanta
