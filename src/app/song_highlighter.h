// The song text's chord highlighting in the song window's editor.
#pragma once

#include <QSyntaxHighlighter>
#include <vector>

#include "song/song.h"

namespace corvanta {

// The song's chords in its text: those read in the chord colour, those the
// reader could not read underlined in red, where the reader found them.
class SongHighlighter : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  explicit SongHighlighter(QTextDocument* document);

  struct Mark {
    int block = 0;  // the text's line, from 0
    int start = 0;  // in characters of that line
    int length = 0;
    bool read = true;
  };
  // The marks of a song read from the document's text as it is now.
  void SetSong(const Song& song);
  const std::vector<Mark>& Marks() const { return marks_; }
  // The chord colours made readable (4.5:1 at least) on the editor's
  // background: lighter under a dark palette.
  void SetBackground(const QColor& background);
  QColor ReadColour() const { return readColour_; }

 protected:
  void highlightBlock(const QString& text) override;

 private:
  std::vector<Mark> marks_;
  QColor readColour_{0x1F, 0x4E, 0xA8};
  QColor unreadColour_{0xC0, 0x20, 0x20};
};

// WCAG's contrast of two colours (1 to 21), and a colour of `wanted`'s hue
// with at least 4.5:1 on `background`.
double ContrastRatio(const QColor& a, const QColor& b);
QColor ReadableOn(const QColor& wanted, const QColor& background);

// The character range of a chord in the line it was read from (its bytes
// converted), as the editor counts.
SongHighlighter::Mark MarkOf(const SongChord& chord, const QString& lineText);

}  // namespace corvanta
