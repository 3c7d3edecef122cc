// The songbook's pages: songs paginated block by block, the front and back
// matter around them.
#include "printed_song/songbook_layout.h"

#include <algorithm>

#include "printed_song/text_breaks.h"

namespace corvanta {
namespace {

constexpr double kBookTitleSize = 34;
constexpr double kBookSubtitleSize = 18;
constexpr double kEntryGap = 3;  // between an entry's text, its leader and its page number
constexpr const char* kEllipsis = "\u2026";

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
  SongPages(const Songbook& book, SheetSize pageSize, const TextMeasure& measure,
            SongbookLayout& layout)
      : book_(book), size_(pageSize), measure_(measure), layout_(layout) {}

  void Add(int song) {
    const SongSheet& sheet = book_.songs[static_cast<std::size_t>(song)].sheet;
    SongRows laid = LayOutSongRows(sheet, size_.width, measure_);
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
    const double pageRoom = Bottom() - AddSongPageHeader(probe, sheet, size_.width, measure_);
    for (const Group& group : groups) {
      const double height = Height(rows, group);
      if (!top_ && !Fits(height) && height <= pageRoom) NewPage(song);
      for (std::size_t i = group.first; i < group.end; ++i) Place(rows, i, song);
    }
  }

 private:
  double Bottom() const { return size_.height - kSongPageMargin; }
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
                           size_.width, measure_);
    layout_.pages.back().pieces.push_back(std::move(header));
  }

  SongPageLayout& PieceOf(int song) {
    std::vector<SongbookPiece>& pieces = layout_.pages.back().pieces;
    if (pieces.empty() || pieces.back().song != song) pieces.push_back({song, {}});
    return pieces.back().items;
  }

  void Place(std::vector<SongRow>& rows, std::size_t i, int song) {
    SongRow& row = rows[i];
    if (row.newPage) {
      if (!top_) NewPage(song);
      return;
    }
    const double withNext =
        row.height + (row.keepWithNext && i + 1 < rows.size() ? rows[i + 1].height : 0);
    if (!top_ && (!Fits(row.height) || !Fits(withNext))) NewPage(song);
    if (row.space && top_) return;
    const double height = row.height;
    AppendSongRow(PieceOf(song), std::move(row), y_);
    y_ += height;
    top_ = false;
  }

  const Songbook& book_;
  SheetSize size_;
  const TextMeasure& measure_;
  SongbookLayout& layout_;
  double y_ = 0;
  bool top_ = true;
};

SongText Text(SongTextRole role, double x, double baseline, std::string text, int size = 0) {
  SongText placed;
  placed.role = role;
  placed.baseline = {x, baseline};
  placed.text = std::move(text);
  placed.pixelSize = size;
  return placed;
}

SongFace SizedFace(SongTextRole role, double size) {
  SongFace face = FaceOf(role);
  if (size > 0) face.size = size;
  return face;
}

// The text cut by whole letters, an ellipsis after, to fit the width.
std::string Elided(const std::string& text, const SongFace& face, double width,
                   const TextMeasure& measure) {
  if (measure.Width(text, face) <= width) return text;
  const std::vector<std::size_t> ends = LetterEnds(text);
  std::size_t low = 0, high = ends.size();  // letters kept: the most that fit
  while (low < high) {
    const std::size_t mid = (low + high + 1) / 2;
    const std::string cut = text.substr(0, ends[mid - 1]) + kEllipsis;
    if (measure.Width(cut, face) <= width)
      low = mid;
    else
      high = mid - 1;
  }
  return (low == 0 ? std::string() : text.substr(0, ends[low - 1])) + kEllipsis;
}

SongbookPage TitlePage(const Songbook& book, SheetSize size, const TextMeasure& measure) {
  SongbookPiece piece;
  double y = size.height / 3;
  auto centred = [&](SongTextRole role, const std::string& text, double points) {
    if (text.empty()) return;
    const SongFace face = SizedFace(role, points);
    const FaceMetrics metrics = measure.Metrics(face);
    const std::string line = Elided(text, face, size.width - 2 * kSongPageMargin, measure);
    y += metrics.ascent;
    piece.items.texts.push_back(Text(role, (size.width - measure.Width(line, face)) / 2, y, line,
                                     static_cast<int>(points)));
    y += metrics.lineHeight * 0.9;
  };
  centred(SongTextRole::Title, book.title, kBookTitleSize);
  centred(SongTextRole::Subtitle, book.subtitle, kBookSubtitleSize);
  SongbookPage page;
  page.pieces.push_back(std::move(piece));
  return page;
}

// Entries under a heading, each with a dotted leader to its page number at
// the right margin, as many pages as they take (the heading on each).
class EntryPages {
 public:
  EntryPages(SheetSize size, const TextMeasure& measure) : size_(size), measure_(measure) {}

  int PerPage() const {
    const double room = size_.height - 2 * kSongPageMargin - Top();
    return std::max(1, static_cast<int>(room / Spacing()));
  }

