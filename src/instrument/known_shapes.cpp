// The shapes players know, looked up by their key values.
#include "instrument/known_shapes.h"

#include <algorithm>

#include "instrument/value_ranks.h"

namespace corvanta {

KnownShapes::KnownShapes(std::vector<std::vector<int>> shapes)
    : shapes_(std::move(shapes)), filter_(kFilterWords, 0) {
  for (const std::vector<int>& shape : shapes_) {
    const std::uint64_t key = KeyOf(shape.size(), ValueRanks(shape));
    keys_.push_back(key);
    const std::size_t bit = FilterBit(key);
    filter_[bit / 64] |= std::uint64_t{1} << (bit % 64);
  }
  std::sort(keys_.begin(), keys_.end());
}

bool KnownShapes::HasKey(std::uint64_t key) const {
  return std::binary_search(keys_.begin(), keys_.end(), key);
}

}  // namespace corvanta
