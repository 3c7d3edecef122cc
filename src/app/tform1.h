// The main window: the chord finder's controllers wired together under one
// menu bar and status bar, and the song window beside it.
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "app/preferences.h"
#include "app/window_state.h"
#include "app/window_texts.h"
#include "sound/midi_output.h"
#include "sound/strum_player.h"
#include "view/drawn_assets.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QSplitter;
class QStyle;
class QTranslator;

namespace corvanta {

class ChordEntryController;
class DiagramListController;
class ExportController;
class NameListController;
class NeckController;
class SongWindow;
class SongLibraryWindow;
class SoundController;
class TuningController;

// The main window. Its state is one WindowState, read and changed by the
// controllers of its rooms (chord entry, names, diagrams, tuning and
// instrument, neck, sound, export); the window builds them, places their
// panels, wires them to one another and keeps the window-wide texts.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // Sound goes to output (nothing is heard when it is null).
  explicit TForm1(std::shared_ptr<MidiOutput> output = nullptr, QWidget* parent = nullptr);
  ~TForm1() override;

  // Read-only views for tests and tools.
  const ChordEntry& Entry() const { return state_.entry; }
  // The tuning panel: the instrument chosen and the tuning it shows.
  const InstrumentTuning& Tuning() const { return state_.tuning; }
  int Capo() const { return state_.Capo(); }
  const VoicedChord& Result() const { return state_.result; }
  const Session& CurrentSession() const { return state_.session; }
  const Fingering& SelectedFrets() const { return state_.selectedFrets; }
  // The instrument chosen, in its standard tuning.
  const Instrument& ChosenInstrument() const { return state_.Chosen(); }
  // Chooses the instrument: the tuning panel, diagrams, neck and strum follow
  // and the current chord is searched on it. remember: keep the choice for
  // the next run (a choice from the menu), not for a one-run override.
  void ChooseInstrument(const Instrument& instrument, bool remember);
  int SearchCount() const { return state_.searchCount; }
  ChordNotation Notation() const { return state_.session.notation; }
  StrumPlayer& Player();
  // Lets another output (a system MIDI port) take over from the next strum.
  void SetMidiOutput(std::shared_ptr<MidiOutput> output);
  // The submenu of the file menu where the sound devices list the outputs.
  QMenu* MidiOutputMenu() const { return midiOutputMenu_; }
  // Switches every text of the window at once; the chord, the result, the
  // selection and the neck stay as they are. remember: keep the choice for
  // the next run (a choice from the menu), not for a one-run override.
  void SetLanguage(UiLanguage language, bool remember);
  UiLanguage Language() const { return language_; }
  // The diagram size in percent (100, 150, 200, 300); remembered when asked.
  void SetZoom(int percent, bool remember);
  QString InstrumentTitle(const Instrument& instrument) const;

  // Songs, beside the main window (tform1_song.cpp). The song window, made
  // when first asked for and shown (File > Song...).
  SongWindow* Songs();
  void ShowSongWindow();
  // The song library (File > Songbook…), made at its first showing.
  SongLibraryWindow* Library();
  void ShowLibraryWindow();
  // A song's chord shown here: on the song's instrument under its capo
  // (names are shapes), searched, and this voicing selected when it is
  // among the diagrams.
  void ShowSongChord(const std::string& symbol, const Fingering& frets,
                     const Instrument& instrument, int capo);

 signals:
  // A diagram was selected (a click, the keyboard, a song's chord shown).
  void fingeringSelected(const Fingering& frets);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Places the lower panel's panels when its width changes.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A changed song in the song window is asked about before the program ends.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Building the window (tform1_layout.cpp).
  void BuildWindow();
  QWidget* BuildLeftColumn();
  QWidget* BuildMainArea();
  QWidget* BuildLowerPanel();
  void PlaceLowerPanels();
  void BuildMenus();
  void ConnectControls();

  // The window's own texts and the language (tform1_texts.cpp).
  void RetranslateUi();
  void KeepInactiveTextsReadable();
  void ChooseNotation(bool standard);
  // Every name shown written again in the notation chosen; nothing is searched.
  void ShowNamesInNotation();
  void ShowDiagramHelp();
  void ShowAboutBox();

  WindowState state_;
  // Check boxes (the option boxes and the check list's) that show empty
  // under any palette; the widgets do not own it.
  std::unique_ptr<QStyle> readableStyle_;
  DrawnAssets assets_;
  // The rooms, each built on those before it.
  std::unique_ptr<NameListController> names_;
  std::unique_ptr<SoundController> sound_;
  std::unique_ptr<NeckController> neck_;
  std::unique_ptr<TuningController> tuning_;
  std::unique_ptr<DiagramListController> diagrams_;
  std::unique_ptr<ChordEntryController> entry_;
  std::unique_ptr<ExportController> export_;
  bool created_ = false;
  UiLanguage language_ = UiLanguage::Chinese;
  std::unique_ptr<QTranslator> translator_;

  // Controls of the window itself; each comment gives its object name.
  QSplitter* mainSplitter_ = nullptr;        // Splitter2
  QSplitter* leftSplitter_ = nullptr;        // Splitter3
  QPushButton* clearButton_ = nullptr;       // Button2
  QAction* standardNotationItem_ = nullptr;  // StandardNotation1
  QMenu* fileMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QMenu* midiOutputMenu_ = nullptr;
  QAction* closeItem_ = nullptr;      // Sair1
  QAction* quitItem_ = nullptr;       // Quit1
  QAction* howToReadItem_ = nullptr;  // HowToRead1
  QAction* aboutItem_ = nullptr;      // Sobre1
  std::array<QAction*, 2> languageItems_{};
  QAction* songItem_ = nullptr;  // Song1
  std::unique_ptr<SongWindow> songWindow_;
  QAction* songbookItem_ = nullptr;  // Songbook1
  std::unique_ptr<SongLibraryWindow> libraryWindow_;
  std::array<QLabel*, 3> statusPanels_{};
};

}  // namespace corvanta
