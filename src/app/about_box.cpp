// The about box: the logo, the program's name and its version.
#include "app/about_box.h"

#include <QLabel>

#include "app/app_fonts.h"
#include "corvanta_version.h"

namespace corvanta {

TForm2::TForm2(const DrawnAssets& assets, QWidget* parent) : QDialog(parent, Qt::Tool) {
  setObjectName("TForm2");
  setWindowTitle(tr("关于Corvanta"));
  setFont(ChineseFont(12));
  setFixedSize(260, 159);
  auto* logo = new QLabel(this);
  logo->setObjectName("Image1");
  logo->setPixmap(QPixmap::fromImage(assets.logo));
  logo->setGeometry(24, 8, 209, 41);  // the logo is wider: its left part shows
  auto* version = new QLabel("Corvanta v." CORVANTA_VERSION, this);
  version->setObjectName("Label1");
  version->move(24, 56);
}

}  // namespace corvanta
