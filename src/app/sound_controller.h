// The main window's sound: the instrument box, the strum speed and the strum
// of the selected fingering, through whichever MIDI output is attached.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <memory>

#include "app/window_state.h"
#include "sound/midi_output.h"
#include "sound/strum_player.h"

class QComboBox;
class QMainWindow;
class QSlider;
class QWidget;

namespace corvanta {

class SoundController : public QObject {
  Q_DECLARE_TR_FUNCTIONS(corvanta::TForm1)

 public:
  // Sound goes to output (nothing is heard when it is null); window shows
  // the messages about notes that cannot sound.
  SoundController(WindowState& state, std::shared_ptr<MidiOutput> output, QMainWindow* window);

  // The instrument box and the speed, at the start of the sound panel.
  void BuildControls(QWidget* panel);
  void Connect();
  // The instrument box shows its first item from the start; the sound
  // follows it from the first strum on (another instrument's own sound when
  // one was chosen before).
  void Start();
  // Lets another output (a system MIDI port) take over from the next strum.
  void SetOutput(std::shared_ptr<MidiOutput> output);
  StrumPlayer& Player() { return player_; }
  // The sound follows the instrument until the user picks one: a banjo
  // strums as a banjo, the guitar as the box's first item.
  void FollowInstrument();
  // Strums the selected fingering at the speed chosen.
  void StrumSelected();
  void Retranslate();

 private:
  // A sound chosen from the box, or typed as its item's name.
  void ChoosePatch();

  WindowState& state_;
  QMainWindow* window_;
  StrumPlayer player_;
  bool patchChosen_ = false;  // the user picked a sound: the instrument no longer sets it
  int patchProgram_ = -1;
  QComboBox* patchBox_ = nullptr;  // ComboBoxPatch
  QSlider* strumSpeed_ = nullptr;  // TrackBarTempoAcorde
};

}  // namespace corvanta
