// The list of names a set of pitch classes goes by.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
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

  // Where a name lies in the text.
  struct Span {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
  };

  ChordNameList() = default;
  // The names are the spans of the text, in list order.
  ChordNameList(std::string text, std::vector<Span> spans)
      : text_(std::move(text)), spans_(std::move(spans)) {}

  std::size_t size() const { return spans_.size(); }
  bool empty() const { return spans_.empty(); }
  std::string_view operator[](std::size_t at) const {
    return {text_.data() + spans_[at].start, spans_[at].length};
  }
  std::string_view front() const { return (*this)[0]; }
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, size()); }

  // Appends a name; the pieces are written one after another.
  void Add(std::initializer_list<std::string_view> pieces) {
    Span span{static_cast<std::uint32_t>(text_.size()), 0};
    for (std::string_view piece : pieces) text_.append(piece);
    span.length = static_cast<std::uint32_t>(text_.size() - span.start);
    spans_.push_back(span);
  }
  std::vector<std::string> ToStrings() const { return {begin(), end()}; }
  bool operator==(const ChordNameList& other) const {
    return size() == other.size() && std::equal(begin(), end(), other.begin());
  }

 private:
  std::string text_;  // the names, in any order, possibly with bytes between them
  std::vector<Span> spans_;
};

// The names under which the chord's notes can be read, in the order of the
// chord-name list: every note, and the bass, tried as the root, with the
// seventh, ninth, eleventh, thirteenth, suspended and diminished rewrites.
// notes: the chord tones after the omit options, root first; names: the
// root grid's texts as they stand (a pitch class without a row is named by
// the empty text).
ChordNameList ListChordNames(std::vector<int> notes, int bassPitchClass, Accidentals names);

}  // namespace corvanta
