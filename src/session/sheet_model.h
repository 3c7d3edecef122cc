// A page of chord diagrams as the window exports it and the CLI draws it.
#pragma once

#include <string>
#include <vector>

#include "instrument/fingering.h"
#include "instrument/instrument.h"

namespace corvanta {

// A page of chord diagrams, as the window exports and prints it and the CLI
// draws it: a heading (the chords, the tuning and the capo line), then the
// diagrams, each with an optional caption above it. One painter draws it on
// every device.
struct SheetDiagram {
  Fingering frets;       // as many strings on every diagram of a sheet
  std::string caption;   // UTF-8, above the diagram: the symbol of a chord's first voicing
  bool noChord = false;  // a song's "N.C.": the cell says so in place of a diagram
  // UTF-8, one per string or none: what stands under each string in place
  // of the marks (a note name or an interval).
  std::vector<std::string> labels{};
  bool operator==(const SheetDiagram&) const = default;
};

struct SheetModel {
  std::string heading;  // UTF-8
  std::vector<SheetDiagram> diagrams;
  bool leftHanded = false;
  bool chartMarks = false;  // the chord chart's marks above the nut
  // The first row's fret number even at the nut, as the window draws it; a
  // printed chart leaves it out there (the nut says the first fret).
  bool nutFretLabel = true;
  int capo = 0;
  // The instrument's strings, as the diagram picture draws them: each
  // string's first fret counted from the capo (a short string's), and with
  // bassByPitch the open pitches that say which string sounds the bass.
  std::vector<int> stringStarts;
  std::vector<int> openPitches;
  bool bassByPitch = false;
  bool operator==(const SheetModel&) const = default;
};

// The strings of an instrument in its tuning under a capo, as the sheet's
// diagrams draw them (the bass mark as MarksBassByPitch says).
void DescribeStrings(SheetModel& sheet, const Instrument& tuned, int capo);

}  // namespace corvanta
