#include "view/song_sheet_layout.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <algorithm>
#include <limits>

#include "view/chord_sheet.h"
#include "view/lyric_wrap.h"

namespace corvanta {
namespace {

using Row = SongRow;

struct FontSize {
  int pixels = 12;
  bool bold = false;
  bool italic = false;
  bool fixed = false;
};

FontSize SizeOf(SongTextRole role) {
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

constexpr int kSmallestTab = 6;
constexpr double kCommentPad = 3;
constexpr double kSectionGap = 4;
constexpr double kBlockGap = 10;
constexpr double kGridCellLeast = 24;

double LineHeight(const QFont& font) { return QFontMetricsF(font).lineSpacing(); }
double Ascent(const QFont& font) { return QFontMetricsF(font).ascent(); }

class Rows {
 public:
  Rows(const SongSheet& sheet, double width) : sheet_(sheet), width_(width) {}

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
  double Indent(bool chorus) const { return kSongPageMargin + (chorus ? kChorusIndent : 0); }
  double Room(bool chorus) const {
    return std::max(1.0, width_ - 2 * kSongPageMargin - (chorus ? kChorusIndent : 0));
  }

  // The chorus's mark: a rule in the margin beside every line of it.
  Row& Push(Row row, bool chorus) {
    if (chorus) {
      const double x = kSongPageMargin + kChorusIndent / 3;
      row.items.rules.emplace_back(x, 0, x, row.height);
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
    const QFont font = SongFont(role);
    bool first = true;
    for (const QString& line : WrapText(QString::fromStdString(text), font, Room(chorus))) {
      Row row;
      const double gap = first ? gapAbove : 0;
      row.height = gap + LineHeight(font);
      row.items.texts.push_back({role, QPointF(Indent(chorus), gap + Ascent(font)), line});
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
        row.items.diagrams.emplace_back(index,
                                        QPointF(kSongPageMargin + (index - first) * cellWidth, 0));
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
        return AddGap(LineHeight(SongFont(SongTextRole::Lyric)) * 0.6);
      case SongBlockKind::NewPage: {
        Row row;
        row.newPage = true;
        rows_.push_back(row);
        return;
      }
    }
  }

  void AddLyrics(const SongSheetBlock& block) {
    const QFont chordFont = SongFont(SongTextRole::Chord);
    const QFont lyricFont = SongFont(SongTextRole::Lyric);
    const double left = Indent(block.chorus);
    for (const WrappedLine& line :
         WrapLyricLine(block.segments, chordFont, lyricFont, Room(block.chorus))) {
      Row row;
      const double chordHeight = line.HasChords() ? LineHeight(chordFont) : 0;
      const bool lyric = line.HasLyric() || !line.HasChords();
      row.height = chordHeight + (lyric ? LineHeight(lyricFont) : 0);
      for (const PlacedChord& chord : line.chords)
        row.items.texts.push_back({SongTextRole::Chord, QPointF(left + chord.x, Ascent(chordFont)),
                                   chord.text, !chord.read});
      for (const PlacedRun& run : line.runs) {
        if (run.text.trimmed().isEmpty()) continue;
        row.items.texts.push_back({SongTextRole::Lyric,
                                   QPointF(left + run.x, chordHeight + Ascent(lyricFont)),
                                   run.text});
      }
      Push(std::move(row), block.chorus);
    }
  }

  void AddComment(const SongSheetBlock& block) {
    const SongTextRole role =
        block.comment == CommentStyle::Italic ? SongTextRole::CommentItalic : SongTextRole::Comment;
    const QFont font = SongFont(role);
    const QFontMetricsF metrics(font);
    const double left = Indent(block.chorus);
    const std::vector<QString> lines =
        WrapText(QString::fromStdString(block.text), font, Room(block.chorus) - 2 * kCommentPad);
    Row row;
    double widest = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      widest = std::max(widest, metrics.horizontalAdvance(lines[i]));
      row.items.texts.push_back(
          {role,
           QPointF(left + kCommentPad, kCommentPad + metrics.ascent() + i * metrics.lineSpacing()),
           lines[i]});
    }
    row.height = lines.size() * metrics.lineSpacing() + 2 * kCommentPad;
    const QRectF around(left, 0, widest + 2 * kCommentPad, row.height - 1);
    if (block.comment == CommentStyle::Plain) row.items.bands.push_back(around);
    if (block.comment == CommentStyle::Boxed) row.items.frames.push_back(around);
    Push(std::move(row), block.chorus);
  }

  // Bars of equal beats side by side, a bar line before each and after the
  // last, wrapped by whole bars.
  void AddGrid(const SongSheetBlock& block) {
    const QFont font = SongFont(SongTextRole::GridChord);
    const QFontMetricsF metrics(font);
    double cell = kGridCellLeast;
    for (const auto& bar : block.bars)
      for (const std::string& beat : bar)
        cell = std::max(cell,
                        metrics.horizontalAdvance(QString::fromStdString(beat)) + ChordGap(font));
    const double left = Indent(block.chorus);
    const double room = Room(block.chorus);
    const double height = metrics.lineSpacing() + 6;
    Row row;
    row.height = height;
    double x = 0;
    auto close = [&]() {
      row.items.rules.emplace_back(left + x, 2, left + x, height - 2);
      Push(std::move(row), block.chorus);
      row = Row();
      row.height = height;
      x = 0;
    };
    for (const auto& bar : block.bars) {
      const double barWidth = std::max<std::size_t>(1, bar.size()) * cell + ChordGap(font);
      if (x > 0 && x + barWidth > room) close();
      row.items.rules.emplace_back(left + x, 2, left + x, height - 2);
      for (std::size_t beat = 0; beat < bar.size(); ++beat) {
        if (bar[beat] == ".") continue;  // a beat the chord before holds
        row.items.texts.push_back(
            {SongTextRole::GridChord,
             QPointF(left + x + ChordGap(font) * 0.75 + beat * cell, 3 + metrics.ascent()),
             QString::fromStdString(bar[beat])});
      }
      x += barWidth;
    }
    if (!block.text.empty()) {
      const QFont note = SongFont(SongTextRole::CommentItalic);
      row.items.texts.push_back({SongTextRole::CommentItalic,
                                 QPointF(left + x + ChordGap(font), 3 + metrics.ascent()),
                                 QString::fromStdString(block.text)});
    }
    if (!block.bars.empty() || !block.text.empty()) close();
  }

  // Verbatim, columns kept: the font shrinks until the widest line fits;
  // a line still too wide goes on in the next line at the same columns.
  void AddTab(const SongSheetBlock& block) {
    QFont font = SongFont(SongTextRole::Tab);
    const double room = Room(block.chorus);
    std::size_t widest = 1;
    for (const std::string& line : block.lines)
      widest = std::max<std::size_t>(widest, QString::fromStdString(line).size());
    while (font.pixelSize() > kSmallestTab &&
           QFontMetricsF(font).horizontalAdvance(QLatin1Char('-')) * widest > room)
      font.setPixelSize(font.pixelSize() - 1);
    const QFontMetricsF metrics(font);
    const int columns = std::max(1, static_cast<int>(room / metrics.horizontalAdvance('-')));
    for (const std::string& text : block.lines) {
      const QString line = QString::fromStdString(text);
      for (qsizetype from = 0; from == 0 || from < line.size(); from += columns) {
        Row row;
        row.height = metrics.lineSpacing();
        row.items.texts.push_back({SongTextRole::Tab,
                                   QPointF(Indent(block.chorus), metrics.ascent()),
                                   line.mid(from, columns), false, font.pixelSize()});
        Push(std::move(row), block.chorus);
      }
    }
  }

  const SongSheet& sheet_;
  double width_;
  std::vector<Row> rows_;
};

void Append(SongPageLayout& page, const SongPageLayout& items, double top) {
  const QPointF by(0, top);
  for (SongText text : items.texts) {
    text.baseline += by;
    page.texts.push_back(std::move(text));
  }
  for (const QLineF& rule : items.rules) page.rules.push_back(rule.translated(by));
  for (const QRectF& band : items.bands) page.bands.push_back(band.translated(by));
  for (const QRectF& frame : items.frames) page.frames.push_back(frame.translated(by));
  for (const auto& [index, at] : items.diagrams) page.diagrams.emplace_back(index, at + by);
}

// The title, small, over a rule at the top of every page after the first.
double AddHeader(SongPageLayout& page, const SongSheet& sheet, double width) {
  if (sheet.title.empty()) return kSongPageMargin;
  const QFont font = SongFont(SongTextRole::Header);
  const double line = kSongPageMargin + LineHeight(font) + 2;
  page.texts.push_back({SongTextRole::Header,
                        QPointF(kSongPageMargin, kSongPageMargin + Ascent(font)),
                        QString::fromStdString(sheet.title)});
  page.rules.emplace_back(kSongPageMargin, line, width - kSongPageMargin, line);
  return line + kBlockGap;
}

void AddPageNumbers(SongSheetLayout& layout) {
  const int count = static_cast<int>(layout.pages.size());
  if (count < 2) return;
  const QFontMetricsF metrics(SongFont(SongTextRole::PageNumber));
  for (int index = 0; index < count; ++index) {
    const QString text = QString("%1 / %2").arg(index + 1).arg(count);
    const double x = (layout.pageSize.width() - metrics.horizontalAdvance(text)) / 2;
    layout.pages[static_cast<std::size_t>(index)].texts.push_back(
        {SongTextRole::PageNumber, QPointF(x, layout.pageSize.height() - kSongPageMargin / 2),
         text});
  }
}

SongSheetLayout LayOut(const SongSheet& sheet, QSizeF pageSize, bool paginate) {
  Rows rows(sheet, pageSize.width());
  std::vector<Row> all = rows.TitleBlock();
  std::vector<Row> body = rows.Body();
  all.insert(all.end(), std::make_move_iterator(body.begin()), std::make_move_iterator(body.end()));

  SongSheetLayout layout;
  layout.pageSize = pageSize;
  layout.diagramScale = kSongDiagramScale;
  layout.pages.emplace_back();
  const double bottom =
      paginate ? pageSize.height() - kSongPageMargin : std::numeric_limits<double>::infinity();
  double y = kSongPageMargin;
  bool top = true;  // nothing placed on this page yet
  auto newPage = [&]() {
    layout.pages.emplace_back();
    y = AddHeader(layout.pages.back(), sheet, pageSize.width());
    top = true;
  };
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Row& row = all[i];
    if (row.newPage) {
      if (paginate && !top) newPage();
      continue;
    }
    const double withNext =
        row.height + (row.keepWithNext && i + 1 < all.size() ? all[i + 1].height : 0);
    if (!top && (y + row.height > bottom || y + withNext > bottom)) newPage();
    if (row.space && top && layout.pages.size() > 1) continue;
    Append(layout.pages.back(), row.items, y);
    y += row.height;
    top = false;
  }
  if (!paginate) layout.pageSize.setHeight(y + kSongPageMargin);
  AddPageNumbers(layout);
  return layout;
}

}  // namespace

QFont SongFont(SongTextRole role) {
  const FontSize size = SizeOf(role);
  QFont font;
  if (size.fixed) {
    font.setFamilies({"DejaVu Sans Mono", "Noto Sans Mono", "WenQuanYi Micro Hei Mono"});
    font.setStyleHint(QFont::Monospace);
  } else {
    font.setFamilies({"DejaVu Sans", "Noto Sans", "WenQuanYi Micro Hei", "Noto Sans CJK SC"});
  }
  font.setPixelSize(size.pixels);
  font.setBold(size.bold);
  font.setItalic(size.italic);
  return font;
}

QSizeF PaperSize(SongPaper paper) {
  return QPageSize(paper == SongPaper::Letter ? QPageSize::Letter : QPageSize::A4)
      .size(QPageSize::Point);
}

SongSheetLayout LayOutSongPages(const SongSheet& sheet, QSizeF pageSize) {
  return LayOut(sheet, pageSize, true);
}

SongSheetLayout LayOutSongPicture(const SongSheet& sheet, double width) {
  return LayOut(sheet, QSizeF(width, 0), false);
}

SongRows LayOutSongRows(const SongSheet& sheet, double pageWidth) {
  Rows rows(sheet, pageWidth);
  SongRows laid;
  laid.title = rows.TitleBlock();
  laid.body = rows.Body();
  return laid;
}

void AppendSongRow(SongPageLayout& page, const SongRow& row, double top) {
  Append(page, row.items, top);
}

double AddSongPageHeader(SongPageLayout& page, const SongSheet& sheet, double pageWidth) {
  return AddHeader(page, sheet, pageWidth);
}

}  // namespace corvanta
