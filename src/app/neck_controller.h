// The neck in the main window: it shows the selected fingering and takes
// fingers placed on it, naming and strumming what then sounds.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QPoint>
#include <functional>

#include "app/window_state.h"

class QToolButton;
class QWidget;

namespace corvanta {

class NameListController;
class NeckView;
class SoundController;

class NeckController : public QObject {
  Q_DECLARE_TR_FUNCTIONS(corvanta::TForm1)

 public:
  // fingerPlaced: the selection changed on the neck; the diagrams follow it.
  NeckController(WindowState& state, NameListController& names, SoundController& sound,
                 std::function<void()> fingerPlaced);

  // The two neck pictures' buttons and the neck, in the sound panel; owner
  // holds the buttons' group.
  void BuildControls(QWidget* panel, QObject* owner);
  void Connect();
  NeckView* View() const { return neck_; }
  // The fingering on the neck, in the picture chosen, above the capo.
  void DrawNeck(const Fingering& frets);
  void Retranslate();

 private:
  // A click on the neck: place or lift a finger, name what sounds, strum it.
  void PlaceFinger(Qt::MouseButton button, QPoint position);
  void ShowBronzeNeck();
  void ShowElectricNeck();

  WindowState& state_;
  NameListController& names_;
  SoundController& sound_;
  std::function<void()> fingerPlaced_;
  QToolButton* bronzeNeckButton_ = nullptr;    // SpeedButton11
  QToolButton* electricNeckButton_ = nullptr;  // SpeedButton12
  NeckView* neck_ = nullptr;                   // Image2
};

}  // namespace corvanta
