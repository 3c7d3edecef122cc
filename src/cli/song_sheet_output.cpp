// Writes the printed song of the song command to PDF, SVG or PNG.
#include "cli/song_sheet_output.h"

#include "cli/commands.h"
#include "cli/drawing_request.h"
#include "files/output_file.h"
#include "printed_song/song_sheet_of.h"

namespace corvanta::cli {

void AddSongSheetOptions(CLI::App& song, SongSheetText& text) {
  song.add_option("--pdf", text.pdf, "print the song sheet as PDF pages (FILE, - for stdout)");
  song.add_option("--svg", text.svg, "the song sheet as one SVG picture a page wide");
  song.add_option("--png", text.png, "the song sheet as one PNG picture a page wide");
  song.add_option("--page", text.page, "the paper of the sheet: a4 (default) or letter")
      ->check(CLI::IsMember({"a4", "letter"}));
  song.add_option("--scale", text.scale, "PNG pixels per point, 1..8 (default 2)");
}

void CheckSongSheetTargets(const SongSheetText& text) {
  const int given = !text.pdf.empty() + !text.svg.empty() + !text.png.empty();
  if (given > 1) throw BadArgument("song: name one sheet: --pdf, --svg or --png");
  if (text.scale < 1 || text.scale > 8)
    throw BadArgument("--scale: " + std::to_string(text.scale) + " is not 1..8");
  for (const std::string* path : {&text.pdf, &text.svg, &text.png}) {
    if (path->empty() || *path == "-") continue;
    const std::string refused = CheckOutputTarget(*path);
    if (!refused.empty()) throw CommandFailure(refused);
  }
}

void WriteSongSheet(const SongSheetText& text, const VoicedSong& voiced, const Session& session) {
  if (!text.Asked()) return;
  DrawingRequest request;
  request.printSong = true;
  request.song = SongSheetOf(voiced, session);
  request.paper = text.page;
  request.scale = text.scale;
  request.format = !text.pdf.empty() ? "pdf" : !text.svg.empty() ? "svg" : "png";
  request.path = !text.pdf.empty() ? text.pdf : !text.svg.empty() ? text.svg : text.png;
  RunDrawing(request);
}

}  // namespace corvanta::cli
