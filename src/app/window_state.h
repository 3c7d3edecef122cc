// What the main window's controllers share: the chord entry, the instrument
// and its tuning, the choices every chord is voiced under and the last result.
#pragma once

#include <optional>

#include "instrument/fingering.h"
#include "instrument/instrument.h"
#include "instrument/instrument_tuning.h"
#include "instrument/tuning_controls.h"
#include "session/session.h"
#include "theory/chord_entry.h"

namespace corvanta {

struct WindowState {
  ChordEntry entry;
  // The six-string guitar's tuning panel.
  TuningControls tuning;
  // The instrument chosen, in its standard tuning.
  Instrument instrument = BuiltInInstruments().front();
  std::optional<InstrumentTuning> instrumentTuning;  // none on the six-string guitar
  VoicedChord result;
  Fingering selectedFrets = OpenStrings(kStringCount);
  // The choices every chord is voiced under; its instrument, capo and
  // option fields are taken from the tuning panel and the entry at each search.
  Session session;
  int searchCount = 0;

  // The instrument in the tuning the panel shows (for the guitar, its
  // sliders' pitch classes in the guitar's octaves), without the capo.
  Instrument TunedInstrument() const {
    if (instrumentTuning) return instrumentTuning->Tuned();
    return Retuned(instrument, GuitarPitches(tuning.state.tuningPitchClass));
  }
  int Capo() const { return tuning.state.capo; }
};

}  // namespace corvanta
