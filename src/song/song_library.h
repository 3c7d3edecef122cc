#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// A folder's songs as a player looks for them: by title and artist, or by
// any words of the lyrics or chords, found as they are typed.
struct LibrarySong {
  std::string path;
  int part = 0;       // which song of its file ({new_song} between them)
  int firstLine = 1;  // the file's line it starts at
  std::string title;  // the file's name where the song has none
  std::string artist;
  std::string text;  // title, artist, lyrics and chords, lowercase: what a search reads
};

class SongLibrary {
 public:
  // Every song of a file's text; `fallbackTitle` names a song without a title.
  void Add(const std::string& path, std::string_view text, const std::string& fallbackTitle);
  // Sorted by title (letter case ignored), then artist, then path.
  void Sort();
  const std::vector<LibrarySong>& Songs() const { return songs_; }
  // The songs holding every word of the query (letter case ignored), in
  // the library's order; every song for a query of no words.
  std::vector<int> Search(std::string_view query) const;

 private:
  std::vector<LibrarySong> songs_;
};

// ASCII letters lowercase, other bytes as they are.
std::string LowercaseText(std::string_view text);

}  // namespace corvanta
