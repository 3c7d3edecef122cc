#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// A setlist: the songs of a set or a book in the order played, one a line,
// each with the key, capo, instrument or transposition it is played with
// there:
//
//   # Sunday evening
//   amazing-grace.cho key=A capo=2 instrument=ukulele
//   songs/the water is wide.cho transpose=-2
//
// A line's settings are its last words of the form name=value; what is
// before them is the song's path (spaces kept), relative to the setlist's
// folder. "#" starts a comment line; blank lines are skipped.
struct SetlistEntry {
  std::string path;
  int line = 0;  // 1-based, in the setlist's text
  std::optional<std::string> key;
  std::optional<int> capo;
  std::optional<std::string> instrument;
  std::optional<int> transpose;
  std::optional<std::string> mode;  // default, least-movement, easiest
  bool operator==(const SetlistEntry&) const = default;
};

struct SetlistProblem {
  int line = 0;
  std::string message;
};

struct Setlist {
  std::vector<SetlistEntry> entries;
  std::vector<SetlistProblem> problems;  // settings not understood: the entry is kept without them
};

// Reads any text; a setting it does not understand is a problem, never a
// lost line. Keys are checked to be keys, capos frets 0..12 and
// transpositions -24..24; instrument names are the caller's to check.
Setlist ReadSetlist(std::string_view text);

// The entry as a setlist line: ReadSetlist reads it back the same.
std::string SetlistLine(const SetlistEntry& entry);

}  // namespace corvanta
