// The songbook's pages: songs paginated block by block, the front and back
// matter around them.
#include "view/songbook_layout.h"

#include <QFontMetricsF>
#include <algorithm>

namespace corvanta {
namespace {

constexpr int kBookTitlePixels = 34;
constexpr int kBookSubtitlePixels = 18;
constexpr double kEntryGap = 3;  // between an entry's text and its page number

// A block that is never split where it fits on a page: the rows up to the
// next gap or label.
struct Group {
  std::size_t first = 0;
  std::size_t end = 0;
};

std::vector<Group> GroupsOf(const std::vector<SongRow>& rows, std::size_t titleRows) {
  std::vector<Group> groups;
  std::size_t first = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const bool breaks = rows[i].space || rows[i].newPage || (rows[i].keepWithNext && i > first);
    // The title block and the diagrams stay with the song's first block.
    if (!breaks || i <= titleRows) continue;
    groups.push_back({first, i});
    first = i;
  }
  if (first < rows.size()) groups.push_back({first, rows.size()});
  return groups;
}

class SongPages {
 public:
  SongPages(const Songbook& book, QSizeF pageSize, SongbookLayout& layout)
      : book_(book), size_(pageSize), layout_(layout) {}

  void Add(int song) {
    const SongSheet& sheet = book_.songs[static_cast<std::size_t>(song)].sheet;
    SongRows laid = LayOutSongRows(sheet, size_.width());
    const std::size_t titleRows = laid.title.size();
    std::vector<SongRow> rows = std::move(laid.title);
    rows.insert(rows.end(), std::make_move_iterator(laid.body.begin()),
                std::make_move_iterator(laid.body.end()));
    const std::vector<Group> groups = GroupsOf(rows, titleRows);
    const bool packed = book_.pack && !layout_.songPages.empty() && !top_;
    if (!packed) {
      if (!top_ || layout_.pages.empty()) NewPage(-1);
    } else {
      y_ += kPackedSongGap;
      if (!groups.empty() && !Fits(Height(rows, groups.front()))) NewPage(-1);
    }
    layout_.songPages.push_back(static_cast<int>(layout_.pages.size()) - 1);
    SongPageLayout probe;
    const double pageRoom = Bottom() - AddSongPageHeader(probe, sheet, size_.width());
    for (const Group& group : groups) {
      const double height = Height(rows, group);
      if (!top_ && !Fits(height) && height <= pageRoom) NewPage(song);
      for (std::size_t i = group.first; i < group.end; ++i) Place(rows, i, song);
    }
  }

 private:
  double Bottom() const { return size_.height() - kSongPageMargin; }
  bool Fits(double height) const { return y_ + height <= Bottom(); }

  double Height(const std::vector<SongRow>& rows, const Group& group) const {
    double height = 0;
    for (std::size_t i = group.first; i < group.end; ++i)
      if (!(rows[i].space && top_ && i == group.first)) height += rows[i].height;
    return height;
  }

  // A fresh page, with the title of the song going on at its top.
  void NewPage(int song) {
    layout_.pages.emplace_back();
    y_ = kSongPageMargin;
    top_ = true;
    if (song < 0) return;
    SongbookPiece header;
    header.song = song;
    y_ = AddSongPageHeader(header.items, book_.songs[static_cast<std::size_t>(song)].sheet,
                           size_.width());
    layout_.pages.back().pieces.push_back(std::move(header));
  }

  SongPageLayout& PieceOf(int song) {
    std::vector<SongbookPiece>& pieces = layout_.pages.back().pieces;
    if (pieces.empty() || pieces.back().song != song) pieces.push_back({song, {}});
    return pieces.back().items;
  }

  void Place(const std::vector<SongRow>& rows, std::size_t i, int song) {
    const SongRow& row = rows[i];
    if (row.newPage) {
      if (!top_) NewPage(song);
      return;
    }
    const double withNext =
        row.height + (row.keepWithNext && i + 1 < rows.size() ? rows[i + 1].height : 0);
    if (!top_ && (!Fits(row.height) || !Fits(withNext))) NewPage(song);
    if (row.space && top_) return;
    AppendSongRow(PieceOf(song), row, y_);
    y_ += row.height;
    top_ = false;
  }

  const Songbook& book_;
  QSizeF size_;
  SongbookLayout& layout_;
  double y_ = 0;
  bool top_ = true;
};

SongText Text(SongTextRole role, double x, double baseline, const QString& text, int pixels = 0) {
  SongText placed;
  placed.role = role;
  placed.baseline = QPointF(x, baseline);
  placed.text = text;
  placed.pixelSize = pixels;
  return placed;
}

QFont SizedFont(SongTextRole role, int pixels) {
  QFont font = SongFont(role);
  if (pixels > 0) font.setPixelSize(pixels);
  return font;
}

SongbookPage TitlePage(const Songbook& book, QSizeF size) {
  SongbookPiece piece;
  double y = size.height() / 3;
  auto centred = [&](SongTextRole role, const std::string& text, int pixels) {
    if (text.empty()) return;
    const QFontMetricsF metrics(SizedFont(role, pixels));
    const QString line = metrics.elidedText(QString::fromStdString(text), Qt::ElideRight,
                                            size.width() - 2 * kSongPageMargin);
    y += metrics.ascent();
    piece.items.texts.push_back(
        Text(role, (size.width() - metrics.horizontalAdvance(line)) / 2, y, line, pixels));
    y += metrics.descent() + metrics.lineSpacing() * 0.6;
  };
  centred(SongTextRole::Title, book.title, kBookTitlePixels);
  centred(SongTextRole::Subtitle, book.subtitle, kBookSubtitlePixels);
  SongbookPage page;
  page.pieces.push_back(std::move(piece));
  return page;
}

// Entries under a heading, each with its page number at the right margin,
// as many pages as they take (the heading on each).
class EntryPages {
 public:
  explicit EntryPages(QSizeF size)
      : size_(size),
        heading_(SongFont(SongTextRole::Title)),
        title_(SongFont(SongTextRole::Lyric)),
        line_(SongFont(SongTextRole::CommentItalic)),
        dots_(SongFont(SongTextRole::PageNumber)) {}

