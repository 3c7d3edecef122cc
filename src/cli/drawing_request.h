// What the diagram and sheet commands ask the drawing module to draw.
#pragma once

#include <string>
#include <vector>

#include "printed_song/song_sheet.h"
#include "printed_song/songbook.h"
#include "session/sheet_model.h"

namespace corvanta::cli {

// What the diagram and sheet commands ask the drawing module to draw. The
// module (Qt) is loaded only by these commands, so the others start without
// the window toolkit.
struct DrawingRequest {
  SheetModel sheet;
  std::string format;  // "png", "svg" or "pdf"
  std::string path;
  double scale = 1;  // PNG only: device pixels per unit
  // A printed song instead of the sheet, on pages of this paper ("a4",
  // "letter"; SVG and PNG take its width).
  bool printSong = false;
  SongSheet song;
  std::string paper = "a4";
  // A songbook instead (PDF only), on pages of `paper`.
  bool printBook = false;
  Songbook book;
};

// The module's table: draw writes the file whole or not at all and returns
// what went wrong, empty on success.
struct DrawingModule {
  std::string (*draw)(const DrawingRequest&);
};
inline constexpr const char* kDrawingModuleName = "libcorvanta-drawing.so";

// Loads the module and draws; a failure is a CommandFailure. 0 on success.
int RunDrawing(const DrawingRequest& request);

}  // namespace corvanta::cli
