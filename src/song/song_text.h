// Text measures shared by the song's readers and writers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta::song_text {

// Text measures shared by the song's readers and writers. Columns count
// UTF-8 characters (a stray byte counts as one); a tab advances to the next
// multiple of kTabWidth, as a terminal and a browser's <pre> show it.
inline constexpr int kTabWidth = 8;

// One line of a text and what ended it.
struct TextLine {
  std::string_view text;
  std::string_view ending;  // "\n", "\r\n", "\r" or ""
};

// Splits at "\n", "\r\n" and a lone "\r"; a text ending in a line break has
// no empty line after it.
std::vector<TextLine> SplitLines(std::string_view text);

// The display column after `bytes` bytes of `line`, tabs expanded.
int ColumnAt(std::string_view line, std::size_t bytes);
// 1-based character position of byte `bytes` (tabs count as one).
int CharacterPosition(std::string_view line, std::size_t bytes);
// The byte offset at which display column `column` starts, or line.size()
// when the line is shorter.
std::size_t OffsetOfColumn(std::string_view line, int column);
// The columns a text takes.
inline int ColumnWidth(std::string_view text) { return ColumnAt(text, text.size()); }

bool IsBlank(char c);
std::string_view Trim(std::string_view text);
bool IsBlankLine(std::string_view text);

// A word of a line and where it starts.
struct Word {
  std::string_view text;
  std::size_t offset = 0;
};
std::vector<Word> SplitWords(std::string_view line);

std::string Lowercase(std::string_view text);

// The length of the note name a text starts with (a capital A..G and a # or
// b after it), 0 when it starts with none.
std::size_t LeadingNoteName(std::string_view text);

}  // namespace corvanta::song_text
