// The words of typed chord symbols: roots, qualities, extensions.
#pragma once

#include <string_view>

namespace corvanta {

// The seven characters that end a word of a typed chord symbol.
inline constexpr std::string_view kSymbolSeparators = "/\\,(). ";

// Asked of every character typed, so a switch rather than a search.
constexpr bool IsSymbolSeparator(char c) {
  switch (c) {
    case '/':
    case '\\':
    case ',':
    case '(':
    case ')':
    case '.':
    case ' ':
      return true;
    default:
      return false;
  }
}
constexpr bool AllSymbolSeparators(std::string_view text) {
  for (char c : text) {
    if (!IsSymbolSeparator(c)) return false;
  }
  return true;
}
static_assert(AllSymbolSeparators(kSymbolSeparators));

// The first degree-list item whose text equals the word, letter case
// ignored (the lookup that ticks and names an item); -1 if none.
int DegreeItemNamed(std::string_view word);

// The first item whose text equals the word exactly (the lookup that builds
// the formula); -1 if none.
int DegreeItemExactly(std::string_view word);

// Bytes of the character starting at text[at]: a whole UTF-8 sequence, or 1
// for a byte that starts none.
std::size_t CharacterLength(std::string_view text, std::size_t at);

// The root at the start of a typed symbol: the first two characters, or the
// first one, when they name a note. Otherwise the first character is passed
// over and the root is kNoPitchClass.
struct TypedRoot {
  int pitchClass;
  std::size_t length;  // bytes of the root as typed
};
TypedRoot ReadTypedRoot(std::string_view text);

}  // namespace corvanta
