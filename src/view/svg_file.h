// The one way the program writes SVG.
#pragma once

#include <QSizeF>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QPainter;

namespace corvanta {

// The one way the program writes SVG: every text that reaches the drawing
// (the title, headings, captions, names, lyrics) comes out as XML text, so
// that a symbol such as "Am7&" or "</title><script>" is shown as typed and
// never becomes markup, and the file opens in any XML reader.
//
// The title is escaped here; the texts drawn are escaped by Qt's SVG
// generator, and the characters XML cannot hold at all (the C0 controls but
// tab, newline and return; U+FFFE and U+FFFF) become U+FFFD on the way to
// the file. The drawing streams into the output file as it is painted, never
// held whole, and stops at kMostSvgBytes.
inline constexpr std::uint64_t kMostSvgBytes = 256ull << 20;

// The text as XML character data or an attribute value.
QString XmlEscaped(const QString& text);

// The UTF-8 bytes with every character XML cannot hold replaced by U+FFFD.
// `carry` holds an incomplete sequence at the end of one piece for the next.
std::string XmlCharacters(std::string_view bytes, std::string& carry);

// What a drawing that is not written says: past kMostSvgBytes (what to
// lower), and stopped by its painter (a cancelled export).
struct SvgRefusals {
  QString tooLarge;
  QString stopped;
};

// Writes a drawing of the size given, titled, painted by `paint` (false
// when it stopped before the end), to the path through the one output
// path. Empty on success, else what went wrong.
QString WriteSvgDrawing(const QString& path, QSizeF size, const QString& title,
                        const std::function<bool(QPainter&)>& paint, const SvgRefusals& refusals);

}  // namespace corvanta
