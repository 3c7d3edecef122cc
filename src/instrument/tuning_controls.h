#pragma once

#include <array>
#include <string>

#include "instrument/tuning.h"

namespace corvanta {

// The tuning as the window shows it: the open pitch classes the search reads,
// the pitch table playback reads (the two may disagree after a track bar
// moved, until the next preset or reset), the six track bars and labels, the
// tool button caption and the checked preset of the drop-down menu.
struct TuningState {
  Tuning tuningPitchClass = kStandardTuning;
  PitchTable pitchTable = BuildPitchTable(kStandardTuning);
  std::array<int, kStringCount> trackBarPositions = kStandardTuning;
  std::array<std::string, kStringCount> labels{"E", "A", "D", "G", "B", "E"};
  std::string buttonCaption{"标准音"};
  int checkedPreset = kStandardPreset;  // -1: no item checked
};

class TuningControls {
 public:
  TuningState state;

  // A preset chosen in the menu; the menu toggles the item's check first (a
  // checked item clicked again ends with none checked) and the preset is
  // applied all the same. Returns the number of searches (1), 0 for a bad tag.
  int StandardTunning1Click(int tag);
  // The button part: back to standard tuning, the menu's check untouched.
  int ToolButton5Click();
  // Track bar of a string (0 = TrackBar1) moved: that string's pitch class and
  // its sharp-name label; no search and no pitch-table rebuild.
  int TrackBarChange(int string, int position);

 private:
  void SetTrackBars(const Tuning& positions);
};

}  // namespace corvanta
