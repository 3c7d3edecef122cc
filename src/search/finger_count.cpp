// Counts the fingers a fingering needs, barres included.
#include "search/finger_count.h"

namespace corvanta {
namespace {

bool IsHeld(int value) { return value > kOpen && value < kMuted; }

// The full barre lies across the first string holding the lowest fret and
// every higher string held there; an open string above it makes it
// impossible, or, as players lay it, ends it short of that string. Returns
// the strings it adds beyond the first (0: no barre).
int PlaceFullBarre(std::span<int> values, int low, bool stopShortOfOpen) {
  std::size_t first = 0;
  while (values[first] != low) ++first;
  values[first] = -low;
  int covered = 0;
  for (std::size_t string = first + 1; string < values.size(); ++string) {
    if (values[string] == kOpen) {
      if (!stopShortOfOpen) covered = 0;
      break;
    }
    if (values[string] == low) ++covered;
  }
  if (covered == 0) values[first] = low;
  return covered;
}

// Partial barres at higher frets: each string in turn, also one an earlier
// barre at the same fret already covers, may start one. Its run counts the
// higher strings at the same fret until a string held lower, open or marked.
// Two strings are worth a barre only as the two highest, on any number of
// strings (only runs with five or more held strings reach here), or as
// players lay it on any two adjacent strings.
int PlacePartialBarres(std::span<int> values, int low, bool twoStringsAnywhere) {
  const std::size_t secondHighest = values.size() - 2;
  int saved = 0;
  for (std::size_t string = 0; string < values.size(); ++string) {
    int fret = values[string];
    if (fret <= low || fret >= kMuted) continue;
    values[string] = -fret;
    int covered = 0;
    std::size_t lastCovered = string;
    for (std::size_t higher = string + 1; higher < values.size() && values[higher] >= fret;
         ++higher) {
      if (values[higher] == fret) ++covered, lastCovered = higher;
    }
    const bool twoStrings =
        string == secondHighest || (twoStringsAnywhere && lastCovered == string + 1);
    if (covered >= 2 || (covered == 1 && twoStrings)) {
      saved += covered;
    } else {
      values[string] = fret;
    }
  }
  return saved;
}

}  // namespace

int CountFingers(std::span<int> values, bool noFullBarres, PlayedBarres played) {
  int fretted = 0;
  int low = kMuted;
  for (int value : values) {
    if (!IsHeld(value)) continue;
    ++fretted;
    if (value < low) low = value;
  }
  if (fretted <= kFingerCount) return fretted;

  int fullBarreSaves = PlaceFullBarre(values, low, played.stopShortOfOpen);
  if (fullBarreSaves > 0 && noFullBarres) return kRejectedFingerCount;
  fretted -= fullBarreSaves;
  if (fretted <= kFingerCount) return fretted;
  return fretted - PlacePartialBarres(values, low, played.twoStringsAnywhere);
}

}  // namespace corvanta
