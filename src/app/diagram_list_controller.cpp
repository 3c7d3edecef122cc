// The search of the current chord, its diagrams and their selection, and
// the View menu's choices of how the diagrams are sized, ordered and labelled.
#include "app/diagram_list_controller.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/name_list_controller.h"
#include "app/neck_controller.h"
#include "app/preferences.h"
#include "app/sound_controller.h"
#include "app/tuning_controller.h"
#include "app/widget_builders.h"
#include "app/window_texts.h"
#include "chord_entry/entry_chord.h"
#include "chord_entry/entry_session.h"
#include "search/difficulty.h"
#include "search/instrument_search.h"
#include "search/voicing.h"
#include "session/placed_fingering.h"
#include "symbols/symbol_query.h"
#include "theory/interval_names.h"
#include "view/diagram_sheet.h"
#include "view/layout/picture_geometry.h"
#include "view/neck_view.h"

namespace corvanta {

DiagramListController::DiagramListController(WindowState& state, NameListController& names,
                                             TuningController& tuning, NeckController& neck,
                                             SoundController& sound, Hooks hooks)
    : state_(state),
      names_(names),
      tuning_(tuning),
      neck_(neck),
      sound_(sound),
      hooks_(std::move(hooks)) {}

QWidget* DiagramListController::BuildDiagramArea() {
  auto* scrollPanel = Named(new QFrame, "PanelScrollBox");
  auto* scrollLayout = new QVBoxLayout(scrollPanel);
  scrollLayout->setContentsMargins(6, 6, 6, 6);
  diagramArea_ = Named(new QScrollArea(scrollPanel), "ScrollBoxViolao");
  diagramArea_->setFrameStyle(QFrame::Box | QFrame::Plain);
  diagramArea_->setStyleSheet("QScrollArea { background: white; }");
  diagramArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  diagramArea_->verticalScrollBar()->setSingleStep(20);
  diagramArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  sheet_ = Named(new DiagramSheet, "Image1");
  // Each diagram's hint: its frets and how easy it is to play.
  sheet_->SetToolTipText([this](int index) {
    const Fingering& frets = sheet_->Fingerings()[static_cast<std::size_t>(index)];
    const double difficulty = Difficulty(frets);
    return QString::fromStdString(ReadableFrets(frets)) + "  \u00b7 " +
           DifficultyWordText(WordForDifficulty(difficulty)) +
           QString(" (%1)").arg(difficulty, 0, 'f', 1);
  });
  diagramArea_->setWidget(sheet_);
  diagramArea_->setWidgetResizable(false);
  scrollLayout->addWidget(diagramArea_);
  return scrollPanel;
}

QWidget* DiagramListController::BuildInfoPanel(QWidget* parent) {
  auto* info = Panel(parent, "PanelInfo", QRect(6, 0, 185, 89), true);
  Caption(info, "Label1", QPoint(8, 8));
  fretsBox_ = Named(new QLineEdit(info), "Edit1");
  fretsBox_->setGeometry(8, 26, 169, 19);
  fretsBox_->setReadOnly(true);
  // The light shade of the palette with the palette's own text colour on it:
  // readable under a dark desktop palette as under a light one.
  fretsBox_->setStyleSheet(
      "QLineEdit { background: palette(light); color: palette(window-text); }");
  Caption(info, "Label5", QPoint(8, 56));
  totalLabel_ = Caption(info, "LabelTotal", QPoint(98, 56));
  totalLabel_->setText("0");
  totalLabel_->setMinimumWidth(60);
  return info;
}

// The info box is as wide as its longest text: eight strings at two-digit
// frets and the longest difficulty word of the language; it has a row of
// its own under its caption, so that it fits the start size.
void DiagramListController::FitInfoPanel(QWidget* window) {
  constexpr int kEditX = 8, kEditFrame = 10;
  const QFontMetrics metrics = fretsBox_->fontMetrics();
  int wordWidth = 0;
  for (DifficultyWord word : {DifficultyWord::Easy, DifficultyWord::Medium, DifficultyWord::Hard})
    wordWidth = std::max(wordWidth, metrics.horizontalAdvance(DifficultyWordText(word)));
  const QString frets = QString("24 ").repeated(kMaxInstrumentStrings) + " \u00b7 ";
  const int editWidth = std::max(169, metrics.horizontalAdvance(frets) + wordWidth + kEditFrame);
  fretsBox_->setFixedWidth(editWidth);
  auto* info = window->findChild<QFrame*>("PanelInfo");
  info->setFixedWidth(std::max(185, kEditX + editWidth + 8));
}

void DiagramListController::BuildViewMenu(QMenuBar* bar) {
  viewMenu_ = bar->addMenu(QString());
  viewMenu_->setObjectName("ViewMenu");
  zoomMenu_ = viewMenu_->addMenu(QString());
  zoomMenu_->setObjectName("ZoomMenu");
  auto* group = new QActionGroup(zoomMenu_);
  for (std::size_t i = 0; i < zoomItems_.size(); ++i) {
    int percent = kZoomSteps[i];
    QAction* item = zoomMenu_->addAction(QString("%1%").arg(percent));
    item->setObjectName(QString("Zoom%1").arg(percent));
    item->setCheckable(true);
    item->setChecked(percent == 100);
    group->addAction(item);
    zoomItems_[i] = item;
    QObject::connect(item, &QAction::triggered, this, [this, percent] { SetZoom(percent, true); });
  }
  zoomInItem_ = viewMenu_->addAction(QString());
  zoomInItem_->setObjectName("ZoomIn1");
  zoomInItem_->setShortcuts({QKeySequence::ZoomIn, QKeySequence("Ctrl+=")});
  QObject::connect(zoomInItem_, &QAction::triggered, this, [this] { StepZoom(1); });
  zoomOutItem_ = viewMenu_->addAction(QString());
  zoomOutItem_->setObjectName("ZoomOut1");
  zoomOutItem_->setShortcut(QKeySequence::ZoomOut);
  QObject::connect(zoomOutItem_, &QAction::triggered, this, [this] { StepZoom(-1); });
  zoomResetItem_ = viewMenu_->addAction(QString());
  zoomResetItem_->setObjectName("ZoomReset1");
  zoomResetItem_->setShortcut(QKeySequence("Ctrl+0"));
  QObject::connect(zoomResetItem_, &QAction::triggered, this, [this] { SetZoom(100, true); });
  // The order of the diagrams: by position (as the search gives them) or by ease.
  orderMenu_ = viewMenu_->addMenu(QString());
  orderMenu_->setObjectName("OrderMenu");
  orderMenu_->setToolTipsVisible(true);
  auto* orders = new QActionGroup(orderMenu_);
  const char* names[] = {"OrderByPosition1", "OrderByEase1"};
  for (std::size_t i = 0; i < orderItems_.size(); ++i) {
    QAction* item = orderMenu_->addAction(QString());
    item->setObjectName(names[i]);
    item->setCheckable(true);
    orders->addAction(item);
    orderItems_[i] = item;
    const auto order = i == 0 ? VoicingOrderChoice::Position : VoicingOrderChoice::Ease;
    QObject::connect(item, &QAction::triggered, this, [this, order] { ChooseOrder(order); });
  }
  BuildLabelMenu();
  practicalItem_ = viewMenu_->addAction(QString());
  practicalItem_->setObjectName("Practical1");
  practicalItem_->setCheckable(true);
  QObject::connect(practicalItem_, &QAction::toggled, this, &DiagramListController::SetPractical);
}

void DiagramListController::BuildLabelMenu() {
  labelMenu_ = viewMenu_->addMenu(QString());
  labelMenu_->setObjectName("StringLabelMenu");
  auto* group = new QActionGroup(labelMenu_);
  const char* names[] = {"LabelMarks1", "LabelNotes1", "LabelIntervals1", "LabelChart1"};
  for (std::size_t i = 0; i < labelItems_.size(); ++i) {
    QAction* item = labelMenu_->addAction(QString());
    item->setObjectName(names[i]);
    item->setCheckable(true);
    group->addAction(item);
    labelItems_[i] = item;
    const auto labels = static_cast<StringLabels>(i);
    QObject::connect(item, &QAction::triggered, this,
                     [this, labels] { ChooseStringLabels(labels); });
  }
}

void DiagramListController::Connect() {
  QObject::connect(sheet_, &DiagramSheet::mouseUp, this, &DiagramListController::ClickDiagram);
  QObject::connect(sheet_, &DiagramSheet::selectionRequested, this, [this](int index) {
    SelectDiagram(index);
    ScrollToDiagram(index);
  });
  QObject::connect(sheet_, &DiagramSheet::strumRequested, this, [this] { sound_.StrumSelected(); });
}

void DiagramListController::RestoreChoices() {
  Session& session = state_.session;
  session.order =
      preferences::VoicingOrderByEase() ? VoicingOrderChoice::Ease : VoicingOrderChoice::Position;
  orderItems_[session.order == VoicingOrderChoice::Ease ? 1 : 0]->setChecked(true);
  session.practical = preferences::Practical();
  const QSignalBlocker blocker(practicalItem_);
  practicalItem_->setChecked(session.practical);
}

void DiagramListController::Search() {
  ++state_.searchCount;
  Session& session = state_.session;
  session.instrument = state_.TunedInstrument();
  TakeEntryOptions(session, state_.entry.state);
  state_.result = VoiceChord(session, ChordOfEntry(state_.entry.state));
  const Instrument& tuned = session.instrument;
  const int capo = session.capo;
  clickX_ = 0;
  clickY_ = 0;
  std::vector<Fingering> frets;
  frets.reserve(state_.result.search.voicings.size());
  for (const Voicing& voicing : state_.result.search.voicings) frets.push_back(voicing.frets);
  // The diagrams count frets from the capo, a short string's first one too.
  const Instrument underCapo = InstrumentWithCapo(tuned, capo);
  sheet_->SetStrings(underCapo.StandardPitches(), underCapo.FirstFrets(), MarksBassByPitch(tuned));
  sheet_->SetLeftHanded(state_.entry.state.leftHanded);
  sheet_->SetCapo(capo);
  neck_.View()->SetCapo(capo);
  sheet_->ShowFingerings(std::move(frets), diagramArea_->width());
  names_.ShowNames(state_.result.names, EntryReadings(state_.entry.state));
  totalLabel_->setText(QString::number(state_.result.search.voicings.size()));
  tuning_.ShowStatusInfo();
}

bool DiagramListController::FitsArea() const { return sheet_->width() == diagramArea_->width(); }

void DiagramListController::ClickDiagram(Qt::MouseButton, QPoint position) {
  const auto& fingerings = state_.result.search.voicings;
  auto index = ItemAt(position.x(), position.y(), sheet_->width(), sheet_->height(),
                      static_cast<int>(fingerings.size()), sheet_->Cell());
  if (!index) return;  // the strip, an empty cell, the margin, or outside after a drag
  clickX_ = position.x();
  clickY_ = position.y();
  SelectDiagram(*index);
}

void DiagramListController::SelectDiagram(int index) {
  const auto& fingerings = state_.result.search.voicings;
  if (index < 0 || index >= static_cast<int>(fingerings.size())) return;
  state_.selectedFrets = fingerings[static_cast<std::size_t>(index)].frets;
  ShowSelectedFrets();
  neck_.DrawNeck(state_.selectedFrets);
  sheet_->SetHighlighted(index);
  sound_.StrumSelected();
  hooks_.selected(state_.selectedFrets);
}

void DiagramListController::ScrollToDiagram(int index) {
  if (index < 0) return;
  QRect cell = sheet_->CellRect(index);
  diagramArea_->ensureVisible(cell.center().x(), cell.center().y(), cell.width() / 2,
                              cell.height() / 2);
}

void DiagramListController::KeepSelectionAt(int index) {
  // Mirroring moves no fingering: the selection stays on its diagram, now
  // mirrored, as the info box and the neck still show it.
  if (index >= 0 && index < sheet_->FingeringCount() &&
      sheet_->Fingerings()[static_cast<std::size_t>(index)] == state_.selectedFrets)
    sheet_->SetHighlighted(index);
}

void DiagramListController::ShowPlacedFingering() {
  ShowSelectedFrets();
  int match = FindVoicing(state_.result.search.voicings, state_.selectedFrets);
  sheet_->SetHighlighted(match);
  ScrollToDiagram(match);
}

void DiagramListController::ClearInfo() { fretsBox_->clear(); }

void DiagramListController::ShowSelectedFrets() {
  QString text = QString::fromStdString(ReadableFrets(state_.selectedFrets) + ' ');
  // Ordered by ease, the info box says how easy the shape is.
  if (state_.session.order == VoicingOrderChoice::Ease)
    text += " \u00b7 " + DifficultyWordText(WordForDifficulty(Difficulty(state_.selectedFrets)));
  fretsBox_->setText(text);
}

void DiagramListController::SetPractical(bool checked) {
  state_.session.practical = checked;
  preferences::SetPractical(checked);
  Search();
}

void DiagramListController::ChooseStringLabels(StringLabels labels) {
  state_.session.labels = labels;
  preferences::SetStringLabels(static_cast<int>(labels));
  ApplyStringLabels();
}

// The diagrams' labels under the strings: the marks below or the chart's
// above, or each sounding string's note (spelled as the root grid spells)
// or interval in the chord.
void DiagramListController::ApplyStringLabels() {
  const StringLabels chosen = state_.session.labels;
  labelItems_[static_cast<std::size_t>(chosen)]->setChecked(true);
  const bool chart = chosen == StringLabels::Chart;
  sheet_->SetMarks(chart ? DiagramMarks::Chart : DiagramMarks::Below);
  if (chosen == StringLabels::Marks || chart) {
    sheet_->SetLabeller({});
    return;
  }
  sheet_->SetLabeller([this](const Fingering& frets) {
    const Instrument sounding = InstrumentWithCapo(state_.TunedInstrument(), state_.Capo());
    const int root = state_.entry.state.rootPitchClass;
    std::vector<int> chord;
    for (int tone : state_.result.search.chordTones) chord.push_back(WrapPitchClass(tone - root));
    // Notes spelled by the chord, as the status bar spells them (Bb in C7).
    const auto noteNames = ChordSpelling(state_.entry.state);
    std::vector<std::string> labels;
    for (int pitch : StringPitches(frets, sounding)) {
      if (pitch < 0) {
        labels.emplace_back();
      } else if (state_.session.labels == StringLabels::Notes) {
        labels.emplace_back(noteNames[static_cast<std::size_t>(WrapPitchClass(pitch))]);
      } else {
        labels.emplace_back(IntervalName(pitch - root, chord));
      }
    }
    return labels;
  });
}

void DiagramListController::ChooseOrder(VoicingOrderChoice order) {
  if (order == state_.session.order) return;
  state_.session.order = order;
  preferences::SetVoicingOrder(order == VoicingOrderChoice::Ease);
  Search();
}

void DiagramListController::SetZoom(int percent, bool remember) {
  percent = kZoomSteps[ZoomStepIndex(percent)];
  if (remember) preferences::SetZoom(percent);
  zoomItems_[static_cast<std::size_t>(ZoomStepIndex(percent))]->setChecked(true);
  hooks_.zoomChosen(percent);
  if (percent == sheet_->Zoom()) return;
  int selected = sheet_->Highlighted();
  sheet_->SetZoom(percent, diagramArea_->width());
  ScrollToDiagram(selected);
}

void DiagramListController::StepZoom(int direction) {
  SetZoom(corvanta::StepZoom(sheet_->Zoom(), direction), true);
}

void DiagramListController::Retranslate() {
  viewMenu_->setTitle(tr("查看"));
  zoomMenu_->setTitle(tr("和弦图大小"));
  zoomInItem_->setText(tr("放大"));
  zoomOutItem_->setText(tr("缩小"));
  zoomResetItem_->setText(tr("原始大小"));
  QWidget* info = fretsBox_->parentWidget();
  SetCaption(info->findChild<QLabel*>("Label1"), tr("信息:"));
  SetCaption(info->findChild<QLabel*>("Label5"), tr("结果:已找到"));
  practicalItem_->setText(tr("实用按法"));
  practicalItem_->setToolTip(
      tr("乐手常用的按法: 五音 (和十三和弦的九音) 可省, 转位和弦须有根音, 低音为最低音, "
         "二音和弦可只用两根弦"));
  labelMenu_->setTitle(tr("弦下标记"));
  labelItems_[0]->setText(tr("发音标记"));
  labelItems_[1]->setText(tr("音名"));
  labelItems_[2]->setText(tr("音程"));
  labelItems_[3]->setText(tr("和弦谱标记"));
  labelItems_[3]->setToolTip(tr("空弦上画 o, 不弹的弦上画 x, 按住的弦上不画; 低音为实心"));
  viewMenu_->setToolTipsVisible(true);
  orderMenu_->setTitle(tr("排序"));
  orderItems_[0]->setText(tr("按把位"));
  orderItems_[0]->setToolTip(tr("按把位, 弦组和最高品排列 (默认)"));
  orderItems_[1]->setText(tr("按难易"));
  orderItems_[1]->setToolTip(tr("最容易按的和弦图在前"));
  sheet_->setToolTip(tr("点击和弦图: 在指板上显示并弹奏"));
  fretsBox_->setToolTip(tr("所选和弦图的品格, 从最低的弦开始 (X 为不弹的弦)"));
}

}  // namespace corvanta
