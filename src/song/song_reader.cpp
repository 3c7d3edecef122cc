// Reads ChordPro, chords over words and progressions into the song model.
#include "song/song_reader.h"

#include "song/chord_words.h"
#include "song/info_lines.h"
#include "song/song_building.h"
#include "song/song_split.h"

namespace corvanta {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The form is told from the first lines; a song shows its form early.
constexpr std::size_t kLinesToTellForm = 400;

bool HasDirective(std::string_view line) {
  const std::string_view text = song_text::Trim(line);
  return text.size() >= 2 && text.front() == '{' && text.find('}') != std::string_view::npos;
}

bool HasInlineChord(std::string_view line) {
  std::size_t open = line.find('[');
  while (open != std::string_view::npos) {
    const std::size_t close = line.find(']', open);
    if (close == std::string_view::npos) return false;
    if (IsChordWord(line.substr(open + 1, close - open - 1))) return true;
    open = line.find('[', close);
  }
  return false;
}

SongFormat FormOfLines(const std::vector<song_text::TextLine>& lines) {
  const std::size_t count = std::min(lines.size(), kLinesToTellForm);
  for (std::size_t i = 0; i < count; ++i)
    if (HasDirective(lines[i].text) || HasInlineChord(lines[i].text)) return SongFormat::ChordPro;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    // "Tuning: E A D G B E" names notes, not chords.
    if (ReadInfoLine(lines[i].text) || !IsChordLine(CountChordWords(lines[i].text))) continue;
    const std::string_view below = lines[i + 1].text;
    if (!song_text::IsBlankLine(below) && !IsChordLine(CountChordWords(below)))
      return SongFormat::ChordsOverWords;
  }
  return SongFormat::Progression;
}

// The text within the size limit, cut after a whole line.
std::string_view WithinLimit(std::string_view text, Song& song) {
  if (text.size() <= kMaxSongBytes) return text;
  std::size_t cut = text.find_last_of("\r\n", kMaxSongBytes - 1);
  cut = cut == std::string_view::npos ? kMaxSongBytes : cut + 1;
  song.notes.push_back("the song is larger than " + std::to_string(kMaxSongBytes / 1024) +
                       " KB; only its first " + std::to_string(cut) + " bytes are read");
  return text.substr(0, cut);
}

std::string_view WithoutMark(std::string_view text, Song& song) {
  if (text.substr(0, kByteOrderMark.size()) != kByteOrderMark) return text;
  song.byteOrderMark = true;
  return text.substr(kByteOrderMark.size());
}

// A text of several songs ({new_song} between them) is read up to its
// second: one song is what a reader of one song gives, never the lines of
// them all under the last title.
std::string_view FirstSongOnly(std::string_view text, Song& song) {
  const std::vector<SongSpan> spans = SongSpans(text);
  if (spans.size() < 2) return text;
  song.notes.push_back(
      "the text holds " + std::to_string(spans.size()) +
      " songs ({new_song} between them); only the first is read, a songbook reads them all");
  return text.substr(0, spans.front().end);
}

}  // namespace

bool IsChordWord(std::string_view word) {
  const ReadSymbol read = ReadSongSymbol(word);
  return read.read || read.noChord;
}

SongFormat DetectSongFormat(std::string_view text) {
  Song scratch;
  return FormOfLines(song_text::SplitLines(WithoutMark(text, scratch)));
}

Song ReadSong(std::string_view text, SongFormat format) {
  Song song;
  text = WithinLimit(WithoutMark(text, song), song);
  std::vector<song_text::TextLine> lines = song_text::SplitLines(text);
  song.format = format == SongFormat::Auto ? FormOfLines(lines) : format;
  if (song.format == SongFormat::ChordPro) {
    const std::size_t whole = text.size();
    text = FirstSongOnly(text, song);
    if (text.size() != whole) lines = song_text::SplitLines(text);
  }
  // Past the line limit the rest is one verbatim line, neither read nor lost.
  std::string_view rest;
  if (lines.size() > kMaxSongLines) {
    rest = text.substr(static_cast<std::size_t>(lines[kMaxSongLines].text.data() - text.data()));
    lines.resize(kMaxSongLines);
    lines.shrink_to_fit();
    song.notes.push_back("the song has more than " + std::to_string(kMaxSongLines) +
                         " lines; those after line " + std::to_string(kMaxSongLines) +
                         " are kept as they are and not read");
  }
  SongBuilder builder(song);
  switch (song.format) {
    case SongFormat::ChordPro:
      ReadChordProLines(lines, builder);
      break;
    case SongFormat::ChordsOverWords:
      ReadChordsOverWordsLines(lines, builder);
      break;
    default:
      ReadProgressionLines(lines, builder, format == SongFormat::Progression);
      break;
  }
  if (!rest.empty()) builder.AddLine(LineKind::Tab, {rest, {}});
  return song;
}

}  // namespace corvanta
