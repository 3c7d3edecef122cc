// What the main window's controllers share: the chord entry, the instrument
// and its tuning, the choices every chord is voiced under and the last result.
#pragma once

#include "chord_entry/chord_entry.h"
#include "instrument/fingering.h"
#include "instrument/instrument.h"
#include "instrument/instrument_tuning.h"
#include "session/session.h"

namespace corvanta {

struct WindowState {
  ChordEntry entry;
  // The tuning panel: the instrument chosen (in its standard tuning) and
  // the tuning it shows.
  InstrumentTuning tuning{BuiltInInstruments().front()};
  VoicedChord result;
  Fingering selectedFrets = OpenStrings(tuning.state.instrument.StringCount());
  // The choices every chord is voiced under, the capo among them (whatever
  // the instrument, kept by presets and the reset); its instrument and option
  // fields are taken from the tuning panel and the entry at each search.
  Session session;
  int searchCount = 0;

  // The instrument chosen, in its standard tuning.
  const Instrument& Chosen() const { return tuning.state.instrument; }
  // The instrument in the tuning the panel shows, without the capo.
  Instrument TunedInstrument() const { return tuning.Tuned(); }
  int Capo() const { return session.capo; }
  // The instrument as a strum sounds it, the capo on.
  Instrument StrummedInstrument() const { return InstrumentWithCapo(tuning.Strummed(), Capo()); }
};

}  // namespace corvanta
