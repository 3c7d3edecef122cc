// One song of a book: voiced as the book and its setlist ask, then printed.
#include "printed_song/book_song.h"

#include "printed_song/song_sheet_of.h"
#include "song/capo_suggestion.h"

namespace corvanta {

VoicingMode VoicingModeNamed(std::string_view mode) {
  if (mode == "least-movement") return VoicingMode::LeastMovement;
  if (mode == "easiest") return VoicingMode::Easiest;
  return VoicingMode::AsPlayed;
}

BookVoicing WithSetlistEntry(BookVoicing book, const SetlistEntry& entry) {
  if (entry.key) {
    book.options.key = *entry.key;
    book.options.transpose = 0;
  }
  if (entry.transpose) {
    book.options.transpose = *entry.transpose;
    if (!entry.key) book.options.key.clear();
  }
  if (entry.capo) {
    book.options.capo = *entry.capo;
    book.suggestCapo = false;
  }
  if (entry.mode) book.options.mode = VoicingModeNamed(*entry.mode);
  return book;
}

VoicedSong VoiceAsAsked(const Session& session, Song song, const BookVoicing& voicing) {
  if (!voicing.suggestCapo) return VoiceSong(session, std::move(song), voicing.options);
  SongVoicingOptions options = voicing.options;
  std::vector<CapoSuggestion> suggestions = SuggestCapos(session, song, options);
  options.capo = suggestions.front().capo;
  VoicedSong voiced = VoiceSong(session, std::move(song), options);
  voiced.capoSuggestions = std::move(suggestions);
  return voiced;
}

SongbookSong BookSongOf(const Session& session, const Song& song, const BookVoicing& voicing,
                        const std::string& fallbackTitle, VoicedSong& voiced) {
  voiced = VoiceAsAsked(session, song, voicing);
  SongbookSong printed{SongSheetOf(voiced, session), {}};
  if (printed.sheet.title.empty()) printed.sheet.title = fallbackTitle;
  printed.firstLine = FirstLineOf(printed.sheet);
  return printed;
}

}  // namespace corvanta
