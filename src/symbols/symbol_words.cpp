#include "symbols/symbol_words.h"

#include <algorithm>

#include "theory/degree_codes.h"
#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

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
  return std::max<std::size_t>(1, Utf8SequenceLength(text, at));
}

TypedRoot ReadTypedRoot(std::string_view text) {
  std::size_t first = text.empty() ? 0 : CharacterLength(text, 0);
  std::size_t second = first < text.size() ? first + CharacterLength(text, first) : first;
  if (int two = PitchClassOfName(text.substr(0, second)); two != kNoPitchClass)
    return {two, second};
  return {PitchClassOfName(text.substr(0, first)), first};
}

}  // namespace corvanta
