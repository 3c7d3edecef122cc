// The instrument, its tuning and the capo in the main window: the instrument
// menu, the tuning panel for any number of strings, the capo and its names,
// and the instrument, tuning and capo said in the status bar.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <array>
#include <functional>
#include <vector>

#include "app/window_state.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QMenuBar;
class QSlider;
class QSpinBox;
class QStatusBar;
class QToolButton;
class QWidget;

namespace corvanta {

struct DrawnAssets;
class NeckController;
class SoundController;

class TuningController : public QObject {
  Q_DECLARE_TR_FUNCTIONS(corvanta::TForm1)

 public:
  // What a tuning change asks of the rest of the window.
  struct Hooks {
    std::function<void()> search;            // the current chord searched again
    std::function<void()> selectionCleared;  // the info box emptied
  };
  TuningController(WindowState& state, SoundController& sound, NeckController& neck, Hooks hooks,
                   QWidget* window);

  QWidget* BuildTuningPanel(QWidget* parent, const DrawnAssets& assets);
  QWidget* BuildCapoPanel(QWidget* parent);
  void BuildInstrumentMenu(QMenuBar* bar);
  // The label at the status bar's right that says the instrument, tuning and capo.
  void BuildStatusInfo(QStatusBar* status);
  void Connect();
  // The capo's caption, its fret and the names button in a row, each as
  // wide as its text in the window's language.
  void PlaceCapoControls();

  // The instrument chosen in an earlier run, set before the first search so
  // that the window starts searching on it; the guitar without one.
  void RestoreInstrument();
  // Chooses the instrument: the tuning panel, diagrams, neck and strum follow
  // and the current chord is searched on it. remember: keep the choice for
  // the next run (a choice from the menu), not for a one-run override.
  void ChooseInstrument(const Instrument& instrument, bool remember);
  // The capo names chosen at the start, shown on the menu and its button.
  void ShowStartCapoNames();
  // A song's chords under a capo are the shapes fingered above it; for this
  // run only, as a song asks, not as the user's remembered choice.
  void ShowShapesForSong(int capo);
  // The tuning panel and the capo as the state holds them.
  void MirrorTuning();
  // The instrument, tuning and capo at the status bar's right, with the
  // chord a shape sounds when names are shapes.
  void ShowStatusInfo();
  // The tuning as headings and the status bar say it: the guitar's by its
  // caption, another instrument's by its name and its strings' pitches.
  QString TuningHeadingText() const;
  void Retranslate();

 private:
  // The instrument's state alone: its tuning panel, an empty selection, the
  // neck's strings; nothing mirrored or searched.
  void SetInstrument(const Instrument& instrument);
  void ChooseBuiltInInstrument(int index);
  // Asks for a custom tuning until it is one or the dialog is cancelled.
  void AskCustomInstrument();
  void ApplyPreset(int index);
  // The menu of the instrument's presets, built again for each instrument.
  void FillPresetMenu();
  // The sliders and their labels as many as the strings, as the state holds them.
  void MirrorSliders();
  void PlaceStringSliders(int strings);
  void RunTuningSearches(int searches);
  void ResetToStandardTuning();
  void RetuneString(int string);
  void SetCapo();
  void ChooseCapoNames(CapoNames names);
  // The names button says which reading of names under a capo is chosen.
  void ShowCapoNamesChoice();

  WindowState& state_;
  SoundController& sound_;
  NeckController& neck_;
  Hooks hooks_;
  QWidget* window_;
  QToolButton* tuningButton_ = nullptr;  // ToolButton5
  QMenu* presetMenu_ = nullptr;          // named by the instrument: PopupMenu1 on the guitar
  std::vector<QAction*> presetItems_;
  // One slider per string, as many as the instrument with the most strings.
  std::array<QSlider*, kMaxInstrumentStrings> trackBars_{};
  std::array<QLabel*, kMaxInstrumentStrings> stringLabels_{};
  QMenu* instrumentMenu_ = nullptr;
  std::vector<QAction*> instrumentItems_;
  QAction* customInstrumentItem_ = nullptr;   // CustomInstrument1
  QSpinBox* capoBox_ = nullptr;               // SpinCapo
  QToolButton* capoNamesButton_ = nullptr;    // ToolButtonCapoNames
  std::array<QAction*, 2> capoNamesItems_{};  // sounding, shapes
  QLabel* statusInfo_ = nullptr;
};

}  // namespace corvanta
