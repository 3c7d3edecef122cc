#pragma once

#include <QObject>
#include <memory>

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
  void AttachMenu(TForm1& window);

 protected:
  // A language switch lists the outputs again in the new language.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillMenu(QMenu* menu, TForm1& window);

  TForm1* window_ = nullptr;  // the window whose menu lists the outputs
  std::shared_ptr<MidiOutput> builtIn_;
  int chosenPort_ = -1;  // -1: the built-in synthesizer
};

}  // namespace corvanta
