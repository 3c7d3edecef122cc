// The printed song measured with Qt's fonts.
#include "view/qt_text_measure.h"

#include <QString>
#include <QStringList>

namespace corvanta {

QFont SongFont(const SongFace& face) {
  QFont font;
  if (face.fixed) {
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans Mono"),
                                 QStringLiteral("Noto Sans Mono"),
                                 QStringLiteral("WenQuanYi Micro Hei Mono")});
    font.setStyleHint(QFont::Monospace);
  } else {
    font.setFamilies(QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"),
                                 QStringLiteral("WenQuanYi Micro Hei"),
                                 QStringLiteral("Noto Sans CJK SC")});
  }
  font.setPixelSize(std::max(1, qRound(face.size)));
  font.setBold(face.bold);
  font.setItalic(face.italic);
  return font;
}

const QFontMetricsF& QtTextMeasure::MetricsOf(const SongFace& face) const {
  for (const auto& [known, metrics] : known_)
    if (known == face) return metrics;
  known_.emplace_back(face, QFontMetricsF(SongFont(face)));
  return known_.back().second;
}

double QtTextMeasure::Width(std::string_view text, const SongFace& face) const {
  return MetricsOf(face).horizontalAdvance(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

FaceMetrics QtTextMeasure::Metrics(const SongFace& face) const {
  const QFontMetricsF& metrics = MetricsOf(face);
  return {metrics.ascent(), metrics.lineSpacing()};
}

}  // namespace corvanta
