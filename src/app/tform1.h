#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/preferences.h"
#include "instrument/instrument_tuning.h"
#include "instrument/tuning_controls.h"
#include "search/difficulty.h"
#include "session/session.h"
#include "session/sounding_symbol.h"
#include "sound/midi_output.h"
#include "sound/strum_player.h"
#include "symbols/symbol_query.h"
#include "theory/chord_entry.h"
#include "view/chord_sheet.h"
#include "view/drawn_assets.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QSplitter;
class QStyle;
class QTableWidget;
class QToolButton;
class QTranslator;

namespace corvanta {

class DiagramSheet;
struct ExportFunctions;
class NeckView;
class SongWindow;

// A tuning preset's caption and an instrument item of the core's tables, in
// the window's language.
// Whether a caption fits a button of this width in this font.
bool CaptionFits(const QString& text, const QFont& font, int width);
inline constexpr int kSmallestCaptionPixels = 8;
// The status bar's reading panel at its narrowest, and the symbol box's look
// plain and with a typed text it could not take whole.
inline constexpr int kReadingPanelWidth = 200;
inline constexpr const char* kSymbolStyle = "QLineEdit { background: palette(button); }";
inline constexpr const char* kMarkedSymbolStyle =
    "QLineEdit { background: #ffd9a0; color: black; }";
QString TuningText(std::string_view coreText);
QString InstrumentText(std::string_view coreText);
// "easy", "medium", "hard" in the window's language.
QString DifficultyWordText(DifficultyWord word);

// The main window. It owns the chord entry, the tuning and the last search
// result; every handler reads its control, calls the core, mirrors the
// result into the controls and runs the searches the core asked for.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // Sound goes to output (nothing is heard when it is null).
  explicit TForm1(std::shared_ptr<MidiOutput> output = nullptr, QWidget* parent = nullptr);
  ~TForm1() override;

  // Read-only views for tests and tools.
  const ChordEntry& Entry() const { return entry_; }
  const TuningState& Tuning() const { return tuning_.state; }
  const VoicedChord& Result() const { return result_; }
  const Session& CurrentSession() const { return session_; }
  const Fingering& SelectedFrets() const { return selectedFrets_; }
  // The instrument chosen, in its standard tuning, and its tuning panel's
  // state (for any instrument but the six-string guitar, whose is Tuning()).
  const Instrument& ChosenInstrument() const { return instrument_; }
  const std::optional<InstrumentTuning>& OtherTuning() const { return instrumentTuning_; }
  // Chooses the instrument: the tuning panel, diagrams, neck and strum follow
  // and the current chord is searched on it. remember: keep the choice for
  // the next run (a choice from the menu), not for a one-run override.
  void ChooseInstrument(const Instrument& instrument, bool remember);
  int SearchCount() const { return searchCount_; }
  ChordNotation Notation() const { return session_.notation; }
  StrumPlayer& Player() { return player_; }
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
  // A song's chord shown here: on the song's instrument under its capo
  // (names are shapes), searched, and this voicing selected when it is
  // among the diagrams.
  void ShowSongChord(const std::string& symbol, const Fingering& frets,
                     const Instrument& instrument, int capo);

 signals:
  // A diagram was selected (a click, the keyboard, a song's chord shown).
  void fingeringSelected(const Fingering& frets);

 public:
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
  QWidget* BuildChordChoice();
  QWidget* BuildMainArea();
  QWidget* BuildLowerPanel();
  QWidget* BuildInfoPanel(QWidget* parent);
  QWidget* BuildOptionPanel(QWidget* parent);
  QWidget* BuildTuningPanel(QWidget* parent);
  QWidget* BuildViewPanel(QWidget* parent);
  QWidget* BuildSoundPanel(QWidget* parent);
  QWidget* BuildCapoPanel(QWidget* parent);
  void PlaceLowerPanels();
  void PlaceCapoControls();
  // The names button says which reading of names under a capo is chosen.
  void ShowCapoNamesChoice();
  void BuildMenus();
  void BuildInstrumentMenu(QMenuBar* bar);
  void ConnectControls();

  // The instrument (tform1_instrument.cpp).
  void RestoreInstrument();
  // The instrument's state alone: its tuning panel, an empty selection, the
  // neck's strings; nothing mirrored or searched.
  void SetInstrument(const Instrument& instrument);
  void InstrumentClick(int index);
  void CustomInstrumentClick();
  void InstrumentPresetClick(int index);
  void MirrorInstrumentTuning();
  void PlaceStringSliders(int strings);
  void FillInstrumentPresetMenu();
  void FollowInstrumentSound();
  // The instrument in the tuning the panel shows (for the guitar, its
  // sliders' pitch classes in the guitar's octaves), without the capo.
  Instrument TunedInstrument() const;
  // The tuning as headings and the status bar say it: the guitar's by its
  // caption, another instrument's by its name and its strings' pitches.
  QString TuningHeadingText() const;

