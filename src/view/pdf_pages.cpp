// The PDF writer set up once for the song sheet and the songbook.
#include "view/pdf_pages.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

namespace corvanta {

QString PaintPdfPages(QByteArray& bytes, SongPaper paper, const QString& title, int pages,
                      const std::function<bool(QPainter&, int page)>& paintPage) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setPageSize(QPageSize(paper == SongPaper::Letter ? QPageSize::Letter : QPageSize::A4));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setResolution(72);  // one logical unit per point, as the layout measures
  pdf.setTitle(title);
  pdf.setCreator("Corvanta");
  QPainter painter(&pdf);
  for (int page = 0; page < pages; ++page) {
    if (page > 0) pdf.newPage();
    if (!paintPage(painter, page)) {
      painter.end();
      return "cancelled";
    }
  }
  if (!painter.end()) return "cannot make the PDF document";
  return QString();
}

}  // namespace corvanta
