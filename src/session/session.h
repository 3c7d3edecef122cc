// Session: the choices every chord is voiced under, shared by every shell.
#pragma once

#include <string>
#include <vector>

#include "instrument/capo.h"
#include "instrument/instrument.h"
#include "search/difficulty.h"
#include "search/instrument_search.h"
#include "symbols/chord_names.h"
#include "symbols/chord_spelling.h"
#include "theory/chord.h"
#include "theory/chord_defaults.h"

namespace corvanta {

// What says how each string of a diagram is played: the marks below the
// grid, each sounding string's note or interval below it, or the chord
// chart's marks above the nut.
enum class StringLabels { Marks, Notes, Intervals, Chart };

// The choices every chord is voiced under, whichever chord it is: the
// instrument in its tuning, the capo and what chord names mean under it,
// the search options, the practical rules, the order, the notation and the
// labels. The window holds one, the CLI builds one from its options, a
// song voices each of its chords under one.
struct Session {
  Instrument instrument = BuiltInInstruments().front();  // in the tuning chosen
  int capo = 0;
  CapoNames capoNames = CapoNames::Sounding;
  int fretCount = kDefaultFretCount;  // frets in which a bass position may lie
  int span = kDefaultSpan;
  bool noFullBarres = false;
  bool simpleChords = false;
  bool leftHanded = false;  // drawing only
  bool practical = false;   // the voicings players use, not the strict rules
  VoicingOrderChoice order = VoicingOrderChoice::Position;
  ChordNotation notation = ChordNotation::Classic;
  StringLabels labels = StringLabels::Marks;
  bool operator==(const Session&) const = default;
};

// A chord voiced under a session: the argument searched, the search (the
// chord tones covered and the voicings in the order shown) and the other
// names of its notes.
struct VoicedChord {
  std::string argument;
  InstrumentSearchResult search;
  ChordNameList names;
};

// The search's settings for a chord under a session: with a capo the frets
// above it are searched, and fret values count from it.
SearchSettings SettingsFor(const Session& session, const Chord& chord);

// The instrument as the search sees it under the session's capo: raised by
// it when names are sounding, only shortened when they are shapes.
Instrument SearchedInstrument(const Session& session);

// The instrument as it sounds: every string raised by the capo.
Instrument SoundingInstrument(const Session& session);

// The one way a chord is voiced, as every chord, option and tuning change
// ends: the search, the order and the names.
VoicedChord VoiceChord(const Session& session, const Chord& chord);

}  // namespace corvanta