  // Start-up and the search (tform1.cpp).
  void FormCreate();
  void SearchCurrentChord();
  void RunSearches(EntryOutcome outcome);
  void RunTuningSearches(int searches);
  void MirrorEntry();
  void MirrorGrids();
  void MirrorCheckList();
  void MirrorOptions();
  void MirrorTuning();
  void ShowReading();
  // The instrument, tuning and capo at the status bar's right, with the
  // chord a shape sounds when names are shapes.
  void ShowStatusInfo();
  QString ReadingText(const SymbolReading& reading) const;
  // Keeps a typed text the reading could not take whole in the box, tinted,
  // with the words not used in its hint; any other chord change clears it.
  void MarkTypedText(const QString& typed, const SymbolReading& reading);
  void ClearTypedTextMark();
  QString SymbolBoxHint() const;

  // Every caption, hint, menu and item text in the current language
  // (tform1_texts.cpp).
  void RetranslateUi();
  void RetranslateHints();
  void KeepInactiveTextsReadable();
  void LanguageClick(UiLanguage language);

  // Diagram size, export and printing (tform1_export.cpp).
  void BuildViewMenu(QMenuBar* bar);
  void StepZoom(int direction);
  void OrderClick(VoicingOrderChoice order);
  void BuildLabelMenu();
  void PracticalClick(bool checked);
  void StringLabelsClick(StringLabels labels);
  void ApplyStringLabels();
  ChordSheet CurrentSheet(bool selectedOnly) const;
  void ExportClick(bool selectedOnly);
  QString ExportInBackground(ChordSheet sheet,
                             const std::function<QString(const ChordSheet&)>& work);
  void PrintClick();
  const ExportFunctions* Exports();
  void Image1ContextMenu(int index, QPoint globalPosition);

  // Chord controls (tform1_handlers.cpp).
  void StringGrid1SelectCell(int column, int row);
  void StringGridAcordeSelectCell(int column, int row);
  void StringGridBaixoSelectCell(int column, int row);
  void CheckListBox1ClickCheck(QListWidgetItem* item);
  void SpeedButton2Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void SpeedButton8Click();
  void SpeedButton9Click();
  void SpeedButton10Click();
  void ComboBox1Change();
  void ComboBox2Change();
  void CheckBoxOmit5Click();
  void CheckBoxOmit3Click();
  void CheckBoxCanhotoClick();
  void CheckBoxPestanasClick();
  void CheckBoxNSIClick();
  void Button2Click();
  void StandardTunning1Click(int tag);
  void ToolButton5Click();
  void TrackBarChange(int string);
  void SpinCapoChange();
  void CapoNamesClick(CapoNames names);
  void Sair1Click();
  void StandardNotation1Click(bool checked);
  void Sobre1Click();
  // Help > How to read a diagram.
  void HowToReadClick();

  // Selection, neck and sound (tform1_selection.cpp).
  void Image1MouseUp(Qt::MouseButton button, QPoint position);
  // What a click on diagram index does; the keyboard does the same.
  void SelectDiagram(int index);
  void ScrollToDiagram(int index);
  // The neck as an input: place a finger, name what sounds, strum it.
  void Image2MouseUp(Qt::MouseButton button, QPoint position);
  void ShowSelectedFrets();
  // The name list, under the best name of the chord or, labelled as such,
  // of the fingering placed on the neck.
  void ShowNames(const ChordNameList& names, const std::vector<ChordReading>& readings,
                 bool placedFingering = false);
  void ShowBestName();
  // The name list: the program's names, or in the standard notation the
  // readings, ranked, in standard symbols.
  void ShowNameList();
  QString PlacedNamesHeading() const;
  void DrawNeck(const Fingering& frets);
  void SpeedButton11Click();
  void SpeedButton12Click();
  void ComboBoxPatchChange();
  void StrumFingering();

