// The instrument: its menu, the tuning panel for any number of strings, and
// what follows a change (diagrams, neck, strum, sound).
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "app/preferences.h"
#include "app/tform1.h"
#include "search/instrument_search.h"
#include "sound/midi_messages.h"
#include "sound/strum.h"
#include "view/chord_text.h"
#include "view/neck_view.h"

namespace corvanta {
namespace {

constexpr const char* kTitleContext = "InstrumentTitles";

// The six specified sliders keep their places; other counts spread over the
// same width, centred, no wider apart than the six.
constexpr std::array<int, kStringCount> kTrackBarX{8, 28, 49, 70, 91, 112};
constexpr int kSliderWidth = 17;

int SliderSpacing(int strings) {
  const int room = kTrackBarX.back() - kTrackBarX.front();
  return std::min(21, room / std::max(1, strings - 1));
}

int SliderX(int string, int strings) {
  if (strings == kStringCount) return kTrackBarX[static_cast<std::size_t>(string)];
  const int spacing = SliderSpacing(strings);
  const int room = kTrackBarX.back() - kTrackBarX.front();
  return kTrackBarX.front() + (room - spacing * (strings - 1)) / 2 + spacing * string;
}

}  // namespace

QString TForm1::InstrumentTitle(const Instrument& instrument) const {
  // The captions are the instrument table's; their translations are kept
  // in the translation file by hand, as lupdate cannot read the table.
  if (!instrument.caption.empty())
    return QCoreApplication::translate(kTitleContext, instrument.caption.c_str());
  if (instrument.name != "custom") return QString::fromStdString(instrument.title);
  return tr("自定义") + " (" + QString::fromStdString(PitchNames(instrument.StandardPitches())) +
         ")";
}

QString TForm1::TuningHeadingText() const {
  if (!instrumentTuning_) return TuningText(tuning_.state.buttonCaption);
  const InstrumentTuningState& state = instrumentTuning_->state;
  return InstrumentTitle(instrument_) + ", " + TuningText(state.buttonCaption) + ": " +
         QString::fromStdString(PitchNames(state.pitches));
}

void TForm1::BuildInstrumentMenu(QMenuBar* bar) {
  instrumentMenu_ = bar->addMenu(QString());
  instrumentMenu_->setObjectName("InstrumentMenu");
  auto* group = new QActionGroup(instrumentMenu_);
  const auto& instruments = BuiltInInstruments();
  for (std::size_t i = 0; i < instruments.size(); ++i) {
    QAction* item = instrumentMenu_->addAction(QString());
    item->setObjectName("Instrument_" + QString::fromStdString(instruments[i].name));
    item->setCheckable(true);
    item->setChecked(i == 0);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, i] { InstrumentClick(static_cast<int>(i)); });
    instrumentItems_.push_back(item);
  }
  instrumentMenu_->addSeparator();
  CustomInstrument1 = instrumentMenu_->addAction(QString());
  CustomInstrument1->setObjectName("CustomInstrument1");
  CustomInstrument1->setCheckable(true);
  group->addAction(CustomInstrument1);
  connect(CustomInstrument1, &QAction::triggered, this, &TForm1::CustomInstrumentClick);
}

void TForm1::InstrumentClick(int index) {
  const auto& instruments = BuiltInInstruments();
  if (index < 0 || index >= static_cast<int>(instruments.size())) return;
  ChooseInstrument(instruments[static_cast<std::size_t>(index)], true);
}

// Asked again with the typed text kept and the problem said above it until
// the tuning is one or the dialog is cancelled.
void TForm1::CustomInstrumentClick() {
  const QString prompt = tr("4 到 8 根弦的音名和八度, 从最低列出的弦开始 (如 G3 C4 E4 A4):");
  QInputDialog ask(this);
  ask.setObjectName("CustomTuningDialog");
  ask.setWindowTitle(tr("自定义乐器"));
  ask.setLabelText(prompt);
  ask.setTextValue(QString::fromStdString(PitchNames(TunedInstrument().StandardPitches())));
  std::optional<Instrument> custom;
  while (!custom && ask.exec() == QDialog::Accepted) {
    const std::string typed = ask.textValue().toStdString();
    if (auto pitches = ParseCustomPitches(typed)) custom = CustomInstrument(*pitches);
    if (custom) break;
    const std::string bad = FirstBadPitchName(typed);
    const QString problem =
        bad.empty()
            ? tr("\"%1\" 不是 4 到 8 个带八度的音名 (如 G3 C4 E4 A4)。").arg(ask.textValue())
            : tr("'%1' 不是音名: 请用 C..B 加 #、b 和八度").arg(QString::fromStdString(bad));
    ask.setLabelText(problem + "\n\n" + prompt);
  }
  if (custom) {
    ChooseInstrument(*custom, true);
  } else {
    // Nothing changes: the menu checks the instrument still chosen.
    MirrorInstrumentTuning();
  }
}

