// The one voicing search, for every instrument, the guitar included.
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

// The one voicing search, for every instrument the guitar included, for the
// numbers of a search argument (bass first): the strict walk below, or the
// practical rules over it when settings.practical is set.
InstrumentSearchResult SearchOnInstrument(const Instrument& instrument,
                                          const std::vector<int>& argumentNumbers,
                                          const SearchSettings& settings);

// The strict walk: bass placements (or the whole neck for an instrument
// played in any inversion), fret windows, the playability tests, the key's
// order and the promotion of the first of the instrument's shapes met.
InstrumentSearchResult SearchAnyInstrument(const Instrument& instrument,
                                           const std::vector<int>& argumentNumbers,
                                           const SearchSettings& settings);
// The same walk under other rules than the instrument's own (the practical
// rules' thin chords: fewer strings sounding).
InstrumentSearchResult SearchAnyInstrument(const Instrument& instrument,
                                           const std::vector<int>& argumentNumbers,
                                           const SearchSettings& settings,
                                           const VoicingRules& rules);

// The chord tones the search covers: the argument after the bass (the bass
// itself stands for the root when it is the root), less the omitted third
// and fifth.
std::vector<int> ChordTonesOf(const std::vector<int>& argumentNumbers,
                              const SearchSettings& settings);

// The instrument with a capo at `capo` (0..12): every string raised, a short
// string's first fret counted from the capo, the frets searched fewer.
// Taken by value: an instrument made for the call (a retuned one, as a
// strum sounds it) is raised in place rather than copied again.
Instrument InstrumentWithCapo(Instrument instrument, int capo);
// The instrument a chord is searched on under a capo: raised by it when
// names are sounding; with shape names the strings keep their pitches (only
// the frets behind the capo are gone), so the chord found is the shape.
Instrument InstrumentUnderCapo(const Instrument& instrument, int capo, CapoNames names);

}  // namespace corvanta
