// The printed song placed on pages: rows of text, rules and diagrams, in points.
#include "printed_song/song_sheet_layout.h"

#include <algorithm>
#include <limits>

#include "printed_song/lyric_wrap.h"
#include "printed_song/text_breaks.h"
#include "view/layout/diagram_layout.h"
#include "view/layout/picture_geometry.h"

namespace corvanta {
namespace {

SheetPoint Moved(SheetPoint point, double dx, double dy) { return {point.x + dx, point.y + dy}; }

// One piece of the page that is never split (song_sheet_layout.h).
using Row = SongRow;

constexpr int kSmallestTab = 6;
constexpr double kCommentPad = 3;
constexpr double kSectionGap = 4;
constexpr double kBlockGap = 10;
constexpr double kGridCellLeast = 24;

class Rows {
 public:
  Rows(const SongSheet& sheet, double width, const TextMeasure& measure)
      : sheet_(sheet), width_(width), measure_(measure) {}

  std::vector<Row> TitleBlock() {
    AddText(SongTextRole::Title, sheet_.title, 0, false);
    AddText(SongTextRole::Subtitle, sheet_.subtitle, 0, false);
    AddText(SongTextRole::Facts, sheet_.facts, 0, false);
    AddText(SongTextRole::CapoLine, sheet_.capoLine, 0, false);
    if (!rows_.empty()) AddGap(kBlockGap);
    AddDiagrams();
    return std::move(rows_);
  }

  std::vector<Row> Body() {
    for (const SongSheetBlock& block : sheet_.body) AddBlock(block);
    return std::move(rows_);
  }

 private:
  FaceMetrics Metrics(SongTextRole role) const { return measure_.Metrics(FaceOf(role)); }
  double Indent(bool chorus) const { return kSongPageMargin + (chorus ? kChorusIndent : 0); }
  double Room(bool chorus) const {
    return std::max(1.0, width_ - 2 * kSongPageMargin - (chorus ? kChorusIndent : 0));
  }

  // The chorus's mark: a rule in the margin beside every line of it.
  Row& Push(Row row, bool chorus) {
    if (chorus) {
      const double x = kSongPageMargin + kChorusIndent / 3;
      row.items.rules.push_back({{x, 0}, {x, row.height}});
    }
    rows_.push_back(std::move(row));
    return rows_.back();
  }

  void AddGap(double height) {
    Row row;
    row.height = height;
    row.space = true;
    rows_.push_back(row);
  }

  void AddText(SongTextRole role, const std::string& text, double gapAbove, bool chorus) {
    if (text.empty()) return;
    const SongFace face = FaceOf(role);
    const FaceMetrics metrics = measure_.Metrics(face);
    bool first = true;
    for (std::string& line : WrapText(text, measure_, face, Room(chorus))) {
      Row row;
      const double gap = first ? gapAbove : 0;
      row.height = gap + metrics.lineHeight;
      row.items.texts.push_back({role, {Indent(chorus), gap + metrics.ascent}, std::move(line)});
      Push(std::move(row), chorus);
      first = false;
    }
  }

  void AddDiagrams() {
    const SheetModel& diagrams = sheet_.diagrams;
    if (diagrams.diagrams.empty()) return;
    const double cellWidth =
        DiagramCellWidth(static_cast<int>(diagrams.diagrams.front().frets.size())) *
        kSongDiagramScale;
    const double cellHeight = kSheetRowHeight * kSongDiagramScale;
    const int columns = std::max(1, static_cast<int>(Room(false) / cellWidth));
    const int count = static_cast<int>(diagrams.diagrams.size());
    for (int first = 0; first < count; first += columns) {
      Row row;
      row.height = cellHeight;
      for (int index = first; index < std::min(count, first + columns); ++index)
        row.items.diagrams.emplace_back(
            index, SheetPoint{kSongPageMargin + (index - first) * cellWidth, 0});
      rows_.push_back(std::move(row));
    }
    AddGap(kBlockGap);
  }

