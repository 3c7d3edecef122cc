// ASCII tests and the chord texts' byte/UTF-8 conversions.
#include "theory/text_util.h"

#include <algorithm>

namespace corvanta {

std::string_view TrimTrailingBlanks(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool StartsWithFolded(std::string_view text, std::string_view lowerWord) {
  if (text.size() < lowerWord.size()) return false;
  for (std::size_t i = 0; i < lowerWord.size(); ++i) {
    if (AsciiLower(text[i]) != lowerWord[i]) return false;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return TrimTrailingBlanks(text);
}

std::vector<std::string_view> SplitWords(std::string_view text) {
  const auto white = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size()) {
    if (white(text[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < text.size() && !white(text[end])) ++end;
    words.push_back(text.substr(at, end - at));
    at = end;
  }
  return words;
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
  if (pattern.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at = text.find(pattern); at != std::string_view::npos;
       at = text.find(pattern, from)) {
    result.append(text.substr(from, at - from));
    result.append(replacement);
    from = at + pattern.size();
  }
  result.append(text.substr(from));
  return result;
}

}  // namespace corvanta

namespace corvanta {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  if (at >= text.size()) return 0;
  unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  // Well-formed sequences only (Unicode table 3-7): no overlong forms, no
  // surrogates, nothing above U+10FFFF.
  std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
  if (length == 0 || at + length > text.size()) return 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byte(at + i) >> 6) != 0x2) return 0;
  }
  return length;
}

std::string ValidUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    std::size_t length = Utf8SequenceLength(text, at);
    if (length > 0) {
      utf8.append(text.substr(at, length));
      at += length;
      continue;
    }
    utf8.append(kReplacementUtf8);
    ++at;
  }
  return utf8;
}

std::string PrintableText(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const unsigned char byte = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length > 0 && byte >= 0x20 && byte != 0x7F) {
      shown.append(text.substr(at, length));
      at += length;
      continue;
    }
    shown += "\\x";
    shown += kHex[byte >> 4];
    shown += kHex[byte & 0xF];
    ++at;
  }
  return shown;
}

}  // namespace corvanta

namespace corvanta {

std::string QuotedEcho(std::string_view text) {
  std::string shown = PrintableText(text);
  if (shown.size() <= kMostEchoedBytes) return "'" + shown + "'";
  // Cut between characters as shown (an escape such as \x00 is one).
  shown.clear();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = std::max<std::size_t>(Utf8SequenceLength(text, at), 1);
    const std::string next = PrintableText(text.substr(at, length));
    if (shown.size() + next.size() > kMostEchoedBytes) break;
    shown += next;
    at += length;
  }
  return "'" + shown + "\xE2\x80\xA6' (" + std::to_string(text.size()) + " bytes)";
}

}  // namespace corvanta