  int PagesFor(std::size_t entries) const {
    const std::size_t per = static_cast<std::size_t>(PerPage());
    return std::max(1, static_cast<int>((entries + per - 1) / per));
  }

  std::vector<SongbookPage> Lay(const std::string& heading,
                                const std::vector<SongbookEntry>& entries,
                                const std::vector<int>& pageOfSong) const {
    std::vector<SongbookPage> pages(static_cast<std::size_t>(PagesFor(entries.size())));
    const std::size_t per = static_cast<std::size_t>(PerPage());
    for (std::size_t p = 0; p < pages.size(); ++p) {
      SongbookPiece piece;
      piece.items.texts.push_back(Text(SongTextRole::Title, kSongPageMargin,
                                       kSongPageMargin + Metrics(SongTextRole::Title).ascent,
                                       heading));
      double y = kSongPageMargin + Top();
      for (std::size_t e = p * per; e < std::min(entries.size(), (p + 1) * per); ++e) {
        y += Spacing();
        AddEntry(piece.items, entries[e], pageOfSong[static_cast<std::size_t>(entries[e].song)],
                 y - kEntryGap);
      }
      pages[p].pieces.push_back(std::move(piece));
    }
    return pages;
  }

 private:
  FaceMetrics Metrics(SongTextRole role) const { return measure_.Metrics(FaceOf(role)); }
  double Top() const { return Metrics(SongTextRole::Title).lineHeight + 12; }
  double Spacing() const { return Metrics(SongTextRole::Lyric).lineHeight + kEntryGap; }

  void AddEntry(SongPageLayout& items, const SongbookEntry& entry, int page,
                double baseline) const {
    const SongTextRole role = entry.firstLine ? SongTextRole::CommentItalic : SongTextRole::Lyric;
    const std::string number = std::to_string(page + 1);
    const double numberX =
        size_.width - kSongPageMargin - measure_.Width(number, FaceOf(SongTextRole::Lyric));
    const std::string text =
        Elided(entry.text, FaceOf(role), numberX - kSongPageMargin - 6 * kEntryGap, measure_);
    items.texts.push_back(Text(role, kSongPageMargin, baseline, text));
    items.texts.push_back(Text(SongTextRole::Lyric, numberX, baseline, number));
    // The leader: dots from the text to its number, as books print it.
    const SongFace dotFace = FaceOf(SongTextRole::PageNumber);
    const double from = kSongPageMargin + measure_.Width(text, FaceOf(role)) + 2 * kEntryGap;
    const double to = numberX - 2 * kEntryGap;
    const double dot = measure_.Width(". ", dotFace);
    const int dots = dot > 0 ? static_cast<int>((to - from) / dot) : 0;
    if (dots <= 0) return;
    std::string leader;
    for (int i = 0; i < dots; ++i) leader += i == 0 ? "." : " .";
    items.texts.push_back(
        Text(SongTextRole::PageNumber, to - measure_.Width(leader, dotFace), baseline, leader));
  }

  SheetSize size_;
  const TextMeasure& measure_;
};

void AddPageNumbers(SongbookLayout& layout, const TextMeasure& measure) {
  const SongFace face = FaceOf(SongTextRole::PageNumber);
  for (std::size_t i = 0; i < layout.pages.size(); ++i) {
    if (static_cast<int>(i) == layout.titlePage) continue;
    const std::string number = std::to_string(i + 1);
    SongbookPiece piece;
    piece.items.texts.push_back(Text(SongTextRole::PageNumber,
                                     (layout.pageSize.width - measure.Width(number, face)) / 2,
                                     layout.pageSize.height - kSongPageMargin / 2, number));
    layout.pages[i].pieces.push_back(std::move(piece));
  }
}

}  // namespace

SongbookLayout LayOutSongbook(const Songbook& book, SheetSize pageSize,
                              const TextMeasure& measure) {
  // The songs first, on pages of their own; the front matter's length,
  // known from the number of entries alone, then places them.
  SongbookLayout songs;
  songs.pageSize = pageSize;
  SongPages pages(book, pageSize, measure, songs);
  for (int song = 0; song < static_cast<int>(book.songs.size()); ++song) pages.Add(song);

  SongbookLayout layout;
  layout.pageSize = pageSize;
  const EntryPages entryPages(pageSize, measure);
  const std::vector<SongbookEntry> contents = SongbookContents(book);
  const bool titled = !book.title.empty() || !book.subtitle.empty();
  const int front = (titled ? 1 : 0) + entryPages.PagesFor(contents.size());
  std::vector<int> pageOfSong;
  for (const int page : songs.songPages) pageOfSong.push_back(page + front);
  if (titled) {
    layout.titlePage = 0;
    layout.pages.push_back(TitlePage(book, pageSize, measure));
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
  AddPageNumbers(layout, measure);
  return layout;
}

}  // namespace corvanta
