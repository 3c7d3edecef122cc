// A voiced song as the song command prints it.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "session/session.h"
#include "song/voiced_song.h"

namespace corvanta::cli {

// The whole result as one JSON object: {"title", "artist", "key",
// "keyDetected", "capo", "transpose", "instrument", "tuning", "chords",
// "distinct", "capoSuggestions", "cost", "unread", ...}, frets as in
// `search --json` (null muted), texts in UTF-8.
std::string SongJson(const VoicedSong& voiced, const Session& session,
                     const std::optional<std::string>& tuning);

// What a voiced song has to tell the player, each message's words written
// once for `song` and `songbook`, which say where it stands their own way:
// each chord not read, each chord name no fingering plays (once), each pin
// that does not sound its chord, each note about the file (no place).
struct SongMessage {
  enum class Kind { Unread, Unplayable, Warning, Note };
  Kind kind;
  int line = 0;  // in the song's text, from 1; 0 where there is no place
  int column = 0;
  std::string text;
};
std::vector<SongMessage> SongMessages(const VoicedSong& voiced);

// One warning line on `err` for each chord not read, each chord name no
// fingering plays, each pin that does not sound its chord and each note.
void WarnOfSong(const VoicedSong& voiced, std::ostream& err);

// A readable summary: the title, the key, the capo, each distinct chord
// with its voicing, and the capo suggestions when asked for.
void PrintSongSummary(const VoicedSong& voiced, const Session& session, std::ostream& out);

}  // namespace corvanta::cli
