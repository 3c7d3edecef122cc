// Help > How to read a diagram.
#pragma once

#include <QDialog>

#include "view/layout/diagram_layout.h"

namespace corvanta {

// Help > How to read a diagram: a short page on the marks, the fingers, the
// barre, the fret number and the difficulty words, beside two diagrams
// drawn as the view draws them (an open chord and a barre chord).
class DiagramHelp : public QDialog {
  Q_OBJECT

 public:
  explicit DiagramHelp(DiagramMarks marks, QWidget* parent = nullptr);

  // The page's text (HTML) in the window's language.
  static QString PageText();
};

}  // namespace corvanta
