// A click on a diagram: the info text, the highlight, the neck and the strum.
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>

#include "app/tform1.h"
#include "search/picture_geometry.h"
#include "sound/midi_messages.h"
#include "sound/strum.h"
#include "theory/text_util.h"
#include "view/diagram_sheet.h"
#include "view/neck_view.h"

namespace corvanta {

void TForm1::Image1MouseUp(Qt::MouseButton, QPoint position) {
  const auto& fingerings = result_.search.fingerings;
  auto index = ItemAt(position.x(), position.y(), Image1->width(), Image1->height(),
                      static_cast<int>(fingerings.size()));
  if (!index) return;  // the strip, an empty cell, the margin, or outside after a drag
  const std::string& key = fingerings[*index];
  auto frets = ParseKeyFrets(key);
  if (!frets) return;
  // Muted strings read X and barre signs vanish: "X 3 2 0 1 0 ".
  std::string shown =
      key.size() > kKeyPrefixLength ? key.substr(kKeyPrefixLength, kKeyValueTextLength) : "";
  Edit1->setText(QString::fromStdString(ReplaceAll(ReplaceAll(shown, "99", "X"), "-", "")));
  selectedFrets_ = *frets;
  DrawNeck(selectedFrets_);
  Image1->SetHighlighted(*index);
  clickX_ = position.x();
  clickY_ = position.y();
  StrumFingering();
}

void TForm1::DrawNeck(const Frets& frets) {
  Image2->DrawNeck(
      SpeedButton12->isChecked() ? NeckView::Background::Electric : NeckView::Background::Bronze,
      frets);
}

void TForm1::SpeedButton11Click() { Image2->ShowBackground(NeckView::Background::Bronze); }
void TForm1::SpeedButton12Click() { Image2->ShowBackground(NeckView::Background::Electric); }

void TForm1::StrumFingering() {
  player_.Play(PlanStrum(selectedFrets_, tuning_.state.pitchTable, TrackBarTempoAcorde->value()));
}

void TForm1::ComboBoxPatchChange() {
  // Typed text that names no instrument sends nothing.
  // The item shown (in the window's language) names the instrument.
  int item = ComboBoxPatch->findText(ComboBoxPatch->currentText());
  if (item < 0 || item >= static_cast<int>(kPatchItems.size())) return;
  patchProgram_ = kPatchItems[static_cast<std::size_t>(item)].program;
  player_.Play(PlanPatchChange(patchProgram_));
}

}  // namespace corvanta
