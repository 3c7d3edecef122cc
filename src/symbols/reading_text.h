// A reading written down as a chord symbol.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "symbols/chord_readings.h"
#include "symbols/chord_spelling.h"

namespace corvanta {

// A reading written down. Standard: the chord symbol of songbooks and jazz
// charts (Cmaj7, Cm7, Cm7b5, C°7, C°, C+, C7#9, C9, C13, C7(b9,#11),
// Csus4, Cadd9, C6/9, C5, C/E). Classic: the program's own words, which
// its symbol reader reads back (C7+, Cm/7, Cm/7/b5, Cº, C7/9, C7/9+).
// rootName spells the root (and by it every note); empty: the root's
// preferred name (PreferredRootName).
std::string WriteReading(const ChordReading& reading, ChordNotation notation,
                         std::string_view rootName = {});

// The reading's notes spelled by the chord, bass first, then the chord's
// tones from the root up by degree (C minor: C Eb G; G/B: B G D).
std::vector<std::string> ReadingNotes(const ChordReading& reading, std::string_view rootName = {});

// The root's name as written: rootName, or the preferred one.
std::string ReadingRootName(const ChordReading& reading, std::string_view rootName = {});
// The bass's name as written: spelled as the chord tone it is, else in the
// root's accidentals.
std::string ReadingBassName(const ChordReading& reading, std::string_view rootName = {});

}  // namespace corvanta
