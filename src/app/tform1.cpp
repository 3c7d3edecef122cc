#include "app/tform1.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QTranslator>

#include "app/preferences.h"
#include "app/song_window.h"
#include "search/fingering.h"
#include "search/instrument_search.h"
#include "sound/midi_messages.h"
#include "sound/strum.h"
#include "symbols/reading_text.h"
#include "theory/catalogue.h"
#include "theory/degree_codes.h"
#include "theory/standard_names.h"
#include "theory/text_util.h"
#include "view/chord_text.h"
#include "view/diagram_sheet.h"
#include "view/neck_view.h"

namespace corvanta {
namespace {

void SelectRow(QTableWidget* grid, int row) {
  const QSignalBlocker blocker(grid);
  grid->setCurrentCell(row, 0);
}

void SetTextIfChanged(QTableWidgetItem* item, const QString& text) {
  if (item != nullptr && item->text() != text) item->setText(text);
}

// The type list and the check list in the notation shown: the program's
// own words, or the standard names with those words beside them ("7 (6+)").
void ShowListWords(QTableWidget& types, QListWidget& degrees, ChordNotation notation) {
  const bool standard = notation == ChordNotation::Standard;
  const QSignalBlocker typesBlocker(&types), degreesBlocker(&degrees);
  for (int row = 0; row < kChordTypeCount && row < types.rowCount(); ++row) {
    const std::string_view own = kChordCatalogue[static_cast<std::size_t>(row)].name;
    const std::string_view name = kStandardTypeNames[static_cast<std::size_t>(row)];
    SetTextIfChanged(types.item(row, 0), ToQString(standard ? StandardListText(name, own) : own));
  }
  for (int i = 0; i < kDegreeItemCount && i < degrees.count(); ++i) {
    const std::string_view own = kDegreeItems[static_cast<std::size_t>(i)].text;
    const std::string_view name = kStandardDegreeNames[static_cast<std::size_t>(i)];
    const QString text = ToQString(standard ? StandardListText(name, own) : own);
    if (degrees.item(i)->text() != text) degrees.item(i)->setText(text);
  }
}

}  // namespace

TForm1::TForm1(std::shared_ptr<MidiOutput> output, QWidget* parent)
    : QMainWindow(parent),
      assets_(DrawAssets()),
      instrument_(BuiltInInstruments().front()),
      player_(std::move(output)) {
  BuildWindow();
  KeepInactiveTextsReadable();
  SetLanguage(preferences::Language(), false);
  RestoreInstrument();
  // The rules and the order before the first search, which shows them.
  session_.order =
      preferences::VoicingOrderByEase() ? VoicingOrderChoice::Ease : VoicingOrderChoice::Position;
  orderItems_[session_.order == VoicingOrderChoice::Ease ? 1 : 0]->setChecked(true);
  session_.practical = preferences::Practical();
  {
    const QSignalBlocker blocker(Practical1);
    Practical1->setChecked(session_.practical);
  }
  FormCreate();
  SetZoom(preferences::Zoom(), false);
  session_.notation = preferences::Notation();
  {
    const QSignalBlocker blocker(StandardNotation1);
    StandardNotation1->setChecked(session_.notation == ChordNotation::Standard);
  }
  session_.labels = static_cast<StringLabels>(preferences::StringLabelChoice());
  ApplyStringLabels();
  session_.capoNames = preferences::CapoNaming();
  capoNamesItems_[session_.capoNames == CapoNames::Shapes ? 1 : 0]->setChecked(true);
  ShowCapoNamesChoice();
  ConnectControls();
  // The instrument box shows its first item from the start; the sound
  // follows it from the first strum on (another instrument's own sound when
  // one was chosen before).
  patchProgram_ = kPatchItems[0].program;
  player_.Play(PlanPatchChange(patchProgram_));
  if (!instrument_.classicTuning) FollowInstrumentSound();
  created_ = true;
}

// The instrument chosen in an earlier run, set before the first search so
// that the window starts searching on it; the guitar without one.
void TForm1::RestoreInstrument() {
  const std::string name = preferences::InstrumentName();
  std::optional<Instrument> chosen;
  if (name == "custom") {
    if (auto pitches = ParseCustomPitches(preferences::CustomPitches()))
      chosen = CustomInstrument(*pitches);
  } else if (const Instrument* builtIn = FindInstrument(name)) {
    chosen = *builtIn;
  }
  if (chosen) SetInstrument(*chosen);
}

TForm1::~TForm1() {
  // The widgets do not own the style they were given: none keeps it past here.
  for (QWidget* widget : findChildren<QWidget*>())
    if (widget->style() == readableStyle_.get()) widget->setStyle(nullptr);
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

void TForm1::SetMidiOutput(std::shared_ptr<MidiOutput> output) {
  player_.SetOutput(std::move(output));
  // A new device hears the instrument the box shows.
  if (patchProgram_ >= 0) player_.Play(PlanPatchChange(patchProgram_));
}

// The start state: the tables are the core's constants; the catalogue fills
// the type grid, the ticks and grids mirror the fresh chord entry, and the
// first search shows C major.
void TForm1::FormCreate() {
  StringGrid1->setRowCount(kChordTypeCount);
  for (int row = 0; row < kChordTypeCount; ++row) {
    StringGrid1->setItem(row, 0, new QTableWidgetItem(ToQString(kChordCatalogue[row].name)));
    StringGrid1->setItem(row, 1, new QTableWidgetItem(ToQString(kChordCatalogue[row].formula)));
  }
  MirrorEntry();
  MirrorTuning();
  SearchCurrentChord();
}

void TForm1::SearchCurrentChord() {
  ++searchCount_;
  session_.instrument = TunedInstrument();
  session_.capo = tuning_.state.capo;
  TakeEntryOptions(session_, entry_.state);
  result_ = VoiceChord(session_, ChordOfEntry(entry_.state));
  const Instrument& tuned = session_.instrument;
  const int capo = session_.capo;
  clickX_ = 0;
  clickY_ = 0;
  std::vector<Fingering> frets;
  frets.reserve(result_.search.voicings.size());
  for (const Voicing& voicing : result_.search.voicings) frets.push_back(voicing.frets);
  // The diagrams count frets from the capo, a short string's first one too.
  const Instrument underCapo = InstrumentWithCapo(tuned, capo);
  Image1->SetStrings(underCapo.StandardPitches(), underCapo.FirstFrets(), MarksBassByPitch(tuned));
  Image1->SetLeftHanded(entry_.state.leftHanded);
  Image1->SetCapo(tuning_.state.capo);
  Image2->SetCapo(tuning_.state.capo);
  Image1->ShowFingerings(std::move(frets), ScrollBoxViolao->width());
  ShowNames(result_.names, EntryReadings(entry_.state));
  LabelTotal->setText(QString::number(result_.search.voicings.size()));
  ShowStatusInfo();
}

void TForm1::ShowStatusInfo() {
  const int capo = tuning_.state.capo;
  // The guitar in standard tuning without a capo keeps the bar as it starts.
  if (!instrumentTuning_ && capo == 0 &&
      tuning_.state.buttonCaption == kTuningPresets[kStandardPreset].buttonCaption) {
    statusInfo_->clear();
    return;
  }
  // Another instrument says its name and its strings' pitches.
  QString text = TuningHeadingText();
  if (capo > 0) {
    text += "  " + tr("变调夹 %1").arg(capo);
    if (session_.capoNames == CapoNames::Shapes) {
      const std::string symbol = ChordSymbolText(entry_.state, session_.notation);
      const QString shape = ToQString(TrimBlanks(symbol));
      const QString sounding = ToQString(SoundingSymbol(symbol, capo, entry_.state.rootGridNames));
      text += ": " + tr("%1 的指法, 实际发音 %2").arg(shape, sounding);
    }
  }
  statusInfo_->setText(text);
}

QString TForm1::PlacedNamesHeading() const { return tr("指板上按法的名称:"); }

void TForm1::ShowNames(const ChordNameList& names, const std::vector<ChordReading>& readings,
                       bool placedFingering) {
  bestReading_.reset();
  if (!readings.empty()) bestReading_ = readings.front();
  bestNamePlaced_ = placedFingering;
  listedNames_ = names;
  listedReadings_ = readings;
  ShowBestName();
  ShowNameList();
}

void TForm1::ShowNameList() {
  ListBox1->clear();
  if (bestNamePlaced_) {
    // Said at the top: these names are the fingering's on the neck, not the
    // chord's in the box.
    auto* heading = new QListWidgetItem(PlacedNamesHeading(), ListBox1);
    heading->setFlags(Qt::NoItemFlags);
    QFont font = heading->font();
    font.setItalic(true);
    heading->setFont(font);
  }
  if (session_.notation == ChordNotation::Standard) {
    std::string_view root = bestNamePlaced_ ? std::string_view{} : EntryRootName(entry_.state);
    for (const ChordReading& reading : listedReadings_)
      ListBox1->addItem(ToQString(WriteReading(reading, session_.notation, root)));
    return;
  }
  for (std::string_view name : listedNames_) ListBox1->addItem(ToQString(name));
}

void TForm1::ShowBestName() {
  QString text;
  if (bestReading_) {
    // The chord's own root keeps its grid spelling; a fingering's root is
    // spelled as its key is.
    std::string_view root = bestNamePlaced_ ? std::string_view{} : EntryRootName(entry_.state);
    const QString name = ToQString(WriteReading(*bestReading_, session_.notation, root));
    text = bestNamePlaced_ ? tr("指板上的按法: %1").arg(name) : tr("名称: %1").arg(name);
  }
  LabelBestName->setText(text);
  LabelBestName->setToolTip(text);
}

void TForm1::RunSearches(EntryOutcome outcome) {
  // The reading of a typed symbol is shown until the chord changes again.
  shownReading_.reset();
  ShowReading();
  MirrorEntry();
  // A handler that runs another inside (a root choice moving the bass row)
  // asks for its searches too; the state is the same for each, so one does.
  if (outcome.searches > 0) SearchCurrentChord();
}

void TForm1::MirrorEntry() {
  const ChordEntryState& state = entry_.state;
  {
    const QSignalBlocker blocker(EditAcorde);
    EditAcorde->setText(ToQString(ChordSymbolText(state, session_.notation)));
  }
  ClearTypedTextMark();
  ShowListWords(*StringGrid1, *CheckListBox1, session_.notation);
  MirrorGrids();
  MirrorCheckList();
  MirrorOptions();
  const bool degreeMode = state.mode == EntryMode::DegreeList;
  CheckListBox1->setVisible(degreeMode);
  StringGrid1->setVisible(!degreeMode);
  SpeedButton7->setChecked(degreeMode);
  SpeedButton8->setChecked(!degreeMode);
  SpeedButton5->setChecked(state.rootButtonDown == Accidentals::Sharps);
  SpeedButton6->setChecked(state.rootButtonDown == Accidentals::Flats);
  SpeedButton10->setChecked(state.bassButtonDown == Accidentals::Sharps);
  SpeedButton9->setChecked(state.bassButtonDown == Accidentals::Flats);
}

void TForm1::MirrorGrids() {
  const ChordEntryState& state = entry_.state;
  for (int row = 0; row < kPitchClassCount; ++row) {
    StringGridAcorde->item(row, 0)->setText(ToQString(entry_.RootGridText(row)));
    StringGridBaixo->item(row, 0)->setText(ToQString(entry_.BassGridText(row)));
  }
  SelectRow(StringGridAcorde, state.rootGridRow);
  SelectRow(StringGridBaixo, state.bassGridRow);
  SelectRow(StringGrid1, state.typeGridRow);
  StringGridBaixo->setEnabled(state.bassGridEnabled);
  // Enabled: the window colour; disabled: the menu-bar colour.
  QPalette palette = StringGridBaixo->palette();
  QColor colour =
      state.bassGridEnabled ? QPalette().color(QPalette::Base) : QPalette().color(QPalette::Window);
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Disabled, QPalette::Base, colour);
  StringGridBaixo->setPalette(palette);
}

void TForm1::MirrorCheckList() {
  const QSignalBlocker blocker(CheckListBox1);
  for (int i = 0; i < kDegreeItemCount; ++i) {
    QListWidgetItem* item = CheckListBox1->item(i);
    item->setCheckState(entry_.state.ticked[i] ? Qt::Checked : Qt::Unchecked);
    Qt::ItemFlags flags = Qt::ItemIsUserCheckable | Qt::ItemIsSelectable;
    if (entry_.state.enabled[i]) flags |= Qt::ItemIsEnabled;
    item->setFlags(flags);
  }
}

void TForm1::MirrorOptions() {
  const ChordEntryState& state = entry_.state;
  const QSignalBlocker b1(ComboBox1), b2(ComboBox2), b3(CheckBoxOmit3), b4(CheckBoxOmit5),
      b5(CheckBoxNSI), b6(CheckBoxCanhoto), b7(CheckBoxPestanas);
  ComboBox1->setCurrentText(QString::number(state.fretCount));
  ComboBox2->setCurrentText(QString::number(state.span));
  CheckBoxOmit3->setChecked(state.omitThird);
  CheckBoxOmit5->setChecked(state.omitFifth);
  CheckBoxNSI->setChecked(state.simpleChords);
  CheckBoxCanhoto->setChecked(state.leftHanded);
  CheckBoxPestanas->setChecked(state.noFullBarres);
}

void TForm1::MirrorTuning() {
  const TuningState& state = tuning_.state;
  {
    const QSignalBlocker blocker(SpinCapo);
    SpinCapo->setValue(state.capo);
  }
  MirrorInstrumentTuning();
  if (instrumentTuning_) return;
  PlaceStringSliders(kStringCount);
  ToolButton5->setMenu(PopupMenu1);
  for (int string = 0; string < kStringCount; ++string) {
    const QSignalBlocker blocker(trackBars_[string]);
    trackBars_[string]->setValue(state.sliderPositions[string]);
    stringLabels_[string]->setText(ToQString(state.labels[string]));
  }
  ToolButton5->setText(TuningText(state.buttonCaption));
  for (int tag = 0; tag < kTuningPresetCount; ++tag) {
    const QSignalBlocker blocker(presetItems_[tag]);
    presetItems_[tag]->setChecked(state.checkedPreset == tag);
  }
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The first search ran before the window had its size; once the diagram
  // area has its real width the diagrams are laid out for it.
  if (Image1->width() != ScrollBoxViolao->width()) SearchCurrentChord();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // Re-flows the diagrams for the new width; sizes set while the window is
  // being built are not searched.
  if (created_ && isVisible()) SearchCurrentChord();
}

}  // namespace corvanta
