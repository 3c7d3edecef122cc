#include "app/preferences.h"

#include <QSettings>

namespace corvanta::preferences {
namespace {

constexpr const char* kNotationKey = "symbols/notation";
constexpr const char* kStandardValue = "standard";

QSettings Store() { return QSettings("Corvanta", "Corvanta"); }

}  // namespace

ChordNotation Notation() {
  return Store().value(kNotationKey).toString() == kStandardValue ? ChordNotation::Standard
                                                                  : ChordNotation::Classic;
}

void SetNotation(ChordNotation notation) {
  Store().setValue(kNotationKey, notation == ChordNotation::Standard ? kStandardValue : "classic");
}

}  // namespace corvanta::preferences
