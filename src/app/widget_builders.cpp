// Builders for the main window's controls, shared by the window's rooms.
#include "app/widget_builders.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

#include "app/app_fonts.h"
#include "app/window_texts.h"
#include "theory/note_names.h"
#include "view/chord_text.h"

namespace corvanta {
namespace {

constexpr int kGridRowHeight = 15;

}  // namespace

QFrame* Panel(QWidget* parent, const char* name, QRect geometry, bool raised) {
  auto* panel = Named(new QFrame(parent), name);
  panel->setGeometry(geometry);
  if (raised) panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  return panel;
}

QLabel* Caption(QWidget* parent, const char* name, QPoint at) {
  auto* label = Named(new QLabel(parent), name);
  label->move(at);
  return label;
}

QToolButton* FlatButton(QWidget* parent, const char* name, QRect geometry) {
  auto* button = Named(new QToolButton(parent), name);
  button->setGeometry(geometry);
  button->setCheckable(true);
  button->setAutoRaise(true);
  return button;
}

QButtonGroup* RadioPair(QObject* owner, QToolButton* down, QToolButton* up) {
  auto* group = new QButtonGroup(owner);
  group->addButton(down);
  group->addButton(up);
  group->setExclusive(true);
  down->setChecked(true);
  return group;
}

QTableWidget* Grid(QWidget* parent, const char* name, QRect geometry, int rows, int columns) {
  auto* grid = Named(new QTableWidget(rows, columns, parent), name);
  grid->setGeometry(geometry);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  // The minimum first: Qt clamps the default to the font's minimum, which
  // is taller than the rows the grids are drawn with.
  grid->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
  grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  grid->setFont(ArialFont(11));
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setTabKeyNavigation(false);
  return grid;
}

QTableWidget* NoteGrid(QWidget* parent, const char* name, QRect geometry) {
  auto* grid = Grid(parent, name, geometry, kPitchClassCount, 1);
  grid->horizontalHeader()->setStretchLastSection(true);
  // The twelve rows fit the grid's height: without a scroll bar its column
  // is wide enough for a whole "C#".
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (int row = 0; row < kPitchClassCount; ++row) {
    grid->setItem(row, 0, new QTableWidgetItem(ToQString(kSharpNoteNames[row])));
  }
  return grid;
}

QComboBox* ListOnly(QWidget* parent, const char* name, QRect geometry, const QStringList& items,
                    int selected) {
  auto* box = Named(new QComboBox(parent), name);
  box->setGeometry(geometry);
  box->addItems(items);
  box->setCurrentIndex(selected);
  return box;
}

QCheckBox* Option(QWidget* parent, const char* name, QPoint at) {
  auto* box = Named(new QCheckBox(parent), name);
  box->move(at);
  return box;
}

void SetCaption(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

void SetCaption(QCheckBox* box, const QString& text, const QString& hint) {
  box->setText(text);
  box->setToolTip(hint);
  box->adjustSize();
}

// "Types" in English is wider than "模式2", which keeps the window's own font.
void FitText(QToolButton* button) {
  QFont font = button->parentWidget()->font();
  int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
  for (;; --pixels) {
    font.setPixelSize(pixels);
    if (pixels <= kSmallestCaptionPixels || CaptionFits(button->text(), font, button->width()))
      break;
  }
  button->setFont(font);
}

}  // namespace corvanta
