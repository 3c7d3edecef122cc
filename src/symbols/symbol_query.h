#pragma once

#include <string_view>

#include "theory/chord_entry.h"

namespace corvanta {

// Reads a typed chord symbol ("C#m7/G#", "Bbsus4", "C/b9")
// into the chord entry. It finds the root, the degree words and the bass,
// ticks the matching check-list items, composes the formula with the check
// list's rules, relabels the note grids after the typed accidentals, writes
// a cleaned-up echo into the symbol box and asks for one search.
//
// Any text is accepted, of any length, in time linear in its length. A text
// that begins with no note name gives the root 12, which no string sounds.
EntryOutcome ReadChordSymbol(ChordEntry& entry, std::string_view text);

}  // namespace corvanta
