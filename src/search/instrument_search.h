#pragma once

#include <vector>

#include "instrument/capo.h"
#include "instrument/instrument.h"
#include "search/search_settings.h"
#include "search/voicing.h"

namespace corvanta {

struct InstrumentSearchResult {
  std::vector<int> chordTones;    // root first, after the omit options
  std::vector<Voicing> voicings;  // in drawing order
};

// The voicing search on any instrument, for the numbers of a search argument
// (bass first). The six-string guitar runs its own search (settings.tuning
// is then the instrument's pitch classes); every other instrument the walk
// below, with its own rules. settings.tuning is not read.
InstrumentSearchResult SearchOnInstrument(const Instrument& instrument,
                                          const std::vector<int>& argumentNumbers,
                                          const SearchSettings& settings);

// The walk for any instrument, the guitar included (whose templates it then
// matches by their own rule): the guitar's enumeration and tests with each
// rule generalised as the comments say.
InstrumentSearchResult SearchAnyInstrument(const Instrument& instrument,
                                           const std::vector<int>& argumentNumbers,
                                           const SearchSettings& settings);

// The instrument with a capo at `capo` (0..12): every string raised, a short
// string's first fret counted from the capo, the frets searched fewer.
Instrument InstrumentWithCapo(const Instrument& instrument, int capo);
// The instrument a chord is searched on under a capo: raised by it when
// names are sounding; with shape names the strings keep their pitches (only
// the frets behind the capo are gone), so the chord found is the shape.
Instrument InstrumentUnderCapo(const Instrument& instrument, int capo, CapoNames names);

}  // namespace corvanta
