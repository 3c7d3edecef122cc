// The instrument menu, the tuning panel, the capo and the status bar's
// instrument text: what follows a change of instrument, tuning or capo.
#include "app/tuning_controller.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>

#include "app/app_fonts.h"
#include "app/neck_controller.h"
#include "app/preferences.h"
#include "app/sound_controller.h"
#include "app/widget_builders.h"
#include "app/window_texts.h"
#include "chord_entry/entry_chord.h"
#include "search/instrument_search.h"
#include "session/sounding_symbol.h"
#include "symbols/symbol_query.h"
#include "theory/text_util.h"
#include "view/chord_text.h"
#include "view/drawn_assets.h"
#include "view/neck_view.h"

namespace corvanta {
namespace {

// The guitar's six sliders keep their places; other counts spread over the
// same width, centred, no wider apart than the six.
constexpr std::array<int, 6> kTrackBarX{8, 28, 49, 70, 91, 112};
constexpr int kSliderWidth = 17;

int SliderSpacing(int strings) {
  const int room = kTrackBarX.back() - kTrackBarX.front();
  return std::min(21, room / std::max(1, strings - 1));
}

int SliderX(int string, int strings) {
  if (strings == static_cast<int>(kTrackBarX.size()))
    return kTrackBarX[static_cast<std::size_t>(string)];
  const int spacing = SliderSpacing(strings);
  const int room = kTrackBarX.back() - kTrackBarX.front();
  return kTrackBarX.front() + (room - spacing * (strings - 1)) / 2 + spacing * string;
}

// A preset's item in the tuning menu: its own caption where it has one
// ("Lute Tunning"), else the button's caption and the pitches it tunes to.
QString PresetItemText(const Instrument& instrument, int index) {
  const InstrumentPreset& preset = instrument.presets[static_cast<std::size_t>(index)];
  if (!preset.menuCaption.empty()) return TuningText(preset.menuCaption);
  return TuningText(PresetCaption(instrument, index)) + "  (" +
         QString::fromStdString(PitchNames(preset.pitches)) + ")";
}

}  // namespace

TuningController::TuningController(WindowState& state, SoundController& sound, NeckController& neck,
                                   Hooks hooks, QWidget* window)
    : state_(state), sound_(sound), neck_(neck), hooks_(std::move(hooks)), window_(window) {}

QWidget* TuningController::BuildTuningPanel(QWidget* parent, const DrawnAssets& assets) {
  auto* panel2 = Panel(parent, "Panel2", QRect(358, 0, 139, 90), true);
  tuningButton_ = Named(new QToolButton(panel2), "ToolButton5");
  tuningButton_->setGeometry(2, 2, 130, 22);
  tuningButton_->setIcon(QPixmap::fromImage(assets.tuningIcon));
  tuningButton_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  tuningButton_->setPopupMode(QToolButton::MenuButtonPopup);
  tuningButton_->setAutoRaise(true);
  presetMenu_ = new QMenu(tuningButton_);
  tuningButton_->setMenu(presetMenu_);
  for (int string = 0; string < kMaxInstrumentStrings; ++string) {
    QString number = QString::number(string + 1);
    auto* bar = new QSlider(Qt::Vertical, panel2);
    bar->setObjectName("TrackBar" + number);
    bar->setRange(0, kPitchClassCount - 1);
    bar->setInvertedAppearance(true);  // 0 at the top
    bar->setInvertedControls(true);
    trackBars_[string] = bar;
    auto* label = new QLabel(panel2);
    label->setObjectName("lbAfinacaoCorda" + number);
    label->setFont(ArialFont(11));
    stringLabels_[string] = label;
  }
  FillPresetMenu();
  MirrorSliders();
  return panel2;
}

QWidget* TuningController::BuildCapoPanel(QWidget* parent) {
  auto* panel = Panel(parent, "PanelCapo", QRect(474, 4, 164, 25), false);
  Caption(panel, "LabelCapo", QPoint(4, 4));
  capoBox_ = Named(new QSpinBox(panel), "SpinCapo");
  capoBox_->setGeometry(62, 2, 64, 21);
  capoBox_->setRange(0, kMaxCapo);
  // What chord names mean under the capo: a menu of two choices on a button
  // that names the one chosen.
  capoNamesButton_ = Named(new QToolButton(panel), "ToolButtonCapoNames");
  capoNamesButton_->setGeometry(128, 2, 28, 21);
  capoNamesButton_->setPopupMode(QToolButton::InstantPopup);
  capoNamesButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto* menu = new QMenu(capoNamesButton_);
  menu->setToolTipsVisible(true);
  auto* group = new QActionGroup(menu);
  for (QAction*& item : capoNamesItems_) {
    item = menu->addAction(QString());
    item->setObjectName(&item == &capoNamesItems_[0] ? "CapoNamesSounding1" : "CapoNamesShapes1");
    item->setCheckable(true);
    group->addAction(item);
  }
  capoNamesButton_->setMenu(menu);
  return panel;
}

void TuningController::BuildInstrumentMenu(QMenuBar* bar) {
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
    QObject::connect(item, &QAction::triggered, this,
                     [this, i] { ChooseBuiltInInstrument(static_cast<int>(i)); });
    instrumentItems_.push_back(item);
  }
  instrumentMenu_->addSeparator();
  customInstrumentItem_ = instrumentMenu_->addAction(QString());
  customInstrumentItem_->setObjectName("CustomInstrument1");
  customInstrumentItem_->setCheckable(true);
  group->addAction(customInstrumentItem_);
  QObject::connect(customInstrumentItem_, &QAction::triggered, this,
                   &TuningController::AskCustomInstrument);
}

