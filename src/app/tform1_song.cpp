// Songs beside the main window: the song window, and a song's chord shown
// among the main window's diagrams so that another may be chosen for it.
#include <QCloseEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/song_window.h"
#include "app/tform1.h"
#include "symbols/symbol_query.h"
#include "view/chord_text.h"
#include "view/diagram_sheet.h"

namespace corvanta {

SongWindow* TForm1::Songs() {
  if (!songWindow_) {
    songWindow_ = std::make_unique<SongWindow>(this);
    // Closing the main window still ends the program.
    songWindow_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  return songWindow_.get();
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (songWindow_ && songWindow_->isVisible() && !songWindow_->close()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void TForm1::ShowSongWindow() {
  SongWindow* songs = Songs();
  songs->show();
  songs->raise();
  songs->activateWindow();
}

void TForm1::ShowSongChord(const std::string& symbol, const Fingering& frets,
                           const Instrument& instrument, int capo) {
  if (instrument.name != instrument_.name ||
      instrument.StandardPitches() != TunedInstrument().StandardPitches())
    ChooseInstrument(instrument, false);
  // A song's chords under a capo are the shapes fingered above it; for this
  // run only, as a song asks, not as the user's remembered choice.
  if (capo > 0 && session_.capoNames != CapoNames::Shapes) {
    session_.capoNames = CapoNames::Shapes;
    const QSignalBlocker blocker(capoNamesItems_[1]);
    capoNamesItems_[1]->setChecked(true);
    ShowCapoNamesChoice();
  }
  if (SpinCapo->value() != capo) SpinCapo->setValue(capo);
  SymbolReading reading =
      ReadTypedChord(entry_, FromQString(QString::fromStdString(symbol)), ChordNotation::Standard);
  if (reading.tooManyNotes == 0) {
    Image1->Clear();
    RunSearches(reading);
  }
  shownReading_ = std::move(reading);
  ShowReading();
  ShowStatusInfo();
  const auto& voicings = result_.search.voicings;
  for (std::size_t i = 0; i < voicings.size(); ++i) {
    if (voicings[i].frets != frets) continue;
    SelectDiagram(static_cast<int>(i));
    ScrollToDiagram(static_cast<int>(i));
    break;
  }
}

}  // namespace corvanta
