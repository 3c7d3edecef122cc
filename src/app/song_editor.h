// The song window's text editor: a plain text editor whose paste takes
// only text, and nothing when the clipboard holds no data at all.
#pragma once

#include <QPlainTextEdit>

namespace corvanta {

class SongEditor : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;
  // What Ctrl+V and a drop insert; nothing for no data (Qt 6.4 hands a
  // null one over when the clipboard is empty) or data without text.
  void InsertPasted(const QMimeData* source) { insertFromMimeData(source); }

 signals:
  // A new palette (a dark one chosen): the text's background colour.
  void BackgroundChanged(const QColor& background);

 protected:
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void changeEvent(QEvent* event) override;
};

}  // namespace corvanta
