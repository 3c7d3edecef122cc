// A plain chord fitting over vectors and sets, for differential tests.
#pragma once

// A plain fitting over vectors and a std::set, step by step as the rules are
// written, to hold the mask-based FitChord against.
#include "symbols/chord_fitting.h"

namespace corvanta::reference {

FittedChord FitChord(const ComposedChord& chord, RequestedOmissions omit);

}  // namespace corvanta::reference
