// Small builders for the main window's controls: each named as the window's
// object, at its place, with the look the window gives every control of its kind.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QObject;
class QTableWidget;
class QToolButton;
class QWidget;

namespace corvanta {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QFrame* Panel(QWidget* parent, const char* name, QRect geometry, bool raised);
QLabel* Caption(QWidget* parent, const char* name, QPoint at);
// A flat, checkable button.
QToolButton* FlatButton(QWidget* parent, const char* name, QRect geometry);
// Two buttons of which one is down: down starts down.
QButtonGroup* RadioPair(QObject* owner, QToolButton* down, QToolButton* up);
// A string grid: rows of 15 px without fixed cells, whole-row selection,
// read-only, a vertical scroll bar.
QTableWidget* Grid(QWidget* parent, const char* name, QRect geometry, int rows, int columns);
// A grid of the twelve note names.
QTableWidget* NoteGrid(QWidget* parent, const char* name, QRect geometry);
QComboBox* ListOnly(QWidget* parent, const char* name, QRect geometry, const QStringList& items,
                    int selected);
QCheckBox* Option(QWidget* parent, const char* name, QPoint at);

// A caption set and the control sized to it.
void SetCaption(QLabel* label, const QString& text);
void SetCaption(QCheckBox* box, const QString& text, const QString& hint);
// A fixed-size button's caption in the largest font that fits it.
void FitText(QToolButton* button);

}  // namespace corvanta
