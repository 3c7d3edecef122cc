// The fingering value: how each string is played, and its barres.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "instrument/instrument.h"

namespace corvanta {

// How one string is played: muted, open, or held at a fret (counted from
// the capo, or from the nut without one).
class StringStop {
 public:
  constexpr StringStop() = default;  // muted
  static constexpr StringStop Muted() { return StringStop(); }
  static constexpr StringStop Open() { return StringStop(0); }
  static constexpr StringStop AtFret(int fret) { return StringStop(fret); }

  constexpr bool IsMuted() const { return fret_ < 0; }
  constexpr bool IsOpen() const { return fret_ == 0; }
  constexpr bool IsHeld() const { return fret_ > 0; }
  constexpr bool Sounds() const { return fret_ >= 0; }
  // The fret held, 0 for an open or a muted string.
  constexpr int Fret() const { return fret_ < 0 ? 0 : fret_; }
  constexpr bool operator==(const StringStop&) const = default;

 private:
  explicit constexpr StringStop(int fret) : fret_(static_cast<std::int8_t>(fret)) {}
  std::int8_t fret_ = -1;
};

// One finger laid flat across strings first..last (in the instrument's
// order, lowest-listed first) at a fret. It lies over strings held higher
// and over muted ones and ends before an open string or one held lower.
struct Barre {
  int fret = 0;
  int first = 0;
  int last = 0;
  bool operator==(const Barre&) const = default;
};

// A fingering: what each string does and where a barre begins. Small and
// held in place: a search records thousands of them.
class Fingering {
  static constexpr std::size_t kStringCapacity = kMaxInstrumentStrings;

 public:
  Fingering() = default;
  explicit Fingering(std::size_t strings)  // every string muted
      : count_(static_cast<std::uint8_t>(std::min(strings, kStringCapacity))) {}
  Fingering(std::initializer_list<StringStop> stops);
  // The first `strings` stops, as a search writes them at speed: every
  // stop past them muted and each bit of `barreStarts` on a held string.
  Fingering(const std::array<StringStop, kMaxInstrumentStrings>& stops, std::size_t strings,
            std::uint8_t barreStarts)
      : stops_(stops),
        count_(static_cast<std::uint8_t>(std::min(strings, kStringCapacity))),
        barreStarts_(barreStarts) {}

  // The same in place, as a search rewrites one; `strings` is at most the
  // capacity, as every instrument's string count is.
  void Assign(const std::array<StringStop, kMaxInstrumentStrings>& stops, std::size_t strings,
              std::uint8_t barreStarts) {
    stops_ = stops;
    count_ = static_cast<std::uint8_t>(strings);
    barreStarts_ = barreStarts;
  }

  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  StringStop operator[](std::size_t string) const { return stops_[string]; }
  const StringStop* begin() const { return stops_.data(); }
  const StringStop* end() const { return stops_.data() + count_; }
  // Inline: the search makes a fingering of every voicing it keeps.
  void Set(std::size_t string, StringStop stop) {
    if (string >= count_) return;
    stops_[string] = stop;
    if (!stop.IsHeld()) barreStarts_ &= static_cast<std::uint8_t>(~(1u << string));
  }

  // A barre begins on a held string and takes in the strings above it that
  // its fret reaches. The finger count may begin several at one fret; they
  // lie as one finger.
  bool StartsBarre(std::size_t string) const { return (barreStarts_ >> string) & 1u; }
  void StartBarre(std::size_t string) {
    if (string < count_ && stops_[string].IsHeld())
      barreStarts_ |= static_cast<std::uint8_t>(1u << string);
  }
  bool HasBarre() const { return barreStarts_ != 0; }
  // The barres as a hand lays them, lowest fret first; one begun on a
  // string another barre at its fret already covers is part of that one.
  std::vector<Barre> Barres() const;
  // The same stops on every string, barres aside.
  bool SameStops(const Fingering& other) const;

  int HeldCount() const;
  int LowestHeldFret() const;  // 0 when no string is held
  int HighestFret() const;     // 0 when no string is held

  bool operator==(const Fingering& other) const {
    return SameStops(other) && barreStarts_ == other.barreStarts_;
  }

 private:
  std::array<StringStop, kMaxInstrumentStrings> stops_{};
  std::uint8_t count_ = 0;
  std::uint8_t barreStarts_ = 0;  // bit s: a barre begins on string s
};
static_assert(kMaxInstrumentStrings <= 8, "barre starts are one byte");

// Every string open, as the neck input starts.
inline Fingering OpenStrings(int strings) {
  Fingering fingering(static_cast<std::size_t>(strings < 0 ? 0 : strings));
  for (std::size_t string = 0; string < fingering.size(); ++string)
    fingering.Set(string, StringStop::Open());
  return fingering;
}

// The note each string sounds, lowest-listed first: -1 for a muted string
// or a fret the string does not have.
std::vector<int> StringPitches(const Fingering& fingering, const Instrument& instrument);

// The frets a player reads, "X 3 2 0 1 0".
std::string ReadableFrets(const Fingering& fingering);

// Each string's finger as a diagram numbers them: fret by fret from the
// lowest, string by string from the lowest-listed, one number per finger (a
// barre one number for all its strings); 0 for an open string, -1 muted.
std::vector<int> FingerNumbers(const Fingering& fingering);

}  // namespace corvanta
