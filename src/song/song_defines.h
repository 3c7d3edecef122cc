// A song's own voicings, given by {define}.
#pragma once

#include <string>
#include <vector>

#include "song/voiced_song.h"

namespace corvanta {

// "{define: G base-fret 1 frets 3 2 0 0 0 3}": a voicing in ChordPro's
// base-fret form (frets counted from the base fret, x muted, 0 open).
std::string DefineLine(const std::string& name, const Voicing& voicing);

// The lines a written song gains: its {capo} when it is played with one and
// has no {capo} line, and with `defines` a {define} for each chord name's
// chosen voicing that the song does not define itself.
std::vector<std::string> AddedChordProLines(const VoicedSong& voiced, bool defines);

// The plain lines a song written as text gains: "Capo: N" when it is played
// with a capo and has no capo line.
std::vector<std::string> AddedTextLines(const VoicedSong& voiced);

}  // namespace corvanta