  // Check boxes (the option boxes and the check list's) that show empty
  // under any palette; the widgets do not own it.
  std::unique_ptr<QStyle> readableStyle_;
  DrawnAssets assets_;
  ChordEntry entry_;
  TuningControls tuning_;
  Instrument instrument_;
  std::optional<InstrumentTuning> instrumentTuning_;  // none on the six-string guitar
  VoicedChord result_;
  Fingering selectedFrets_ = OpenStrings(kStringCount);
  const ExportFunctions* exports_ = nullptr;  // the export module, once opened
  bool patchChosen_ = false;  // the user picked a sound: the instrument no longer sets it
  int clickX_ = 0;
  int clickY_ = 0;
  int searchCount_ = 0;
  int patchProgram_ = -1;
  StrumPlayer player_;
  bool created_ = false;
  // The choices every chord is voiced under; its instrument, capo and
  // option fields are taken from the tuning panel and the entry at each search.
  Session session_;
  UiLanguage language_ = UiLanguage::Chinese;
  std::unique_ptr<QTranslator> translator_;
  // The last typed symbol's reading, shown in the status bar until the chord changes.
  std::optional<SymbolReading> shownReading_;
  std::optional<ChordReading> bestReading_;  // shown above the name list
  bool bestNamePlaced_ = false;              // it names the fingering on the neck
  ChordNameList listedNames_;                // the name list in the program's notation
  std::vector<ChordReading> listedReadings_;

  // Controls, named as the window's objects.
  QLineEdit* EditAcorde = nullptr;
  QLabel* LabelBestName = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QTableWidget* StringGridAcorde = nullptr;
  QTableWidget* StringGridBaixo = nullptr;
  QTableWidget* StringGrid1 = nullptr;
  QListWidget* CheckListBox1 = nullptr;
  QToolButton* SpeedButton5 = nullptr;
  QToolButton* SpeedButton6 = nullptr;
  QToolButton* SpeedButton7 = nullptr;
  QToolButton* SpeedButton8 = nullptr;
  QToolButton* SpeedButton9 = nullptr;
  QToolButton* SpeedButton10 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QSplitter* Splitter2 = nullptr;
  QSplitter* Splitter3 = nullptr;
  QScrollArea* ScrollBoxViolao = nullptr;
  DiagramSheet* Image1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* LabelTotal = nullptr;
  QCheckBox* CheckBoxOmit5 = nullptr;
  QCheckBox* CheckBoxOmit3 = nullptr;
  QCheckBox* CheckBoxNSI = nullptr;
  QCheckBox* CheckBoxCanhoto = nullptr;
  QCheckBox* CheckBoxPestanas = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QToolButton* ToolButton5 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QActionGroup* presetGroup_ = nullptr;
  std::array<QAction*, kTuningPresetCount> presetItems_{};
  // The six specified sliders first, then those of seven- and eight-string
  // instruments.
  std::array<QSlider*, kMaxInstrumentStrings> trackBars_{};
  std::array<QLabel*, kMaxInstrumentStrings> stringLabels_{};
  QMenu* instrumentPresetMenu_ = nullptr;
  QMenu* instrumentMenu_ = nullptr;
  std::vector<QAction*> instrumentItems_;
  QAction* CustomInstrument1 = nullptr;
  QComboBox* ComboBoxPatch = nullptr;
  QSlider* TrackBarTempoAcorde = nullptr;
  QToolButton* SpeedButton11 = nullptr;
  QToolButton* SpeedButton12 = nullptr;
  NeckView* Image2 = nullptr;
  QPushButton* Button2 = nullptr;
  QSpinBox* SpinCapo = nullptr;
  QToolButton* ToolButtonCapoNames = nullptr;
  std::array<QAction*, 2> capoNamesItems_{};  // sounding, shapes
  QAction* StandardNotation1 = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QMenu* midiOutputMenu_ = nullptr;
  QAction* Sair1 = nullptr;
  QAction* Quit1 = nullptr;
  QAction* HowToRead1 = nullptr;
  QAction* Sobre1 = nullptr;
  std::array<QAction*, 2> languageItems_{};
  QMenu* viewMenu_ = nullptr;
  QMenu* zoomMenu_ = nullptr;
  QMenu* exportMenu_ = nullptr;
  std::array<QAction*, 4> zoomItems_{};
  QMenu* orderMenu_ = nullptr;
  std::array<QAction*, 2> orderItems_{};  // by position, by ease
  QMenu* labelMenu_ = nullptr;
  QAction* Practical1 = nullptr;
  std::array<QAction*, 4> labelItems_{};  // marks, notes, intervals, chart marks
  QAction* ZoomIn1 = nullptr;
  QAction* ZoomOut1 = nullptr;
  QAction* ZoomReset1 = nullptr;
  QAction* ExportSelected1 = nullptr;
  QAction* ExportAll1 = nullptr;
  QAction* Print1 = nullptr;
  QAction* Song1 = nullptr;
  std::unique_ptr<SongWindow> songWindow_;
  std::array<QLabel*, 3> statusPanels_{};
  QLabel* statusInfo_ = nullptr;
};

}  // namespace corvanta
