// Songs beside the main window: the song window, and a song's chord shown
// among the main window's diagrams so that another may be chosen for it.
#include <QCloseEvent>

#include "app/chord_entry_controller.h"
#include "app/diagram_list_controller.h"
#include "app/song_library_window.h"
#include "app/song_window.h"
#include "app/tform1.h"
#include "app/tuning_controller.h"

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

SongLibraryWindow* TForm1::Library() {
  if (!libraryWindow_) {
    libraryWindow_ = std::make_unique<SongLibraryWindow>(this);
    libraryWindow_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  return libraryWindow_.get();
}

void TForm1::ShowLibraryWindow() {
  SongLibraryWindow* library = Library();
  library->show();
  library->raise();
  library->activateWindow();
}

void TForm1::ShowSongWindow() {
  SongWindow* songs = Songs();
  songs->show();
  songs->raise();
  songs->activateWindow();
}

void TForm1::ShowSongChord(const std::string& symbol, const Fingering& frets,
                           const Instrument& instrument, int capo) {
  if (instrument.name != state_.Chosen().name ||
      instrument.StandardPitches() != state_.TunedInstrument().StandardPitches())
    ChooseInstrument(instrument, false);
  tuning_->ShowShapesForSong(capo);
  entry_->ShowSongSymbol(symbol);
  tuning_->ShowStatusInfo();
  const auto& voicings = state_.result.search.voicings;
  for (std::size_t i = 0; i < voicings.size(); ++i) {
    if (voicings[i].frets != frets) continue;
    diagrams_->SelectDiagram(static_cast<int>(i));
    diagrams_->ScrollToDiagram(static_cast<int>(i));
    break;
  }
}

}  // namespace corvanta
