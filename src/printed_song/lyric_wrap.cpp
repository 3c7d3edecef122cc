// Lyric lines with their chords wrapped to a width, chords kept over their syllables.
#include "printed_song/lyric_wrap.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "printed_song/text_breaks.h"

namespace corvanta {
namespace {

// A stretch of the lyric between two places where something happens: a
// chord stands at its start, or the line may break before it.
struct Piece {
  std::string text;
  std::vector<const SongSheetSegment*> chords;  // the chords anchored at its start
};
// Pieces the line may not break between: a word, with the chords in it.
using Unit = std::vector<Piece>;

struct Measures {
  const LyricSetting& setting;
  double gap;
  double Chord(std::string_view text) const { return setting.measure.Width(text, setting.chord); }
  double Lyric(std::string_view text) const { return setting.measure.Width(text, setting.lyric); }
};

// Where the next lyric and the next chord may start, and the ink's end.
struct Pen {
  double x = 0;
  double chordEnd = 0;
  double inkEnd = 0;
};

// The line cut into units at its break places and into pieces at its chords.
std::vector<Unit> UnitsOf(const std::vector<SongSheetSegment>& segments) {
  std::string line;
  std::vector<std::pair<std::size_t, const SongSheetSegment*>> anchors;
  for (const SongSheetSegment& segment : segments) {
    if (!segment.chord.empty()) anchors.emplace_back(line.size(), &segment);
    line += segment.lyric;
  }
  const std::vector<std::size_t> breaks = LineBreaks(line);
  std::vector<Unit> units;
  std::size_t nextAnchor = 0;
  std::size_t nextBreak = 0;
  std::size_t start = 0;
  // Every place something happens, in order: each anchor, each break, the end.
  for (std::size_t at = 0;;) {
    const bool anchored = nextAnchor < anchors.size() && anchors[nextAnchor].first == at;
    const bool breakHere = nextBreak < breaks.size() && breaks[nextBreak] == at;
    const bool end = at == line.size();
    if (at == 0 || anchored || breakHere || end) {
      if (!units.empty()) units.back().back().text = line.substr(start, at - start);
      start = at;
      if (end && !anchored) break;
      if (units.empty() || breakHere) units.emplace_back();
      units.back().emplace_back();
      while (nextAnchor < anchors.size() && anchors[nextAnchor].first == at)
        units.back().back().chords.push_back(anchors[nextAnchor++].second);
      if (breakHere) ++nextBreak;
      if (end) break;
    }
    std::size_t next = line.size();
    if (nextAnchor < anchors.size()) next = std::min(next, anchors[nextAnchor].first);
    if (nextBreak < breaks.size()) next = std::min(next, breaks[nextBreak]);
    at = std::max(next, at + 1);
  }
  return units;
}

// The text's width without the blanks at its end.
std::size_t InkLength(std::string_view text) {
  const std::string_view trimmed = TrimWhiteSpace(text);
  if (trimmed.empty()) return 0;
  return static_cast<std::size_t>(trimmed.data() - text.data()) + trimmed.size();
}

void Place(const Piece& piece, const Measures& m, Pen& pen, WrappedLine* out) {
  for (const SongSheetSegment* segment : piece.chords) {
    const double x = std::max(pen.x, pen.chordEnd);
    pen.x = x;
    pen.chordEnd = x + m.Chord(segment->chord) + m.gap;
    pen.inkEnd = std::max(pen.inkEnd, pen.chordEnd - m.gap);
    if (out != nullptr) out->chords.push_back({x, segment->chord, segment->chordRead});
  }
  if (piece.text.empty()) return;
  const double width = m.Lyric(piece.text);
  const std::size_t ink = InkLength(piece.text);
  if (ink > 0)
    pen.inkEnd = std::max(pen.inkEnd, pen.x + m.Lyric(std::string_view(piece.text).substr(0, ink)));
  if (out != nullptr) out->runs.push_back({pen.x, width, piece.text});
  pen.x += width;
}

double Extent(const Unit& unit, const Measures& m, Pen pen) {
  for (const Piece& piece : unit) Place(piece, m, pen, nullptr);
  return pen.inkEnd;
}

// A unit cut between its letters, each chord kept on its letter.
std::vector<Unit> Letters(const Unit& unit) {
  std::vector<Unit> letters;
  for (const Piece& piece : unit) {
    std::size_t start = 0;
    bool first = true;
    for (std::size_t end : LetterEnds(piece.text)) {
      letters.push_back({Piece{piece.text.substr(start, end - start),
                               first ? piece.chords : std::vector<const SongSheetSegment*>()}});
      first = false;
      start = end;
    }
    if (first) letters.push_back({piece});
  }
  return letters;
}

// Neighbouring runs the pen left in place are one run: text stays whole.
void JoinRuns(WrappedLine& line) {
  std::vector<PlacedRun> joined;
  for (PlacedRun& run : line.runs) {
    if (!joined.empty() && std::abs(joined.back().x + joined.back().width - run.x) < 1e-6) {
      joined.back().text += run.text;
      joined.back().width += run.width;
    } else {
      joined.push_back(std::move(run));
    }
  }
  line.runs = std::move(joined);
}

}  // namespace

bool WrappedLine::HasLyric() const {
  return std::any_of(runs.begin(), runs.end(),
                     [](const PlacedRun& run) { return !IsWhiteSpace(run.text); });
}

double ChordGap(const TextMeasure& measure, const SongFace& chordFace) {
  return measure.Width(" ", chordFace) * 1.5;
}

std::vector<WrappedLine> WrapLyricLine(const std::vector<SongSheetSegment>& segments,
                                       const LyricSetting& setting, double width) {
  const Measures m{setting, ChordGap(setting.measure, setting.chord)};
  std::vector<Unit> cut = UnitsOf(segments);
  std::deque<Unit> work(std::make_move_iterator(cut.begin()), std::make_move_iterator(cut.end()));
  std::vector<WrappedLine> lines(1);
  Pen pen;
  bool empty = true;
  while (!work.empty()) {
    Unit unit = std::move(work.front());
    work.pop_front();
    if (!empty && Extent(unit, m, pen) > width) {
      JoinRuns(lines.back());
      lines.emplace_back();
      pen = Pen();
      empty = true;
    }
    if (empty && Extent(unit, m, pen) > width) {
      std::vector<Unit> letters = Letters(unit);
      if (letters.size() > 1) {
        work.insert(work.begin(), std::make_move_iterator(letters.begin()),
                    std::make_move_iterator(letters.end()));
        continue;
      }
    }
    for (const Piece& piece : unit) Place(piece, m, pen, &lines.back());
    empty = false;
  }
  JoinRuns(lines.back());
  return lines;
}

std::vector<std::string> WrapText(std::string_view text, const TextMeasure& measure,
                                  const SongFace& face, double width) {
  const std::vector<WrappedLine> wrapped = WrapLyricLine(
      {SongSheetSegment{"", std::string(text), true}}, LyricSetting{measure, face, face}, width);
  std::vector<std::string> lines;
  for (const WrappedLine& line : wrapped) {
    std::string joined;
    for (const PlacedRun& run : line.runs) joined += run.text;
    lines.emplace_back(TrimWhiteSpace(joined));
  }
  return lines;
}

}  // namespace corvanta
