// Writes a song back as ChordPro or as chords over words.
#include "song/song_writer.h"

#include "song/info_lines.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::vector<const SongChord*> ChordsOf(const Song& song, const SongLine& line) {
  std::vector<const SongChord*> chords;
  for (const ChordPlacement& placement : line.chords)
    chords.push_back(&song.chords[static_cast<std::size_t>(placement.chord)]);
  return chords;
}

bool Changed(const std::vector<const SongChord*>& chords) {
  for (const SongChord* chord : chords)
    if (chord->text != chord->written) return true;
  return false;
}

// The words with [chord] inserted at each placement; a chord past the words'
// end is reached with blanks.
std::string InlineChords(const Song& song, const SongLine& line) {
  std::string out;
  std::size_t at = 0;
  int column = 0;
  for (const ChordPlacement& placement : line.chords) {
    const std::size_t offset = std::min(placement.lyricOffset, line.lyrics.size());
    out.append(line.lyrics, at, offset - at);
    column += song_text::ColumnWidth(std::string_view(line.lyrics).substr(at, offset - at));
    if (offset == line.lyrics.size() && placement.column > column) {
      out.append(static_cast<std::size_t>(placement.column - column), ' ');
      column = placement.column;
    }
    at = offset;
    out += '[' + song.chords[static_cast<std::size_t>(placement.chord)].text + ']';
  }
  out.append(line.lyrics, at, std::string::npos);
  return out;
}

// A line of chords at the placements' columns, each at least one blank
// after the one before.
std::string ChordLineOf(const Song& song, const SongLine& line) {
  std::string out;
  int column = 0;
  for (const ChordPlacement& placement : line.chords) {
    const int target = std::max(placement.column, column == 0 && out.empty() ? 0 : column + 1);
    out.append(static_cast<std::size_t>(target - column), ' ');
    const std::string& text = song.chords[static_cast<std::size_t>(placement.chord)].text;
    out += text;
    column = target + song_text::ColumnWidth(text);
  }
  return out;
}

// A line of chords with each chord in brackets where it stands, as
// ChordPro writes chords without words.
std::string BracketedChords(std::string_view source, const std::vector<const SongChord*>& chords) {
  std::vector<SongChord> bracketed;
  for (const SongChord* chord : chords) {
    bracketed.push_back(*chord);
    bracketed.back().text = '[' + chord->text + ']';
  }
  std::vector<const SongChord*> pointers;
  for (const SongChord& chord : bracketed) pointers.push_back(&chord);
  return ReplaceChordsInLine(source, pointers);
}

// A plain line of song information as ChordPro's directive; a title line
// that names the artist too gives both.
std::string ChordProOfPlain(const Song& song, const SongLine& line) {
  const Directive& directive = line.directive;
  if (directive.name == "tuning") return "{meta: tuning " + directive.value + "}";
  std::string out = "{" + directive.name + ": " + directive.value + "}";
  if (directive.name == "title" && !song.artist.empty() &&
      line.source.find(song.artist) != std::string::npos)
    out +=
        (line.ending.empty() ? std::string("\n") : line.ending) + "{artist: " + song.artist + "}";
  return out;
}

std::string ChordProLine(const Song& song, const SongLine& line) {
  const std::vector<const SongChord*> chords = ChordsOf(song, line);
  switch (line.kind) {
    case LineKind::Directive:
      if (line.directive.plain) return ChordProOfPlain(song, line);
      return line.directive.before + line.directive.value + line.directive.after;
    case LineKind::Lyrics:
      return line.chordSource.empty() && !Changed(chords) ? line.source : InlineChords(song, line);
    case LineKind::Chords:
      return BracketedChords(line.source, chords);
    case LineKind::Grid:
      return ReplaceChordsInLine(line.source, chords);
    case LineKind::Heading:
      // A ChordPro "[Chorus]" line stays as written; a text's heading becomes a comment.
      return song.format == SongFormat::ChordPro ? line.source : "{comment: " + line.lyrics + "}";
    default:
      return line.source;
  }
}

// A directive as plain text: metadata and comments by their value, a
// section's start as its heading; the rest has no plain form.
bool PlainDirective(const Directive& directive, std::string& out) {
  const std::string& name = directive.name;
  if (name.rfind("start_of_", 0) == 0) {
    // "verse" is headed as website song sheets head it: "[Verse]".
    std::string kind = name.substr(9);
    if (!kind.empty() && kind[0] >= 'a' && kind[0] <= 'z')
      kind[0] = static_cast<char>(kind[0] - 'a' + 'A');
    out = "[" + (directive.value.empty() ? kind : directive.value) + "]";
    return true;
  }
  if (name == "chorus") {
    out = "[" + (directive.value.empty() ? std::string("Chorus") : directive.value) + "]";
    return true;
  }
  if (directive.plain) {
    // Read from a plain line: as read, or in the same form when it changed.
    out = directive.value == directive.readValue ? std::string() : directive.value;
    return directive.value == directive.readValue || directive.name == "title" ||
           PlainInfoLine(directive, out);
  }
  static const char* const kShown[] = {"title",          "subtitle",    "comment",
                                       "comment_italic", "comment_box", "highlight"};
  for (const char* shown : kShown) {
    if (name == shown) {
      out = directive.value;
      return true;
    }
  }
  // Capo, key, tempo, artist...: as chords sites write them, so they are read back.
  return PlainInfoLine(directive, out);
}

