// A library of songs searched as the player types.
#include "song/song_library.h"

#include <algorithm>

#include "song/song_split.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

// What a search reads of a song: its words and chords as one text.
std::string SearchText(const Song& song, const std::string& title) {
  std::string text = title + "\n" + song.artist + "\n";
  for (const SongLine& line : song.lines)
    if (line.kind == LineKind::Lyrics && !line.lyrics.empty()) text += line.lyrics + "\n";
  for (const SongChord& chord : song.chords) text += chord.text + " ";
  return LowercaseText(text);
}

}  // namespace

std::string LowercaseText(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

void SongLibrary::Add(const std::string& path, std::string_view text,
                      const std::string& fallbackTitle) {
  const std::vector<SongOfText> songs = ReadSongs(text);
  for (std::size_t part = 0; part < songs.size(); ++part) {
    const Song& song = songs[part].song;
    LibrarySong entry;
    entry.path = path;
    entry.part = static_cast<int>(part);
    entry.firstLine = songs[part].firstLine;
    entry.title = song.title.empty() ? fallbackTitle : song.title;
    if (song.title.empty() && songs.size() > 1)
      entry.title += " (" + std::to_string(part + 1) + ")";
    entry.artist = song.artist;
    entry.text = SearchText(song, entry.title);
    songs_.push_back(std::move(entry));
  }
}

void SongLibrary::Sort() {
  std::stable_sort(songs_.begin(), songs_.end(), [](const LibrarySong& a, const LibrarySong& b) {
    const std::string left = LowercaseText(a.title), right = LowercaseText(b.title);
    if (left != right) return left < right;
    if (a.artist != b.artist) return a.artist < b.artist;
    return a.path < b.path;
  });
}

std::vector<int> SongLibrary::Search(std::string_view query) const {
  std::vector<std::string> words;
  for (const song_text::Word& word : song_text::SplitWords(query))
    words.push_back(LowercaseText(word.text));
  std::vector<int> found;
  for (std::size_t i = 0; i < songs_.size(); ++i) {
    const std::string& text = songs_[i].text;
    if (std::all_of(words.begin(), words.end(),
                    [&](const std::string& word) { return text.find(word) != std::string::npos; }))
      found.push_back(static_cast<int>(i));
  }
  return found;
}

}  // namespace corvanta
