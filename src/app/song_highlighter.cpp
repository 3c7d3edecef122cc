// Colours the chords of a song's text as the reader took them.
#include "app/song_highlighter.h"

#include <QTextDocument>

namespace corvanta {
namespace {

const QColor kReadChord(0x1F, 0x4E, 0xA8);
const QColor kUnreadChord(0xC0, 0x20, 0x20);

}  // namespace

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

void SongHighlighter::highlightBlock(const QString&) {
  const int number = currentBlock().blockNumber();
  QTextCharFormat read;
  read.setForeground(kReadChord);
  read.setFontWeight(QFont::Bold);
  QTextCharFormat unread;
  unread.setForeground(kUnreadChord);
  unread.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  unread.setUnderlineColor(kUnreadChord);
  for (const Mark& mark : marks_)
    if (mark.block == number) setFormat(mark.start, mark.length, mark.read ? read : unread);
}

}  // namespace corvanta
