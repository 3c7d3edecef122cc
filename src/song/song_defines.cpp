#include "song/song_defines.h"

#include <algorithm>
#include <cstdlib>

#include "search/fingering.h"

namespace corvanta {

std::string DefineLine(const std::string& name, const Voicing& voicing) {
  int base = 0;
  int highest = 0;
  for (int value : voicing.frets) {
    const int fret = std::abs(value);
    if (value == kMutedString || fret == 0) continue;
    base = base == 0 ? fret : std::min(base, fret);
    highest = std::max(highest, fret);
  }
  // Shapes that fit the first frets are drawn from the nut.
  if (highest <= kFirstPositionHighestFret || base == 0) base = 1;
  std::string line = "{define: " + name + " base-fret " + std::to_string(base) + " frets";
  for (int value : voicing.frets) {
    const int fret = std::abs(value);
    line += value == kMutedString ? " x" : " " + std::to_string(fret == 0 ? 0 : fret - base + 1);
  }
  return line + "}";
}

std::vector<std::string> AddedChordProLines(const VoicedSong& voiced, bool defines) {
  std::vector<std::string> lines;
  const Song& song = voiced.song;
  bool hasCapo = false;
  for (const SongLine& line : song.lines)
    hasCapo = hasCapo || (line.kind == LineKind::Directive && line.directive.name == "capo");
  if (voiced.capo > 0 && !hasCapo) lines.push_back("{capo: " + std::to_string(voiced.capo) + "}");
  if (!defines) return lines;
  for (const DistinctChord& chord : voiced.distinct) {
    bool defined = false;
    for (const SongDefine& define : song.defines)
      defined = defined || (define.movable && define.name == chord.symbol);
    if (!defined) lines.push_back(DefineLine(chord.symbol, chord.voicing));
  }
  return lines;
}

}  // namespace corvanta
