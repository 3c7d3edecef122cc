// The printed song measured with Qt's fonts: the text-measuring interface for Qt shells.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <string_view>
#include <utility>
#include <vector>

#include "printed_song/text_measure.h"

namespace corvanta {

// The printed song's faces as Qt fonts: the system's DejaVu (or Noto)
// faces, with the CJK face for the characters they lack; a fixed-width
// face for tabs. The window, print and the CLI's drawings measure and paint
// with these.
QFont SongFont(const SongFace& face);

class QtTextMeasure : public TextMeasure {
 public:
  double Width(std::string_view text, const SongFace& face) const override;
  FaceMetrics Metrics(const SongFace& face) const override;

 private:
  const QFontMetricsF& MetricsOf(const SongFace& face) const;
  // A song is set in a handful of faces: their metrics made once each.
  mutable std::vector<std::pair<SongFace, QFontMetricsF>> known_;
};

}  // namespace corvanta
