// Colours the chords of a song's text as the reader took them.
#include "app/song_highlighter.h"

#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace corvanta {
namespace {

const QColor kReadChord(0x1F, 0x4E, 0xA8);
const QColor kUnreadChord(0xC0, 0x20, 0x20);
// What WCAG asks of normal text.
constexpr double kLeastContrast = 4.5;

double Channel(double value) {
  return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(const QColor& color) {
  return 0.2126 * Channel(color.redF()) + 0.7152 * Channel(color.greenF()) +
         0.0722 * Channel(color.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double x = RelativeLuminance(a), y = RelativeLuminance(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background) {
  // Lighter on a dark background, darker on a light one, same hue, until
  // the text reads.
  const bool dark = RelativeLuminance(background) < 0.18;
  QColor color = wanted;
  for (int step = 0; step < 40 && ContrastRatio(color, background) < kLeastContrast; ++step) {
    const double lightness = color.lightnessF();
    color.setHslF(color.hslHueF(), color.hslSaturationF(),
                  std::clamp(lightness + (dark ? 0.03 : -0.03), 0.0, 1.0));
  }
  return color;
}

SongHighlighter::SongHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

SongHighlighter::Mark MarkOf(const SongChord& chord, const QString& lineText) {
  const QByteArray bytes = lineText.toUtf8();
  const auto offset =
      static_cast<qsizetype>(std::min<std::size_t>(chord.sourceOffset, bytes.size()));
  const auto end = static_cast<qsizetype>(
      std::min<std::size_t>(chord.sourceOffset + chord.sourceLength, bytes.size()));
  const int start = static_cast<int>(QString::fromUtf8(bytes.left(offset)).size());
  const int length = static_cast<int>(QString::fromUtf8(bytes.mid(offset, end - offset)).size());
  return {chord.sourceLine - 1, start, length, chord.read || chord.noChord};
}

void SongHighlighter::SetSong(const Song& song) {
  marks_.clear();
  QTextDocument* text = document();
  for (const SongChord& chord : song.chords) {
    const QTextBlock block = text->findBlockByNumber(chord.sourceLine - 1);
    if (!block.isValid()) continue;
    marks_.push_back(MarkOf(chord, block.text()));
  }
  rehighlight();
}

void SongHighlighter::SetBackground(const QColor& background) {
  readColour_ = ReadableOn(kReadChord, background);
  unreadColour_ = ReadableOn(kUnreadChord, background);
  rehighlight();
}

void SongHighlighter::highlightBlock(const QString&) {
  const int number = currentBlock().blockNumber();
  QTextCharFormat read;
  read.setForeground(readColour_);
  read.setFontWeight(QFont::Bold);
  QTextCharFormat unread;
  unread.setForeground(unreadColour_);
  unread.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  unread.setUnderlineColor(unreadColour_);
  // The marks are in the text's order: this block's are found, not walked to.
  auto at = std::lower_bound(marks_.begin(), marks_.end(), number,
                             [](const Mark& mark, int block) { return mark.block < block; });
  for (; at != marks_.end() && at->block == number; ++at)
    setFormat(at->start, at->length, at->read ? read : unread);
}

}  // namespace corvanta
