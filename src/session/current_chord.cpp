#include "session/current_chord.h"

#include <algorithm>

#include "instrument/capo.h"
#include "search/search_argument.h"
#include "symbols/chord_names.h"
#include "symbols/symbol_words.h"
#include "theory/text_util.h"

namespace corvanta {

SearchSettings SettingsOf(const ChordEntryState& state, int capo) {
  SearchSettings settings;
  settings.fretCount = state.fretCount;
  settings.span = state.span;
  settings.omitThird = state.omitThird;
  settings.omitFifth = state.omitFifth;
  settings.noFullBarres = state.noFullBarres;
  settings.simpleChords = state.simpleChords;
  settings.thirdInterval = state.thirdInterval;
  settings.fifthInterval = state.fifthInterval;
  settings.rootPitchClass = state.rootPitchClass;
  settings.bassPitchClass = state.bassPitchClass;
  return WithCapo(settings, capo);
}

SearchSettings WithCapo(SearchSettings settings, int capo) {
  settings.fretCount = std::max(1, settings.fretCount - ClampCapo(capo));
  return settings;
}

InstrumentChordResult SearchChordOn(const ChordEntry& entry, const Instrument& instrument, int capo,
                                    CapoNames names, bool practical) {
  SearchSettings settings = SettingsOf(entry.state, capo);
  settings.practical = practical;
  return SearchAndName(entry.SearchArgument(), InstrumentUnderCapo(instrument, capo, names),
                       settings, entry.state.rootGridNames);
}

std::string SoundingSymbol(std::string_view symbol, int capo, Accidentals accidentals) {
  symbol = TrimBlanks(symbol);
  const TypedRoot root = ReadTypedRoot(symbol);
  if (ClampCapo(capo) == 0 || root.pitchClass == kNoPitchClass) return std::string(symbol);
  const NoteNameRow& names = NoteNamesFor(accidentals);
  std::string_view rest = symbol.substr(root.length);
  std::string bass;
  // A bass is the last word after a slash, when that word is a note; degree
  // words after slashes ("/7", "/b9") are numbers and stay as they are.
  const std::size_t slash = rest.rfind('/');
  if (slash != std::string_view::npos) {
    const int bassPitchClass = PitchClassOfName(rest.substr(slash + 1));
    if (bassPitchClass != kNoPitchClass) {
      bass = "/" + std::string(names[WrapPitchClass(bassPitchClass + capo)]);
      rest = rest.substr(0, slash);
    }
  }
  return std::string(names[WrapPitchClass(root.pitchClass + capo)]) + std::string(rest) + bass;
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
