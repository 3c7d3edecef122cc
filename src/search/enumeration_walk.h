#pragma once

// The enumeration's walk, as a template over the sink so that the search
// calls its collector directly (a candidate costs a few nanoseconds; a
// virtual call per candidate would be a good part of that).
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "search/enumeration.h"
#include "search/fingering.h"
#include "search/tone_map.h"

namespace corvanta::enumeration {

inline constexpr int kFrettedBassWindows = 5;
inline constexpr int kWindowWidth = 4;

struct BassPosition {
  int string;
  int fret;
};

struct FretWindow {
  int lo;
  int hi;
};

// The next unvisited bass position, marked as visited.
inline std::optional<BassPosition> TakeBassPosition(ToneMap& bassMap, int fretCount) {
  for (int string = 0; string <= kHighestBassString; ++string) {
    for (int fret = 0; fret < fretCount; ++fret) {
      if (bassMap[string][fret] >= 0) {
        bassMap[string][fret] = kNoTone;
        return BassPosition{string, fret};
      }
    }
  }
  return std::nullopt;
}

// The values each free string takes in a window, in the odometer's order:
// its first choice (the open string when it sounds a chord tone, else the
// lowest chord-tone fret from lo to hi-1), then each next chord-tone fret up
// to hi. Listing them once makes each odometer step a few integer moves.
struct StringChoices {
  std::array<std::int8_t, kFretSlots + 1> frets{};
  std::uint8_t count = 0;
};

inline StringChoices ChoicesOf(const ToneMap& chordMap, int string, FretWindow window) {
  StringChoices choices;
  int first = kMuted;
  for (int fret = 0; fret < window.hi; ++fret) {
    if (chordMap[string][fret] >= 0 && (fret == 0 || fret >= window.lo)) {
      first = fret;
      break;
    }
  }
  if (first == kMuted) return choices;
  choices.frets[choices.count++] = static_cast<std::int8_t>(first);
  for (int fret = std::max(window.lo, first + 1); fret <= window.hi && fret < kFretSlots; ++fret) {
    if (chordMap[string][fret] >= 0)
      choices.frets[choices.count++] = static_cast<std::int8_t>(fret);
  }
  return choices;
}

// A window's candidates are every combination of its strings' choices (each
// string runs through its list, then muted), so a candidate was already met
// in an earlier window of the same bass exactly when such a window holds all
// its fretted values: the overlapping windows' repeats are known without
// remembering them.
class EarlierWindows {
 public:
  EarlierWindows(const ToneMap& chordMap, int bassFret, int window)
      : chordMap_(chordMap), bassFret_(bassFret), window_(window) {}

  bool Hold(const Frets& candidate, int fixedStringCount) const {
    if (window_ == 0) return false;
    int low = kMuted, high = -1;
    bool open = false;
    for (int string = fixedStringCount; string < kStringCount; ++string) {
      int value = candidate[string];
      open = open || value == kOpen;
      if (value == kMuted || value == kOpen) continue;
      low = std::min(low, value);
      high = std::max(high, value);
    }
    if (high < 0) {
      // Open and muted strings only: an open string is a first choice in
      // every window that ends above the nut.
      return !open || window_ - 1 >= std::max(0, 1 - bassFret_);
    }
    // Earlier windows a with hi = bassFret + a >= high and lo = hi - 4 <= low.
    int from = std::max(0, high - bassFret_);
    int to = std::min(window_ - 1, low - bassFret_ + kWindowWidth);
    if (from > to) return false;
    if (to > high - bassFret_) return true;  // a window above high: every value is a choice there
    // Only the window ending at high: a string at high is a choice there when
    // it has a first choice below high (the open string, or a chord fret).
    for (int string = fixedStringCount; string < kStringCount; ++string) {
      if (candidate[string] != high || chordMap_[string][0] >= 0) continue;
      bool below = false;
      for (int fret = std::max(1, high - kWindowWidth); fret < high && !below; ++fret)
        below = chordMap_[string][fret] >= 0;
      if (!below) return false;
    }
    return true;
  }

