// A voiced song as the song command prints it.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "session/session.h"
#include "song/voiced_song.h"

namespace corvanta::cli {

// The whole result as one JSON object: {"title", "artist", "key",
// "keyDetected", "capo", "transpose", "instrument", "tuning", "chords",
// "distinct", "capoSuggestions", "cost", "unread", ...}, frets as in
// `search --json` (null muted), texts in UTF-8.
std::string SongJson(const VoicedSong& voiced, const Session& session,
                     const std::optional<std::string>& tuning);

// One warning line on `err` for each chord not read, each chord name no
// fingering plays, each pin that does not sound its chord and each note.
void WarnOfSong(const VoicedSong& voiced, std::ostream& err);

// A readable summary: the title, the key, the capo, each distinct chord
// with its voicing, and the capo suggestions when asked for.
void PrintSongSummary(const VoicedSong& voiced, const Session& session, std::ostream& out);

}  // namespace corvanta::cli
