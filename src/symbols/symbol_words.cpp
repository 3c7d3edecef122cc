#include "symbols/symbol_words.h"

#include "theory/degree_codes.h"

namespace corvanta {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

int DegreeItemNamed(std::string_view word) {
  for (int item = 0; item < kDegreeItemCount; ++item) {
    if (EqualIgnoringCase(kDegreeItems[item].text, word)) return item;
  }
  return -1;
}

int DegreeItemExactly(std::string_view word) {
  for (int item = 0; item < kDegreeItemCount; ++item) {
    if (kDegreeItems[item].text == word) return item;
  }
  return -1;
}

std::size_t CharacterLength(std::string_view text, std::size_t at) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(at);
  std::size_t length = (lead >> 5) == 0x6    ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 1;
  if (length == 1 || at + length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) >> 6) != 0x2) return 1;
  }
  return length;
}

}  // namespace corvanta
