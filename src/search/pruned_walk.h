#pragma once

// The search's walk of one window, as a template over the sink so that the
// search calls its collector directly (a candidate costs a few nanoseconds;
// a virtual call per candidate would be a good part of that).
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "search/fingering.h"
#include "search/fingering_key.h"
#include "search/tone_map.h"
#include "search/window_choices.h"
#include "theory/note_names.h"

namespace corvanta::enumeration {

// The number of pitch classes in a mask (std::popcount is a library call
// on the baseline x86-64 this is built for).
inline int ToneCount(std::uint16_t pitchClasses) {
  static constexpr std::array<std::uint8_t, 256> kBits = [] {
    std::array<std::uint8_t, 256> bits{};
    for (int byte = 0; byte < 256; ++byte)
      bits[byte] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(byte)));
    return bits;
  }();
  return kBits[pitchClasses & 0xFFu] + kBits[pitchClasses >> 8];
}

// What the search's walk knows of a candidate when it hands it on, gathered
// string by string as it chose the values.
struct CandidateFacts {
  int fixedStringCount = 0;
  EarlierWindows::FreeSpan free;  // of the free strings
  KeyFacts key;                   // of all six strings
  int held = 0;                   // strings held at a fret, the bass included

  void Add(int string, int freeValue) { *this = With(string, freeValue); }
  CandidateFacts With(int string, int freeValue) const {
    return {fixedStringCount, free.With(freeValue), key.With(string, freeValue),
            held + (freeValue != kOpen && freeValue != kMuted ? 1 : 0)};
  }
};

// The search's walk of one window: the same candidates in the same order as
// the odometer (which counts like a number whose digits are the free
// strings, the lowest string the most significant, each running through its
// choices and then muted), less every run of candidates whose lower strings
// already rule out sounding the chord: strings above them cannot supply the
// missing tones, or three sounding free strings.
template <typename Sink>
class PrunedWalk {
 public:
  PrunedWalk(BassPosition bass, FretWindow window, int windowIndex, const ToneMap& chordMap,
             const ChordFretMasks& chordFrets, Sink& sink)
      : earlier_(chordFrets, bass.fret, windowIndex),
        sink_(sink),
        required_(sink.RequiredMask()),
        lowestNewHigh_(earlier_.LowestNewHigh()),
        top_(window.hi) {
    highestFrom_[kStringCount] = -1;
    fixed_.fixedStringCount = bass.string + 1;
    candidate_.fill(kMuted);
    candidate_[bass.string] = bass.fret;
    for (int string = 0; string <= bass.string; ++string)
      fixed_.key.Add(string, candidate_[string]);
    fixed_.held = bass.fret > 0 ? 1 : 0;
    for (int string = kStringCount - 1; string > bass.string; --string) {
      StringChoices choices = ChoicesOf(chordFrets[string], window);
      const bool newBelowTop = earlier_.NewAtFretBelowTop(chordFrets[string]);
      std::uint16_t bits = 0;
      for (int i = 0; i < choices.count; ++i) {
        int fret = choices.frets[i];
        choices_[string][i] = {fret, chordMap[string][fret], fret == top_ - 1 && newBelowTop};
        bits = static_cast<std::uint16_t>(bits | 1u << chordMap[string][fret]);
      }
      choiceCounts_[string] = choices.count;
      availableFrom_[string] = availableFrom_[string + 1] | bits;
      soundingFrom_[string] = soundingFrom_[string + 1] + (choices.count > 0 ? 1 : 0);
      int highest = choices.count > 0 ? choices.frets[choices.count - 1] : -1;
      highestFrom_[string] = std::max(highestFrom_[string + 1], highest);
    }
    // The last string's choices by what they sound and reach (bit i: choice i).
    for (int i = 0; i < choiceCounts_[kLastString]; ++i) {
      const Choice& choice = choices_[kLastString][i];
      lastAll_ |= 1u << i;
      lastSounding_[static_cast<std::size_t>(choice.pitchClass)] |= 1u << i;
      if (choice.fret == top_ || choice.newBelowTop) lastNew_ |= 1u << i;
    }
  }

  // Depth first, lowest string first, each string through its choices and
  // then muted; written as a loop over the strings (a call per node costs
  // more than the node's own work).
  void Run() {
    const int first = fixed_.fixedStringCount;
    int string = first;
    level_[string] = Level{};
    if (!Viable(string, level_[string])) return;
    while (string >= first) {
      const int i = next_[string]++;
      Level level = level_[string];
      if (i < choiceCounts_[string]) {
        const Choice choice = choices_[string][i];
        candidate_[string] = choice.fret;
        level = level.With(choice);
      } else if (i == choiceCounts_[string]) {
        candidate_[string] = kMuted;
      } else {
        --string;  // every choice tried: back to the string below
        continue;
      }
      if (!Viable(string + 1, level)) continue;
      if (string + 1 == kLastString - 1) {
        WalkLastTwoStrings(level);
        continue;
      }
      if (string + 1 == kLastString) {
        WalkLastString(level);
        continue;
      }
      ++string;
      level_[string] = level;
      next_[string] = 0;
    }
  }

