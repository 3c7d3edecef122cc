// The typed text made plain for the spelling step.
#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The typed text made plain for the spelling step, without changing what it
// says: the sharp and flat signs become # and b (the double signs ## and bb),
// a lowercase first letter a capital, a root or bass written with a double
// accidental or as B#, E# becomes the plain name of its note ("Cbb" -> "Bb",
// "E#" -> "F", "Fx" -> "G"), and the blank after "add", "omit" or "no"
// goes ("C(add 9)" -> "C(add9)", "no root" -> "noroot").
std::string PlainSymbolText(std::string_view typed);

// "N.C.", "NC", "N/C" (any case, blanks and dots ignored): no chord.
bool IsNoChordText(std::string_view typed);

}  // namespace corvanta
