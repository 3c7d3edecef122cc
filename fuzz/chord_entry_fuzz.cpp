// Any sequence of chord-entry operations keeps a well-formed formula of at
// most six notes. (A bass chosen after a six-note chord may add a seventh
// sounding note: the bass choice never drops degrees.)
#include "chord_entry/chord_entry.h"
#include "fuzz_input.h"
#include "theory/formula.h"
#include "theory/text_util.h"

namespace {

void Apply(corvanta::ChordEntry& entry, std::uint8_t operation, std::uint8_t value) {
  using namespace corvanta;
  int argument = static_cast<int>(value) - 8;  // reaches below and above every range
  switch (operation % 12) {
    case 0:
      entry.ChooseType(argument);
      break;
    case 1:
      entry.ChooseRoot(argument);
      break;
    case 2:
      entry.ChooseBass(argument);
      break;
    case 3:
      entry.ToggleDegree(argument);
      break;
    case 4:
      entry.ShowRootAs(value % 2 ? Accidentals::Flats : Accidentals::Sharps);
      break;
    case 5:
      entry.ShowBassAs(value % 2 ? Accidentals::Flats : Accidentals::Sharps);
      break;
    case 6:
      entry.SetFretCount(argument);
      break;
    case 7:
      entry.SetSpan(argument);
      break;
    case 8:
      entry.SetOmitFifth(value % 2);
      break;
    case 9:
      entry.SetOmitThird(value % 2);
      break;
    case 10:
      entry.SetSimpleChords(value % 2);
      break;
    default:
      entry.SetNoFullBarres(value % 2);
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  ChordEntry entry;
  for (std::size_t i = 0; i + 1 < size; i += 2) Apply(entry, data[i], data[i + 1]);
  std::string_view formula = TrimBlanks(entry.state.chordFormula);
  if (!formula.empty() && !IsWellFormedFormula(formula)) __builtin_trap();
  if (FormulaOffsets(formula).size() > 6) __builtin_trap();
  return 0;
}