  void AddBlock(const SongSheetBlock& block) {
    switch (block.kind) {
      case SongBlockKind::Lyrics:
        return AddLyrics(block);
      case SongBlockKind::Section: {
        const bool top = rows_.empty();
        AddText(SongTextRole::Section, block.text, top ? 0 : kSectionGap, block.chorus);
        if (!rows_.empty()) rows_.back().keepWithNext = true;
        return;
      }
      case SongBlockKind::Comment:
        return AddComment(block);
      case SongBlockKind::Grid:
        return AddGrid(block);
      case SongBlockKind::Tab:
        return AddTab(block);
      case SongBlockKind::Space:
        return AddGap(Metrics(SongTextRole::Lyric).lineHeight * 0.6);
      case SongBlockKind::NewPage: {
        Row row;
        row.newPage = true;
        rows_.push_back(row);
        return;
      }
    }
  }

  void AddLyrics(const SongSheetBlock& block) {
    const LyricSetting setting{measure_, FaceOf(SongTextRole::Chord), FaceOf(SongTextRole::Lyric)};
    const FaceMetrics chordMetrics = measure_.Metrics(setting.chord);
    const FaceMetrics lyricMetrics = measure_.Metrics(setting.lyric);
    const double left = Indent(block.chorus);
    for (WrappedLine& line : WrapLyricLine(block.segments, setting, Room(block.chorus))) {
      Row row;
      const double chordHeight = line.HasChords() ? chordMetrics.lineHeight : 0;
      const bool lyric = line.HasLyric() || !line.HasChords();
      row.height = chordHeight + (lyric ? lyricMetrics.lineHeight : 0);
      for (PlacedChord& chord : line.chords)
        row.items.texts.push_back({SongTextRole::Chord,
                                   {left + chord.x, chordMetrics.ascent},
                                   std::move(chord.text),
                                   !chord.read});
      for (PlacedRun& run : line.runs) {
        if (IsWhiteSpace(run.text)) continue;
        row.items.texts.push_back({SongTextRole::Lyric,
                                   {left + run.x, chordHeight + lyricMetrics.ascent},
                                   std::move(run.text)});
      }
      Push(std::move(row), block.chorus);
    }
  }

  void AddComment(const SongSheetBlock& block) {
    const SongTextRole role =
        block.comment == CommentStyle::Italic ? SongTextRole::CommentItalic : SongTextRole::Comment;
    const SongFace face = FaceOf(role);
    const FaceMetrics metrics = measure_.Metrics(face);
    const double left = Indent(block.chorus);
    std::vector<std::string> lines =
        WrapText(block.text, measure_, face, Room(block.chorus) - 2 * kCommentPad);
    Row row;
    double widest = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      widest = std::max(widest, measure_.Width(lines[i], face));
      row.items.texts.push_back(
          {role,
           {left + kCommentPad, kCommentPad + metrics.ascent + i * metrics.lineHeight},
           std::move(lines[i])});
    }
    row.height = lines.size() * metrics.lineHeight + 2 * kCommentPad;
    const SheetRect around{left, 0, widest + 2 * kCommentPad, row.height - 1};
    if (block.comment == CommentStyle::Plain) row.items.bands.push_back(around);
    if (block.comment == CommentStyle::Boxed) row.items.frames.push_back(around);
    Push(std::move(row), block.chorus);
  }

  // Bars of equal beats side by side, a bar line before each and after the
  // last, wrapped by whole bars.
  void AddGrid(const SongSheetBlock& block) {
    const SongFace face = FaceOf(SongTextRole::GridChord);
    const FaceMetrics metrics = measure_.Metrics(face);
    const double gap = ChordGap(measure_, face);
    double cell = kGridCellLeast;
    for (const auto& bar : block.bars)
      for (const std::string& beat : bar) cell = std::max(cell, measure_.Width(beat, face) + gap);
    const double left = Indent(block.chorus);
    const double room = Room(block.chorus);
    const double height = metrics.lineHeight + 6;
    Row row;
    row.height = height;
    double x = 0;
    auto close = [&]() {
      row.items.rules.push_back({{left + x, 2}, {left + x, height - 2}});
      Push(std::move(row), block.chorus);
      row = Row();
      row.height = height;
      x = 0;
    };
    for (const auto& bar : block.bars) {
      const double barWidth = std::max<std::size_t>(1, bar.size()) * cell + gap;
      if (x > 0 && x + barWidth > room) close();
      row.items.rules.push_back({{left + x, 2}, {left + x, height - 2}});
      for (std::size_t beat = 0; beat < bar.size(); ++beat) {
        if (bar[beat] == ".") continue;  // a beat the chord before holds
        row.items.texts.push_back({SongTextRole::GridChord,
                                   {left + x + gap * 0.75 + beat * cell, 3 + metrics.ascent},
                                   bar[beat]});
      }
      x += barWidth;
    }
    if (!block.text.empty())
      row.items.texts.push_back(
          {SongTextRole::CommentItalic, {left + x + gap, 3 + metrics.ascent}, block.text});
    if (!block.bars.empty() || !block.text.empty()) close();
  }

