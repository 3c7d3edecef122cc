// What the song readers share while they fill a song.
#pragma once

#include <optional>
#include <string>
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

  // The {transpose} in effect from here on (0 after a bare one).
  void SetTranspose(int semitones) { transpose_ = semitones; }
  int Transpose() const { return transpose_; }
  // The names the song {define}s: chords of the song whatever the symbol
  // reader makes of them.
  void SetDefinedNames(std::vector<std::string> names) { defined_ = std::move(names); }
  bool IsDefinedName(std::string_view name) const;

 private:
  Song& song_;
  bool full_ = false;
  bool firstTranspose_ = true;
  bool germanNoted_ = false;
  int transpose_ = 0;
  std::vector<std::string> defined_;
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

// The {transpose} a directive's value asks for: a bare one resets to 0;
// nullopt with a note in the song when it is no number of semitones.
std::optional<int> TransposeValue(Song& song, const std::string& value);

// Reads a {define} or {chord} value ("Am7 base-fret 1 frets x 0 2 0 1 0
// fingers ..."): empty on success, kNameOnly for a {chord: Am} that only
// asks for a diagram, else what is wrong with it.
inline constexpr std::string_view kNameOnly = "no frets";
std::string ReadDefine(std::string_view value, SongDefine& define);

// The two text forms and ChordPro, each over the text's lines.
void ReadChordProLines(const std::vector<song_text::TextLine>& lines, SongBuilder& builder);
void ReadChordsOverWordsLines(const std::vector<song_text::TextLine>& lines, SongBuilder& builder);
// `everyWord`: each word of every line is a chord (the form was given, not
// told from the text); otherwise only lines that read as chords hold them.
void ReadProgressionLines(const std::vector<song_text::TextLine>& lines, SongBuilder& builder,
                          bool everyWord);

}  // namespace corvanta