 private:
  static constexpr int kMinSounding = 3;
  static constexpr int kLastString = kStringCount - 1;
  // Run hands the last two strings to their own loops: at least two strings
  // must lie above the highest bass string.
  static_assert(kHighestBassString + 2 < kStringCount, "two free strings above every bass");

  struct Choice {
    int fret;
    int pitchClass;
    bool newBelowTop;  // at the fret below the top, a string that makes the candidate new
  };

  // What the strings below a string have chosen.
  struct Level {
    std::uint16_t sounded = 0;  // pitch classes of the free strings
    std::uint8_t playing = 0;   // sounding free strings
    bool newBelowTop = false;   // a string among them at the fret below the top makes it new
    int high = -1;              // highest held free fret (-1: none)

    Level With(const Choice& choice) const {
      return {static_cast<std::uint16_t>(sounded | 1u << choice.pitchClass),
              static_cast<std::uint8_t>(playing + 1), newBelowTop || choice.newBelowTop,
              std::max(high, choice.fret)};
    }
  };

  // Whether some candidate from this string on, after the lower strings'
  // choices, can sound the chord and be new to this window.
  bool Viable(int string, const Level& level) const {
    // Each string sounds one tone: the strings left must be able to supply
    // every missing tone, and be enough of them. Otherwise every candidate
    // from here is a repeat of an earlier window's. One branch for all four
    // tests: their outcomes follow no pattern the processor could learn.
    const std::uint16_t missing = required_ & ~level.sounded;
    const bool suppliable = (missing & ~availableFrom_[string]) == 0;
    const bool enoughStrings = ToneCount(missing) <= soundingFrom_[string];
    const bool enoughSounding = level.playing + soundingFrom_[string] >= kMinSounding;
    const bool reachesNew = std::max(level.high, highestFrom_[string]) >= lowestNewHigh_;
    return suppliable & enoughStrings & enoughSounding & reachesNew;
  }

  // The string before the last in a plain loop: the main loop's bookkeeping
  // per node costs more than these few values' own work.
  void WalkLastTwoStrings(const Level& below) {
    constexpr int string = kLastString - 1;
    for (int i = 0; i < choiceCounts_[string]; ++i) {
      const Choice choice = choices_[string][i];
      candidate_[string] = choice.fret;
      const Level level = below.With(choice);
      if (Viable(kLastString, level)) WalkLastString(level);
    }
    candidate_[string] = kMuted;
    if (Viable(kLastString, below)) WalkLastString(below);
  }

  // The last string's values at once: which of them complete the chord and
  // are new to the window is a matter of bit masks, so the deepest (and
  // largest) level of the walk takes no test per value.
  void WalkLastString(const Level& level) {
    const std::uint16_t missing = required_ & ~level.sounded;
    std::uint32_t values = lastAll_;
    if (missing != 0) {
      const bool oneMissing = (missing & (missing - 1)) == 0;
      values &=
          oneMissing ? lastSounding_[static_cast<std::size_t>(std::countr_zero(missing))] : 0u;
    }
    if (level.playing + 1 < kMinSounding) values = 0;
    // Where repeats are pruned, new is a candidate reaching the top of the
    // window, or the fret below it on a string that makes it new (see
    // EarlierWindows::NewAtFretBelowTop): whole repeats are never handed on.
    const bool newAlready =
        lowestNewHigh_ < 0 || level.high >= top_ || (level.high == top_ - 1 && level.newBelowTop);
    if (!newAlready) values &= lastNew_;
    const bool muted = missing == 0 && level.playing >= kMinSounding && newAlready;
    if (values == 0 && !muted) return;
    // The strings below are the same for every value here: their facts once.
    CandidateFacts below = fixed_;
    for (int string = fixed_.fixedStringCount; string < kLastString; ++string)
      below.Add(string, candidate_[string]);
    for (; values != 0; values &= values - 1)
      HandOn(below, choices_[kLastString][std::countr_zero(values)].fret);
    if (muted) HandOn(below, kMuted);
  }

  void HandOn(const CandidateFacts& below, int lastValue) {
    candidate_[kLastString] = lastValue;
    const CandidateFacts facts = below.With(kLastString, lastValue);
    sink_.CheckFingering(candidate_, facts, earlier_);
  }

  EarlierWindows earlier_;
  Sink& sink_;
  std::uint16_t required_;
  int lowestNewHigh_;
  int top_;               // the window's highest fret
  CandidateFacts fixed_;  // the muted strings below the bass, and the bass
  Frets candidate_{};
  std::array<std::array<Choice, kFretSlots + 1>, kStringCount> choices_;
  std::array<int, kStringCount> choiceCounts_{};
  std::array<std::uint16_t, kStringCount + 1> availableFrom_{};
  std::array<int, kStringCount + 1> soundingFrom_{};
  std::array<int, kStringCount + 1> highestFrom_{};  // the highest choice of these strings
  std::array<Level, kStringCount + 1> level_{};
  std::uint32_t lastAll_ = 0;
  std::array<std::uint32_t, kNoPitchClass + 1> lastSounding_{};  // by pitch class
  std::uint32_t lastNew_ = 0;  // choices at the top, or below it making the candidate new
  std::array<int, kStringCount> next_{};  // each string's next choice; its count: muted
};

}  // namespace corvanta::enumeration
