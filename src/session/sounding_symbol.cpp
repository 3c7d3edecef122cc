// Names the chord a shape sounds above a capo.
#include "session/sounding_symbol.h"

#include <algorithm>

#include "instrument/capo.h"
#include "symbols/symbol_words.h"
#include "theory/text_util.h"

namespace corvanta {

std::string SoundingSymbol(std::string_view symbol, int capo, Accidentals accidentals) {
  symbol = TrimBlanks(symbol);
  const TypedRoot root = ReadTypedRoot(symbol);
  if (ClampCapo(capo) == 0 || root.pitchClass == kNoPitchClass) return std::string(symbol);
  const NoteNameRow& names = NoteNamesFor(accidentals);
  std::string_view rest = symbol.substr(root.length);
  std::string bass;
  // A bass is the last word after a slash, when that word is a note; degree
  // words after slashes ("/7", "/b9") are numbers and stay as they are.
  const std::size_t slash = rest.rfind('/');
  if (slash != std::string_view::npos) {
    const int bassPitchClass = PitchClassOfName(rest.substr(slash + 1));
    if (bassPitchClass != kNoPitchClass) {
      bass = "/" + std::string(names[WrapPitchClass(bassPitchClass + capo)]);
      rest = rest.substr(0, slash);
    }
  }
  return std::string(names[WrapPitchClass(root.pitchClass + capo)]) + std::string(rest) + bass;
}

}  // namespace corvanta