void TuningController::BuildStatusInfo(QStatusBar* status) {
  // Stretches over the rest of the bar.
  statusInfo_ = Named(new QLabel(status), "StatusInfo");
  status->addWidget(statusInfo_, 1);
}

void TuningController::Connect() {
  QObject::connect(tuningButton_, &QToolButton::clicked, this,
                   &TuningController::ResetToStandardTuning);
  for (int string = 0; string < kMaxInstrumentStrings; ++string) {
    QObject::connect(trackBars_[string], &QSlider::valueChanged, this,
                     [this, string] { RetuneString(string); });
  }
  QObject::connect(capoBox_, &QSpinBox::valueChanged, this, &TuningController::SetCapo);
  QObject::connect(capoNamesItems_[0], &QAction::triggered, this,
                   [this] { ChooseCapoNames(CapoNames::Sounding); });
  QObject::connect(capoNamesItems_[1], &QAction::triggered, this,
                   [this] { ChooseCapoNames(CapoNames::Shapes); });
}

void TuningController::PlaceCapoControls() {
  auto* label = window_->findChild<QLabel*>("LabelCapo");
  constexpr int kSpacing = 4, kSpinButtons = 28, kArrowWidth = 16;
  // Wide enough for "none" and two digits beside its arrows.
  const int spinWidth =
      std::max(capoBox_->fontMetrics().horizontalAdvance(capoBox_->specialValueText()),
               capoBox_->fontMetrics().horizontalAdvance("88")) +
      kSpinButtons;
  capoBox_->setGeometry(label->x() + label->width() + kSpacing, 2, spinWidth, 21);
  const int left = capoBox_->x() + spinWidth + kSpacing / 2;
  const QFontMetrics metrics = capoNamesButton_->fontMetrics();
  int textWidth = 0;
  for (QAction* item : capoNamesItems_)
    textWidth = std::max(textWidth, metrics.horizontalAdvance(item->iconText()));
  capoNamesButton_->setGeometry(left, 2, textWidth + kArrowWidth + 8, 21);
  auto* panel = label->parentWidget();
  panel->setFixedWidth(capoNamesButton_->geometry().right() + 2);
}

void TuningController::RestoreInstrument() {
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

void TuningController::ChooseBuiltInInstrument(int index) {
  const auto& instruments = BuiltInInstruments();
  if (index < 0 || index >= static_cast<int>(instruments.size())) return;
  ChooseInstrument(instruments[static_cast<std::size_t>(index)], true);
}

// Asked again with the typed text kept and the problem said above it until
// the tuning is one or the dialog is cancelled.
void TuningController::AskCustomInstrument() {
  const QString prompt = tr("4 到 8 根弦的音名和八度, 从最低列出的弦开始 (如 G3 C4 E4 A4):");
  QInputDialog ask(window_);
  ask.setObjectName("CustomTuningDialog");
  ask.setWindowTitle(tr("自定义乐器"));
  ask.setLabelText(prompt);
  ask.setTextValue(QString::fromStdString(PitchNames(state_.TunedInstrument().StandardPitches())));
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
    MirrorTuning();
  }
}

