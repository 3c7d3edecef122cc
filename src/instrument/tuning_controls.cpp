#include "instrument/tuning_controls.h"

#include "theory/note_names.h"

namespace corvanta {

void TuningControls::SetTrackBars(const Tuning& positions) {
  // A track bar whose position changes runs its own change handler.
  for (int string = 0; string < kStringCount; ++string) {
    if (state.trackBarPositions[string] != positions[string])
      TrackBarChange(string, positions[string]);
  }
}

int TuningControls::StandardTunning1Click(int tag) {
  if (tag < 0 || tag >= kTuningPresetCount) return 0;
  state.checkedPreset = state.checkedPreset == tag ? -1 : tag;
  const TuningPreset& preset = kTuningPresets[tag];
  state.tuningPitchClass = preset.pitchClasses;
  state.buttonCaption = preset.buttonCaption;
  SetTrackBars(preset.pitchClasses);
  // The preset's own spelling ("Bb") replaces the sharp name a track bar wrote.
  for (int string = 0; string < kStringCount; ++string)
    state.labels[string] = preset.labels[string];
  state.pitchTable = BuildPitchTable(state.tuningPitchClass);
  return 1;
}

int TuningControls::ToolButton5Click() {
  const TuningPreset& standard = kTuningPresets[kStandardPreset];
  state.tuningPitchClass = standard.pitchClasses;
  SetTrackBars(standard.pitchClasses);
  for (int string = 0; string < kStringCount; ++string)
    state.labels[string] = standard.labels[string];
  state.buttonCaption = standard.buttonCaption;
  state.pitchTable = BuildPitchTable(state.tuningPitchClass);
  return 1;
}

int TuningControls::TrackBarChange(int string, int position) {
  if (string < 0 || string >= kStringCount || position < 0 || position >= kPitchClassCount)
    return 0;
  state.trackBarPositions[string] = position;
  state.labels[string] = kSharpNoteNames[position];
  state.tuningPitchClass[string] = position;
  return 0;
}

}  // namespace corvanta
