// The printed sheet of a voiced song: title block, diagrams, body blocks.
#include "printed_song/song_sheet_of.h"

#include <algorithm>
#include <charconv>

#include "song/grid_text.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

bool InChorus(const Song& song, const SongLine& line) {
  return line.section >= 0 && static_cast<std::size_t>(line.section) < song.sections.size() &&
         song.sections[static_cast<std::size_t>(line.section)].kind == "chorus";
}

SongSheetBlock Block(SongBlockKind kind, std::string text = {}, bool chorus = false) {
  SongSheetBlock block;
  block.kind = kind;
  block.text = std::move(text);
  block.chorus = chorus;
  return block;
}

std::vector<ChordPlacement> ByOffset(std::vector<ChordPlacement> chords) {
  std::stable_sort(chords.begin(), chords.end(),
                   [](const ChordPlacement& a, const ChordPlacement& b) {
                     return a.lyricOffset < b.lyricOffset;
                   });
  return chords;
}

SongSheetSegment ChordSegment(const Song& song, const ChordPlacement& placed, std::string lyric) {
  if (placed.chord < 0 || static_cast<std::size_t>(placed.chord) >= song.chords.size())
    return {"", std::move(lyric), true};
  const SongChord& chord = song.chords[static_cast<std::size_t>(placed.chord)];
  return {chord.text, std::move(lyric), chord.read || chord.noChord};
}

// ChordPro's annotations ("[*||:]", "[*Rit.]") the reader left in the
// words: each taken out and printed where a chord stands, without brackets.
std::vector<SongSheetSegment> WithAnnotations(std::vector<SongSheetSegment> segments) {
  std::vector<SongSheetSegment> out;
  for (SongSheetSegment& segment : segments) {
    std::size_t open = segment.lyric.find("[*");
    std::size_t close = open == std::string::npos ? open : segment.lyric.find(']', open);
    if (close == std::string::npos) {
      out.push_back(std::move(segment));
      continue;
    }
    std::string rest = segment.lyric;
    segment.lyric = rest.substr(0, open);
    if (!segment.chord.empty() || !segment.lyric.empty()) out.push_back(std::move(segment));
    while (close != std::string::npos) {
      SongSheetSegment annotation{rest.substr(open + 2, close - open - 2), {}, true, true};
      rest = rest.substr(close + 1);
      open = rest.find("[*");
      close = open == std::string::npos ? open : rest.find(']', open);
      annotation.lyric = rest.substr(
          0, open == std::string::npos || close == std::string::npos ? rest.size() : open);
      out.push_back(std::move(annotation));
    }
  }
  return out;
}

// Words with their chords: each chord over the lyric from its offset to the
// next chord's.
SongSheetBlock LyricsBlock(const Song& song, const SongLine& line) {
  SongSheetBlock block = Block(SongBlockKind::Lyrics, {}, InChorus(song, line));
  const std::vector<ChordPlacement> chords = ByOffset(line.chords);
  const std::string& words = line.lyrics;
  const std::size_t first = chords.empty() ? words.size() : chords.front().lyricOffset;
  if (first > 0)
    block.segments.push_back({"", words.substr(0, std::min(first, words.size())), true});
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const std::size_t from = std::min(chords[i].lyricOffset, words.size());
    const std::size_t to =
        i + 1 < chords.size() ? std::min(chords[i + 1].lyricOffset, words.size()) : words.size();
    block.segments.push_back(ChordSegment(song, chords[i], words.substr(from, to - from)));
  }
  block.segments = WithAnnotations(std::move(block.segments));
  return block;
}

bool IsBarMark(std::string_view word) {
  return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
    return c == '|' || c == ':' || c == '.';
  }) && word.find('|') != std::string_view::npos;
}

// A line's words with each chord's current text (a transposition respelled
// it) and whether it was read; the other words as written.
struct LineWord {
  std::string text;
  int column = 0;
  const SongChord* chord = nullptr;
};

std::vector<LineWord> WordsOf(const Song& song, int lineIndex) {
  const SongLine& line = song.lines[static_cast<std::size_t>(lineIndex)];
  std::vector<LineWord> words;
  for (const song_text::Word& word : song_text::SplitWords(line.source))
    words.push_back({std::string(word.text), song_text::ColumnAt(line.source, word.offset)});
  // The line's chords, in the order of their offsets as the words are.
  std::vector<const SongChord*> chords;
  for (const ChordPlacement& placed : line.chords)
    if (placed.chord >= 0 && static_cast<std::size_t>(placed.chord) < song.chords.size())
      chords.push_back(&song.chords[static_cast<std::size_t>(placed.chord)]);
  std::size_t next = 0;
  const std::vector<song_text::Word> split = song_text::SplitWords(line.source);
  for (std::size_t i = 0; i < split.size() && next < chords.size(); ++i) {
    if (chords[next]->sourceOffset != split[i].offset) continue;
    words[i].text = chords[next]->text;
    words[i].chord = chords[next++];
  }
  return words;
}

