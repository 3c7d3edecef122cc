#pragma once

#include <QString>

#include "view/chord_sheet.h"

class QWidget;

namespace corvanta {

// What the export module gives the window: the sheet written as PNG, SVG
// or PDF, and printed. A module, so that the window loads the SVG, PDF and
// printing machinery only when the user exports or prints.
struct ExportFunctions {
  QString (*png)(const ChordSheet& sheet, const QString& path, double scale);
  QString (*svg)(const ChordSheet& sheet, const QString& path);
  QString (*pdf)(const ChordSheet& sheet, const QString& path);
  // Asks for a printer and prints the sheet's pages; nothing when cancelled.
  void (*print)(const ChordSheet& sheet, QWidget* parent);
};

inline constexpr const char* kExportModuleName = "libcorvanta-export.so";
inline constexpr const char* kExportEntryName = "corvanta_export_entry";

}  // namespace corvanta
