#pragma once

#include <string>
#include <vector>

#include "instrument/instrument.h"
#include "instrument/tuning.h"
#include "search/instrument_search.h"
#include "symbols/chord_names.h"
#include "theory/chord_entry.h"

namespace corvanta {

// The settings the search reads from the chord entry. With a capo the
// search runs over the frets above it, so that its fret values count from
// the capo.
SearchSettings SettingsOf(const ChordEntryState& state, int capo = 0);
SearchSettings WithCapo(SearchSettings settings, int capo);

// The search of the current chord on an instrument (in its tuning; the capo
// raises it when names are sounding), followed by its names, as every
// chord, option and tuning change ends.
struct InstrumentChordResult {
  std::string argument;
  InstrumentSearchResult search;
  ChordNameList names;
};
// practical: the voicings players use (SearchPractical) instead of the
// strict search.
InstrumentChordResult SearchChordOn(const ChordEntry& entry, const Instrument& instrument,
                                    int capo = 0, CapoNames names = CapoNames::Sounding,
                                    bool practical = false);

// The chord that sounds when a symbol names a shape above a capo: the root
// and a written bass raised by the capo, spelled with the accidentals given
// ("G" under capo 2 sounds "A", "Am7/G" sounds "Bm7/A"). The symbol as it
// is, blanks trimmed, without a capo or a root.
std::string SoundingSymbol(std::string_view symbol, int capo, Accidentals names);

// The step every search ends in: the search of an argument on an instrument
// (already under its capo), then the names of its chord tones over the bass.
InstrumentChordResult SearchAndName(std::string argument, const Instrument& sounding,
                                    const SearchSettings& settings, Accidentals names);

}  // namespace corvanta
