// The open and barre shapes an instrument's players know.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvanta {

// The open and barre shapes an instrument's players know, in the search's
// values (99 muted, -f the lowest string of a barre at fret f), with their
// value ranks kept sorted beside them: the search asks of every fingering
// it keeps whether it is one, and most are none. Built once with its
// instrument, so no search ranks them again.
class KnownShapes {
 public:
  KnownShapes() = default;
  explicit KnownShapes(std::vector<std::vector<int>> shapes);

  const std::vector<std::vector<int>>& Lists() const { return shapes_; }
  // The same shapes: the ranks, keys and filter follow from them.
  bool operator==(const KnownShapes& other) const { return shapes_ == other.shapes_; }
  std::size_t size() const { return shapes_.size(); }

  // Whether a fingering of `strings` strings whose values rank as `ranks`
  // (ValueRanks) is one of the shapes.
  // Inline up to the filter, which answers most fingerings.
  bool Holds(std::size_t strings, std::uint64_t ranks) const {
    if (keys_.empty()) return false;
    const std::uint64_t key = KeyOf(strings, ranks);
    const std::size_t bit = FilterBit(key);
    if (((filter_[bit / 64] >> (bit % 64)) & 1u) == 0) return false;
    return HasKey(key);
  }

 private:
  // A filter of 1,024 bits leaves a fingering a chance of about one in
  // sixteen of a needless lookup beside the guitar's 63 shapes.
  static constexpr std::size_t kFilterWords = 16;
  static constexpr std::size_t kFilterBits = kFilterWords * 64;

  // Ranks fill at most 48 bits; the string count above them keeps a shape
  // of one instrument from matching a fingering of another length.
  static std::uint64_t KeyOf(std::size_t strings, std::uint64_t ranks) {
    return static_cast<std::uint64_t>(strings) << 56 | ranks;
  }
  // Fibonacci hashing spreads the ranks' low bits over the filter.
  static std::size_t FilterBit(std::uint64_t key) {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 54) % kFilterBits;
  }
  bool HasKey(std::uint64_t key) const;  // by halving the sorted keys

  std::vector<std::vector<int>> shapes_;
  std::vector<std::uint64_t> keys_;  // sorted
  // One bit per hashed key: a clear bit answers most fingerings at once.
  std::vector<std::uint64_t> filter_;
};

}  // namespace corvanta
