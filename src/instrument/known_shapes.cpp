#include "instrument/known_shapes.h"

#include <algorithm>

#include "instrument/value_ranks.h"

namespace corvanta {
namespace {

// A filter of 1,024 bits leaves a fingering a chance of about one in
// sixteen of a needless lookup beside the guitar's 63 shapes.
constexpr std::size_t kFilterWords = 16;
constexpr std::size_t kFilterBits = kFilterWords * 64;

}  // namespace

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

// Ranks fill at most 48 bits; the string count above them keeps a shape of
// one instrument from matching a fingering of another length.
std::uint64_t KnownShapes::KeyOf(std::size_t strings, std::uint64_t ranks) {
  return static_cast<std::uint64_t>(strings) << 56 | ranks;
}

// Fibonacci hashing spreads the ranks' low bits over the filter.
std::size_t KnownShapes::FilterBit(std::uint64_t key) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 54) % kFilterBits;
}

bool KnownShapes::Holds(std::size_t strings, std::uint64_t ranks) const {
  if (keys_.empty()) return false;
  const std::uint64_t key = KeyOf(strings, ranks);
  const std::size_t bit = FilterBit(key);
  if (((filter_[bit / 64] >> (bit % 64)) & 1u) == 0) return false;
  return std::binary_search(keys_.begin(), keys_.end(), key);
}

}  // namespace corvanta
