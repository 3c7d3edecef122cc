// The about box (Help > About).
#pragma once

#include <QDialog>

#include "view/drawn_assets.h"

namespace corvanta {

// The about box: the logo and the version.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  TForm2(const DrawnAssets& assets, QWidget* parent = nullptr);
};

}  // namespace corvanta
