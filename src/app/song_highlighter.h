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

 protected:
  void highlightBlock(const QString& text) override;

 private:
  std::vector<Mark> marks_;
};

// The character range of a chord in the line it was read from (its bytes
// converted), as the editor counts.
SongHighlighter::Mark MarkOf(const SongChord& chord, const QString& lineText);

}  // namespace corvanta
