// The printed sheet of a voiced song.
#pragma once

#include "printed_song/song_sheet.h"
#include "session/session.h"
#include "song/voiced_song.h"

namespace corvanta {

// The printed sheet of a voiced song: its metadata as the title block (the
// key sounding, the capo line as players read it), one diagram per
// distinct chord with the voicing chosen for it on the session's
// instrument, and every line the song shows, in order (ChordPro's "#"
// comments, metadata and define lines are not printed).
SongSheet SongSheetOf(const VoicedSong& voiced, const Session& session);

}  // namespace corvanta