  int PerPage() const {
    const double room = size_.height() - 2 * kSongPageMargin - Top();
    return std::max(1, static_cast<int>(room / Spacing()));
  }

  int PagesFor(std::size_t entries) const {
    return std::max<int>(1, static_cast<int>((entries + PerPage() - 1) / PerPage()));
  }

  std::vector<SongbookPage> Lay(const QString& heading, const std::vector<SongbookEntry>& entries,
                                const std::vector<int>& pageOfSong) const {
    std::vector<SongbookPage> pages(static_cast<std::size_t>(PagesFor(entries.size())));
    const double right = size_.width() - kSongPageMargin;
    for (std::size_t p = 0; p < pages.size(); ++p) {
      SongbookPiece piece;
      piece.items.texts.push_back(
          Text(SongTextRole::Title, kSongPageMargin, kSongPageMargin + heading_.ascent(), heading));
      double y = kSongPageMargin + Top();
      const std::size_t from = p * static_cast<std::size_t>(PerPage());
      const std::size_t to = std::min(entries.size(), from + static_cast<std::size_t>(PerPage()));
      for (std::size_t e = from; e < to; ++e) {
        const SongbookEntry& entry = entries[e];
        const QString number =
            QString::number(pageOfSong[static_cast<std::size_t>(entry.song)] + 1);
        const double numberX = right - title_.horizontalAdvance(number);
        const QFontMetricsF& metrics = entry.firstLine ? line_ : title_;
        const QString text = metrics.elidedText(QString::fromStdString(entry.text), Qt::ElideRight,
                                                numberX - kSongPageMargin - 4 * kEntryGap);
        y += Spacing();
        piece.items.texts.push_back(
            Text(entry.firstLine ? SongTextRole::CommentItalic : SongTextRole::Lyric,
                 kSongPageMargin, y - title_.descent() - kEntryGap / 2, text));
        piece.items.texts.push_back(
            Text(SongTextRole::Lyric, numberX, y - title_.descent() - kEntryGap / 2, number));
        // A dotted leader from the text to its number, as books print it.
        const double from = kSongPageMargin + metrics.horizontalAdvance(text) + 2 * kEntryGap;
        const double to = numberX - 2 * kEntryGap;
        const int dots = static_cast<int>((to - from) / dots_.horizontalAdvance(". "));
        if (dots > 0) {
          const QString leader = QString(". ").repeated(dots).trimmed();
          piece.items.texts.push_back(Text(SongTextRole::PageNumber,
                                           to - dots_.horizontalAdvance(leader),
                                           y - title_.descent() - kEntryGap / 2, leader));
        }
      }
      pages[p].pieces.push_back(std::move(piece));
    }
    return pages;
  }

 private:
  double Top() const { return heading_.lineSpacing() + 12; }
  double Spacing() const { return title_.lineSpacing() + kEntryGap; }

  QSizeF size_;
  QFontMetricsF heading_;
  QFontMetricsF title_;
  QFontMetricsF line_;
  QFontMetricsF dots_;
};

void AddPageNumbers(SongbookLayout& layout) {
  const QFontMetricsF metrics(SongFont(SongTextRole::PageNumber));
  for (std::size_t i = 0; i < layout.pages.size(); ++i) {
    if (static_cast<int>(i) == layout.titlePage) continue;
    const QString number = QString::number(i + 1);
    SongbookPiece piece;
    piece.items.texts.push_back(Text(
        SongTextRole::PageNumber, (layout.pageSize.width() - metrics.horizontalAdvance(number)) / 2,
        layout.pageSize.height() - kSongPageMargin / 2, number));
    layout.pages[i].pieces.push_back(std::move(piece));
  }
}

}  // namespace

SongbookLayout LayOutSongbook(const Songbook& book, QSizeF pageSize) {
  // The songs first, on pages of their own: the front matter's length, known
  // from the number of entries alone, then places them.
  SongbookLayout songs;
  songs.pageSize = pageSize;
  SongPages pages(book, pageSize, songs);
  for (int song = 0; song < static_cast<int>(book.songs.size()); ++song) pages.Add(song);

  SongbookLayout layout;
  layout.pageSize = pageSize;
  const EntryPages entryPages(pageSize);
  const std::vector<SongbookEntry> contents = SongbookContents(book);
  const bool titled = !book.title.empty() || !book.subtitle.empty();
  const int front = (titled ? 1 : 0) + entryPages.PagesFor(contents.size());
  std::vector<int> pageOfSong;
  for (const int page : songs.songPages) pageOfSong.push_back(page + front);
  if (titled) {
    layout.titlePage = 0;
    layout.pages.push_back(TitlePage(book, pageSize));
  }
  layout.contentsPage = static_cast<int>(layout.pages.size());
  for (SongbookPage& page : entryPages.Lay("Contents", contents, pageOfSong))
    layout.pages.push_back(std::move(page));
  layout.songPages = pageOfSong;
  for (SongbookPage& page : songs.pages) layout.pages.push_back(std::move(page));
  if (!book.songs.empty()) {
    layout.indexPage = static_cast<int>(layout.pages.size());
    for (SongbookPage& page : entryPages.Lay("Index", SongbookIndexEntries(book), pageOfSong))
      layout.pages.push_back(std::move(page));
  }
  AddPageNumbers(layout);
  return layout;
}

}  // namespace corvanta
