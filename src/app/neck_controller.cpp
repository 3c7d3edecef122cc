// The neck: drawing the selection and placing fingers on it.
#include "app/neck_controller.h"

#include <QToolButton>

#include "app/name_list_controller.h"
#include "app/sound_controller.h"
#include "app/widget_builders.h"
#include "search/instrument_search.h"
#include "session/placed_fingering.h"
#include "symbols/chord_readings.h"
#include "view/layout/neck_layout.h"
#include "view/neck_view.h"

namespace corvanta {

NeckController::NeckController(WindowState& state, NameListController& names,
                               SoundController& sound, std::function<void()> fingerPlaced)
    : state_(state), names_(names), sound_(sound), fingerPlaced_(std::move(fingerPlaced)) {}

void NeckController::BuildControls(QWidget* panel5, QObject* owner) {
  bronzeNeckButton_ = FlatButton(panel5, "SpeedButton11", QRect(296, 6, 81, 21));
  electricNeckButton_ = FlatButton(panel5, "SpeedButton12", QRect(385, 6, 80, 21));
  RadioPair(owner, electricNeckButton_, bronzeNeckButton_);
  neck_ = Named(new NeckView(panel5), "Image2");
  neck_->move(8, 32);
}

void NeckController::Connect() {
  QObject::connect(neck_, &NeckView::mouseUp, this, &NeckController::PlaceFinger);
  QObject::connect(bronzeNeckButton_, &QToolButton::clicked, this, &NeckController::ShowBronzeNeck);
  QObject::connect(electricNeckButton_, &QToolButton::clicked, this,
                   &NeckController::ShowElectricNeck);
}

void NeckController::DrawNeck(const Fingering& frets) {
  neck_->DrawNeck(electricNeckButton_->isChecked() ? NeckView::Background::Electric
                                                   : NeckView::Background::Bronze,
                  frets, state_.Capo());
}

void NeckController::PlaceFinger(Qt::MouseButton, QPoint position) {
  auto place = NeckPositionAt(position.x(), position.y(), neck_->Strings());
  if (!place || place->string >= static_cast<int>(state_.selectedFrets.size())) return;
  const int capo = state_.Capo();
  // With shape names the placed fingering is named as a shape, as the chords are.
  const Instrument named =
      InstrumentUnderCapo(state_.TunedInstrument(), capo, state_.session.capoNames);
  const int stringStart = named.strings[static_cast<std::size_t>(place->string)].firstFret;
  state_.selectedFrets =
      PlaceFingerUnderCapo(state_.selectedFrets, place->string, place->fret, capo, stringStart);
  DrawNeck(WithBarres(state_.selectedFrets));
  const SoundingNotes sounding = NotesOnInstrument(state_.selectedFrets, named);
  names_.ShowNames(
      NameSoundingNotes(sounding, state_.entry.state.rootGridNames),
      ReadChordAsPlayed(sounding.pitchClasses, sounding.bass, named.rules.anyInversion), true);
  fingerPlaced_();
  sound_.StrumSelected();
}

void NeckController::ShowBronzeNeck() { neck_->ShowBackground(NeckView::Background::Bronze); }
void NeckController::ShowElectricNeck() { neck_->ShowBackground(NeckView::Background::Electric); }

void NeckController::Retranslate() {
  bronzeNeckButton_->setText(tr("电吉他指板"));
  electricNeckButton_->setText(tr("古典吉他指板"));
  bronzeNeckButton_->setToolTip(tr("指板图: 低音弦为铜色"));
  electricNeckButton_->setToolTip(tr("指板图: 所有的弦为银色"));
  neck_->setToolTip(tr("点击品格放下或抬起手指; 点击琴枕左边: 不弹或空弦"));
}

}  // namespace corvanta
