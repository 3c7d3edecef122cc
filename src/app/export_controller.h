// Exporting and printing the main window's diagrams: the File menu's export
// and print items, the diagrams' context menu, and the export module opened
// when the user first exports or prints.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

#include "app/window_state.h"
#include "view/chord_sheet.h"

class QAction;
class QMenu;
class QWidget;

namespace corvanta {

class ChordEntryController;
class DiagramListController;
struct ExportFunctions;
class TuningController;

class ExportController : public QObject {
  Q_DECLARE_TR_FUNCTIONS(corvanta::TForm1)

 public:
  ExportController(WindowState& state, DiagramListController& diagrams,
                   const ChordEntryController& entry, const TuningController& tuning,
                   QWidget* window);

  // The export submenu and the print item of the File menu.
  void BuildFileItems(QMenu* fileMenu);
  void Connect();
  void Retranslate();

 private:
  // The diagrams as a sheet: all of them, or only the selected one.
  ChordSheet CurrentSheet(bool selectedOnly) const;
  void Export(bool selectedOnly);
  QString ExportInBackground(ChordSheet sheet,
                             const std::function<QString(const ChordSheet&)>& work);
  void Print();
  const ExportFunctions* Exports();
  // The export and print items over a diagram, which is selected first.
  void ShowDiagramMenu(int index, QPoint globalPosition);

  WindowState& state_;
  DiagramListController& diagrams_;
  const ChordEntryController& entry_;
  const TuningController& tuning_;
  QWidget* window_;
  const ExportFunctions* exports_ = nullptr;  // the export module, once opened
  QMenu* exportMenu_ = nullptr;
  QAction* exportSelectedItem_ = nullptr;  // ExportSelected1
  QAction* exportAllItem_ = nullptr;       // ExportAll1
  QAction* printItem_ = nullptr;           // Print1
};

}  // namespace corvanta
