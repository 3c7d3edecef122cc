#include "theory/shape_templates.h"

#include <unordered_set>

namespace corvanta {

const std::string& ShapeTemplates() {
  // Five literals joined with nothing between them; built once, never changed.
  static const std::string kTemplates =
      std::string(
          "99 6 5 -3 4 3 , 3 2 0 0 3 3 , 0 2 2 1 0 0 , -1 3 3 2 1 1 , -2 4 4 3 2 2 ,  0 2 2 0 "
          "0 0 , -1 3 3 1 1 1 , -2 4 4 2 2 2 ,  -3 5 5 3 3 3 ,  -4 6 6 4 4 4 , 99 0 2 2 1 0 , ") +
      "-4 6 6 5 4 4 , 99 -6 8 8 9 6 , 0 2 2 2 0 0 , 99 -4 6 6 7 4 , 99 -3 5 5 6 3 , -1 3 3 3 1 99 "
      ", " +
      "-2 4 4 4 2 99 , -4 6 6 6 4 4 , 99 3 2 0 3 3 , 0 2 0 1 0 0 , -1 3 1 2 1 1 , 3 2 0 0 0 1 , " +
      "-4 6 4 5 4 4 , 99 -3 5 3 4 3 , 99 -4 6 4 5 4 , 0 2 0 0 0 0 , -1 3 1 1 1 1 , -3 5 3 3 3 99 "
      ", " +
      "-4 6 4 4 4 4 , 99 -2 4 2 3 2 , 99 -3 5 5 4 3 , 99 -4 6 6 5 4 , 99 -6 8 8 7 6 , 99 3 0 3 4 "
      "3 ";
  return kTemplates;
}

}  // namespace corvanta

namespace corvanta {
namespace {

// A fingering's value text is six values with their blanks (at least 12
// characters) taken to at most 20 characters.
constexpr std::size_t kShortestIndexed = 12;
constexpr std::size_t kLongestIndexed = 20;

}  // namespace

bool OccursInShapeTemplates(std::string_view text) {
  static const std::unordered_set<std::string_view> kIndexed = [] {
    std::string_view all = ShapeTemplates();
    std::unordered_set<std::string_view> substrings;
    for (std::size_t length = kShortestIndexed; length <= kLongestIndexed; ++length) {
      for (std::size_t at = 0; at + length <= all.size(); ++at)
        substrings.insert(all.substr(at, length));
    }
    return substrings;
  }();
  if (text.size() < kShortestIndexed || text.size() > kLongestIndexed) {
    return ShapeTemplates().find(text) != std::string::npos;
  }
  return kIndexed.count(text) != 0;
}

}  // namespace corvanta