void TuningController::SetInstrument(const Instrument& instrument) {
  state_.tuning = InstrumentTuning(instrument);
  FillPresetMenu();
  // The selection of another instrument means nothing on this one, nor
  // its frets in the info box.
  state_.selectedFrets = OpenStrings(instrument.StringCount());
  hooks_.selectionCleared();
  neck_.View()->SetStrings(instrument.FirstFrets());
}

void TuningController::ChooseInstrument(const Instrument& instrument, bool remember) {
  SetInstrument(instrument);
  if (remember)
    preferences::SetInstrument(instrument.name, PitchNames(instrument.StandardPitches()));
  MirrorTuning();
  sound_.FollowInstrument();
  hooks_.search();
}

void TuningController::PlaceStringSliders(int strings) {
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

void TuningController::MirrorTuning() {
  {
    const QSignalBlocker blocker(capoBox_);
    capoBox_->setValue(state_.Capo());
  }
  // The menu checks the instrument chosen (a custom one under "Custom…").
  bool builtIn = false;
  const auto& instruments = BuiltInInstruments();
  for (std::size_t i = 0; i < instruments.size(); ++i) {
    const bool chosen = instruments[i].name == state_.Chosen().name;
    instrumentItems_[i]->setChecked(chosen);
    builtIn = builtIn || chosen;
  }
  customInstrumentItem_->setChecked(!builtIn);
  MirrorSliders();
  tuningButton_->setText(TuningText(state_.tuning.state.buttonCaption));
  for (std::size_t i = 0; i < presetItems_.size(); ++i) {
    const QSignalBlocker blocker(presetItems_[i]);
    presetItems_[i]->setChecked(state_.tuning.state.checkedPreset == static_cast<int>(i));
  }
}

void TuningController::MirrorSliders() {
  const InstrumentTuningState& state = state_.tuning.state;
  const int strings = static_cast<int>(state.pitches.size());
  PlaceStringSliders(strings);
  const std::vector<int> positions = state_.tuning.SliderPositions();
  for (int string = 0; string < strings; ++string) {
    const QSignalBlocker blocker(trackBars_[string]);
    trackBars_[string]->setValue(positions[static_cast<std::size_t>(string)]);
    stringLabels_[string]->setText(ToQString(state.labels[static_cast<std::size_t>(string)]));
  }
}

void TuningController::FillPresetMenu() {
  const Instrument& instrument = state_.Chosen();
  presetMenu_->clear();
  presetMenu_->setObjectName(QString::fromStdString(instrument.presetMenuName));
  presetItems_.clear();
  for (std::size_t i = 0; i < instrument.presets.size(); ++i) {
    const int index = static_cast<int>(i);
    const std::string& name = instrument.presets[i].itemName;
    QAction* item = presetMenu_->addAction(PresetItemText(instrument, index));
    item->setObjectName(name.empty() ? "InstrumentPreset" + QString::number(index)
                                     : QString::fromStdString(name));
    item->setCheckable(true);
    item->setChecked(state_.tuning.state.checkedPreset == index);
    QObject::connect(item, &QAction::triggered, this, [this, index] { ApplyPreset(index); });
    presetItems_.push_back(item);
  }
}

void TuningController::ApplyPreset(int index) {
  RunTuningSearches(state_.tuning.ApplyPreset(index));
}

void TuningController::RunTuningSearches(int searches) {
  MirrorTuning();
  for (int i = 0; i < searches; ++i) hooks_.search();
}

void TuningController::ResetToStandardTuning() {
  RunTuningSearches(state_.tuning.ResetToStandardTuning());
}

void TuningController::SetCapo() {
  state_.session.capo = ClampCapo(capoBox_->value());
  RunTuningSearches(1);
}

void TuningController::ChooseCapoNames(CapoNames names) {
  if (names == state_.session.capoNames) return;
  state_.session.capoNames = names;
  preferences::SetCapoNaming(names);
  ShowCapoNamesChoice();
  // Without a capo both readings are the same chord: nothing to search.
  if (state_.Capo() > 0) hooks_.search();
  ShowStatusInfo();
}

void TuningController::RetuneString(int string) {
  // Searched at once, or at the next search, as the instrument hears a slider.
  const int searches = state_.tuning.RetuneString(string, trackBars_[string]->value());
  stringLabels_[string]->setText(
      ToQString(state_.tuning.state.labels[static_cast<std::size_t>(string)]));
  if (searches > 0) RunTuningSearches(searches);
}

void TuningController::ShowStartCapoNames() {
  capoNamesItems_[state_.session.capoNames == CapoNames::Shapes ? 1 : 0]->setChecked(true);
  ShowCapoNamesChoice();
}

void TuningController::ShowShapesForSong(int capo) {
  if (capo > 0 && state_.session.capoNames != CapoNames::Shapes) {
    state_.session.capoNames = CapoNames::Shapes;
    const QSignalBlocker blocker(capoNamesItems_[1]);
    capoNamesItems_[1]->setChecked(true);
    ShowCapoNamesChoice();
  }
  if (capoBox_->value() != capo) capoBox_->setValue(capo);
}

void TuningController::ShowCapoNamesChoice() {
  capoNamesButton_->setText(
      capoNamesItems_[state_.session.capoNames == CapoNames::Shapes ? 1 : 0]->iconText());
}

QString TuningController::TuningHeadingText() const {
  const InstrumentTuningState& state = state_.tuning.state;
  const QString caption = TuningText(state.buttonCaption);
  if (!state.instrument.headingNamesInstrument) return caption;
  return InstrumentTitle(state.instrument) + ", " + caption + ": " +
         QString::fromStdString(PitchNames(state.pitches));
}

void TuningController::ShowStatusInfo() {
  const int capo = state_.Capo();
  QString text = TuningHeadingText();
  // Nothing to say of standard tuning without a capo when the heading is
  // its caption alone: the bar stays as it starts.
  if (capo == 0 && text == TuningText(kTuningPresets[kStandardPreset].buttonCaption)) {
    statusInfo_->clear();
    return;
  }
  if (capo > 0) {
    text += "  " + tr("变调夹 %1").arg(capo);
    if (state_.session.capoNames == CapoNames::Shapes) {
      const ChordEntryState& entry = state_.entry.state;
      const std::string symbol = ChordSymbolText(entry, state_.session.notation);
      const QString shape = ToQString(TrimBlanks(symbol));
      const QString sounding = ToQString(SoundingSymbol(symbol, capo, entry.rootGridNames));
      text += ": " + tr("%1 的指法, 实际发音 %2").arg(shape, sounding);
    }
  }
  statusInfo_->setText(text);
}

void TuningController::Retranslate() {
  tuningButton_->setToolTip(tr("切换调音方式"));
  SetCaption(window_->findChild<QLabel*>("LabelCapo"), tr("变调夹"));
  capoBox_->setToolTip(tr("变调夹所在的品格"));
  capoBox_->setSpecialValueText(tr("无"));
  capoNamesButton_->setToolTip(tr("变调夹上的和弦名: 实际发音或指法形状"));
  capoNamesItems_[0]->setText(tr("和弦名为实际发音"));
  capoNamesItems_[0]->setToolTip(tr("输入的和弦就是听到的和弦"));
  capoNamesItems_[1]->setText(tr("和弦名为指法形状 (如 \"变调夹 2: G\")"));
  capoNamesItems_[1]->setToolTip(tr("输入的和弦是变调夹上方的指法形状"));
  // The button's own short words for the two choices.
  capoNamesItems_[0]->setIconText(tr("实际发音"));
  capoNamesItems_[1]->setIconText(tr("指法形状"));
  ShowCapoNamesChoice();
  for (QSlider* bar : trackBars_) bar->setToolTip(tr("调整这根弦的音高"));
  for (std::size_t i = 0; i < presetItems_.size(); ++i)
    presetItems_[i]->setText(PresetItemText(state_.Chosen(), static_cast<int>(i)));
  tuningButton_->setText(TuningText(state_.tuning.state.buttonCaption));
  instrumentMenu_->setTitle(tr("乐器"));
  const auto& instruments = BuiltInInstruments();
  for (std::size_t i = 0; i < instruments.size(); ++i)
    instrumentItems_[i]->setText(InstrumentTitle(instruments[i]));
  customInstrumentItem_->setText(tr("自定义…"));
  customInstrumentItem_->setToolTip(tr("输入 4 到 8 根弦的调弦"));
}

}  // namespace corvanta