void TForm1::SetInstrument(const Instrument& instrument) {
  instrument_ = instrument;
  if (instrument.classicTuning) {
    instrumentTuning_.reset();
  } else {
    instrumentTuning_.emplace(instrument);
  }
  // The selection of another instrument means nothing on this one, nor
  // its frets in the info box.
  selectedFrets_ = OpenStrings(instrument.StringCount());
  Edit1->clear();
  Image2->SetStrings(instrument.FirstFrets());
}

void TForm1::ChooseInstrument(const Instrument& instrument, bool remember) {
  SetInstrument(instrument);
  if (remember)
    preferences::SetInstrument(instrument.name, PitchNames(instrument.StandardPitches()));
  MirrorTuning();
  FollowInstrumentSound();
  SearchCurrentChord();
}

Instrument TForm1::TunedInstrument() const {
  if (instrumentTuning_) return instrumentTuning_->Tuned();
  return Retuned(instrument_, GuitarPitches(tuning_.state.tuningPitchClass));
}

void TForm1::PlaceStringSliders(int strings) {
  const int width = std::min(kSliderWidth, SliderSpacing(strings));
  for (int string = 0; string < kMaxInstrumentStrings; ++string) {
    const bool shown = string < strings;
    trackBars_[string]->setVisible(shown);
    stringLabels_[string]->setVisible(shown);
    if (!shown) continue;
    const int x = SliderX(string, strings);
    trackBars_[string]->setGeometry(x, 26, width, 49);
    stringLabels_[string]->setGeometry(x, 74, std::max(width, 16) + 3, 14);
  }
}

void TForm1::MirrorInstrumentTuning() {
  // The menu checks the instrument chosen (a custom one under "Custom…").
  bool builtIn = false;
  const auto& instruments = BuiltInInstruments();
  for (std::size_t i = 0; i < instruments.size(); ++i) {
    const bool chosen = instruments[i].name == instrument_.name;
    instrumentItems_[i]->setChecked(chosen);
    builtIn = builtIn || chosen;
  }
  CustomInstrument1->setChecked(!builtIn);
  if (!instrumentTuning_) return;
  const InstrumentTuningState& state = instrumentTuning_->state;
  const int strings = static_cast<int>(state.pitches.size());
  PlaceStringSliders(strings);
  const std::vector<int> positions = instrumentTuning_->SliderPositions();
  for (int string = 0; string < strings; ++string) {
    const QSignalBlocker blocker(trackBars_[string]);
    trackBars_[string]->setValue(positions[static_cast<std::size_t>(string)]);
    stringLabels_[string]->setText(ToQString(state.labels[static_cast<std::size_t>(string)]));
  }
  ToolButton5->setText(TuningText(state.buttonCaption));
  ToolButton5->setMenu(instrumentPresetMenu_);
  FillInstrumentPresetMenu();
}

void TForm1::FillInstrumentPresetMenu() {
  instrumentPresetMenu_->clear();
  if (!instrumentTuning_) return;
  const InstrumentTuningState& state = instrumentTuning_->state;
  const auto& presets = state.instrument.presets;
  for (std::size_t i = 0; i < presets.size(); ++i) {
    const int index = static_cast<int>(i);
    const QString pitches = QString::fromStdString(PitchNames(presets[i].pitches));
    QAction* item = instrumentPresetMenu_->addAction(
        TuningText(PresetCaption(state.instrument, index)) + "  (" + pitches + ")");
    item->setObjectName("InstrumentPreset" + QString::number(index));
    item->setCheckable(true);
    item->setChecked(state.checkedPreset == index);
    connect(item, &QAction::triggered, this, [this, index] { InstrumentPresetClick(index); });
  }
}

void TForm1::InstrumentPresetClick(int index) {
  if (instrumentTuning_) RunTuningSearches(instrumentTuning_->ApplyPreset(index));
}

// The sound follows the instrument until the user picks one: a banjo strums
// as a banjo, the guitar as the box's first item.
void TForm1::FollowInstrumentSound() {
  if (patchChosen_) return;
  const int program = instrument_.midiProgram;
  const QSignalBlocker blocker(ComboBoxPatch);
  int item = -1;
  for (std::size_t i = 0; i < kPatchItems.size(); ++i) {
    if (kPatchItems[i].program == program) item = static_cast<int>(i);
  }
  // The box shows the sound without choosing it, as it does at the start.
  ComboBoxPatch->setCurrentIndex(-1);
  ComboBoxPatch->setEditText(item >= 0 ? ComboBoxPatch->itemText(item)
                                       : InstrumentTitle(instrument_));
  if (program == patchProgram_) return;
  patchProgram_ = program;
  player_.Play(PlanPatchChange(patchProgram_));
}

}  // namespace corvanta
