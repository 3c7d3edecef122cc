// What the main window's controllers share: the chord entry, the instrument
// and its tuning, the choices every chord is voiced under and the last result.
#pragma once

#include <optional>

#include "chord_entry/chord_entry.h"
#include "instrument/fingering.h"
#include "instrument/instrument.h"
#include "instrument/instrument_tuning.h"
#include "instrument/tuning_controls.h"
#include "session/session.h"

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
  // The choices every chord is voiced under, the capo among them (whatever
  // the instrument, kept by presets and the reset); its instrument and option
  // fields are taken from the tuning panel and the entry at each search.
  Session session;
  int searchCount = 0;

  // The instrument in the tuning the panel shows (for the guitar, its
  // sliders' pitch classes in the guitar's octaves), without the capo.
  Instrument TunedInstrument() const {
    if (instrumentTuning) return instrumentTuning->Tuned();
    return Retuned(instrument, GuitarPitches(tuning.state.tuningPitchClass));
  }
  int Capo() const { return session.capo; }
  // The instrument as a strum sounds it, the capo on: the guitar's strum
  // hears a moved slider only at the next preset or reset.
  Instrument StrummedInstrument() const {
    const Instrument tuned = instrumentTuning ? instrumentTuning->Tuned()
                                              : Retuned(instrument, tuning.StrummedPitches());
    return InstrumentWithCapo(tuned, Capo());
  }
};

}  // namespace corvanta
