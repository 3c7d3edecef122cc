#pragma once

#include <cstdint>
#include <vector>

namespace corvanta {

// A set of packed candidates with open addressing: one allocation, no node
// per entry. Zero marks an empty slot, so values are stored plus one.
class SeenSet {
 public:
  explicit SeenSet(std::size_t expected) : slots_(RoundUpToPowerOfTwo(expected * 2), 0) {}

  // True when the value was not yet in the set.
  bool Insert(std::uint64_t value) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    return Place(slots_, value + 1);
  }

 private:
  static std::size_t RoundUpToPowerOfTwo(std::size_t n) {
    std::size_t size = 16;
    while (size < n) size *= 2;
    return size;
  }

  static std::size_t Slot(std::uint64_t stored, std::size_t mask) {
    return static_cast<std::size_t>((stored * 0x9E3779B97F4A7C15ull) >> 17) & mask;
  }

  bool Place(std::vector<std::uint64_t>& slots, std::uint64_t stored) {
    std::size_t mask = slots.size() - 1;
    for (std::size_t at = Slot(stored, mask);; at = (at + 1) & mask) {
      if (slots[at] == stored) return false;
      if (slots[at] == 0) {
        slots[at] = stored;
        ++count_;
        return true;
      }
    }
  }

  void Grow() {
    std::vector<std::uint64_t> old(slots_.size() * 2, 0);
    old.swap(slots_);
    count_ = 0;
    for (std::uint64_t stored : old) {
      if (stored != 0) Place(slots_, stored);
    }
  }

  std::vector<std::uint64_t> slots_;
  std::size_t count_ = 0;
};

}  // namespace corvanta
