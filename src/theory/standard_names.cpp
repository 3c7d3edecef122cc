// The standard notation's names of the program's own words.
#include "theory/standard_names.h"

#include "theory/text_util.h"

namespace corvanta {

std::string StandardListText(std::string_view standardName, std::string_view ownName) {
  ownName = TrimBlanks(ownName);
  std::string text(standardName);
  if (!ownName.empty() && ownName != standardName) text.append(" (").append(ownName).append(")");
  return text;
}

int FindStandardChordType(std::string_view name) {
  name = TrimBlanks(name);
  for (int row = 0; row < kChordTypeCount; ++row) {
    if (kStandardTypeNames[static_cast<std::size_t>(row)] == name) return row;
  }
  return -1;
}

}  // namespace corvanta
