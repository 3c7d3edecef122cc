// The six-string tuning panel's actions: presets, reset, sliders, capo.
#include "instrument/tuning_controls.h"

#include "theory/note_names.h"

namespace corvanta {

void TuningControls::SetSliders(const Tuning& positions) {
  // Moving a slider retunes its string, as a user moving it would.
  for (int string = 0; string < kStringCount; ++string) {
    if (state.sliderPositions[string] != positions[string]) RetuneString(string, positions[string]);
  }
}

int TuningControls::ApplyTuningPreset(int tag) {
  if (tag < 0 || tag >= kTuningPresetCount) return 0;
  state.checkedPreset = state.checkedPreset == tag ? -1 : tag;
  const TuningPreset& preset = kTuningPresets[tag];
  state.tuningPitchClass = preset.pitchClasses;
  state.buttonCaption = preset.buttonCaption;
  SetSliders(preset.pitchClasses);
  // The preset's own spelling ("Bb") replaces the sharp name a retuned string got.
  for (int string = 0; string < kStringCount; ++string)
    state.labels[string] = preset.labels[string];
  state.pitchTable = BuildPitchTable(state.tuningPitchClass);
  return 1;
}

int TuningControls::ResetToStandardTuning() {
  const TuningPreset& standard = kTuningPresets[kStandardPreset];
  state.tuningPitchClass = standard.pitchClasses;
  SetSliders(standard.pitchClasses);
  for (int string = 0; string < kStringCount; ++string)
    state.labels[string] = standard.labels[string];
  state.buttonCaption = standard.buttonCaption;
  state.pitchTable = BuildPitchTable(state.tuningPitchClass);
  return 1;
}

int TuningControls::RetuneString(int string, int position) {
  if (string < 0 || string >= kStringCount || position < 0 || position >= kPitchClassCount)
    return 0;
  state.sliderPositions[string] = position;
  state.labels[string] = kSharpNoteNames[position];
  state.tuningPitchClass[string] = position;
  return 0;
}

std::vector<int> TuningControls::StrummedPitches() const {
  std::vector<int> pitches;
  for (const auto& string : state.pitchTable) pitches.push_back(string[0]);
  return pitches;
}

}  // namespace corvanta
