// The window's export module: the sheet as files and on paper.
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "app/export_functions.h"
#include "modules/module_loader.h"
#include "view/qt_text_measure.h"
#include "view/sheet_files.h"
#include "view/song_sheet_files.h"
#include "view/song_sheet_painter.h"
#include "view/songbook_files.h"

namespace {

// The dialog offers what the export does, all diagrams or the selected one
// (its "Selection"), and a range of pages.
void Print(const corvanta::ChordSheet& all, const corvanta::ChordSheet& selected, QWidget* parent) {
  using namespace corvanta;
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, !selected.diagrams.empty());
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  const int allPages =
      SheetPageCount(all, printer.pageLayout().paintRect(QPageLayout::Point).size());
  dialog.setMinMax(1, allPages);
  printer.setFromTo(1, allPages);
  if (printer.printRange() == QPrinter::Selection && selected.diagrams.empty())
    printer.setPrintRange(QPrinter::AllPages);
  if (dialog.exec() != QDialog::Accepted) return;
  const ChordSheet& sheet = printer.printRange() == QPrinter::Selection ? selected : all;
  const bool ranged = printer.printRange() == QPrinter::PageRange;
  // Logical units are points on the page, as in the PDF export.
  QRectF page = printer.pageLayout().paintRect(QPageLayout::Point);
  const std::vector<int> pages =
      SheetPagesToPrint(SheetPageCount(sheet, page.size()), ranged ? printer.fromPage() : 0,
                        ranged ? printer.toPage() : 0);
  QPainter painter(&printer);
  double scale = printer.resolution() / 72.0;
  painter.scale(scale, scale);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0) printer.newPage();
    PaintSheetPage(painter, sheet, pages[i], page.size());
  }
}

// The song's pages at the printer's paper, each page whole: the layout
// keeps its own margins.
void PrintSong(const corvanta::SongSheet& sheet, QWidget* parent) {
  using namespace corvanta;
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  const SongSheetLayout layout =
      LayOutSongPages(sheet, SheetSizeOf(printer.pageLayout().fullRect(QPageLayout::Point).size()),
                      QtTextMeasure());
  QPainter painter(&printer);
  const double scale = printer.resolution() / 72.0;
  painter.scale(scale, scale);
  for (int page = 0; page < static_cast<int>(layout.pages.size()); ++page) {
    if (page > 0) printer.newPage();
    PaintSongPage(painter, sheet, layout, page);
  }
}

const corvanta::ExportFunctions kFunctions{
    &corvanta::WriteSheetPng,   &corvanta::WriteSheetSvg, &corvanta::WriteSheetPdf, &Print,
    &corvanta::WriteSongPdf,    &corvanta::WriteSongSvg,  &corvanta::WriteSongPng,  &PrintSong,
    &corvanta::WriteSongbookPdf};

}  // namespace

CORVANTA_MODULE(kFunctions)
