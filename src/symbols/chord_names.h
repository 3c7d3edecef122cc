#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "theory/note_names.h"

namespace corvanta {

// A list of chord names kept in one text: a six-note chord has dozens of
// names, each too long for a string's own small buffer, and the list is made
// on every click.
class ChordNameList {
 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;
    Iterator() = default;
    Iterator(const ChordNameList* list, std::size_t at) : list_(list), at_(at) {}
    std::string_view operator*() const { return (*list_)[at_]; }
    Iterator& operator++() {
      ++at_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++at_;
      return before;
    }
    bool operator==(const Iterator&) const = default;

   private:
    const ChordNameList* list_ = nullptr;
    std::size_t at_ = 0;
  };

  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  std::string_view operator[](std::size_t at) const {
    std::size_t start = at == 0 ? 0 : ends_[at - 1];
    return {text_.data() + start, ends_[at] - start};
  }
  std::string_view front() const { return (*this)[0]; }
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, size()); }

  void Reserve(std::size_t names, std::size_t bytes) {
    ends_.reserve(names);
    if (text_.size() < bytes) text_.resize(bytes);
  }
  // Appends a name; the pieces are written one after another.
  void Add(std::initializer_list<std::string_view> pieces) {
    std::size_t used = ends_.empty() ? 0 : ends_.back();
    std::size_t length = 0;
    for (std::string_view piece : pieces) length += piece.size();
    if (used + length > text_.size()) text_.resize(std::max(2 * text_.size(), used + length));
    for (std::string_view piece : pieces) {
      if (!piece.empty()) std::memcpy(text_.data() + used, piece.data(), piece.size());
      used += piece.size();
    }
    ends_.push_back(used);
  }
  std::vector<std::string> ToStrings() const { return {begin(), end()}; }
  bool operator==(const ChordNameList& other) const {
    return size() == other.size() && std::equal(begin(), end(), other.begin());
  }

 private:
  std::string text_;  // the names one after another, then room for more
  std::vector<std::size_t> ends_;
};

// The names under which the chord's notes can be read, in the order of the
// chord-name list: every note, and the bass, tried as the root, with the
// seventh, ninth, eleventh, thirteenth, suspended and diminished rewrites.
// notes: the chord tones after the omit options, root first; names: the
// root grid's texts as they stand (a pitch class without a row is named by
// the empty text).
ChordNameList ListChordNames(std::vector<int> notes, int bassPitchClass, Accidentals names);

}  // namespace corvanta
