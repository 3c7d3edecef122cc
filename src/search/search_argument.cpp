// Parses a search argument into the bass and the chord's tones.
#include "search/search_argument.h"

#include <charconv>

#include "theory/note_names.h"

namespace corvanta {

ParsedArgument ParseSearchArgument(std::string_view argument) {
  ParsedArgument parsed;
  std::size_t position = 0;
  while (true) {
    std::size_t blank = argument.find(' ', position);
    std::string_view token = argument.substr(position, blank - position);
    std::size_t index = parsed.numbers.size();
    int value = 0;
    const char* end = token.data() + token.size();
    auto [stop, error] = std::from_chars(token.data(), end, value);
    int highest = index == 0 ? kNoPitchClass : kPitchClassCount - 1;
    if (token.empty()) {
      parsed.error.append("empty number at position ").append(std::to_string(index + 1));
    } else if (error != std::errc{} || stop != end) {
      parsed.error.append("'").append(token).append("' is not a number");
    } else if (value < 0 || value > highest) {
      parsed.error.append(std::to_string(value))
          .append(" is outside 0..")
          .append(std::to_string(highest));
    }
    if (!parsed.ok()) {
      parsed.numbers.clear();
      return parsed;
    }
    parsed.numbers.push_back(value);
    if (blank == std::string_view::npos) return parsed;
    position = blank + 1;
  }
}

}  // namespace corvanta
