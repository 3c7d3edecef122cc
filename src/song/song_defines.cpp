// A song's {define}s as voicings.
#include "song/song_defines.h"

#include <algorithm>
#include <cstdlib>

#include "song/define_text.h"

namespace corvanta {

std::string DefineLine(const std::string& name, const Voicing& voicing) {
  return "{define: " + DefineValue(name, voicing.frets) + "}";
}

namespace {

bool HasCapoLine(const Song& song) {
  for (const SongLine& line : song.lines)
    if (line.kind == LineKind::Directive && line.directive.name == "capo") return true;
  return false;
}

}  // namespace

std::vector<std::string> AddedTextLines(const VoicedSong& voiced) {
  if (voiced.capo == 0 || HasCapoLine(voiced.song)) return {};
  return {"Capo: " + std::to_string(voiced.capo)};
}

std::vector<std::string> AddedChordProLines(const VoicedSong& voiced, bool defines) {
  std::vector<std::string> lines;
  const Song& song = voiced.song;
  const bool hasCapo = HasCapoLine(song);
  if (voiced.capo > 0 && !hasCapo) lines.push_back("{capo: " + std::to_string(voiced.capo) + "}");
  if (!defines) return lines;
  for (const DistinctChord& chord : voiced.distinct) {
    bool defined = false;
    for (const SongDefine& define : song.defines) defined = defined || define.name == chord.symbol;
    if (!defined) lines.push_back(DefineLine(chord.symbol, chord.voicing));
  }
  return lines;
}

}  // namespace corvanta
