// Line-break places and letters of UTF-8 text, for wrapping printed lyrics.
#include "printed_song/text_breaks.h"

namespace corvanta {
namespace {

struct CodePoint {
  char32_t value = 0;
  std::size_t start = 0;
  std::size_t end = 0;
};

// The code point at `at`; a malformed byte is one code point of its own,
// read as U+FFFD.
CodePoint Decode(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  int length = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
  if (length == 0 || at + static_cast<std::size_t>(length) > text.size())
    return {0xFFFD, at, at + 1};
  char32_t value = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(at + static_cast<std::size_t>(i));
    if ((next & 0xC0) != 0x80) return {0xFFFD, at, at + 1};
    value = (value << 6) | (next & 0x3F);
  }
  return {value, at, at + static_cast<std::size_t>(length)};
}

std::vector<CodePoint> CodePoints(std::string_view text) {
  std::vector<CodePoint> points;
  for (std::size_t at = 0; at < text.size();) {
    points.push_back(Decode(text, at));
    at = points.back().end;
  }
  return points;
}

bool IsSpace(char32_t c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x85 ||
         c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
         c == 0x202F || c == 0x205F || c == 0x3000;
}

// A space a line may break after (the no-break spaces hold their words together).
bool IsBreakingSpace(char32_t c) { return IsSpace(c) && c != 0xA0 && c != 0x202F; }

// Characters set one by one in CJK text: a line may break between any two.
bool IsIdeographic(char32_t c) {
  return (c >= 0x2E80 && c <= 0x2FFF) || (c >= 0x3040 && c <= 0x30FF) ||
         (c >= 0x3100 && c <= 0x31FF) || (c >= 0x3400 && c <= 0x4DBF) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF01 && c <= 0xFF60) || (c >= 0x20000 && c <= 0x3FFFF) ||
         (c >= 0x3001 && c <= 0x303F);
}

// Punctuation that ends a phrase: never the first thing on a line.
bool IsClosing(char32_t c) {
  switch (c) {
    case ',':
    case '.':
    case ';':
    case ':':
    case '!':
    case '?':
    case ')':
    case ']':
    case '}':
    case 0x3001:
    case 0x3002:
    case 0xFF0C:
    case 0xFF0E:
    case 0xFF01:
    case 0xFF1F:
    case 0xFF1A:
    case 0xFF1B:
    case 0xFF09:
    case 0xFF3D:
    case 0x300D:
    case 0x300F:
    case 0x3011:
    case 0x3009:
    case 0x300B:
    case 0x3015:
    case 0x3017:
    case 0x2019:
    case 0x201D:
    case 0x30FC:
    case 0x2026:
      return true;
    default:
      return false;
  }
}

// Punctuation that opens a phrase: never the last thing on a line.
bool IsOpening(char32_t c) {
  switch (c) {
    case '(':
    case '[':
    case '{':
    case 0xFF08:
    case 0xFF3B:
    case 0x300C:
    case 0x300E:
    case 0x3010:
    case 0x3008:
    case 0x300A:
    case 0x3014:
    case 0x3016:
    case 0x2018:
    case 0x201C:
      return true;
    default:
      return false;
  }
}

bool IsLetter(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x370 && c <= 0x52F);
}

// What stays on the letter before it: combining marks, joiners, variation selectors.
bool Extends(char32_t c) {
  return (c >= 0x300 && c <= 0x36F) || (c >= 0x483 && c <= 0x489) || (c >= 0x591 && c <= 0x5BD) ||
         (c >= 0x610 && c <= 0x61A) || (c >= 0x64B && c <= 0x65F) || (c >= 0x900 && c <= 0x903) ||
         (c >= 0x93A && c <= 0x94F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
         (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x200C && c <= 0x200D) ||
         (c >= 0x20D0 && c <= 0x20FF) || (c >= 0x302A && c <= 0x302F) ||
         (c >= 0x3099 && c <= 0x309A) || (c >= 0xFE00 && c <= 0xFE0F) ||
         (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0x1F3FB && c <= 0x1F3FF) ||
         (c >= 0xE0100 && c <= 0xE01EF);
}

bool MayBreakBetween(const std::vector<CodePoint>& points, std::size_t i) {
  const char32_t before = points[i - 1].value;
  const char32_t after = points[i].value;
  if (IsSpace(after) || Extends(after)) return false;
  if (IsBreakingSpace(before)) return true;
  if (IsSpace(before)) return false;
  if (IsClosing(after) || IsOpening(before)) return false;
  if (IsIdeographic(before) || IsIdeographic(after)) return true;
  return before == '-' && i >= 2 && IsLetter(points[i - 2].value) && IsLetter(after);
}

}  // namespace

std::vector<std::size_t> LineBreaks(std::string_view text) {
  const std::vector<CodePoint> points = CodePoints(text);
  std::vector<std::size_t> breaks;
  for (std::size_t i = 1; i < points.size(); ++i)
    if (MayBreakBetween(points, i)) breaks.push_back(points[i].start);
  return breaks;
}

std::vector<std::size_t> LetterEnds(std::string_view text) {
  const std::vector<CodePoint> points = CodePoints(text);
  std::vector<std::size_t> ends;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const bool joined =
        points[i - 1].value == 0x200D || (points[i - 1].value == '\r' && points[i].value == '\n');
    if (!Extends(points[i].value) && !joined) ends.push_back(points[i].start);
  }
  if (!text.empty()) ends.push_back(text.size());
  return ends;
}

std::size_t LetterCount(std::string_view text) { return LetterEnds(text).size(); }

std::string_view TrimWhiteSpace(std::string_view text) {
  std::size_t from = 0;
  while (from < text.size()) {
    const CodePoint point = Decode(text, from);
    if (!IsSpace(point.value)) break;
    from = point.end;
  }
  std::size_t to = text.size();
  while (to > from) {
    std::size_t start = to - 1;
    while (start > from && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
    const CodePoint point = Decode(text, start);
    if (point.end != to || !IsSpace(point.value)) break;
    to = start;
  }
  return text.substr(from, to - from);
}

bool IsWhiteSpace(std::string_view text) { return TrimWhiteSpace(text).empty(); }

}  // namespace corvanta
