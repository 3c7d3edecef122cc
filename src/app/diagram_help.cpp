// The "how to read a diagram" page: two example diagrams with every mark explained.
#include "app/diagram_help.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <array>

#include "search/key_text.h"
#include "view/diagram_painter.h"

namespace corvanta {
namespace {

// Open C (x 3 2 0 1 0) and the F barre (1 3 3 2 1 1): every mark, finger
// and the barre the page speaks of.
constexpr std::array<int, 6> kOpenChord{99, 3, 2, 0, 1, 0};
constexpr std::array<int, 6> kBarreChord{-1, 3, 3, 2, 1, 1};
constexpr int kExampleScale = 2;

QLabel* ExampleDiagram(std::span<const int> values, DiagramMarks marks, const QString& name,
                       QWidget* parent) {
  const Diagram diagram{
      *FingeringOfKeyValues(values), DiagramVariant::Plain, false, 0, {}, -1, {}, marks};
  const QSizeF cell = diagram.CellSize();
  QImage image((cell * kExampleScale).toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintDiagram(painter, diagram, QRectF(QPointF(0, 0), cell * kExampleScale));
  }
  auto* label = new QLabel(parent);
  label->setPixmap(QPixmap::fromImage(image));
  label->setToolTip(name);
  return label;
}

}  // namespace

DiagramHelp::DiagramHelp(DiagramMarks marks, QWidget* parent) : QDialog(parent) {
  setObjectName("DiagramHelp");
  setWindowTitle(tr("如何看和弦图"));
  auto* column = new QVBoxLayout(this);
  auto* examples = new QHBoxLayout;
  examples->addWidget(ExampleDiagram(kOpenChord, marks, "C  x 3 2 0 1 0", this));
  examples->addWidget(ExampleDiagram(kBarreChord, marks, "F  1 3 3 2 1 1", this));
  examples->addStretch(1);
  column->addLayout(examples);
  auto* text = new QTextBrowser(this);
  text->setObjectName("DiagramHelpText");
  text->setHtml(PageText());
  column->addWidget(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
  resize(560, 620);
}

QString DiagramHelp::PageText() {
  QString page = "<h3>" + tr("如何看和弦图") + "</h3>";
  const QString sections[][2] = {
      {tr("弦和品"),
       tr("竖线是弦, 最低音的弦在左边 (勾选左手和弦时在右边); 上方的粗线是琴枕, 横线是品丝。")},
      {tr("标记"),
       tr("默认在弦下: 实心点是发出最低音 (低音) 的弦, 空心圈是发音的弦, × 是不弹的弦。"
          "选择 查看 > 弦下标记 > 和弦谱标记 时, 和和弦谱一样画在琴枕上方: o 为空弦, x 为不弹的弦, "
          "按住的弦上不画; 低音为空弦时画实心点, 按住时手指外加一圈。也可以在弦下显示音名或音程 "
          "(R 为根音)。")},
      {tr("手指"),
       tr("黑色圆点是按在该品格后面的手指, 数字表示哪个手指: 1 食指, 2 中指, 3 无名指, 4 小指。")},
      {tr("横按"), tr("横跨几根弦的黑条是一个手指 (通常是食指) 同时按住这些弦, 不标数字。")},
      {tr("品格数"),
       tr("和弦图左上的数字是第一行的品格; 1 是紧挨琴枕的第一品。用变调夹时品格从变调夹数起, "
          "下方写着 \"capo N\"。")},
      {tr("难易"),
       tr("\"容易\"、\"中等\"、\"困难\" 说明一个按法有多难: "
          "按下的手指、横按、手指张开的距离、把位和"
          "中间不弹的弦都会使它更难。每个和弦图的提示里都有, 按难易排序时信息框里也有。")},
  };
  for (const auto& section : sections)
    page += "<p><b>" + section[0] + "</b><br>" + section[1] + "</p>";
  return page;
}

}  // namespace corvanta