  // Verbatim, columns kept: the face shrinks until the widest line fits;
  // a line still too wide goes on in the next line at the same columns.
  void AddTab(const SongSheetBlock& block) {
    SongFace face = FaceOf(SongTextRole::Tab);
    const double room = Room(block.chorus);
    std::size_t widest = 1;
    for (const std::string& line : block.lines) widest = std::max(widest, LetterCount(line));
    while (face.size > kSmallestTab && measure_.Width("-", face) * widest > room) face.size -= 1;
    const FaceMetrics metrics = measure_.Metrics(face);
    const std::size_t columns =
        static_cast<std::size_t>(std::max(1, static_cast<int>(room / measure_.Width("-", face))));
    for (const std::string& line : block.lines) {
      const std::vector<std::size_t> ends = LetterEnds(line);
      std::size_t from = 0;
      for (std::size_t letter = 0; letter == 0 || letter < ends.size(); letter += columns) {
        const std::size_t to = ends.empty() ? 0 : ends[std::min(ends.size(), letter + columns) - 1];
        Row row;
        row.height = metrics.lineHeight;
        row.items.texts.push_back({SongTextRole::Tab,
                                   {Indent(block.chorus), metrics.ascent},
                                   line.substr(from, to - from),
                                   false,
                                   static_cast<int>(face.size)});
        Push(std::move(row), block.chorus);
        from = to;
      }
    }
  }

