// Text helpers for the chord texts: ASCII tests, trimming, UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// ASCII character tests for the chord texts, which are bytes.
constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether text starts with lowerWord (written in lowercase) in any letter case.
bool StartsWithFolded(std::string_view text, std::string_view lowerWord);

// Blank-only trimming: the chord texts use the blank as their only separator.
std::string_view TrimBlanks(std::string_view text);

// A text safe to show on a terminal: well-formed UTF-8 stays, control
// characters and bytes that are not UTF-8 become \xNN escapes (a typed NUL
// or a stray byte never reaches the terminal raw).
std::string PrintableText(std::string_view text);

// A typed text as a message echoes it, quoted and printable: whole while
// it shows in kMostEchoedBytes, else its start and its size, so that a
// message stays a line ("'C#m7/G#'", "'\x00\x00…' (10485760 bytes)").
inline constexpr std::size_t kMostEchoedBytes = 64;
std::string QuotedEcho(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);

// The words of a text split at runs of ASCII white space (blank, tab, line
// and page breaks), as a stream's >> reads them, none empty. Views into text.
std::vector<std::string_view> SplitWords(std::string_view text);

// Every occurrence of pattern, left to right without overlap, replaced.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement);

}  // namespace corvanta

namespace corvanta {

// The chord texts are UTF-8 ("º" is U+00BA), but a text from outside (a
// typed symbol, an argument) may hold bytes that are not: where only valid
// UTF-8 may go (JSON, the terminal's warnings), each byte that starts no
// well-formed character becomes U+FFFD and the rest passes through.
std::string ValidUtf8(std::string_view text);
// Bytes of the well-formed UTF-8 character starting at text[at], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

}  // namespace corvanta
