#include "session/current_chord.h"

#include <algorithm>

#include "instrument/capo.h"
#include "search/search_argument.h"
#include "symbols/chord_names.h"

namespace corvanta {

SearchSettings SettingsOf(const ChordEntryState& state, const Tuning& tuning, int capo) {
  SearchSettings settings;
  settings.fretCount = state.fretCount;
  settings.span = state.span;
  settings.omitThird = state.omitThird;
  settings.omitFifth = state.omitFifth;
  settings.noFullBarres = state.noFullBarres;
  settings.simpleChords = state.simpleChords;
  settings.thirdInterval = state.thirdInterval;
  settings.fifthInterval = state.fifthInterval;
  settings.tuning = tuning;
  settings.rootPitchClass = state.rootPitchClass;
  settings.bassPitchClass = state.bassPitchClass;
  return WithCapo(settings, capo);
}

SearchSettings WithCapo(SearchSettings settings, int capo) {
  if (ClampCapo(capo) == 0) return settings;
  settings.tuning = TuningWithCapo(settings.tuning, capo);
  settings.fretCount = std::max(1, settings.fretCount - ClampCapo(capo));
  return settings;
}

ChordResult SearchCurrentChord(const ChordEntry& entry, const Tuning& tuning, int capo) {
  ChordResult result;
  result.argument = entry.SearchArgument();
  // The entry builds the argument from whole pitch classes, so it parses.
  ParsedArgument parsed = ParseSearchArgument(result.argument);
  result.search = SearchChord(parsed.numbers, SettingsOf(entry.state, tuning, capo));
  result.names = ListChordNames(result.search.chordTones, entry.state.bassPitchClass,
                                entry.state.rootGridNames);
  return result;
}

InstrumentChordResult SearchChordOn(const ChordEntry& entry, const Instrument& instrument,
                                    int capo) {
  return SearchAndName(entry.SearchArgument(), InstrumentWithCapo(instrument, capo),
                       SettingsOf(entry.state, kStandardTuning, capo), entry.state.rootGridNames);
}

InstrumentChordResult SearchAndName(std::string argument, const Instrument& sounding,
                                    const SearchSettings& settings, Accidentals names) {
  InstrumentChordResult result;
  result.argument = std::move(argument);
  // The argument is built from whole pitch classes, so it parses.
  ParsedArgument parsed = ParseSearchArgument(result.argument);
  result.search = SearchOnInstrument(sounding, parsed.numbers, settings);
  result.names = ListChordNames(result.search.chordTones, settings.bassPitchClass, names);
  return result;
}

}  // namespace corvanta
