#include "search/fingering_key.h"

#include <charconv>
#include <cstdlib>
#include <iterator>

namespace corvanta {
namespace {

inline constexpr int kFieldOffset = 10;
inline constexpr int kFirstInnerString = 2;
inline constexpr int kNoLowFret = 100;

// Appends the decimal text of a value; fret values and key fields stay well
// inside -999..999, and the buffer is sized for any int.
class KeyWriter {
 public:
  void Number(int value) {
    auto result = std::to_chars(next_, std::end(buffer_), value);
    next_ = result.ptr;
  }
  void Blank() {
    if (next_ != std::end(buffer_)) *next_++ = ' ';
  }
  std::string Text() const {
    return std::string(buffer_, static_cast<std::size_t>(next_ - buffer_));
  }

 private:
  // Three fields and six values with their blanks, each at most 12 characters.
  char buffer_[3 * 12 + 6 * 13 + 1];
  char* next_ = std::begin(buffer_);
};

}  // namespace

int ClassifyStringSet(const Frets& values) {
  int run = 0;
  for (int string = kStringCount - 1; string >= 0 && values[string] != kMuted; --string) ++run;
  if (run == 6) return kAllSixStrings;
  if (run == 5) return kFiveTopStrings;
  if (run == 4 && values[0] == kMuted) return kFourTopStrings;
  return kOtherStringSet;
}

std::optional<std::string> FingeringKey(const Frets& values, bool simpleChords, int span) {
  int low = kNoLowFret;
  int high = 0;
  for (int string = 0; string < kStringCount; ++string) {
    int value = values[string];
    if (value == kMuted) {
      if (simpleChords && string >= kFirstInnerString) return std::nullopt;
      continue;
    }
    if (value != kOpen && std::abs(value) < low) low = std::abs(value);
    if (value > high) high = value;
  }
  if (span <= high - low) return std::nullopt;
  if (high <= kFirstPositionHighestFret) low = 1;

  // Built in one buffer: this runs for every accepted fingering.
  KeyWriter key;
  key.Number(low + kFieldOffset);
  key.Number(ClassifyStringSet(values));
  key.Number(high + kFieldOffset);
  key.Blank();
  for (int value : values) {
    key.Number(value);
    key.Blank();
  }
  return key.Text();
}

}  // namespace corvanta
