// The diagram list in the main window: the search of the current chord and
// its diagrams, the selection and the info box, and the View menu (diagram
// size, order, labels under the strings, practical fingerings).
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPoint>
#include <array>
#include <functional>

#include "app/window_state.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QScrollArea;
class QWidget;

namespace corvanta {

class DiagramSheet;
class NameListController;
class NeckController;
class SoundController;
class TuningController;

class DiagramListController : public QObject {
  Q_DECLARE_TR_FUNCTIONS(corvanta::TForm1)

 public:
  // What a selection or a size change tells the rest of the window.
  struct Hooks {
    std::function<void(const Fingering& frets)> selected;  // a diagram was selected
    std::function<void(int percent)> zoomChosen;           // before the diagrams follow
  };
  DiagramListController(WindowState& state, NameListController& names, TuningController& tuning,
                        NeckController& neck, SoundController& sound, Hooks hooks);

  // The scrolled white area of diagrams.
  QWidget* BuildDiagramArea();
  // The info box: the selected frets and the number of diagrams found.
  QWidget* BuildInfoPanel(QWidget* parent);
  void BuildViewMenu(QMenuBar* bar);
  void Connect();
  DiagramSheet* View() const { return sheet_; }
  // The info box as wide as its longest text in the window's language.
  void FitInfoPanel(QWidget* window);

  // The order and the practical rule remembered from the last run.
  void RestoreChoices();
  // Searches the current chord under the state's choices and shows its
  // diagrams, names and the status bar's instrument text.
  void Search();
  // Whether the diagrams were laid out for the area's present width.
  bool FitsArea() const;
  // What a click on diagram index does; the keyboard does the same.
  void SelectDiagram(int index);
  void ScrollToDiagram(int index);
  // The diagram at index highlighted again when it still shows the selection.
  void KeepSelectionAt(int index);
  // A fingering placed on the neck: the info box says it and the same
  // voicing among the diagrams (a barre sign aside) is selected too.
  void ShowPlacedFingering();
  // The info box emptied (another instrument's selection means nothing).
  void ClearInfo();
  // The diagram size in percent (100, 150, 200, 300); remembered when asked.
  void SetZoom(int percent, bool remember);
  void ApplyStringLabels();
  void Retranslate();

 private:
  void ClickDiagram(Qt::MouseButton button, QPoint position);
  // Muted strings read X and barre signs vanish, and the key text's final
  // blank stays: "X 3 2 0 1 0 ".
  void ShowSelectedFrets();
  void StepZoom(int direction);
  void ChooseOrder(VoicingOrderChoice order);
  void BuildLabelMenu();
  void SetPractical(bool checked);
  void ChooseStringLabels(StringLabels labels);

  WindowState& state_;
  NameListController& names_;
  TuningController& tuning_;
  NeckController& neck_;
  SoundController& sound_;
  Hooks hooks_;
  int clickX_ = 0;
  int clickY_ = 0;
  QScrollArea* diagramArea_ = nullptr;  // ScrollBoxViolao
  DiagramSheet* sheet_ = nullptr;       // Image1
  QLineEdit* fretsBox_ = nullptr;       // Edit1
  QLabel* totalLabel_ = nullptr;        // LabelTotal
  QMenu* viewMenu_ = nullptr;
  QMenu* zoomMenu_ = nullptr;
  std::array<QAction*, 4> zoomItems_{};
  QMenu* orderMenu_ = nullptr;
  std::array<QAction*, 2> orderItems_{};  // by position, by ease
  QMenu* labelMenu_ = nullptr;
  QAction* practicalItem_ = nullptr;      // Practical1
  std::array<QAction*, 4> labelItems_{};  // marks, notes, intervals, chart marks
  QAction* zoomInItem_ = nullptr;         // ZoomIn1
  QAction* zoomOutItem_ = nullptr;        // ZoomOut1
  QAction* zoomResetItem_ = nullptr;      // ZoomReset1
};

}  // namespace corvanta
