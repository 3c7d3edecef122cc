// A file of several songs split at ChordPro's {new_song}.
#include "song/song_split.h"

#include "song/song_building.h"
#include "song/song_reader.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsNewSong(std::string_view line) {
  if (line.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    line.remove_prefix(kByteOrderMark.size());
  line = song_text::Trim(line);
  if (line.size() < 3 || line.front() != '{' || line.back() != '}') return false;
  std::string_view name = line.substr(1, line.size() - 2);
  const std::size_t nameEnd = name.find_first_of(": \t");
  if (nameEnd != std::string_view::npos) {
    // {new_song} takes no value; a line with one is some other text.
    if (!song_text::Trim(name.substr(nameEnd + 1)).empty()) return false;
    name = name.substr(0, nameEnd);
  }
  return LongDirectiveName(name).name == "new_song";
}

// Blank lines and "#" comments only: nothing a player would call a song.
bool HoldsNothing(const std::vector<song_text::TextLine>& lines, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    std::string_view text = lines[i].text;
    if (i == 0 && text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
      text.remove_prefix(kByteOrderMark.size());
    text = song_text::Trim(text);
    if (!text.empty() && text.front() != '#') return false;
  }
  return true;
}

}  // namespace

std::vector<SongSpan> SongSpans(std::string_view text) {
  const std::vector<song_text::TextLine> lines = song_text::SplitLines(text);
  auto offsetOf = [&](std::size_t line) {
    return line < lines.size() ? static_cast<std::size_t>(lines[line].text.data() - text.data())
                               : text.size();
  };
  std::vector<SongSpan> spans;
  std::size_t first = 0;  // the current song's first line
  auto close = [&](std::size_t end) {
    if (!HoldsNothing(lines, first, end))
      spans.push_back({offsetOf(first), offsetOf(end), static_cast<int>(first) + 1});
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!IsNewSong(lines[i].text)) continue;
    close(i);
    first = i + 1;
  }
  close(lines.size());
  if (spans.empty()) spans.push_back({0, text.size(), 1});
  return spans;
}

std::vector<SongOfText> ReadSongs(std::string_view text, SongFormat format) {
  std::vector<SongOfText> songs;
  if (format == SongFormat::Auto) format = DetectSongFormat(text);
  if (format != SongFormat::ChordPro) {
    songs.push_back({ReadSong(text, format), 1});
    return songs;
  }
  for (const SongSpan& span : SongSpans(text))
    songs.push_back(
        {ReadSong(text.substr(span.begin, span.end - span.begin), format), span.firstLine});
  return songs;
}

}  // namespace corvanta
