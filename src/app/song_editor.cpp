// The song editor's guarded paste.
#include "app/song_editor.h"

#include <QEvent>
#include <QMimeData>

namespace corvanta {

bool SongEditor::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void SongEditor::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || !source->hasText()) return;
  insertPlainText(source->text());
}

void SongEditor::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::PaletteChange)
    emit BackgroundChanged(palette().color(QPalette::Base));
}

}  // namespace corvanta
