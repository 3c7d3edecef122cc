// The tuning panel's state and actions, for any instrument.
#pragma once

#include <string>
#include <vector>

#include "instrument/instrument.h"

namespace corvanta {

// The tuning panel of an instrument: one slider per string by pitch class
// with its note name, the instrument's presets, and the open pitches the
// search and the strum read.
struct InstrumentTuningState {
  Instrument instrument;     // as chosen, in its standard tuning
  std::vector<int> pitches;  // the open MIDI notes searched, lowest-listed string first
  // The open MIDI notes a strum sounds: the searched ones, except after a
  // slider moved on an instrument that hears it only at the next preset or
  // reset (Retuning::AtNextSearch).
  std::vector<int> strummedPitches;
  std::vector<std::string> labels;  // each string's note name
  std::string buttonCaption;        // "标准音" or the preset's name
  int checkedPreset = 0;            // index into instrument.presets; -1 none
};

class InstrumentTuning {
 public:
  explicit InstrumentTuning(Instrument instrument);

  InstrumentTuningState state;

  // A preset of the instrument (its first is the standard tuning), as the
  // menu applies one: a checked item clicked again ends unchecked and is
  // applied all the same; the strings take the preset's own spelling.
  // Returns the searches to run (1), 0 for a bad index.
  int ApplyPreset(int index);
  // The button part: back to the standard tuning, the menu's check untouched.
  int ResetToStandardTuning();
  // One string retuned to a pitch class, in the octave nearest its standard
  // pitch (a ukulele's G4 string moved to A is A4, not A3), its label the
  // sharp name. Returns the searches to run: one when the instrument hears
  // a slider at once; none when it waits for the next search (the strum
  // then keeps the old pitch until the next preset or reset).
  int RetuneString(int string, int pitchClass);
  // The pitch class each slider shows.
  std::vector<int> SliderPositions() const;
  // The instrument in the tuning shown, as the search reads it.
  Instrument Tuned() const;
  // The instrument as a strum sounds it (without the capo).
  Instrument Strummed() const;

 private:
  void SetPitches(const std::vector<int>& pitches, const std::vector<std::string>& spelling);
};

// "标准音", the caption of an instrument's first preset as the tuning
// button shows it; the others by their names ("Low G").
std::string PresetCaption(const Instrument& instrument, int index);

}  // namespace corvanta
