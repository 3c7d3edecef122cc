// The MIDI outputs the window can send to, and the File menu that lists them.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "sound/lazy_synth.h"
#include "sound/midi_output.h"

class QMenu;

namespace corvanta {

class TForm1;

// The MIDI outputs the window can send to: the built-in synthesizer by
// default, or a system MIDI port the user picks in the "MIDI输出" submenu of
// the file menu (listed afresh each time the submenu opens).
class SoundDevices : public QObject {
  Q_OBJECT

 public:
  SoundDevices();
  ~SoundDevices() override;
  std::shared_ptr<MidiOutput> DefaultOutput() const { return builtIn_; }
  const std::shared_ptr<LazySynth>& BuiltIn() const { return builtIn_; }
  // Lists the outputs in the window's menu; the synthesizer starts once the
  // window has painted.
  void AttachMenu(TForm1& window);

  // Once the built-in synthesizer has loaded: when no audio device can play
  // it, the status bar says so once and the menu marks it silent. Called by
  // a timer until then; whether it found the synthesizer silent.
  bool CheckBuiltIn();
  bool BuiltInSilent() const { return silent_; }

 protected:
  // A language switch lists the outputs again in the new language.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillMenu(QMenu* menu, TForm1& window);
  void ListPorts();

  TForm1* window_ = nullptr;  // the window whose menu lists the outputs
  std::shared_ptr<LazySynth> builtIn_;
  QTimer startAfterPaint_;
  QTimer loadWatch_;
  bool silent_ = false;
  int chosenPort_ = -1;             // -1: the built-in synthesizer
  std::vector<std::string> ports_;  // the system's ports when the menu last opened
};

}  // namespace corvanta
