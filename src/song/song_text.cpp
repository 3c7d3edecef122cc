// Lines, columns and blanks of a song's text.
#include "song/song_text.h"

namespace corvanta::song_text {
namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::vector<TextLine> SplitLines(std::string_view text) {
  std::vector<TextLine> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back({text.substr(start), {}});
      break;
    }
    std::size_t length =
        text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
    lines.push_back({text.substr(start, end - start), text.substr(end, length)});
    start = end + length;
  }
  return lines;
}

int ColumnAt(std::string_view line, std::size_t bytes) {
  int column = 0;
  for (std::size_t i = 0; i < bytes && i < line.size(); ++i) {
    if (line[i] == '\t') {
      column = (column / kTabWidth + 1) * kTabWidth;
    } else if (!IsContinuationByte(line[i])) {
      ++column;
    }
  }
  return column;
}

int CharacterPosition(std::string_view line, std::size_t bytes) {
  int position = 1;
  for (std::size_t i = 0; i < bytes && i < line.size(); ++i)
    if (!IsContinuationByte(line[i])) ++position;
  return position;
}

std::size_t OffsetOfColumn(std::string_view line, int column) {
  int at = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (IsContinuationByte(line[i])) continue;
    if (at >= column) return i;
    at = line[i] == '\t' ? (at / kTabWidth + 1) * kTabWidth : at + 1;
  }
  return line.size();
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

std::string_view Trim(std::string_view text) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

bool IsBlankLine(std::string_view text) { return Trim(text).empty(); }

std::vector<Word> SplitWords(std::string_view line) {
  std::vector<Word> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    std::size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) words.push_back({line.substr(start, i - start), start});
  }
  return words;
}

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::size_t LeadingNoteName(std::string_view text) {
  if (text.empty() || text[0] < 'A' || text[0] > 'G') return 0;
  return text.size() > 1 && (text[1] == '#' || text[1] == 'b') ? 2 : 1;
}

}  // namespace corvanta::song_text
