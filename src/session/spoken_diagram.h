// What a screen reader says for a chord diagram: the chord's name in words
// and each string as a player names it ("C major, x 3 2 0 1 0: muted low E,
// A string fret 3, ..."), in English or Chinese.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "instrument/fingering.h"
#include "instrument/instrument.h"

namespace corvanta {

enum class SpokenLanguage { English, Chinese };

// A chord symbol in the standard notation said in words: "C# minor 7 flat
// 5", "G major over B". Words it does not know are said as written.
std::string SpokenChordName(std::string_view symbol, SpokenLanguage language);

// Each string's name as players say it: its note, with "low" and "high"
// where two strings share one, the octave where more do ("low E", "A",
// "high E"; open D tuning's "D2", "D3", "D4").
std::vector<std::string> SpokenStringNames(const Instrument& instrument, SpokenLanguage language);

// The whole name: the chord, the frets as the diagram's text, then each
// string muted, open or held at its fret, and the barre.
std::string SpokenDiagram(std::string_view symbol, const Fingering& frets,
                          const Instrument& instrument, SpokenLanguage language);

}  // namespace corvanta
