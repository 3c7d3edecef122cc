#pragma once

#include <string>
#include <vector>

#include "instrument/instrument.h"
#include "instrument/tuning.h"
#include "search/instrument_search.h"
#include "search/search_chord.h"
#include "symbols/chord_names.h"
#include "theory/chord_entry.h"

namespace corvanta {

// What one search shows: the argument it ran with, the fingerings in drawing
// order, the chord tones and the chord-name list.
struct ChordResult {
  std::string argument;
  SearchResult search;
  ChordNameList names;
};

// The settings the search reads from the chord entry and the tuning. With a
// capo the search runs in the tuning raised by it, over the frets above it,
// so that its fret values count from the capo.
SearchSettings SettingsOf(const ChordEntryState& state, const Tuning& tuning, int capo = 0);
SearchSettings WithCapo(SearchSettings settings, int capo);

// The search of the current chord, followed by its names, as every chord,
// option and tuning change ends.
ChordResult SearchCurrentChord(const ChordEntry& entry, const Tuning& tuning, int capo = 0);

// The same on any instrument (in its tuning; the capo raises it).
struct InstrumentChordResult {
  std::string argument;
  InstrumentSearchResult search;
  ChordNameList names;
};
InstrumentChordResult SearchChordOn(const ChordEntry& entry, const Instrument& instrument,
                                    int capo = 0);

// The step every search ends in: the search of an argument on an instrument
// (already under its capo), then the names of its chord tones over the bass.
InstrumentChordResult SearchAndName(std::string argument, const Instrument& sounding,
                                    const SearchSettings& settings, Accidentals names);

}  // namespace corvanta
