// The song command's printed-song options and their output.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "session/session.h"
#include "song/voiced_song.h"

namespace corvanta::cli {

// The printed song's options of `song`: --pdf, --svg, --png FILE and the
// paper (--page a4|letter), drawn by the drawing module through the one
// output path.
struct SongSheetText {
  std::string pdf;
  std::string svg;
  std::string png;
  std::string page = "a4";
  int scale = 2;  // PNG: pixels per point

  bool Asked() const { return !pdf.empty() || !svg.empty() || !png.empty(); }
};

void AddSongSheetOptions(CLI::App& song, SongSheetText& text);
// Refuses a bad target or a second format before the song is voiced.
void CheckSongSheetTargets(const SongSheetText& text);
// Draws the voiced song's sheet into the file asked for (nothing when none is).
void WriteSongSheet(const SongSheetText& text, const VoicedSong& voiced, const Session& session);

}  // namespace corvanta::cli