bool HasBarMark(const std::vector<LineWord>& words) {
  return std::any_of(words.begin(), words.end(), [](const LineWord& word) {
    return word.chord == nullptr && IsBarMark(word.text);
  });
}

// Chords alone, spaced by their columns: blanks as wide as the gaps they
// had, so the line may break between any two. A word that is no chord
// ("x2", "%") stays in its place.
SongSheetBlock ChordsBlock(const Song& song, int lineIndex, const std::vector<LineWord>& words) {
  SongSheetBlock block = Block(SongBlockKind::Lyrics, {},
                               InChorus(song, song.lines[static_cast<std::size_t>(lineIndex)]));
  for (std::size_t i = 0; i < words.size(); ++i) {
    const int gap = i + 1 < words.size() ? std::max(1, words[i + 1].column - words[i].column) : 0;
    SongSheetSegment segment{words[i].text, std::string(static_cast<std::size_t>(gap), ' ')};
    if (words[i].chord != nullptr)
      segment.chordRead = words[i].chord->read || words[i].chord->noChord;
    else
      segment.annotation = true;
    block.segments.push_back(std::move(segment));
  }
  return block;
}

// Words joined by blanks.
std::string Joined(std::vector<const LineWord*>::const_iterator from,
                   std::vector<const LineWord*>::const_iterator to) {
  std::string text;
  for (auto word = from; word != to; ++word) text += (text.empty() ? "" : " ") + (*word)->text;
  return text;
}

// A grid line (or a progression's line with bar lines) as a row: bar
// lines part its bars. In a ChordPro grid, words before the first bar line
// are its label and words after the last its note ("x2"); in a
// progression, chords before the first bar line or after the last are a
// bar, and only the words after its last chord a note.
SongGridRow GridRowOf(const std::vector<LineWord>& words, bool labelled) {
  SongGridRow row;
  std::vector<const LineWord*> cells;
  auto close = [&](std::string line) {
    row.bars.emplace_back();
    for (const LineWord* cell : cells) row.bars.back().push_back(cell->text);
    cells.clear();
    row.lines.push_back(std::move(line));
  };
  for (const LineWord& word : words) {
    if (word.chord != nullptr || !IsBarMark(word.text)) {
      cells.push_back(&word);
    } else if (row.lines.empty() && labelled) {
      row.label = Joined(cells.begin(), cells.end());
      cells.clear();
      row.lines.push_back(word.text);
    } else if (row.lines.empty()) {
      if (!cells.empty()) {
        row.lines.emplace_back();  // a first bar with no line before it
        close(word.text);
      } else {
        row.lines.push_back(word.text);
      }
    } else if (cells.empty()) {
      row.lines.back() = word.text;  // "|" then "|:": the latter stands
    } else {
      close(word.text);
    }
  }
  // After the last bar line: a ChordPro grid's note; a progression's last
  // bar up to its last chord, then its note. A line with no bar line at
  // all is one bar either way.
  auto noteFrom = cells.begin();
  if (!labelled || row.lines.empty())
    for (auto cell = cells.begin(); cell != cells.end(); ++cell)
      if ((*cell)->chord != nullptr) noteFrom = cell + 1;
  row.note = Joined(noteFrom, cells.end());
  cells.erase(noteFrom, cells.end());
  if (!cells.empty()) {
    if (row.lines.empty()) row.lines.emplace_back();
    close("");
  }
  if (row.lines.empty()) row.lines.emplace_back();
  return row;
}

// What a directive prints, if anything.
void AddDirective(const Song& song, const SongLine& line, std::vector<SongSheetBlock>& body) {
  const Directive& d = line.directive;
  const std::string& name = d.name;
  if (name == "comment" || name == "comment_italic" || name == "comment_box" ||
      name == "highlight") {
    SongSheetBlock block = Block(SongBlockKind::Comment, d.value, InChorus(song, line));
    block.comment = name == "comment_italic" ? CommentStyle::Italic
                    : name == "comment_box"  ? CommentStyle::Boxed
                                             : CommentStyle::Plain;
    if (!d.value.empty()) body.push_back(std::move(block));
  } else if (name == "start_of_chorus" || name == "chorus") {
    body.push_back(Block(SongBlockKind::Section, d.value.empty() ? "Chorus" : d.value, true));
  } else if (name == "start_of_grid") {
    const std::string label = ReadGridArguments(d.value).label;
    if (!label.empty()) body.push_back(Block(SongBlockKind::Section, label));
  } else if (name.rfind("start_of_", 0) == 0) {
    if (!d.value.empty()) body.push_back(Block(SongBlockKind::Section, d.value));
  } else if (name == "new_page" || name == "new_physical_page") {
    body.push_back(Block(SongBlockKind::NewPage));
  }
}

