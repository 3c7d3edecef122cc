// The text-measuring interface the printed song is laid out against.
#pragma once

#include <string_view>

namespace corvanta {

// How the printed song measures its texts: each shell answers with its own
// fonts (Qt's in the window, the CLI and print; the canvas in the browser),
// and the layout places everything from these answers alone.

// A face of the printed song: a size in points (one point a pixel at 72
// dpi), bold, italic, and fixed-width (tabs) or not. The shell chooses the
// family: a sans-serif with CJK cover, or a monospace.
struct SongFace {
  double size = 12;
  bool bold = false;
  bool italic = false;
  bool fixed = false;
  bool operator==(const SongFace&) const = default;
};

struct FaceMetrics {
  double ascent = 0;      // the baseline's depth below a line's top
  double lineHeight = 0;  // from one baseline to the next
};

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // The advance of a run of UTF-8 text set in the face, in points.
  virtual double Width(std::string_view text, const SongFace& face) const = 0;
  virtual FaceMetrics Metrics(const SongFace& face) const = 0;
};

}  // namespace corvanta