  const SongSheet& sheet_;
  double width_;
  const TextMeasure& measure_;
  std::vector<Row> rows_;
};

void Append(SongPageLayout& page, SongPageLayout&& items, double top) {
  for (SongText& text : items.texts) {
    text.baseline.y += top;
    page.texts.push_back(std::move(text));
  }
  for (const SheetRule& rule : items.rules)
    page.rules.push_back({Moved(rule.from, 0, top), Moved(rule.to, 0, top)});
  for (SheetRect band : items.bands) {
    band.y += top;
    page.bands.push_back(band);
  }
  for (SheetRect frame : items.frames) {
    frame.y += top;
    page.frames.push_back(frame);
  }
  for (const auto& [index, at] : items.diagrams)
    page.diagrams.emplace_back(index, Moved(at, 0, top));
}

// The title, small, over a rule at the top of every page after the first.
double AddHeader(SongPageLayout& page, const SongSheet& sheet, double width,
                 const TextMeasure& measure) {
  if (sheet.title.empty()) return kSongPageMargin;
  const FaceMetrics metrics = measure.Metrics(FaceOf(SongTextRole::Header));
  const double line = kSongPageMargin + metrics.lineHeight + 2;
  page.texts.push_back(
      {SongTextRole::Header, {kSongPageMargin, kSongPageMargin + metrics.ascent}, sheet.title});
  page.rules.push_back({{kSongPageMargin, line}, {width - kSongPageMargin, line}});
  return line + kBlockGap;
}

void AddPageNumbers(SongSheetLayout& layout, const TextMeasure& measure) {
  const std::size_t count = layout.pages.size();
  if (count < 2) return;
  const SongFace face = FaceOf(SongTextRole::PageNumber);
  for (std::size_t index = 0; index < count; ++index) {
    std::string text = std::to_string(index + 1) + " / " + std::to_string(count);
    const double x = (layout.pageSize.width - measure.Width(text, face)) / 2;
    layout.pages[index].texts.push_back(
        {SongTextRole::PageNumber, {x, layout.pageSize.height - kSongPageMargin / 2}, text});
  }
}

SongSheetLayout LayOut(const SongSheet& sheet, SheetSize pageSize, bool paginate,
                       const TextMeasure& measure) {
  Rows rows(sheet, pageSize.width, measure);
  std::vector<Row> all = rows.TitleBlock();
  std::vector<Row> body = rows.Body();
  all.insert(all.end(), std::make_move_iterator(body.begin()), std::make_move_iterator(body.end()));

  SongSheetLayout layout;
  layout.pageSize = pageSize;
  layout.diagramScale = kSongDiagramScale;
  layout.pages.emplace_back();
  const double bottom =
      paginate ? pageSize.height - kSongPageMargin : std::numeric_limits<double>::infinity();
  double y = kSongPageMargin;
  bool top = true;  // nothing placed on this page yet
  auto newPage = [&]() {
    layout.pages.emplace_back();
    y = AddHeader(layout.pages.back(), sheet, pageSize.width, measure);
    top = true;
  };
  for (std::size_t i = 0; i < all.size(); ++i) {
    Row& row = all[i];
    if (row.newPage) {
      if (paginate && !top) newPage();
      continue;
    }
    const double withNext =
        row.height + (row.keepWithNext && i + 1 < all.size() ? all[i + 1].height : 0);
    if (!top && (y + row.height > bottom || y + withNext > bottom)) newPage();
    if (row.space && top && layout.pages.size() > 1) continue;
    Append(layout.pages.back(), std::move(row.items), y);
    y += row.height;
    top = false;
  }
  if (!paginate) layout.pageSize.height = y + kSongPageMargin;
  AddPageNumbers(layout, measure);
  return layout;
}

}  // namespace

SongFace FaceOf(SongTextRole role) {
  switch (role) {
    case SongTextRole::Title:
      return {22, true};
    case SongTextRole::Subtitle:
      return {14};
    case SongTextRole::Facts:
      return {11};
    case SongTextRole::CapoLine:
      return {12, true};
    case SongTextRole::Header:
      return {10, true};
    case SongTextRole::PageNumber:
      return {9};
    case SongTextRole::Section:
      return {12, true};
    case SongTextRole::Chord:
      return {11, true};
    case SongTextRole::Lyric:
      return {12};
    case SongTextRole::Comment:
      return {11};
    case SongTextRole::CommentItalic:
      return {11, false, true};
    case SongTextRole::Tab:
      return {10, false, false, true};
    case SongTextRole::GridChord:
      return {12, true};
  }
  return {};
}

SongFace SongText::Face() const {
  SongFace face = FaceOf(role);
  if (pixelSize > 0) face.size = pixelSize;
  return face;
}

SheetSize PaperSize(SongPaper paper) {
  return paper == SongPaper::Letter ? SheetSize{612, 792} : SheetSize{595, 842};
}

SongSheetLayout LayOutSongPages(const SongSheet& sheet, SheetSize pageSize,
                                const TextMeasure& measure) {
  return LayOut(sheet, pageSize, true, measure);
}

SongSheetLayout LayOutSongPicture(const SongSheet& sheet, double width,
                                  const TextMeasure& measure) {
  return LayOut(sheet, {width, 0}, false, measure);
}

SongRows LayOutSongRows(const SongSheet& sheet, double pageWidth, const TextMeasure& measure) {
  Rows rows(sheet, pageWidth, measure);
  SongRows laid;
  laid.title = rows.TitleBlock();
  laid.body = rows.Body();
  return laid;
}

void AppendSongRow(SongPageLayout& page, SongRow&& row, double top) {
  Append(page, std::move(row.items), top);
}

double AddSongPageHeader(SongPageLayout& page, const SongSheet& sheet, double pageWidth,
                         const TextMeasure& measure) {
  return AddHeader(page, sheet, pageWidth, measure);
}

}  // namespace corvanta
