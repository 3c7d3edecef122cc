#include <iomanip>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/output.h"
#include "search/search_argument.h"
#include "search/search_chord.h"
#include "theory/formula.h"

namespace corvanta::cli {

int RunSearch(const SearchOptionText& text, std::ostream& out) {
  SearchSettings settings = ParseSettings(text);
  std::string formula = ParseFormula(text);
  settings.rootPitchClass = ParseNote(text.root, "--root");
  settings.bassPitchClass =
      text.bass.empty() ? settings.rootPitchClass : ParseNote(text.bass, "--bass");
  std::string argument =
      BuildSearchArgument(formula, settings.rootPitchClass, settings.bassPitchClass);
  ParsedArgument parsed = ParseSearchArgument(argument);
  SearchResult result = SearchChord(parsed.numbers, settings);
  if (text.json) {
    out << SearchJson(argument, result).dump() << "\n";
  } else {
    PrintFingeringTable(argument, result, out);
  }
  return 0;
}

}  // namespace corvanta::cli
