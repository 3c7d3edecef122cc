// The preferred chord shapes' table.
#include "theory/shape_templates.h"

#include <algorithm>
#include <bitset>
#include <charconv>
#include <cstdint>
#include <vector>

#include "theory/text_util.h"

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

struct TemplateShape {
  std::array<int, 6> values;
  std::string firstText;
};

// Entries are separated by commas; an entry of fewer than six numbers is
// no template.
std::vector<TemplateShape> ParseTemplates() {
  std::vector<TemplateShape> shapes;
  std::string_view rest = ShapeTemplates();
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string_view entry = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    TemplateShape shape{};
    int count = 0;
    for (std::string_view token : SplitWords(entry)) {
      if (count == 6) break;
      if (count == 0) shape.firstText = std::string(token);
      int& value = shape.values[static_cast<std::size_t>(count++)];
      std::from_chars(token.data(), token.data() + token.size(), value);
    }
    if (count == 6) shapes.push_back(shape);
  }
  return shapes;
}

// Values a fingering can hold: -29..29 and 99, as codes 0..59 of seven bits
// each, so six of them pack into one integer.
constexpr int kLowestValue = -29;
constexpr int kHighestFret = 29;
constexpr int kMutedValue = 99;

std::uint64_t PackValues(const std::array<int, 6>& values) {
  std::uint64_t key = 0;
  for (int value : values) {
    int code = value == kMutedValue ? kHighestFret - kLowestValue + 1 : value - kLowestValue;
    key = (key << 7) | static_cast<std::uint64_t>(code);
  }
  return key;
}

bool InRange(int value) {
  return value == kMutedValue || (value >= kLowestValue && value <= kHighestFret);
}

// The first values an entry's first text stands for: every value in range
// whose written form ends that text ("-3" stands for -3 and 3, "99" for 99
// and 9). Read from the text's own endings, not by writing every value.
std::vector<int> FirstValues(std::string_view text) {
  std::vector<int> values;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::string_view ending = text.substr(at);
    int value = 0;
    const auto [end, error] = std::from_chars(ending.data(), ending.data() + ending.size(), value);
    if (error != std::errc() || end != ending.data() + ending.size()) continue;
    // "05" or "-0" is no value's written form.
    if (std::to_string(value) == ending && InRange(value)) values.push_back(value);
  }
  return values;
}

std::vector<std::array<int, 6>> BuildValueLists() {
  std::vector<std::array<int, 6>> lists;
  for (const TemplateShape& shape : ParseTemplates()) {
    std::array<int, 6> values = shape.values;
    for (int first : FirstValues(shape.firstText)) {
      values[0] = first;
      lists.push_back(values);
    }
  }
  std::sort(lists.begin(), lists.end());
  lists.erase(std::unique(lists.begin(), lists.end()), lists.end());
  return lists;
}

// The value lists packed and sorted, with a bit filter in front so that
// most fingerings (almost none match) are answered by one load.
struct TemplateKeys {
  std::vector<std::uint64_t> sorted;
  std::bitset<1024> filter;
};

std::size_t FilterSlot(std::uint64_t key) { return (key ^ (key >> 17) ^ (key >> 31)) % 1024; }

TemplateKeys BuildKeys() {
  TemplateKeys keys;
  for (const std::array<int, 6>& values : TemplateShapeValueLists())
    keys.sorted.push_back(PackValues(values));
  std::sort(keys.sorted.begin(), keys.sorted.end());
  for (std::uint64_t key : keys.sorted) keys.filter.set(FilterSlot(key));
  return keys;
}

}  // namespace

const std::vector<std::array<int, 6>>& TemplateShapeValueLists() {
  static const std::vector<std::array<int, 6>> kLists = BuildValueLists();
  return kLists;
}

bool IsTemplateShape(const std::array<int, 6>& values) {
  static const TemplateKeys kKeys = BuildKeys();
  for (int value : values) {
    if (!InRange(value)) return false;
  }
  std::uint64_t key = PackValues(values);
  if (!kKeys.filter.test(FilterSlot(key))) return false;
  return std::binary_search(kKeys.sorted.begin(), kKeys.sorted.end(), key);
}

}  // namespace corvanta
