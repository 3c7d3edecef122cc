// The chord sheet as files.
#pragma once

#include <QString>

#include "view/chord_sheet.h"

namespace corvanta {

// The sheet as files: its own library, so that the window loads the SVG and
// PDF machinery only when it exports.
// Written whole or not at all, to any target the program writes ("-" for
// standard output); an empty text on success, else what went wrong. PNG at
// scale device pixels per unit, at most kMostPngPixels; PDF on A4 pages, at
// most kMostPdfPages (a single diagram on a page of its own size); SVG one
// picture of at most kMostSvgDiagrams diagrams (about as many as the PDF's
// pages hold), streamed to the file as it is drawn.
inline constexpr double kMostPngPixels = 100e6;
inline constexpr int kMostPdfPages = 500;
inline constexpr int kMostSvgDiagrams = 12500;
QString WriteSheetPng(const ChordSheet& sheet, const QString& path, double scale);
QString WriteSheetSvg(const ChordSheet& sheet, const QString& path);
QString WriteSheetPdf(const ChordSheet& sheet, const QString& path);

}  // namespace corvanta
