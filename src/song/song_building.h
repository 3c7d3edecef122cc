// What the song readers share while they fill a song.
#pragma once

#include <string_view>

#include "song/song.h"
#include "song/song_text.h"

namespace corvanta {

// What the readers share while they fill a song: the lines read so far and
// the chords placed in them.
class SongBuilder {
 public:
  explicit SongBuilder(Song& song) : song_(song) {}

  // A new line of the given kind; its index.
  int AddLine(LineKind kind, const song_text::TextLine& text);
  // A chord read from `source` (a line of the text, number `sourceLine`,
  // 1-based) at byte `offset`, placed over the lyrics of line `line` at
  // `lyricOffset` bytes and display column `column`. False once the song
  // holds kMaxSongChords chords (the chord is then not added).
  bool AddChord(int line, std::string_view written, int sourceLine, std::string_view source,
                std::size_t offset, std::size_t lyricOffset, int column);
  // Every word of a chord line or progression that is no bar mark, as a
  // chord placed at its own column (line `line`'s lyrics are empty).
  void AddChordWords(int line, std::string_view source, int sourceLine);

  bool Full() const { return full_; }
  Song& song() { return song_; }

 private:
  Song& song_;
  bool full_ = false;
};

// The long name of a ChordPro directive, lowercase ("t" -> "title"), and
// whether the reader knows it.
struct DirectiveName {
  std::string name;
  bool known = false;
};
DirectiveName LongDirectiveName(std::string_view written);

// Takes a directive's metadata (title, key, capo...) into the song.
void TakeMetadata(Song& song, const Directive& directive);

// Reads a {define} or {chord} value ("Am7 base-fret 1 frets x 0 2 0 1 0
// fingers ..."); false when it holds no frets.
bool ReadDefine(std::string_view value, SongDefine& define);

// The two text forms and ChordPro, each over the text's lines.
void ReadChordProLines(const std::vector<song_text::TextLine>& lines, SongBuilder& builder);
void ReadChordsOverWordsLines(const std::vector<song_text::TextLine>& lines, SongBuilder& builder);
// `everyWord`: each word of every line is a chord (the form was given, not
// told from the text); otherwise only lines that read as chords hold them.
void ReadProgressionLines(const std::vector<song_text::TextLine>& lines, SongBuilder& builder,
                          bool everyWord);

}  // namespace corvanta
