#include "theory/shape_templates.h"

#include <sstream>
#include <vector>

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

std::vector<TemplateShape> ParseTemplates() {
  std::vector<TemplateShape> shapes;
  std::istringstream entries(ShapeTemplates());
  std::string entry;
  while (std::getline(entries, entry, ',')) {
    std::istringstream tokens(entry);
    TemplateShape shape{};
    int count = 0;
    std::string token;
    while (tokens >> token && count < 6) {
      if (count == 0) shape.firstText = token;
      shape.values[static_cast<std::size_t>(count++)] = std::stoi(token);
    }
    if (count == 6) shapes.push_back(shape);
  }
  return shapes;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The shapes by their last value, so that a fingering meets only the few
// that could match.
constexpr int kLowestValue = -29;
constexpr int kBuckets = 99 - kLowestValue + 1;

struct TemplateIndex {
  std::array<std::vector<TemplateShape>, kBuckets> byLastValue;
};

TemplateIndex BuildIndex() {
  TemplateIndex index;
  for (TemplateShape& shape : ParseTemplates()) {
    int last = shape.values[5];
    if (last >= kLowestValue && last <= 99)
      index.byLastValue[static_cast<std::size_t>(last - kLowestValue)].push_back(shape);
  }
  return index;
}

}  // namespace

bool IsTemplateShape(const std::array<int, 6>& values) {
  static const TemplateIndex kIndex = BuildIndex();
  if (values[5] < kLowestValue || values[5] > 99) return false;
  for (const TemplateShape& shape :
       kIndex.byLastValue[static_cast<std::size_t>(values[5] - kLowestValue)]) {
    bool rest = true;
    for (std::size_t i = 1; i < 6 && rest; ++i) rest = shape.values[i] == values[i];
    if (rest && EndsWith(shape.firstText, std::to_string(values[0]))) return true;
  }
  return false;
}

}  // namespace corvanta
