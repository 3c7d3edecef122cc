#pragma once

#include <string>
#include <string_view>

#include "printed_song/songbook.h"
#include "session/session.h"
#include "song/setlist.h"
#include "song/voiced_song.h"

namespace corvanta {

// How the songs of a book are voiced: the book's options, each song's
// setlist line over them.
struct BookVoicing {
  SongVoicingOptions options;
  bool suggestCapo = false;  // each song under the capo suggested first for it
};

// "default", "least-movement", "easiest"; anything else is the default.
VoicingMode VoicingModeNamed(std::string_view mode);

// The setlist's word for one song wins: its key (the book's transposition
// then dropped), its transposition, its capo, its mode.
BookVoicing WithSetlistEntry(BookVoicing book, const SetlistEntry& entry);

// The song voiced under the session as `voicing` asks: when a capo is to
// be suggested, under the first suggestion, the suggestions then kept in
// the result's capoSuggestions. Throws what VoiceSong throws.
VoicedSong VoiceAsAsked(const Session& session, Song song, const BookVoicing& voicing);

// A song voiced under the session as the book asks, and printed: titled
// `fallbackTitle` where it has no title. The voiced song is left in
// `voiced` for its warnings. Throws what VoiceSong throws.
SongbookSong BookSongOf(const Session& session, const Song& song, const BookVoicing& voicing,
                        const std::string& fallbackTitle, VoicedSong& voiced);

}  // namespace corvanta
