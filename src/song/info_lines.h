// The song information a chords site writes as plain lines ("Capo: 2nd
// fret", "Key: G", "Tuning: E A D G B E", "Artist: ..."), read as the
// directives ChordPro gives it and written back in the same plain form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "song/song.h"

namespace corvanta {

// A plain line that states one piece of song information, as the directive
// it stands for (its value normalised: "2" for "2nd fret"; `plain` set);
// nullopt for any other line.
std::optional<Directive> ReadInfoLine(std::string_view line);

// A first line that names the song ("Title - Artist", "Title by Artist",
// or the title alone): the title and the artist, which may be empty.
struct TitleLine {
  std::string title;
  std::string artist;
};
TitleLine ReadTitleLine(std::string_view line);

// A directive's plain line ("Capo: 2", "Key: G"), as chords sites write
// it; false for a directive that has none.
bool PlainInfoLine(const Directive& directive, std::string& out);

}  // namespace corvanta
