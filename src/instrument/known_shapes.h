#pragma once

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
  std::size_t size() const { return shapes_.size(); }

  // Whether a fingering of `strings` strings whose values rank as `ranks`
  // (ValueRanks) is one of the shapes.
  bool Holds(std::size_t strings, std::uint64_t ranks) const;

 private:
  static std::uint64_t KeyOf(std::size_t strings, std::uint64_t ranks);
  static std::size_t FilterBit(std::uint64_t key);

  std::vector<std::vector<int>> shapes_;
  std::vector<std::uint64_t> keys_;  // sorted
  // One bit per hashed key: a clear bit answers most fingerings at once.
  std::vector<std::uint64_t> filter_;
};

}  // namespace corvanta
