// Wraps a lyric line with its chords to a width.
#include "view/lyric_wrap.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <deque>

namespace corvanta {
namespace {

// A stretch of the lyric between two places where something happens: a
// chord stands at its start, or the line may break before it.
struct Piece {
  QString text;
  std::vector<const SongSheetSegment*> chords;  // the chords anchored at its start
};
// Pieces the line may not break between: a word, with the chords in it.
using Unit = std::vector<Piece>;

struct Measures {
  QFontMetricsF chord;
  QFontMetricsF lyric;
  double gap;
};

// Where the next lyric and the next chord may start, and the ink's end.
struct Pen {
  double x = 0;
  double chordEnd = 0;
  double inkEnd = 0;
};

std::vector<bool> BreakPlaces(const QString& text, QTextBoundaryFinder::BoundaryType type) {
  std::vector<bool> breaks(static_cast<std::size_t>(text.size()) + 1, false);
  QTextBoundaryFinder finder(type, text);
  for (qsizetype at = finder.toNextBoundary(); at != -1; at = finder.toNextBoundary())
    breaks[static_cast<std::size_t>(at)] = true;
  return breaks;
}

// The line cut into units at its break places and into pieces at its chords.
std::vector<Unit> UnitsOf(const std::vector<SongSheetSegment>& segments) {
  QString line;
  std::vector<std::pair<qsizetype, const SongSheetSegment*>> anchors;
  for (const SongSheetSegment& segment : segments) {
    if (!segment.chord.empty()) anchors.emplace_back(line.size(), &segment);
    line += QString::fromStdString(segment.lyric);
  }
  const std::vector<bool> breaks = BreakPlaces(line, QTextBoundaryFinder::Line);
  std::vector<Unit> units;
  std::size_t next = 0;
  qsizetype start = 0;
  for (qsizetype at = 0; at <= line.size(); ++at) {
    const bool anchored = next < anchors.size() && anchors[next].first == at;
    const bool breakHere = at > 0 && at < line.size() && breaks[static_cast<std::size_t>(at)];
    const bool end = at == line.size();
    if (at > 0 && !anchored && !breakHere && !end) continue;
    if (!units.empty()) units.back().back().text = line.mid(start, at - start);
    start = at;
    if (end && !anchored) break;
    if (units.empty() || breakHere) units.emplace_back();
    units.back().emplace_back();
    while (next < anchors.size() && anchors[next].first == at)
      units.back().back().chords.push_back(anchors[next++].second);
  }
  return units;
}

void Place(const Piece& piece, const Measures& m, Pen& pen, WrappedLine* out) {
  for (const SongSheetSegment* segment : piece.chords) {
    const QString chord = QString::fromStdString(segment->chord);
    const double x = std::max(pen.x, pen.chordEnd);
    pen.x = x;
    pen.chordEnd = x + m.chord.horizontalAdvance(chord) + m.gap;
    pen.inkEnd = std::max(pen.inkEnd, pen.chordEnd - m.gap);
    if (out != nullptr) out->chords.push_back({x, chord, segment->chordRead});
  }
  if (piece.text.isEmpty()) return;
  const double width = m.lyric.horizontalAdvance(piece.text);
  qsizetype ink = piece.text.size();
  while (ink > 0 && piece.text[ink - 1].isSpace()) --ink;
  if (ink > 0)
    pen.inkEnd = std::max(pen.inkEnd, pen.x + m.lyric.horizontalAdvance(piece.text.left(ink)));
  if (out != nullptr) out->runs.push_back({pen.x, width, piece.text});
  pen.x += width;
}

double Extent(const Unit& unit, const Measures& m, Pen pen) {
  for (const Piece& piece : unit) Place(piece, m, pen, nullptr);
  return pen.inkEnd;
}

// A unit cut between its letters (graphemes), each chord kept on its letter.
std::vector<Unit> Letters(const Unit& unit) {
  std::vector<Unit> letters;
  for (const Piece& piece : unit) {
    const std::vector<bool> cuts = BreakPlaces(piece.text, QTextBoundaryFinder::Grapheme);
    qsizetype start = 0;
    bool first = true;
    for (qsizetype at = 1; at <= piece.text.size(); ++at) {
      if (!cuts[static_cast<std::size_t>(at)]) continue;
      letters.push_back({Piece{piece.text.mid(start, at - start),
                               first ? piece.chords : std::vector<const SongSheetSegment*>()}});
      first = false;
      start = at;
    }
    if (first) letters.push_back({piece});
  }
  return letters;
}

std::size_t Graphemes(const Unit& unit) { return Letters(unit).size(); }

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
                     [](const PlacedRun& run) { return !run.text.trimmed().isEmpty(); });
}

double ChordGap(const QFont& chordFont) {
  return QFontMetricsF(chordFont).horizontalAdvance(QLatin1Char(' ')) * 1.5;
}

std::vector<WrappedLine> WrapLyricLine(const std::vector<SongSheetSegment>& segments,
                                       const QFont& chordFont, const QFont& lyricFont,
                                       double width) {
  const Measures m{QFontMetricsF(chordFont), QFontMetricsF(lyricFont), ChordGap(chordFont)};
  const std::vector<Unit> cut = UnitsOf(segments);
  std::deque<Unit> work(cut.begin(), cut.end());
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
    if (empty && Extent(unit, m, pen) > width && Graphemes(unit) > 1) {
      std::vector<Unit> letters = Letters(unit);
      work.insert(work.begin(), letters.begin(), letters.end());
      continue;
    }
    for (const Piece& piece : unit) Place(piece, m, pen, &lines.back());
    empty = false;
  }
  JoinRuns(lines.back());
  return lines;
}

std::vector<QString> WrapText(const QString& text, const QFont& font, double width) {
  const std::vector<WrappedLine> wrapped =
      WrapLyricLine({SongSheetSegment{"", text.toStdString(), true}}, font, font, width);
  std::vector<QString> lines;
  for (const WrappedLine& line : wrapped) {
    QString joined;
    for (const PlacedRun& run : line.runs) joined += run.text;
    lines.push_back(joined.trimmed());
  }
  return lines;
}

}  // namespace corvanta
