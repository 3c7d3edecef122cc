// The window's export module: the sheet as files and on paper.
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "app/export_functions.h"
#include "view/sheet_files.h"

namespace {

void Print(const corvanta::ChordSheet& sheet, QWidget* parent) {
  using namespace corvanta;
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return;
  // Logical units are points on the page, as in the PDF export.
  QRectF page = printer.pageLayout().paintRect(QPageLayout::Point);
  QPainter painter(&printer);
  double scale = printer.resolution() / 72.0;
  painter.scale(scale, scale);
  int pages = SheetPageCount(sheet, page.size());
  for (int index = 0; index < pages; ++index) {
    if (index > 0) printer.newPage();
    PaintSheetPage(painter, sheet, index, page.size());
  }
}

const corvanta::ExportFunctions kFunctions{&corvanta::WriteSheetPng, &corvanta::WriteSheetSvg,
                                           &corvanta::WriteSheetPdf, &Print};

}  // namespace

extern "C" __attribute__((visibility("default"))) void* corvanta_export_entry() {
  return const_cast<corvanta::ExportFunctions*>(&kFunctions);
}
