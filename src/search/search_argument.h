// The search argument "4 0 4 7": the bass, then the chord's pitch classes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// The numbers of a search argument ("4 0 4 7": the bass, then the chord).
// Any count of numbers is kept. Malformed text is refused with a message:
// an empty token, a non-number, a value outside 0..11; only the bass may be
// 12, the "no note" of a typed symbol that names no root.
struct ParsedArgument {
  std::vector<int> numbers;
  std::string error;  // empty when the text was well formed
  bool ok() const { return error.empty(); }
};

ParsedArgument ParseSearchArgument(std::string_view argument);

}  // namespace corvanta
