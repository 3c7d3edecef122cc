// The two plain-text forms: chords over words (a line of chords above the
// line of words they are played on), and a bare progression.
#include "song/chord_words.h"
#include "song/info_lines.h"
#include "song/song_building.h"

namespace corvanta {
namespace {

using song_text::TextLine;

// A heading is short: "Verse 2:", "Chorus (x2)".
constexpr std::size_t kMostHeadingWords = 4;

// "[Chorus]" (any words in brackets that are no chord) or a part's word
// first ("Verse 2:", "Chorus"); the label is the text without brackets.
bool ReadHeading(std::string_view line, std::string& label, std::string& kind) {
  const std::string_view text = song_text::Trim(line);
  if (text.size() >= 3 && text.front() == '[' && text.back() == ']') {
    const std::string_view inside = song_text::Trim(text.substr(1, text.size() - 2));
    if (inside.empty() || IsChordLine(CountChordWords(inside))) return false;
    label = std::string(inside);
  } else {
    const std::vector<song_text::Word> words = song_text::SplitWords(text);
    if (words.empty() || words.size() > kMostHeadingWords || !IsSectionWord(words.front().text))
      return false;
    label = std::string(text);
  }
  std::string_view first = song_text::SplitWords(label).front().text;
  while (!first.empty() && (first.back() == ':' || (first.back() >= '0' && first.back() <= '9')))
    first.remove_suffix(1);
  kind = song_text::Lowercase(first);
  return true;
}

void AddHeading(const TextLine& text, const std::string& label, const std::string& kind,
                SongBuilder& builder, int& open) {
  Song& song = builder.song();
  const int line = builder.AddLine(LineKind::Heading, text);
  if (open >= 0) song.sections[static_cast<std::size_t>(open)].lastLine = line - 1;
  song.sections.push_back({kind, label, line, line});
  open = static_cast<int>(song.sections.size()) - 1;
  song.lines[static_cast<std::size_t>(line)].lyrics = label;
  song.lines[static_cast<std::size_t>(line)].section = open;
}

// A chord line and the words under it, as one line of lyrics with chords.
void AddChordsOverWords(const TextLine& chords, const TextLine& words, int sourceLine,
                        SongBuilder& builder) {
  const int line = builder.AddLine(LineKind::Lyrics, words);
  SongLine& songLine = builder.song().lines[static_cast<std::size_t>(line)];
  songLine.lyrics = songLine.source;
  songLine.chordSource = std::string(chords.text);
  songLine.chordEnding = std::string(chords.ending);
  const std::string lyrics = songLine.lyrics;
  for (const song_text::Word& word : song_text::SplitWords(chords.text)) {
    if (IsBarWord(word.text)) continue;
    const int column = song_text::ColumnAt(chords.text, word.offset);
    if (!builder.AddChord(line, word.text, sourceLine, chords.text, word.offset,
                          song_text::OffsetOfColumn(lyrics, column), column))
      return;
  }
}

void CloseSection(Song& song, int open) {
  if (open >= 0)
    song.sections[static_cast<std::size_t>(open)].lastLine =
        static_cast<int>(song.lines.size()) - 1;
}

bool IsChordText(std::string_view line) { return IsChordLine(CountChordWords(line)); }

// A line of its own kind in the open section (-1: none); its index.
int AddInSection(LineKind kind, const TextLine& text, SongBuilder& builder, int open) {
  const int line = builder.AddLine(kind, text);
  builder.song().lines[static_cast<std::size_t>(line)].section = open;
  return line;
}

void AddLyrics(const TextLine& text, SongBuilder& builder, int open) {
  const int line = AddInSection(LineKind::Lyrics, text, builder, open);
  builder.song().lines[static_cast<std::size_t>(line)].lyrics = std::string(text.text);
}

// A plain line of song information ("Capo: 2", "Key: G"), as its directive.
bool AddInfoLine(const TextLine& text, SongBuilder& builder, int open) {
  std::optional<Directive> info = ReadInfoLine(text.text);
  if (!info) return false;
  const int line = AddInSection(LineKind::Directive, text, builder, open);
  SongLine& songLine = builder.song().lines[static_cast<std::size_t>(line)];
  songLine.directive = std::move(*info);
  TakeMetadata(builder.song(), songLine.directive);
  return true;
}

// The first line of a text that names the song: words (no chords, no
// heading) with a blank line or song information under it.
bool AddTitleLine(const std::vector<TextLine>& lines, std::size_t i, SongBuilder& builder) {
  Song& song = builder.song();
  if (!song.title.empty() || !song.lines.empty() || i + 1 >= lines.size()) return false;
  std::string label, kind;
  const std::string_view text = lines[i].text;
  if (IsChordText(text) || ReadHeading(text, label, kind)) return false;
  const std::string_view below = lines[i + 1].text;
  if (!song_text::IsBlankLine(below) && !ReadInfoLine(below)) return false;
  const TitleLine title = ReadTitleLine(text);
  const int line = builder.AddLine(LineKind::Directive, lines[i]);
  Directive& directive = song.lines[static_cast<std::size_t>(line)].directive;
  directive.name = "title";
  directive.written = "Title";
  directive.value = directive.readValue = title.title;
  directive.before = "Title: ";
  directive.known = directive.plain = true;
  song.title = title.title;
  if (!title.artist.empty()) song.artist = title.artist;
  return true;
}

}  // namespace

void ReadChordsOverWordsLines(const std::vector<TextLine>& lines, SongBuilder& builder) {
  Song& song = builder.song();
  int open = -1;
  std::string label, kind;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TextLine& text = lines[i];
    const int sourceLine = static_cast<int>(i) + 1;
    if (song_text::IsBlankLine(text.text)) {
      AddInSection(LineKind::Blank, text, builder, open);
    } else if (AddInfoLine(text, builder, open) || AddTitleLine(lines, i, builder)) {
    } else if (ReadHeading(text.text, label, kind)) {
      AddHeading(text, label, kind, builder, open);
    } else if (IsChordText(text.text)) {
      const bool wordsBelow = i + 1 < lines.size() && !song_text::IsBlankLine(lines[i + 1].text) &&
                              !IsChordText(lines[i + 1].text) &&
                              !ReadHeading(lines[i + 1].text, label, kind);
      if (wordsBelow) {
        AddChordsOverWords(text, lines[i + 1], sourceLine, builder);
        ++i;
      } else {
        const int line = builder.AddLine(LineKind::Chords, text);
        builder.AddChordWords(line, text.text, sourceLine);
      }
      song.lines.back().section = open;
    } else {
      AddLyrics(text, builder, open);
    }
  }
  CloseSection(song, open);
}

void ReadProgressionLines(const std::vector<TextLine>& lines, SongBuilder& builder,
                          bool everyWord) {
  Song& song = builder.song();
  int open = -1;
  std::string label, kind;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TextLine& text = lines[i];
    const int sourceLine = static_cast<int>(i) + 1;
    if (song_text::IsBlankLine(text.text)) {
      AddInSection(LineKind::Blank, text, builder, open);
    } else if (!everyWord &&
               (AddInfoLine(text, builder, open) || AddTitleLine(lines, i, builder))) {
    } else if (everyWord || IsChordText(text.text)) {
      const int line = AddInSection(LineKind::Chords, text, builder, open);
      builder.AddChordWords(line, text.text, sourceLine);
    } else if (ReadHeading(text.text, label, kind)) {
      AddHeading(text, label, kind, builder, open);
    } else {
      AddLyrics(text, builder, open);
    }
  }
  CloseSection(song, open);
}

}  // namespace corvanta
