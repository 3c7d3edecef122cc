// The instrument box, the strum speed and the strum itself.
#include "app/sound_controller.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>

#include "app/widget_builders.h"
#include "app/window_texts.h"
#include "search/instrument_search.h"
#include "session/placed_fingering.h"
#include "sound/midi_messages.h"
#include "sound/strum.h"

namespace corvanta {
namespace {

// How long the window says that notes were left out.
constexpr int kBeyondMidiMessageMs = 8000;

}  // namespace

SoundController::SoundController(WindowState& state, std::shared_ptr<MidiOutput> output,
                                 QMainWindow* window)
    : state_(state), window_(window), player_(std::move(output)) {}

void SoundController::BuildControls(QWidget* panel5) {
  patchBox_ = Named(new QComboBox(panel5), "ComboBoxPatch");
  patchBox_->setGeometry(8, 8, 145, 21);
  patchBox_->setEditable(true);
  patchBox_->setInsertPolicy(QComboBox::NoInsert);
  patchBox_->setMaxVisibleItems(21);
  // Its own light colour keeps its own dark text, whatever the desktop palette.
  patchBox_->setStyleSheet(
      "QComboBox, QComboBox QLineEdit { background: rgb(207, 208, 214); color: black; }");
  for (std::size_t i = 0; i < kPatchItems.size(); ++i) patchBox_->addItem(QString());
  // The box shows the first instrument without selecting it (nothing is sent).
  patchBox_->setCurrentIndex(-1);
  Caption(panel5, "Label6", QPoint(160, 10));
  strumSpeed_ = Named(new QSlider(Qt::Horizontal, panel5), "TrackBarTempoAcorde");
  strumSpeed_->setGeometry(200, 8, 89, 17);
  strumSpeed_->setRange(kMinStrumSpeed, kMaxStrumSpeed);
  strumSpeed_->setValue(kDefaultStrumSpeed);
  strumSpeed_->setTickPosition(QSlider::TicksBelow);
  strumSpeed_->setTickInterval(1);
}

void SoundController::Connect() {
  // A choice from the list (the same item again too) and typing by the user;
  // the edit text the program or a choice sets does not count twice.
  QObject::connect(patchBox_, &QComboBox::activated, this, &SoundController::ChoosePatch);
  QObject::connect(patchBox_->lineEdit(), &QLineEdit::textEdited, this,
                   &SoundController::ChoosePatch);
}

void SoundController::Start() {
  patchProgram_ = kPatchItems[0].program;
  player_.Play(PlanPatchChange(patchProgram_));
  if (!state_.Chosen().classicTuning) FollowInstrument();
}

void SoundController::SetOutput(std::shared_ptr<MidiOutput> output) {
  player_.SetOutput(std::move(output));
  // A new device hears the instrument the box shows.
  if (patchProgram_ >= 0) player_.Play(PlanPatchChange(patchProgram_));
}

void SoundController::FollowInstrument() {
  if (patchChosen_) return;
  const int program = state_.Chosen().midiProgram;
  const QSignalBlocker blocker(patchBox_);
  int item = -1;
  for (std::size_t i = 0; i < kPatchItems.size(); ++i) {
    if (kPatchItems[i].program == program) item = static_cast<int>(i);
  }
  // The box shows the sound without choosing it, as it does at the start.
  patchBox_->setCurrentIndex(-1);
  patchBox_->setEditText(item >= 0 ? patchBox_->itemText(item) : InstrumentTitle(state_.Chosen()));
  if (program == patchProgram_) return;
  patchProgram_ = program;
  player_.Play(PlanPatchChange(patchProgram_));
}

void SoundController::StrumSelected() {
  const int speed = strumSpeed_->value();
  const std::vector<int> notes = StrumNotes(state_.selectedFrets, state_.StrummedInstrument());
  // A custom tuning near C8 reaches past what MIDI can send.
  if (!NotesBeyondMidi(notes).empty())
    window_->statusBar()->showMessage(tr("高于 MIDI 音 127 的音无法发声, 已略去"),
                                      kBeyondMidiMessageMs);
  player_.Play(PlanStrumNotes(notes, speed));
}

void SoundController::ChoosePatch() {
  // Typed text that names no instrument sends nothing.
  // The item shown (in the window's language) names the instrument.
  int item = patchBox_->findText(patchBox_->currentText());
  if (item < 0 || item >= static_cast<int>(kPatchItems.size())) return;
  patchProgram_ = kPatchItems[static_cast<std::size_t>(item)].program;
  patchChosen_ = true;
  player_.Play(PlanPatchChange(patchProgram_));
}

void SoundController::Retranslate() {
  patchBox_->setToolTip(tr("切换和弦演奏的音色"));
  SetCaption(window_->findChild<QLabel*>("Label6"), tr("速度"));
  strumSpeed_->setToolTip(tr("调整和弦演奏的回放速度"));
  // The instrument box keeps showing the same instrument, now in the new
  // language, whether it was chosen or is the start text.
  const QSignalBlocker blocker(patchBox_);
  const QString typed = patchBox_->currentText();
  int shown = patchBox_->currentIndex();
  if (shown < 0) shown = patchBox_->findText(typed);
  for (std::size_t i = 0; i < kPatchItems.size(); ++i)
    patchBox_->setItemText(static_cast<int>(i), InstrumentText(kPatchItems[i].text));
  if (patchBox_->currentIndex() < 0)
    patchBox_->setEditText(shown >= 0 ? patchBox_->itemText(shown) : typed);
  // A sound the instrument chose is named in the new language too.
  if (!patchChosen_ && !state_.Chosen().classicTuning) FollowInstrument();
}

}  // namespace corvanta
