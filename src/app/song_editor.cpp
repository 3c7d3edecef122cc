// The song editor's guarded paste.
#include "app/song_editor.h"

#include <QMimeData>

namespace corvanta {

bool SongEditor::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void SongEditor::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) return;
  insertPlainText(source->text());
}

}  // namespace corvanta