void AppendTextLine(const Song& song, const SongLine& line, std::string& out) {
  const std::vector<const SongChord*> chords = ChordsOf(song, line);
  std::string plain;
  switch (line.kind) {
    case LineKind::Directive:
      if (line.directive.plain && line.directive.value == line.directive.readValue) {
        out += line.source + line.ending;
      } else if (PlainDirective(line.directive, plain)) {
        out += plain + line.ending;
      }
      return;
    case LineKind::Comment:
      return;
    case LineKind::Lyrics:
      if (!line.chordSource.empty()) {
        out += Changed(chords) ? ChordLineOf(song, line) : line.chordSource;
        out += line.chordEnding;
      } else if (!chords.empty()) {
        out += ChordLineOf(song, line) + (line.ending.empty() ? "\n" : line.ending);
      }
      out += line.lyrics + line.ending;
      return;
    case LineKind::Chords:
    case LineKind::Grid:
      out += ReplaceChordsInLine(line.source, chords) + line.ending;
      return;
    case LineKind::Dropped:
      return;
    default:
      out += line.source + line.ending;
  }
}

}  // namespace

std::string ReplaceChordsInLine(std::string_view source,
                                const std::vector<const SongChord*>& chords) {
  std::string out;
  std::size_t at = 0;
  long drift = 0;  // bytes the line has grown by so far
  for (const SongChord* chord : chords) {
    std::size_t start = std::min(chord->sourceOffset, source.size());
    std::string_view gap = source.substr(at, start - at);
    // A longer chord before eats blanks of the gap (one stays); a shorter one pads it.
    while (drift > 0 && gap.size() > 1 && song_text::IsBlank(gap.front()) &&
           song_text::IsBlank(gap[1])) {
      gap.remove_prefix(1);
      --drift;
    }
    if (drift < 0 && !gap.empty() && song_text::IsBlank(gap.front())) {
      out.append(static_cast<std::size_t>(-drift), ' ');
      drift = 0;
    }
    out.append(gap);
    out += chord->text;
    drift += static_cast<long>(chord->text.size()) - static_cast<long>(chord->sourceLength);
    at = std::min(start + chord->sourceLength, source.size());
  }
  out.append(source.substr(at));
  return out;
}

std::string WriteChordPro(const Song& song, const std::vector<std::string>& added) {
  std::string out(song.byteOrderMark ? kByteOrderMark : std::string_view());
  // After the head of directives and comments (a title, a key) the song
  // gains its lines.
  std::size_t head = 0;
  while (head < song.lines.size() && (song.lines[head].kind == LineKind::Directive ||
                                      song.lines[head].kind == LineKind::Comment))
    ++head;
  const std::string ending =
      song.lines.empty() || song.lines.front().ending.empty() ? "\n" : song.lines.front().ending;
  for (std::size_t i = 0; i <= song.lines.size(); ++i) {
    if (i == head) {
      // A head whose last line ends without a break gets one first.
      if (!added.empty() && i > 0 && song.lines[i - 1].ending.empty()) out += ending;
      for (const std::string& line : added) out += line + ending;
    }
    if (i == song.lines.size()) break;
    const SongLine& line = song.lines[i];
    if (line.kind != LineKind::Dropped) out += ChordProLine(song, line) + line.ending;
  }
  return out;
}

std::string WriteChordsOverWords(const Song& song, const std::vector<std::string>& added) {
  std::string out(song.byteOrderMark ? kByteOrderMark : std::string_view());
  std::size_t head = 0;
  while (head < song.lines.size() && song.lines[head].kind == LineKind::Directive) ++head;
  const std::string ending =
      song.lines.empty() || song.lines.front().ending.empty() ? "\n" : song.lines.front().ending;
  for (std::size_t i = 0; i <= song.lines.size(); ++i) {
    if (i == head) {
      if (!added.empty() && !out.empty() && out.back() != '\n' && out.back() != '\r') out += ending;
      for (const std::string& line : added) out += line + ending;
    }
    if (i < song.lines.size()) AppendTextLine(song, song.lines[i], out);
  }
  return out;
}

}  // namespace corvanta
