// The chord-type catalogue and its lookups.
#include "theory/catalogue.h"

#include "theory/text_util.h"

namespace corvanta {

int FindChordType(std::string_view trimmedName) {
  if (trimmedName == "maj") trimmedName = "";
  for (int row = 0; row < kChordTypeCount; ++row) {
    if (TrimBlanks(kChordCatalogue[row].name) == trimmedName) return row;
  }
  return -1;
}

}  // namespace corvanta
