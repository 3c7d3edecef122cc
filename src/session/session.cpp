// Voices a chord under a session's choices.
#include "session/session.h"

#include <algorithm>

#include "theory/formula.h"

namespace corvanta {

SearchSettings SettingsFor(const Session& session, const Chord& chord) {
  SearchSettings settings;
  settings.fretCount = std::max(1, session.fretCount - ClampCapo(session.capo));
  settings.span = session.span;
  settings.noFullBarres = session.noFullBarres;
  settings.simpleChords = session.simpleChords;
  settings.practical = session.practical;
  settings.omitThird = chord.omitThird;
  settings.omitFifth = chord.omitFifth;
  settings.thirdInterval = chord.thirdInterval;
  settings.fifthInterval = chord.fifthInterval;
  settings.rootPitchClass = chord.root;
  settings.bassPitchClass = chord.bass;
  return settings;
}

Instrument SearchedInstrument(const Session& session) {
  return InstrumentUnderCapo(session.instrument, session.capo, session.capoNames);
}

Instrument SoundingInstrument(const Session& session) {
  return InstrumentWithCapo(session.instrument, session.capo);
}

VoicedChord VoiceChord(const Session& session, const Chord& chord) {
  VoicedChord voiced;
  const std::vector<int> pitchClasses = chord.SearchPitchClasses();
  voiced.argument = SearchArgumentText(pitchClasses);
  const SearchSettings settings = SettingsFor(session, chord);
  voiced.search = SearchOnInstrument(SearchedInstrument(session), pitchClasses, settings);
  OrderVoicings(voiced.search.voicings, session.order);
  voiced.names = ListChordNames(voiced.search.chordTones, chord.bass, chord.spelling);
  return voiced;
}

}  // namespace corvanta
