// The tuning panel's state and actions for any instrument.
#include "instrument/instrument_tuning.h"

#include "theory/note_names.h"

namespace corvanta {

InstrumentTuning::InstrumentTuning(Instrument instrument) {
  state.instrument = std::move(instrument);
  ResetToStandardTuning();
}

std::string PresetCaption(const Instrument& instrument, int index) {
  if (index <= 0 || index >= static_cast<int>(instrument.presets.size()))
    return std::string(kTuningPresets[kStandardPreset].buttonCaption);
  return instrument.presets[static_cast<std::size_t>(index)].name;
}

void InstrumentTuning::SetPitches(const std::vector<int>& pitches,
                                  const std::vector<std::string>& spelling) {
  state.pitches = pitches;
  state.strummedPitches = pitches;
  if (spelling.size() == pitches.size()) {
    state.labels = spelling;
    return;
  }
  state.labels.clear();
  for (int pitch : pitches) state.labels.emplace_back(kSharpNoteNames[WrapPitchClass(pitch)]);
}

int InstrumentTuning::ApplyPreset(int index) {
  const auto& presets = state.instrument.presets;
  if (index < 0 || index >= static_cast<int>(presets.size())) return 0;
  state.checkedPreset = state.checkedPreset == index ? -1 : index;
  const InstrumentPreset& preset = presets[static_cast<std::size_t>(index)];
  SetPitches(preset.pitches, preset.labels);
  state.buttonCaption = PresetCaption(state.instrument, index);
  return 1;
}

int InstrumentTuning::ResetToStandardTuning() {
  const auto& presets = state.instrument.presets;
  const std::vector<int> standard = state.instrument.StandardPitches();
  // The first preset's spelling only where the instrument is in it (a
  // guitar a song retuned to Drop D is not).
  const bool inFirstPreset = !presets.empty() && presets.front().pitches == standard;
  SetPitches(standard, inFirstPreset ? presets.front().labels : std::vector<std::string>{});
  state.buttonCaption = PresetCaption(state.instrument, 0);
  return 1;
}

int InstrumentTuning::RetuneString(int string, int pitchClass) {
  if (string < 0 || string >= static_cast<int>(state.pitches.size()) || pitchClass < 0 ||
      pitchClass >= kPitchClassCount)
    return 0;
  const std::size_t at = static_cast<std::size_t>(string);
  const int pitch = NearestPitch(pitchClass, state.instrument.strings[at].pitch);
  if (pitch == state.pitches[at]) return 0;
  state.pitches[at] = pitch;
  state.labels[at] = kSharpNoteNames[pitchClass];
  if (state.instrument.retuning == Retuning::AtNextSearch) return 0;
  state.strummedPitches[at] = pitch;
  return 1;
}

std::vector<int> InstrumentTuning::SliderPositions() const {
  std::vector<int> positions;
  for (int pitch : state.pitches) positions.push_back(WrapPitchClass(pitch));
  return positions;
}

Instrument InstrumentTuning::Tuned() const { return Retuned(state.instrument, state.pitches); }

Instrument InstrumentTuning::Strummed() const {
  return Retuned(state.instrument, state.strummedPitches);
}

}  // namespace corvanta
