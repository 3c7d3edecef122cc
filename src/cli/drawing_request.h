#pragma once

#include <string>
#include <vector>

#include "search/fingering.h"

namespace corvanta::cli {

// What the diagram and sheet commands ask the drawing module to draw. The
// module (Qt) is loaded only by these commands, so the others start without
// the window toolkit.
struct DrawnDiagram {
  std::vector<int> frets;  // one value per string
  std::string caption;     // UTF-8
  bool noChord = false;    // an "N.C." cell: no chord is played here
};

struct DrawingRequest {
  std::string heading;  // UTF-8
  std::vector<DrawnDiagram> diagrams;
  bool leftHanded = false;
  int capo = 0;
  // The instrument's strings (see ChordSheet): first frets from the capo,
  // open pitches, and whether the bass mark follows the pitches.
  std::vector<int> stringStarts;
  std::vector<int> openPitches;
  bool bassByPitch = false;
  std::string format;  // "png", "svg" or "pdf"
  std::string path;
  double scale = 1;  // PNG only: device pixels per unit
};

// The module's one function: draws and writes the file whole or not at all;
// returns what went wrong, empty on success.
using DrawFunction = std::string (*)(const DrawingRequest&);
inline constexpr const char* kDrawingEntryName = "corvanta_drawing_entry";
inline constexpr const char* kDrawingModuleName = "libcorvanta-drawing.so";

}  // namespace corvanta::cli
