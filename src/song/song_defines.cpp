// A song's {define}s as voicings.
#include "song/song_defines.h"

#include <algorithm>
#include <cstdlib>

#include "song/define_text.h"

namespace corvanta {

std::string DefineLine(const std::string& name, const Voicing& voicing) {
  return "{define: " + DefineValue(name, voicing.frets) + "}";
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