 private:
  const ToneMap& chordMap_;
  int bassFret_;
  int window_;
};

// One window's walk: the first candidate, then the odometer advancing the
// highest sounding free string and restarting every string above it, until
// every free string is muted. (With every free string muted at the start,
// the first candidate is handed on twice, as the odometer always steps once.)
template <typename Sink>
void WalkWindow(BassPosition bass, FretWindow window, const ToneMap& chordMap, Sink& sink) {
  auto give = [&](const Frets& candidate, int fixed) { sink.CheckFingering(candidate, fixed); };
  const int fixedStringCount = bass.string + 1;
  std::array<StringChoices, kStringCount> choices{};
  std::array<int, kStringCount> at{};
  Frets candidate;
  candidate.fill(kMuted);
  candidate[bass.string] = bass.fret;
  for (int string = fixedStringCount; string < kStringCount; ++string) {
    choices[string] = ChoicesOf(chordMap, string, window);
    if (choices[string].count > 0) candidate[string] = choices[string].frets[0];
  }
  give(candidate, fixedStringCount);
  for (;;) {
    int string = kStringCount - 1;
    while (string >= fixedStringCount && candidate[string] == kMuted) --string;
    if (string >= fixedStringCount) {
      int next = ++at[string];
      candidate[string] = next < choices[string].count ? choices[string].frets[next] : kMuted;
      for (int higher = string + 1; higher < kStringCount; ++higher) {
        at[higher] = 0;
        candidate[higher] = choices[higher].count > 0 ? choices[higher].frets[0] : kMuted;
      }
    }
    give(candidate, fixedStringCount);
    bool exhausted = true;
    for (int free = fixedStringCount; free < kStringCount && exhausted; ++free)
      exhausted = candidate[free] == kMuted;
    if (exhausted) return;
  }
}

// The search's walk of one window: the same candidates in the same order as
// the odometer (which counts like a number whose digits are the free
// strings, the lowest string the most significant, each running through its
// choices and then muted), less every run of candidates whose lower strings
// already rule out sounding the chord: strings above them cannot supply the
// missing tones, or three sounding free strings. The sink still checks each
// candidate in full.
template <typename Sink>
class PrunedWalk {
 public:
  PrunedWalk(BassPosition bass, FretWindow window, int windowIndex, const ToneMap& chordMap,
             Sink& sink)
      : fixed_(bass.string + 1),
        earlier_(chordMap, bass.fret, windowIndex),
        sink_(sink),
        required_(sink.RequiredMask()) {
    candidate_.fill(kMuted);
    candidate_[bass.string] = bass.fret;
    for (int string = kStringCount - 1; string >= fixed_; --string) {
      choices_[string] = ChoicesOf(chordMap, string, window);
      std::uint16_t bits = 0;
      for (int i = 0; i < choices_[string].count; ++i)
        bits |= static_cast<std::uint16_t>(1u << chordMap[string][choices_[string].frets[i]]);
      availableFrom_[string] = availableFrom_[string + 1] | bits;
      soundingFrom_[string] = soundingFrom_[string + 1] + (choices_[string].count > 0 ? 1 : 0);
    }
    bitAt_ = &chordMap;
  }

  void Run() { Walk(fixed_, 0, 0); }

 private:
  static constexpr int kMinSounding = 3;

  void Walk(int string, std::uint16_t sounded, int playing) {
    if (((sounded | availableFrom_[string]) & required_) != required_) return;
    if (playing + soundingFrom_[string] < kMinSounding) return;
    if (string == kStringCount) {
      sink_.CheckFingering(candidate_, fixed_, earlier_);
      return;
    }
    const StringChoices& choices = choices_[string];
    for (int i = 0; i < choices.count; ++i) {
      int fret = choices.frets[i];
      candidate_[string] = fret;
      Walk(string + 1, sounded | static_cast<std::uint16_t>(1u << (*bitAt_)[string][fret]),
           playing + 1);
    }
    candidate_[string] = kMuted;
    Walk(string + 1, sounded, playing);
  }

  int fixed_;
  EarlierWindows earlier_;
  Sink& sink_;
  std::uint16_t required_;
  const ToneMap* bitAt_ = nullptr;
  Frets candidate_{};
  std::array<StringChoices, kStringCount> choices_{};
  std::array<std::uint16_t, kStringCount + 1> availableFrom_{};
  std::array<int, kStringCount + 1> soundingFrom_{};
};

// Every candidate in discovery order: see EnumerateFingerings. With
// skipRepeats, the search's walk: each distinct candidate that can sound
// the chord, once, where it is first met.
template <bool skipRepeats = false, typename Sink>
void Enumerate(ToneMap bassMap, const ToneMap& chordMap, int fretCount, Sink& sink) {
  while (auto bass = TakeBassPosition(bassMap, fretCount)) {
    // An open-string bass slides its window over the whole fret range.
    int windowCount = bass->fret > 0 ? kFrettedBassWindows : fretCount;
    for (int a = 0; a < windowCount; ++a) {
      FretWindow window{bass->fret + a - kWindowWidth, bass->fret + a};
      if constexpr (skipRepeats) {
        PrunedWalk<Sink>(*bass, window, a, chordMap, sink).Run();
      } else {
        WalkWindow(*bass, window, chordMap, sink);
      }
    }
  }
}

}  // namespace corvanta::enumeration
