// Any fret text through the parsers, both diagram layouts, the neck and the
// strum plan.
#include "fuzz_input.h"
#include "instrument/instrument.h"
#include "search/key_text.h"
#include "session/placed_fingering.h"
#include "sound/strum.h"
#include "view/layout/diagram_layout.h"
#include "view/layout/neck_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  auto frets = ParseKeyFingering(fuzz::AsText(data, size));
  if (!frets) return 0;
  for (bool leftHanded : {false, true}) {
    LayOutDiagram(*frets, DiagramVariant::Plain, leftHanded);
    LayOutDiagram(*frets, DiagramVariant::Highlighted, leftHanded);
  }
  LayOutNeck(*frets);
  PlanStrumNotes(StrumNotes(*frets, *FindInstrument("guitar")), static_cast<int>(size % 8) - 1);
  return 0;
}
