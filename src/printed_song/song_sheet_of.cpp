// The printed sheet of a voiced song: title block, diagrams, body blocks.
#include "printed_song/song_sheet_of.h"

#include <algorithm>
#include <charconv>

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
  return block;
}

// Chords alone, spaced by their columns: blanks as wide as the gaps they
// had, so the line may break between any two.
SongSheetBlock ChordsBlock(const Song& song, const SongLine& line) {
  SongSheetBlock block = Block(SongBlockKind::Lyrics, {}, InChorus(song, line));
  std::vector<ChordPlacement> chords = line.chords;
  std::stable_sort(
      chords.begin(), chords.end(),
      [](const ChordPlacement& a, const ChordPlacement& b) { return a.column < b.column; });
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const int gap =
        i + 1 < chords.size() ? std::max(1, chords[i + 1].column - chords[i].column) : 0;
    block.segments.push_back(
        ChordSegment(song, chords[i], std::string(static_cast<std::size_t>(gap), ' ')));
  }
  return block;
}

bool IsBarMark(std::string_view word) {
  return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
    return c == '|' || c == ':' || c == '.';
  }) && word.find('|') != std::string_view::npos;
}

// A grid line's words: bar marks close bars, chords show their current
// text, the other beats ("." "/" "%") stay as written; words after the last
// bar mark are a note beside the line.
SongSheetBlock GridBlock(const Song& song, int lineIndex) {
  const SongLine& line = song.lines[static_cast<std::size_t>(lineIndex)];
  SongSheetBlock block = Block(SongBlockKind::Grid, {}, InChorus(song, line));
  std::vector<std::string> bar;
  bool barOpen = false;
  std::string after;
  for (const song_text::Word& word : song_text::SplitWords(line.source)) {
    std::string text(word.text);
    for (const SongChord& chord : song.chords)
      if (chord.line == lineIndex && chord.sourceOffset == word.offset) text = chord.text;
    if (IsBarMark(word.text)) {
      if (barOpen || !bar.empty()) block.bars.push_back(bar);
      bar.clear();
      barOpen = true;
      after.clear();
      continue;
    }
    bar.push_back(text);
    after += (after.empty() ? "" : " ") + text;
  }
  if (!barOpen) {
    if (!bar.empty()) block.bars.push_back(bar);
  } else if (!bar.empty()) {
    block.text = after;  // "x2", a note
  }
  return block;
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
  } else if (name == "start_of_verse" || name == "start_of_bridge" || name == "start_of_tab" ||
             name == "start_of_grid") {
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

void AddBody(const Song& song, std::vector<SongSheetBlock>& body) {
  for (std::size_t i = 0; i < song.lines.size(); ++i) {
    const SongLine& line = song.lines[i];
    switch (line.kind) {
      case LineKind::Lyrics:
        body.push_back(LyricsBlock(song, line));
        break;
      case LineKind::Chords:
        body.push_back(ChordsBlock(song, line));
        break;
      case LineKind::Directive:
        AddDirective(song, line, body);
        break;
      case LineKind::Blank:
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
        body.push_back(GridBlock(song, static_cast<int>(i)));
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
