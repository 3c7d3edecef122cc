#include "search/enumeration.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvanta {
namespace {

struct Window {
  int bassString;
  int bassFret;
  std::vector<Frets> candidates;
};

bool FreeStringsMuted(const Frets& frets, int fixedStringCount) {
  return std::all_of(frets.begin() + fixedStringCount, frets.end(),
                     [](int value) { return value == kMuted; });
}

// Records candidates grouped by window: a window ends with its first
// all-muted candidate after its first state.
class WindowRecorder : public CandidateSink {
 public:
  void CheckFingering(const Frets& candidate, int fixedStringCount) override {
    if (windowOpen_) {
      windows.back().candidates.push_back(candidate);
    } else {
      windows.push_back({fixedStringCount - 1, candidate[fixedStringCount - 1], {candidate}});
    }
    windowOpen_ = !(windowOpen_ && FreeStringsMuted(candidate, fixedStringCount));
  }
  std::vector<Window> windows;

 private:
  bool windowOpen_ = false;
};

std::vector<Window> Enumerate(const std::vector<int>& bass, const std::vector<int>& chord,
                              int fretCount, const Tuning& tuning = kStandardTuning) {
  WindowRecorder recorder;
  EnumerateFingerings(BuildToneMap(tuning, fretCount, bass), BuildToneMap(tuning, fretCount, chord),
                      fretCount, recorder);
  return recorder.windows;
}

TEST(Enumeration, visitsBassPositionsStringByStringWithFiveWindowsEach) {
  auto windows = Enumerate({0}, {0, 4, 7}, 12);
  ASSERT_EQ(windows.size(), 15u);
  const std::pair<int, int> positions[] = {{0, 8}, {1, 3}, {2, 10}};
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(windows[i].bassString, positions[i / 5].first) << i;
    EXPECT_EQ(windows[i].bassFret, positions[i / 5].second) << i;
  }
}

TEST(Enumeration, runsTheOdometerWithTheHighestStringFastest) {
  auto windows = Enumerate({0}, {0, 4, 7}, 12);
  const Window& window = windows[6];  // bass string 1 fret 3, window lo 0 .. hi 4
  ASSERT_EQ(window.candidates.size(), 24u);
  const Frets firstSeven[] = {{99, 3, 2, 0, 1, 0},  {99, 3, 2, 0, 1, 3},  {99, 3, 2, 0, 1, 99},
                              {99, 3, 2, 0, 99, 0}, {99, 3, 2, 0, 99, 3}, {99, 3, 2, 0, 99, 99},
                              {99, 3, 2, 99, 1, 0}};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(window.candidates[i], firstSeven[i]) << i;
  EXPECT_EQ(window.candidates.back(), (Frets{99, 3, 99, 99, 99, 99}));
  // The window below (lo -1 .. hi 3) offers the same sequences.
  EXPECT_EQ(windows[5].candidates, window.candidates);
}

TEST(Enumeration, slidesAnOpenBassOverTheWholeFretRange) {
  auto windows = Enumerate({4}, {4, 8, 11}, 12);
  ASSERT_GE(windows.size(), 12u);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(windows[i].bassString, 0);
    EXPECT_EQ(windows[i].bassFret, 0);
  }
  EXPECT_TRUE(windows[12].bassString > 0 || windows[12].bassFret > 0);
  // Window 0 has hi 0: nothing below it, so only the all-muted candidate.
  for (const Frets& candidate : windows[0].candidates) EXPECT_TRUE(FreeStringsMuted(candidate, 1));
}

TEST(Enumeration, findsNoCandidateForABassThatSoundsNowhere) {
  EXPECT_TRUE(Enumerate({7}, {7}, 6, Tuning{0, 0, 0, 0, 0, 0}).empty());
  EXPECT_TRUE(Enumerate({12}, {0, 4, 7}, 12).empty());
}

TEST(Enumeration, keepsBassFretsBelowTheFretCountAndFreeStringsFourAbove) {
  for (int fretCount : {6, 12, 24}) {
    int highestBass = 0;
    int highestFree = 0;
    for (const Window& window : Enumerate({0}, {0, 4, 7}, fretCount)) {
      highestBass = std::max(highestBass, window.bassFret);
      for (const Frets& candidate : window.candidates) {
        for (int s = window.bassString + 1; s < kStringCount; ++s) {
          if (candidate[s] != kMuted) highestFree = std::max(highestFree, candidate[s]);
        }
        for (int s = 0; s < window.bassString; ++s) EXPECT_EQ(candidate[s], kMuted);
      }
    }
    EXPECT_LT(highestBass, fretCount);
    EXPECT_LE(highestFree, fretCount + 3);
    EXPECT_GE(highestFree, fretCount - 1);
  }
}

}  // namespace
}  // namespace corvanta
