// The six-string guitar's tuning panel as the window shows it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "instrument/capo.h"
#include "instrument/tuning.h"

namespace corvanta {

// The tuning as the window shows it: the open pitch classes the search reads,
// the pitch table playback reads (the two may disagree after a single string
// was retuned, until the next preset or reset), the six per-string slider
// positions and labels, the tuning button's caption and the checked preset.
struct TuningState {
  Tuning tuningPitchClass = kStandardTuning;
  PitchTable pitchTable = BuildPitchTable(kStandardTuning);
  std::array<int, kStringCount> sliderPositions = kStandardTuning;
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
  int ApplyTuningPreset(int tag);
  // The button part: back to standard tuning, the menu's check untouched.
  int ResetToStandardTuning();
  // One string (0 = the lowest) retuned to a pitch class: its label takes the
  // sharp name; no search and no pitch-table rebuild.
  int RetuneString(int string, int position);
  // The open strings' MIDI notes a strum plays, without the capo: the pitch
  // table's, which a moved slider leaves as they were until the next preset
  // or reset.
  std::vector<int> StrummedPitches() const;

 private:
  void SetSliders(const Tuning& positions);
};

}  // namespace corvanta
