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
  SpeedButton11 = FlatButton(panel5, "SpeedButton11", QRect(296, 6, 81, 21));
  SpeedButton12 = FlatButton(panel5, "SpeedButton12", QRect(385, 6, 80, 21));
  RadioPair(owner, SpeedButton12, SpeedButton11);
  Image2 = Named(new NeckView(panel5), "Image2");
  Image2->move(8, 32);
}

void NeckController::Connect() {
  QObject::connect(Image2, &NeckView::mouseUp, this, &NeckController::PlaceFinger);
  QObject::connect(SpeedButton11, &QToolButton::clicked, this, &NeckController::ShowBronzeNeck);
  QObject::connect(SpeedButton12, &QToolButton::clicked, this, &NeckController::ShowElectricNeck);
}

void NeckController::DrawNeck(const Fingering& frets) {
  Image2->DrawNeck(
      SpeedButton12->isChecked() ? NeckView::Background::Electric : NeckView::Background::Bronze,
      frets, state_.Capo());
}

void NeckController::PlaceFinger(Qt::MouseButton, QPoint position) {
  auto place = NeckPositionAt(position.x(), position.y(), Image2->Strings());
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

void NeckController::ShowBronzeNeck() { Image2->ShowBackground(NeckView::Background::Bronze); }
void NeckController::ShowElectricNeck() { Image2->ShowBackground(NeckView::Background::Electric); }

void NeckController::Retranslate() {
  SpeedButton11->setText(tr("电吉他指板"));
  SpeedButton12->setText(tr("古典吉他指板"));
  SpeedButton11->setToolTip(tr("指板图: 低音弦为铜色"));
  SpeedButton12->setToolTip(tr("指板图: 所有的弦为银色"));
  Image2->setToolTip(tr("点击品格放下或抬起手指; 点击琴枕左边: 不弹或空弦"));
}

}  // namespace corvanta