int TempoOf(const std::string& text) {
  const std::string_view trimmed = song_text::Trim(text);
  int tempo = 0;
  std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), tempo);
  return tempo;
}

std::string Byline(const Song& song) {
  std::string line;
  for (const std::string* part : {&song.subtitle, &song.artist, &song.composer}) {
    if (part->empty() || line.find(*part) != std::string::npos) continue;
    line += (line.empty() ? "" : " \u00b7 ") + *part;
  }
  return line;
}

// Grid lines in a row are one grid, their bars in columns: a row joins the
// grid the line before it made.
void AddGridRow(const Song& song, int lineIndex, SongGridRow row, const GridArguments& shape,
                int& gridLine, std::vector<SongSheetBlock>& body) {
  if (gridLine != lineIndex - 1 || body.empty() || body.back().kind != SongBlockKind::Grid) {
    SongSheetBlock block = Block(SongBlockKind::Grid, {},
                                 InChorus(song, song.lines[static_cast<std::size_t>(lineIndex)]));
    block.barsPerRow = shape.bars;
    block.cellsPerBar = shape.cells;
    body.push_back(std::move(block));
  }
  body.back().rows.push_back(std::move(row));
  gridLine = lineIndex;
}

void AddBody(const Song& song, std::vector<SongSheetBlock>& body) {
  GridArguments shape;
  int gridLine = -2;  // the last line a grid row came from
  for (std::size_t i = 0; i < song.lines.size(); ++i) {
    const SongLine& line = song.lines[i];
    const int index = static_cast<int>(i);
    switch (line.kind) {
      case LineKind::Lyrics:
        body.push_back(LyricsBlock(song, line));
        break;
      case LineKind::Chords: {
        const std::vector<LineWord> words = WordsOf(song, index);
        if (HasBarMark(words))
          AddGridRow(song, index, GridRowOf(words, false), GridArguments(), gridLine, body);
        else
          body.push_back(ChordsBlock(song, index, words));
        break;
      }
      case LineKind::Directive:
        if (line.directive.name == "start_of_grid") shape = ReadGridArguments(line.directive.value);
        AddDirective(song, line, body);
        break;
      case LineKind::Blank:
        // A run of blank lines is one gap as tall as all of them: the sheet
        // grows with what is printed, not with the bytes of the text.
        if (!body.empty() && body.back().kind == SongBlockKind::Space)
          ++body.back().blankLines;
        else
          body.push_back(Block(SongBlockKind::Space));
        break;
      case LineKind::Heading:
        body.push_back(
            Block(SongBlockKind::Section, line.lyrics,
                  song_text::Lowercase(line.lyrics).find("chorus") != std::string::npos));
        break;
      case LineKind::Tab:
        if (body.empty() || body.back().kind != SongBlockKind::Tab)
          body.push_back(Block(SongBlockKind::Tab, {}, InChorus(song, line)));
        body.back().lines.push_back(line.source);
        break;
      case LineKind::Grid:
        AddGridRow(song, index, GridRowOf(WordsOf(song, index), true), shape, gridLine, body);
        break;
      case LineKind::Comment:
      case LineKind::Dropped:
        break;
    }
  }
}

}  // namespace

SongSheet SongSheetOf(const VoicedSong& voiced, const Session& session) {
  const Song& song = voiced.song;
  SongSheet sheet;
  sheet.title = song.title;
  sheet.subtitle = Byline(song);
  sheet.facts = SongFactsLine(voiced.soundingKey.empty() ? voiced.key : voiced.soundingKey,
                              TempoOf(song.tempo), song.time);
  // The names printed are the simpler chords: the sheet says so.
  if (voiced.simplified > 0)
    sheet.facts += std::string(sheet.facts.empty() ? "" : " \u00b7 ") + "Chords simplified";
  sheet.capoLine = CapoLine(voiced.capo, voiced.key, voiced.soundingKey);
  for (const DistinctChord& chord : voiced.distinct)
    sheet.diagrams.diagrams.push_back({chord.voicing.frets, chord.symbol, false});
  sheet.diagrams.leftHanded = session.leftHanded;
  // As chord books print them: a ring over an open string, a cross over a
  // muted one, the bass filled; the nut needs no fret number.
  sheet.diagrams.chartMarks = true;
  sheet.diagrams.nutFretLabel = false;
  DescribeStrings(sheet.diagrams, session.instrument, voiced.capo);
  AddBody(song, sheet.body);
  return sheet;
}

}  // namespace corvanta
