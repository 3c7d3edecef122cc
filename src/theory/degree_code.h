// One degree code of the check list applied to a formula being composed.
#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The formula length a degree may not reach: six notes, or five beside a
// separate bass (a formula of n notes is 3n - 1 characters long).
int FormulaLimit(bool separateBass);

// Applies one degree code of at most three characters to the base and the
// additions: a third or fifth code replaces the major third or perfect
// fifth, an added code adds its entry once. Returns false when the degree
// did not fit under formulaLimit (the replaced interval still goes); a
// longer code, or one already there, changes nothing and returns true.
bool ApplyDegreeCode(std::string_view code, std::string& base, std::string& additions,
                     int formulaLimit);

}  // namespace corvanta
