// The tuning panel of an instrument other than the six-string guitar.
#pragma once

#include <string>
#include <vector>

#include "instrument/instrument.h"

namespace corvanta {

// The tuning panel of an instrument other than the six-string guitar (whose
// panel keeps its own presets and quirks): one slider per string by pitch
// class with its note name, the instrument's presets, and the open pitches
// the search and the strum both read.
struct InstrumentTuningState {
  Instrument instrument;            // as chosen, in its standard tuning
  std::vector<int> pitches;         // the open MIDI notes now, lowest-listed string first
  std::vector<std::string> labels;  // each string's note name
  std::string buttonCaption;        // "标准音" or the preset's name
  int checkedPreset = 0;            // index into instrument.presets; -1 none
};

class InstrumentTuning {
 public:
  explicit InstrumentTuning(Instrument instrument);

  InstrumentTuningState state;

  // A preset of the instrument (its first is the standard tuning), as the
  // guitar's menu applies one: a checked item clicked again ends unchecked
  // and is applied all the same. Returns the searches to run (1), 0 for a
  // bad index.
  int ApplyPreset(int index);
  // The button part: back to the standard tuning, the menu's check untouched.
  int ResetToStandardTuning();
  // One string retuned to a pitch class, in the octave nearest its standard
  // pitch (a ukulele's G4 string moved to A is A4, not A3). One search: the
  // search and the strum hear the new pitch at once.
  int RetuneString(int string, int pitchClass);
  // The pitch class each slider shows.
  std::vector<int> SliderPositions() const;
  // The instrument in the tuning shown.
  Instrument Tuned() const;

 private:
  void SetPitches(const std::vector<int>& pitches);
};

// "标准音", the caption of an instrument's first preset as the guitar's
// button shows it; the others by their names ("Low G").
std::string PresetCaption(const Instrument& instrument, int index);

}  // namespace corvanta
