// The shared steps of the song readers.
#include "song/song_building.h"

#include <algorithm>

#include "song/chord_words.h"

namespace corvanta {

int SongBuilder::AddLine(LineKind kind, const song_text::TextLine& text) {
  SongLine line;
  line.kind = kind;
  line.source = std::string(text.text);
  line.ending = std::string(text.ending);
  song_.lines.push_back(std::move(line));
  return static_cast<int>(song_.lines.size()) - 1;
}

bool SongBuilder::IsDefinedName(std::string_view name) const {
  return std::find(defined_.begin(), defined_.end(), name) != defined_.end();
}

bool SongBuilder::AddChord(int line, std::string_view written, int sourceLine,
                           std::string_view source, std::size_t offset, std::size_t lyricOffset,
                           int column) {
  if (song_.chords.size() >= kMaxSongChords) {
    if (!full_)
      song_.notes.push_back("the song has more than " + std::to_string(kMaxSongChords) +
                            " chords; those after line " + std::to_string(sourceLine - 1) +
                            " are kept as text and not voiced");
    full_ = true;
    song_.chordsCut = true;
    return false;
  }
  SongChord chord;
  chord.written = std::string(written);
  chord.text = chord.written;
  chord.line = line;
  chord.sourceLine = sourceLine;
  chord.sourceColumn = song_text::CharacterPosition(source, offset);
  chord.sourceOffset = offset;
  chord.sourceLength = written.size();
  ReadSymbol read = ReadSongSymbol(written);
  if (!read.read && !read.noChord && IsDefinedName(written)) {
    read.problem.clear();
    read.read = chord.definedOnly = true;
  }
  if (read.germanH && !germanNoted_) {
    song_.notes.push_back("H is read as B (the German name), first at line " +
                          std::to_string(sourceLine));
    germanNoted_ = true;
  }
  // The song's first chord fixes the {transpose} the song as a whole is in.
  if (firstTranspose_) song_.transpose = transpose_, firstTranspose_ = false;
  chord.transposeHere = transpose_;
  chord.noChord = read.noChord;
  chord.read = read.read;
  chord.problem = std::move(read.problem);
  chord.chord = std::move(read.chord);
  const int index = static_cast<int>(song_.chords.size());
  song_.chords.push_back(std::move(chord));
  song_.lines[static_cast<std::size_t>(line)].chords.push_back({index, lyricOffset, column});
  return true;
}

void SongBuilder::AddChordWords(int line, std::string_view source, int sourceLine) {
  for (const song_text::Word& word : song_text::SplitWords(source)) {
    if (IsBarWord(word.text)) continue;
    if (!AddChord(line, word.text, sourceLine, source, word.offset, 0,
                  song_text::ColumnAt(source, word.offset)))
      return;
  }
}

}  // namespace corvanta
