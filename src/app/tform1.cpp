// The main window's start, its public face for the program and the tests,
// and the window events that re-lay the diagrams out.
#include "app/tform1.h"

#include <QAction>
#include <QCoreApplication>
#include <QSignalBlocker>
#include <QStyle>
#include <QTranslator>

#include "app/chord_entry_controller.h"
#include "app/diagram_list_controller.h"
#include "app/export_controller.h"
#include "app/name_list_controller.h"
#include "app/neck_controller.h"
#include "app/preferences.h"
#include "app/song_library_window.h"
#include "app/song_window.h"
#include "app/sound_controller.h"
#include "app/tuning_controller.h"

namespace corvanta {

TForm1::TForm1(std::shared_ptr<MidiOutput> output, QWidget* parent)
    : QMainWindow(parent), assets_(DrawAssets()) {
  names_ = std::make_unique<NameListController>(state_);
  sound_ = std::make_unique<SoundController>(state_, std::move(output), this);
  neck_ = std::make_unique<NeckController>(state_, *names_, *sound_,
                                           [this] { diagrams_->ShowPlacedFingering(); });
  tuning_ = std::make_unique<TuningController>(
      state_, *sound_, *neck_,
      TuningController::Hooks{[this] { diagrams_->Search(); }, [this] { diagrams_->ClearInfo(); }},
      this);
  diagrams_ = std::make_unique<DiagramListController>(
      state_, *names_, *tuning_, *neck_, *sound_,
      DiagramListController::Hooks{
          [this](const Fingering& frets) { emit fingeringSelected(frets); },
          [this](int percent) {
            if (songWindow_) songWindow_->SetZoom(percent);
          }});
  entry_ = std::make_unique<ChordEntryController>(state_, *diagrams_);
  export_ = std::make_unique<ExportController>(state_, *diagrams_, *entry_, *tuning_, this);

  BuildWindow();
  KeepInactiveTextsReadable();
  SetLanguage(preferences::Language(), false);
  tuning_->RestoreInstrument();
  // The rules and the order before the first search, which shows them.
  diagrams_->RestoreChoices();
  // The start state: the catalogue fills the type grid, the ticks and grids
  // mirror the fresh chord entry, and the first search shows C major.
  entry_->FillTypeGrid();
  entry_->MirrorEntry();
  tuning_->MirrorTuning();
  diagrams_->Search();
  SetZoom(preferences::Zoom(), false);
  state_.session.notation = preferences::Notation();
  {
    const QSignalBlocker blocker(standardNotationItem_);
    standardNotationItem_->setChecked(state_.session.notation == ChordNotation::Standard);
  }
  state_.session.labels = static_cast<StringLabels>(preferences::StringLabelChoice());
  diagrams_->ApplyStringLabels();
  state_.session.capoNames = preferences::CapoNaming();
  tuning_->ShowStartCapoNames();
  ConnectControls();
  sound_->Start();
  created_ = true;
}

TForm1::~TForm1() {
  // The widgets do not own the style they were given: none keeps it past here.
  for (QWidget* widget : findChildren<QWidget*>())
    if (widget->style() == readableStyle_.get()) widget->setStyle(nullptr);
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

void TForm1::ChooseInstrument(const Instrument& instrument, bool remember) {
  tuning_->ChooseInstrument(instrument, remember);
}

StrumPlayer& TForm1::Player() { return sound_->Player(); }

void TForm1::SetMidiOutput(std::shared_ptr<MidiOutput> output) {
  sound_->SetOutput(std::move(output));
}

void TForm1::SetZoom(int percent, bool remember) { diagrams_->SetZoom(percent, remember); }

QString TForm1::InstrumentTitle(const Instrument& instrument) const {
  return corvanta::InstrumentTitle(instrument);
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The first search ran before the window had its size; once the diagram
  // area has its real width the diagrams are laid out for it.
  if (!diagrams_->FitsArea()) diagrams_->Search();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // Re-flows the diagrams for the new width; sizes set while the window is
  // being built are not searched.
  if (created_ && isVisible()) diagrams_->Search();
}

}  // namespace corvanta
