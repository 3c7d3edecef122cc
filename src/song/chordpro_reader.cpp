// ChordPro: inline [chords] in the lyrics, {directives}, "#" comments, and
// the tab and grid sections whose lines are not lyrics.
#include "song/chord_words.h"
#include "song/song_building.h"
#include "song/song_reader.h"

namespace corvanta {
namespace {

using song_text::TextLine;

// A {directive} line split so that before + value + after is the line.
bool SplitDirective(std::string_view source, Directive& directive) {
  const std::size_t open = source.find_first_not_of(" \t");
  if (open == std::string_view::npos || source[open] != '{') return false;
  const std::size_t close = source.find('}', open);
  if (close == std::string_view::npos) return false;
  std::size_t nameEnd = open + 1;
  while (nameEnd < close && source[nameEnd] != ':' && !song_text::IsBlank(source[nameEnd]))
    ++nameEnd;
  directive.written = std::string(source.substr(open + 1, nameEnd - open - 1));
  std::size_t valueStart = nameEnd;
  if (valueStart < close && source[valueStart] == ':') ++valueStart;
  while (valueStart < close && song_text::IsBlank(source[valueStart])) ++valueStart;
  std::size_t valueEnd = close;
  while (valueEnd > valueStart && song_text::IsBlank(source[valueEnd - 1])) --valueEnd;
  directive.before = std::string(source.substr(0, valueStart));
  directive.value = std::string(source.substr(valueStart, valueEnd - valueStart));
  directive.after = std::string(source.substr(valueEnd));
  const DirectiveName name = LongDirectiveName(directive.written);
  directive.name = name.name;
  directive.known = name.known;
  return !directive.written.empty();
}

// "Chorus", "Verse 2": a part's name, which no chord reading takes.
bool IsPartName(std::string_view text) {
  const std::vector<song_text::Word> words = song_text::SplitWords(text);
  return !words.empty() && IsSectionWord(words.front().text) && !IsChordWord(text);
}

// A line that is only a part's name in brackets: a heading.
bool IsBracketedHeading(std::string_view line) {
  const std::string_view text = song_text::Trim(line);
  return text.size() >= 3 && text.front() == '[' && text.back() == ']' &&
         text.find(']') == text.size() - 1 && IsPartName(text.substr(1, text.size() - 2));
}

// The names the song {define}s anywhere: chords of the song from its first line.
std::vector<std::string> DefinedNames(const std::vector<TextLine>& lines) {
  std::vector<std::string> names;
  for (const TextLine& text : lines) {
    Directive directive;
    if (!SplitDirective(text.text, directive)) continue;
    if (directive.name != "define" && directive.name != "chord") continue;
    const std::vector<song_text::Word> words = song_text::SplitWords(directive.value);
    if (words.empty()) continue;
    std::string_view name = words.front().text;
    if (!name.empty() && name.back() == ':') name.remove_suffix(1);
    names.emplace_back(name);
  }
  return names;
}

// The lyrics of a line with its [chords] taken out and placed. A "[" with
// no "]" after it, and ChordPro's annotations "[*...]", stay in the words.
void ReadInlineChords(int line, const TextLine& text, int sourceLine, SongBuilder& builder) {
  const std::string_view source = text.text;
  std::string lyrics;
  std::size_t at = 0;
  while (at < source.size()) {
    const std::size_t open = source.find('[', at);
    const std::size_t close = open == std::string_view::npos ? open : source.find(']', open);
    if (close == std::string_view::npos || source[open + 1] == '*') {
      const std::size_t end = open == std::string_view::npos    ? source.size()
                              : close == std::string_view::npos ? source.size()
                                                                : close + 1;
      lyrics.append(source.substr(at, end - at));
      at = end;
      continue;
    }
    lyrics.append(source.substr(at, open - at));
    const std::string_view written = source.substr(open + 1, close - open - 1);
    if (IsPartName(written) &&
        !builder.IsDefinedName(written)) {  // "[Chorus]": a part's name in brackets, kept as words
      lyrics.append(source.substr(open, close + 1 - open));
      at = close + 1;
      continue;
    }
    if (!builder.AddChord(line, written, sourceLine, source, open + 1, lyrics.size(),
                          song_text::ColumnWidth(lyrics)))
      lyrics.append(source.substr(open, close + 1 - open));  // over the limit: kept as text
    at = close + 1;
  }
  builder.song().lines[static_cast<std::size_t>(line)].lyrics = std::move(lyrics);
}

// Sections open at start_of_X and close at end_of_X; what the directive
// line does to the section stack.
void FollowSection(Song& song, const Directive& directive, int line, int& open) {
  const std::string& name = directive.name;
  if (name.rfind("start_of_", 0) == 0) {
    if (open >= 0) song.sections[static_cast<std::size_t>(open)].lastLine = line - 1;
    song.sections.push_back({name.substr(9), directive.value, line, line});
    open = static_cast<int>(song.sections.size()) - 1;
  } else if (name.rfind("end_of_", 0) == 0 && open >= 0) {
    song.sections[static_cast<std::size_t>(open)].lastLine = line;
    song.lines[static_cast<std::size_t>(line)].section = open;
    open = -1;
  }
}

void TakeDirective(int line, SongBuilder& builder, int& open) {
  Song& song = builder.song();
  SongLine& songLine = song.lines[static_cast<std::size_t>(line)];
  const Directive& directive = songLine.directive;
  FollowSection(song, directive, line, open);
  if (open >= 0) songLine.section = open;
  TakeMetadata(song, directive);
  if (directive.name == "transpose") {
    if (const std::optional<int> semitones = TransposeValue(song, directive.value))
      builder.SetTranspose(*semitones);
  }
  if (directive.name == "define" || directive.name == "chord") {
    SongDefine define;
    define.line = line;
    define.transposeHere = builder.Transpose();
    const std::string problem = ReadDefine(directive.value, define);
    if (problem.empty()) {
      song.defines.push_back(std::move(define));
    } else if (problem != kNameOnly) {
      song.notes.push_back("line " + std::to_string(line + 1) + ": {" + directive.written + ": " +
                           directive.value + "} is not used: " + problem);
    }
  }
  if (!directive.known || directive.name == "meta")
    song.otherDirectives.push_back(directive.written + ": " + directive.value);
}

std::string_view OpenKind(const Song& song, int open) {
  return open < 0 ? std::string_view() : song.sections[static_cast<std::size_t>(open)].kind;
}

}  // namespace

void ReadChordProLines(const std::vector<TextLine>& lines, SongBuilder& builder) {
  Song& song = builder.song();
  builder.SetDefinedNames(DefinedNames(lines));
  int open = -1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const TextLine& text = lines[i];
    const int sourceLine = static_cast<int>(i) + 1;
    Directive directive;
    if (SplitDirective(text.text, directive)) {
      const int line = builder.AddLine(LineKind::Directive, text);
      song.lines[static_cast<std::size_t>(line)].directive = std::move(directive);
      TakeDirective(line, builder, open);
      continue;
    }
    const std::string_view kind = OpenKind(song, open);
    LineKind lineKind = LineKind::Lyrics;
    if (kind == "tab") {
      lineKind = LineKind::Tab;
    } else if (song_text::Trim(text.text).substr(0, 1) == "#") {
      lineKind = LineKind::Comment;
    } else if (song_text::IsBlankLine(text.text)) {
      lineKind = LineKind::Blank;
    } else if (kind == "grid") {
      lineKind = LineKind::Grid;
    } else if (IsBracketedHeading(text.text)) {
      lineKind = LineKind::Heading;
    }
    const int line = builder.AddLine(lineKind, text);
    song.lines[static_cast<std::size_t>(line)].section = open;
    if (lineKind == LineKind::Heading) {
      const std::string_view label = song_text::Trim(text.text);
      song.lines[static_cast<std::size_t>(line)].lyrics =
          std::string(label.substr(1, label.size() - 2));
    }
    if (lineKind == LineKind::Grid) builder.AddChordWords(line, text.text, sourceLine);
    if (lineKind == LineKind::Lyrics) ReadInlineChords(line, text, sourceLine, builder);
  }
  if (open >= 0)
    song.sections[static_cast<std::size_t>(open)].lastLine =
        static_cast<int>(song.lines.size()) - 1;
}

}  // namespace corvanta
