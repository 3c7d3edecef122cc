// Describes a sheet's strings as the diagrams draw them under the capo.
#include "session/sheet_model.h"

#include "search/instrument_search.h"

namespace corvanta {

void DescribeStrings(SheetModel& sheet, const Instrument& tuned, int capo) {
  const Instrument underCapo = InstrumentWithCapo(tuned, capo);
  sheet.capo = capo;
  sheet.stringStarts = underCapo.FirstFrets();
  sheet.openPitches = underCapo.StandardPitches();
  sheet.bassByPitch = MarksBassByPitch(tuned);
}

}  // namespace corvanta
