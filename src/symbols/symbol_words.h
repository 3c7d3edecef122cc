#pragma once

#include <string_view>

namespace corvanta {

// The seven characters that end a word of a typed chord symbol.
inline constexpr std::string_view kSymbolSeparators = "/\\,(). ";

constexpr bool IsSymbolSeparator(char c) {
  return kSymbolSeparators.find(c) != std::string_view::npos;
}

// The first degree-list item whose text equals the word, letter case
// ignored (the lookup that ticks and names an item); -1 if none.
int DegreeItemNamed(std::string_view word);

// The first item whose text equals the word exactly (the lookup that builds
// the formula); -1 if none.
int DegreeItemExactly(std::string_view word);

// Bytes of the character starting at text[at]: a whole UTF-8 sequence, or 1
// for any other byte (the program's own "º" is the single byte 0xBA).
std::size_t CharacterLength(std::string_view text, std::size_t at);

}  // namespace corvanta
