// The songbook drawn into a PDF, its outline appended after.
#include "view/songbook_files.h"

#include "files/output_file.h"
#include "files/pdf_outline.h"
#include "printed_song/songbook_layout.h"
#include "view/pdf_pages.h"
#include "view/qt_text_measure.h"
#include "view/song_sheet_painter.h"

namespace corvanta {
namespace {

void PaintBookPage(QPainter& painter, const Songbook& book, const SongbookLayout& layout,
                   const SongbookPage& page) {
  static const SongSheet kNoSheet;
  painter.fillRect(QRectF(QPointF(0, 0), SizeOf(layout.pageSize)), Qt::white);
  for (const SongbookPiece& piece : page.pieces) {
    // A page of no size: the piece is painted over what the page holds.
    SongSheetLayout one;
    one.pageSize = SheetSize{0, 0};
    one.diagramScale = kSongDiagramScale;
    one.pages.push_back(piece.items);
    const bool song = piece.song >= 0 && piece.song < static_cast<int>(book.songs.size());
    PaintSongPage(painter, song ? book.songs[static_cast<std::size_t>(piece.song)].sheet : kNoSheet,
                  one, 0);
  }
}

std::vector<PdfOutlineItem> OutlineOf(const Songbook& book, const SongbookLayout& layout) {
  std::vector<PdfOutlineItem> items;
  if (layout.contentsPage >= 0) items.push_back({"Contents", layout.contentsPage});
  for (std::size_t i = 0; i < book.songs.size() && i < layout.songPages.size(); ++i) {
    const std::string& title = book.songs[i].sheet.title;
    items.push_back({title.empty() ? "(untitled)" : title, layout.songPages[i]});
  }
  if (layout.indexPage >= 0) items.push_back({"Index", layout.indexPage});
  return items;
}

}  // namespace

QString WriteSongbookPdf(const Songbook& book, const QString& path, SongPaper paper,
                         const SongbookProgress& progress) {
  OutputFile file(path.toStdString());
  if (!file.Failure().empty()) return QString::fromStdString(file.Failure());
  const SongbookLayout layout = LayOutSongbook(book, PaperSize(paper), QtTextMeasure());
  const int pages = static_cast<int>(layout.pages.size());
  if (pages > kMostBookPages)
    return QString("the book would fill %1 pages, more than %2").arg(pages).arg(kMostBookPages);
  QByteArray bytes;
  const QString title = QString::fromStdString(book.title.empty() ? "Songbook" : book.title);
  const QString failure =
      PaintPdfPages(bytes, paper, title, pages, [&](QPainter& painter, int page) {
        PaintBookPage(painter, book, layout, layout.pages[static_cast<std::size_t>(page)]);
        return !progress || progress(page + 1, pages);
      });
  if (!failure.isEmpty()) return failure;
  std::string document(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  bytes.clear();
  const std::string outline = AddPdfOutline(document, OutlineOf(book, layout));
  if (!outline.empty()) return QString::fromStdString("cannot add the outline: " + outline);
  if (!file.Write(document)) return QString::fromStdString(file.Failure());
  return QString::fromStdString(file.Commit());
}

}  // namespace corvanta
