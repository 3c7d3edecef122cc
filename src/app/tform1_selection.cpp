// A click on a diagram: the info text, the highlight, the neck and the strum.
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>

#include "app/tform1.h"
#include "search/instrument_search.h"
#include "search/voicing.h"
#include "session/placed_fingering.h"
#include "sound/midi_messages.h"
#include "sound/strum.h"
#include "theory/text_util.h"
#include "view/diagram_sheet.h"
#include "view/layout/neck_layout.h"
#include "view/layout/picture_geometry.h"
#include "view/neck_view.h"

namespace corvanta {
namespace {

// How long the window says that notes were left out.
constexpr int kBeyondMidiMessageMs = 8000;

}  // namespace

void TForm1::Image1MouseUp(Qt::MouseButton, QPoint position) {
  const auto& fingerings = result_.search.voicings;
  auto index = ItemAt(position.x(), position.y(), Image1->width(), Image1->height(),
                      static_cast<int>(fingerings.size()), Image1->Cell());
  if (!index) return;  // the strip, an empty cell, the margin, or outside after a drag
  clickX_ = position.x();
  clickY_ = position.y();
  SelectDiagram(*index);
}

void TForm1::SelectDiagram(int index) {
  const auto& fingerings = result_.search.voicings;
  if (index < 0 || index >= static_cast<int>(fingerings.size())) return;
  selectedFrets_ = fingerings[static_cast<std::size_t>(index)].frets;
  ShowSelectedFrets();
  DrawNeck(selectedFrets_);
  Image1->SetHighlighted(index);
  StrumFingering();
  emit fingeringSelected(selectedFrets_);
}

void TForm1::ScrollToDiagram(int index) {
  if (index < 0) return;
  QRect cell = Image1->CellRect(index);
  ScrollBoxViolao->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2,
                                 cell.height() / 2);
}

// Muted strings read X and barre signs vanish, and the key text's final
// blank stays: "X 3 2 0 1 0 ".
void TForm1::ShowSelectedFrets() {
  QString text = QString::fromStdString(ReadableFrets(selectedFrets_) + ' ');
  // Ordered by ease, the info box says how easy the shape is.
  if (session_.order == VoicingOrderChoice::Ease)
    text += " \u00b7 " + DifficultyWordText(WordForDifficulty(Difficulty(selectedFrets_)));
  Edit1->setText(text);
}

void TForm1::DrawNeck(const Fingering& frets) {
  Image2->DrawNeck(
      SpeedButton12->isChecked() ? NeckView::Background::Electric : NeckView::Background::Bronze,
      frets, tuning_.state.capo);
}

void TForm1::Image2MouseUp(Qt::MouseButton, QPoint position) {
  auto place = NeckPositionAt(position.x(), position.y(), Image2->Strings());
  if (!place || place->string >= static_cast<int>(selectedFrets_.size())) return;
  const int capo = tuning_.state.capo;
  // With shape names the placed fingering is named as a shape, as the chords are.
  const Instrument named = InstrumentUnderCapo(TunedInstrument(), capo, session_.capoNames);
  const int stringStart = named.strings[static_cast<std::size_t>(place->string)].firstFret;
  selectedFrets_ =
      PlaceFingerUnderCapo(selectedFrets_, place->string, place->fret, capo, stringStart);
  ShowSelectedFrets();
  DrawNeck(WithBarres(selectedFrets_));
  const SoundingNotes sounding = NotesOnInstrument(selectedFrets_, named);
  ShowNames(NameSoundingNotes(sounding, entry_.state.rootGridNames),
            ReadChordAsPlayed(sounding.pitchClasses, sounding.bass, named.rules.anyInversion),
            true);
  // The same voicing among the diagrams (a barre sign aside) is selected too.
  int match = FindVoicing(result_.search.voicings, selectedFrets_);
  Image1->SetHighlighted(match);
  ScrollToDiagram(match);
  StrumFingering();
}

void TForm1::SpeedButton11Click() { Image2->ShowBackground(NeckView::Background::Bronze); }
void TForm1::SpeedButton12Click() { Image2->ShowBackground(NeckView::Background::Electric); }

void TForm1::StrumFingering() {
  const int speed = TrackBarTempoAcorde->value();
  if (instrumentTuning_) {
    const Instrument sounding = InstrumentWithCapo(TunedInstrument(), tuning_.state.capo);
    const std::vector<int> notes = StrumNotes(selectedFrets_, sounding);
    // A custom tuning near C8 reaches past what MIDI can send.
    if (!NotesBeyondMidi(notes).empty())
      statusBar()->showMessage(tr("高于 MIDI 音 127 的音无法发声, 已略去"), kBeyondMidiMessageMs);
    player_.Play(PlanStrumNotes(notes, speed));
    return;
  }
  // The guitar plays its pitch table, which a moved slider leaves as it was
  // until the next preset or reset.
  player_.Play(PlanStrum(selectedFrets_, tuning_.SoundingPitches(), speed));
}

void TForm1::ComboBoxPatchChange() {
  // Typed text that names no instrument sends nothing.
  // The item shown (in the window's language) names the instrument.
  int item = ComboBoxPatch->findText(ComboBoxPatch->currentText());
  if (item < 0 || item >= static_cast<int>(kPatchItems.size())) return;
  patchProgram_ = kPatchItems[static_cast<std::size_t>(item)].program;
  patchChosen_ = true;
  player_.Play(PlanPatchChange(patchProgram_));
}

}  // namespace corvanta
