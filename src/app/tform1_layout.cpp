// The main window's controls at their places, with their items and start
// values; their captions and hints are set by RetranslateUi.
#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <tuple>

#include "app/app_fonts.h"
#include "app/readable_style.h"
#include "app/tform1.h"
#include "search/difficulty.h"
#include "search/voicing.h"
#include "sound/midi_messages.h"
#include "sound/strum.h"
#include "theory/catalogue.h"
#include "view/chord_text.h"
#include "view/diagram_sheet.h"
#include "view/layout/neck_layout.h"
#include "view/neck_view.h"
#include "view/sprite_painter.h"

namespace corvanta {
namespace {

constexpr int kGridRowHeight = 15;
constexpr int kStartWidth = 817;
constexpr int kStartHeight = 593;
constexpr int kCheckListItemHeight = 13;
constexpr int kSplitterHandle = 8;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QFrame* Panel(QWidget* parent, const char* name, QRect geometry, bool raised) {
  auto* panel = Named(new QFrame(parent), name);
  panel->setGeometry(geometry);
  if (raised) panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  return panel;
}

QLabel* Caption(QWidget* parent, const char* name, QPoint at) {
  auto* label = Named(new QLabel(parent), name);
  label->move(at);
  return label;
}

QToolButton* FlatButton(QWidget* parent, const char* name, QRect geometry) {
  auto* button = Named(new QToolButton(parent), name);
  button->setGeometry(geometry);
  button->setCheckable(true);
  button->setAutoRaise(true);
  return button;
}

QButtonGroup* RadioPair(QObject* owner, QToolButton* down, QToolButton* up) {
  auto* group = new QButtonGroup(owner);
  group->addButton(down);
  group->addButton(up);
  group->setExclusive(true);
  down->setChecked(true);
  return group;
}

// A string grid: rows of 15 px without fixed cells, whole-row selection,
// read-only, a vertical scroll bar.
QTableWidget* Grid(QWidget* parent, const char* name, QRect geometry, int rows, int columns) {
  auto* grid = Named(new QTableWidget(rows, columns, parent), name);
  grid->setGeometry(geometry);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  // The minimum first: Qt clamps the default to the font's minimum, which
  // is taller than the rows the grids are drawn with.
  grid->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
  grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  grid->setFont(ArialFont(11));
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setTabKeyNavigation(false);
  return grid;
}

QTableWidget* NoteGrid(QWidget* parent, const char* name, QRect geometry) {
  auto* grid = Grid(parent, name, geometry, kPitchClassCount, 1);
  grid->horizontalHeader()->setStretchLastSection(true);
  // The twelve rows fit the grid's height: without a scroll bar its column
  // is wide enough for a whole "C#".
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  for (int row = 0; row < kPitchClassCount; ++row) {
    grid->setItem(row, 0, new QTableWidgetItem(ToQString(kSharpNoteNames[row])));
  }
  return grid;
}

QComboBox* ListOnly(QWidget* parent, const char* name, QRect geometry, const QStringList& items,
                    int selected) {
  auto* box = Named(new QComboBox(parent), name);
  box->setGeometry(geometry);
  box->addItems(items);
  box->setCurrentIndex(selected);
  return box;
}

QCheckBox* Option(QWidget* parent, const char* name, QPoint at) {
  auto* box = Named(new QCheckBox(parent), name);
  box->move(at);
  return box;
}

}  // namespace

void TForm1::BuildWindow() {
  setWindowTitle("Corvanta");
  setGeometry(108, 111, kStartWidth, kStartHeight);
  // Smaller, and controls of the lower panels would be cut off.
  setMinimumSize(kStartWidth, kStartHeight);
  setFont(ChineseFont(12));

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* banner = Named(new QFrame(central), "PanelBanner");
  banner->setFixedHeight(48);
  // One black: the strip takes the wordmark's own dark ground.
  banner->setStyleSheet(
      QString("QFrame#PanelBanner { background: %1; }").arg(WordmarkGround().name()));
  Named(new Banner(banner), "Image3");
  column->addWidget(banner);

  auto* bevel3 = Named(new QFrame(central), "Bevel3");
  bevel3->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  bevel3->setFixedHeight(2);
  column->addWidget(bevel3);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  body->addWidget(BuildLeftColumn());
  body->addWidget(BuildMainArea(), 1);
  column->addLayout(body, 1);
  setCentralWidget(central);

  auto* status = Named(new QStatusBar(this), "StatusBar1");
  status->setFixedHeight(17);
  status->setSizeGripEnabled(true);
  for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
    const int width = i == 0 ? kReadingPanelWidth : 50;
    auto* panelText = statusPanels_[i] = new QLabel(status);
    panelText->setFixedWidth(width);
    panelText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status->addWidget(panelText);
  }
  // Stretches over the rest of the bar.
  statusInfo_ = Named(new QLabel(status), "StatusInfo");
  status->addWidget(statusInfo_, 1);
  setStatusBar(status);

  readableStyle_ = std::make_unique<ReadableIndicatorStyle>();
  for (QWidget* box :
       {static_cast<QWidget*>(CheckBoxOmit5), static_cast<QWidget*>(CheckBoxOmit3),
        static_cast<QWidget*>(CheckBoxNSI), static_cast<QWidget*>(CheckBoxCanhoto),
        static_cast<QWidget*>(CheckBoxPestanas), static_cast<QWidget*>(CheckListBox1)})
    box->setStyle(readableStyle_.get());

  Button2 = Named(new QPushButton("Limpar", this), "Button2");
  Button2->setGeometry(688, 24, 65, 25);
  Button2->hide();
  BuildMenus();
}

QWidget* TForm1::BuildLeftColumn() {
  auto* panel1 = Named(new QFrame, "Panel1");
  panel1->setFixedWidth(153);
  auto* layout = new QVBoxLayout(panel1);
  layout->setContentsMargins(6, 6, 6, 6);
  Splitter3 = Named(new QSplitter(Qt::Vertical, panel1), "Splitter3");
  Splitter3->setHandleWidth(kSplitterHandle);
  Splitter3->setChildrenCollapsible(false);
  Splitter3->addWidget(BuildChordChoice());
  auto* panel3 = Named(new QFrame, "Panel3");
  auto* panel3Layout = new QVBoxLayout(panel3);
  panel3Layout->setContentsMargins(0, 0, 0, 0);
  // The name a musician would say, above the list of every name.
  LabelBestName = Named(new QLabel(panel3), "LabelBestName");
  QFont bestFont = ArialFont(11);
  bestFont.setBold(true);
  LabelBestName->setFont(bestFont);
  panel3Layout->addWidget(LabelBestName);
  ListBox1 = Named(new QListWidget(panel3), "ListBox1");
  ListBox1->setFont(ArialFont(11));
  ListBox1->setUniformItemSizes(true);
  ListBox1->setStyleSheet("QListWidget::item { height: 14px; }");
  panel3Layout->addWidget(ListBox1);
  Splitter3->addWidget(panel3);
  Splitter3->setSizes({251, 300});
  Splitter3->setStretchFactor(1, 1);
  layout->addWidget(Splitter3);
  return panel1;
}

QWidget* TForm1::BuildChordChoice() {
  auto* top = Named(new QFrame, "PanelMenuTopo");
  top->setMinimumHeight(251);
  EditAcorde = Named(new QLineEdit("编辑和弦", top), "EditAcorde");
  EditAcorde->setGeometry(0, 0, 115, 23);
  QFont bold = ArialFont(12);
  bold.setBold(true);
  EditAcorde->setFont(bold);
  EditAcorde->setStyleSheet(kSymbolStyle);
  SpeedButton2 = Named(new QToolButton(top), "SpeedButton2");
  SpeedButton2->setGeometry(116, 0, 23, 23);
  SpeedButton2->setIcon(QPixmap::fromImage(assets_.queryGlyph));
  SpeedButton2->setIconSize(QSize(20, 20));
  SpeedButton2->setAutoRaise(true);

  StringGridAcorde = NoteGrid(top, "StringGridAcorde", QRect(0, 24, 33, 201));
  StringGridBaixo = NoteGrid(top, "StringGridBaixo", QRect(107, 24, 33, 201));

  CheckListBox1 = Named(new QListWidget(top), "CheckListBox1");
  CheckListBox1->setGeometry(32, 24, 76, 201);
  for (const DegreeItem& degree : kDegreeItems) {
    auto* item = new QListWidgetItem(ToQString(degree.text), CheckListBox1);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
    item->setSizeHint(QSize(60, kCheckListItemHeight));
  }

  // 30 rows as laid out; start-up fills in the catalogue's 35.
  StringGrid1 = Grid(top, "StringGrid1", QRect(32, 24, 76, 201), 30, 2);
  StringGrid1->setColumnWidth(0, 64);
  StringGrid1->setColumnWidth(1, 2);  // the formula column: present, not seen
  StringGrid1->hide();

  SpeedButton5 = FlatButton(top, "SpeedButton5", QRect(0, 224, 17, 17));
  SpeedButton6 = FlatButton(top, "SpeedButton6", QRect(17, 224, 16, 17));
  SpeedButton7 = FlatButton(top, "SpeedButton7", QRect(34, 224, 36, 17));
  SpeedButton8 = FlatButton(top, "SpeedButton8", QRect(72, 224, 35, 17));
  SpeedButton10 = FlatButton(top, "SpeedButton10", QRect(107, 224, 17, 17));
  SpeedButton9 = FlatButton(top, "SpeedButton9", QRect(125, 224, 16, 17));
  // Accidentals are notation: the same in every language.
  for (QToolButton* sharp : {SpeedButton5, SpeedButton10}) sharp->setText("#");
  for (QToolButton* flat : {SpeedButton6, SpeedButton9}) flat->setText("b");
  RadioPair(this, SpeedButton5, SpeedButton6);
  RadioPair(this, SpeedButton7, SpeedButton8);
  RadioPair(this, SpeedButton10, SpeedButton9);
  for (auto [name, geometry] :
       {std::pair{"Bevel1", QRect(26, 224, 9, 17)}, std::pair{"Bevel2", QRect(98, 216, 9, 25)}}) {
    auto* bevel = Named(new QFrame(top), name);
    bevel->setGeometry(geometry);
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    bevel->lower();
  }
  return top;
}

QWidget* TForm1::BuildMainArea() {
  auto* principal = Named(new QFrame, "PanelPrincipal");
  auto* layout = new QVBoxLayout(principal);
  layout->setContentsMargins(0, 0, 0, 0);
  Splitter2 = Named(new QSplitter(Qt::Vertical, principal), "Splitter2");
  Splitter2->setHandleWidth(kSplitterHandle);
  Splitter2->setChildrenCollapsible(false);

  auto* scrollPanel = Named(new QFrame, "PanelScrollBox");
  auto* scrollLayout = new QVBoxLayout(scrollPanel);
  scrollLayout->setContentsMargins(6, 6, 6, 6);
  ScrollBoxViolao = Named(new QScrollArea(scrollPanel), "ScrollBoxViolao");
  ScrollBoxViolao->setFrameStyle(QFrame::Box | QFrame::Plain);
  ScrollBoxViolao->setStyleSheet("QScrollArea { background: white; }");
  ScrollBoxViolao->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBoxViolao->verticalScrollBar()->setSingleStep(20);
  ScrollBoxViolao->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1 = Named(new DiagramSheet, "Image1");
  // Each diagram's hint: its frets and how easy it is to play.
  Image1->SetToolTipText([this](int index) {
    const Fingering& frets = Image1->Fingerings()[static_cast<std::size_t>(index)];
    const double difficulty = Difficulty(frets);
    return QString::fromStdString(ReadableFrets(frets)) + "  \u00b7 " +
           DifficultyWordText(WordForDifficulty(difficulty)) +
           QString(" (%1)").arg(difficulty, 0, 'f', 1);
  });
  ScrollBoxViolao->setWidget(Image1);
  ScrollBoxViolao->setWidgetResizable(false);
  scrollLayout->addWidget(ScrollBoxViolao);
  Splitter2->addWidget(scrollPanel);
  Splitter2->addWidget(BuildLowerPanel());
  Splitter2->setStretchFactor(0, 1);
  Splitter2->setStretchFactor(1, 0);
  Splitter2->setSizes({400, 220});
  layout->addWidget(Splitter2);
  return principal;
}

QWidget* TForm1::BuildLowerPanel() {
  auto* braco = Named(new QFrame, "PanelBraco");
  braco->setMinimumHeight(220);
  // Its panels are placed again whenever its width or a caption's changes.
  braco->installEventFilter(this);
  BuildInfoPanel(braco);
  BuildOptionPanel(braco);
  BuildTuningPanel(braco);
  BuildViewPanel(braco);
  // The capo sits in the sound panel's first row, right of the neck buttons:
  // inside the width the window has at its start size.
  BuildCapoPanel(BuildSoundPanel(braco));
  return braco;
}

// The info box is as wide as its longest text: eight strings at two-digit
// frets and the longest difficulty word of the language; it has a row of
// its own under its caption, so that it fits the start size. The panels of the
// first row follow it from the left; the sound panel and its neck take the
// lower panel's whole width, at least the first row's.
void TForm1::PlaceLowerPanels() {
  constexpr int kMargin = 6, kGap = 7, kEditX = 8, kEditFrame = 10;
  const QFontMetrics metrics = Edit1->fontMetrics();
  int wordWidth = 0;
  for (DifficultyWord word : {DifficultyWord::Easy, DifficultyWord::Medium, DifficultyWord::Hard})
    wordWidth = std::max(wordWidth, metrics.horizontalAdvance(DifficultyWordText(word)));
  const QString frets = QString("24 ").repeated(kMaxInstrumentStrings) + " \u00b7 ";
  const int editWidth = std::max(169, metrics.horizontalAdvance(frets) + wordWidth + kEditFrame);
  Edit1->setFixedWidth(editWidth);
  auto* info = findChild<QFrame*>("PanelInfo");
  info->setFixedWidth(std::max(185, kEditX + editWidth + 8));
  // Check boxes as wide as their captions in the language and the style:
  // "Omit 3rd" starts after "Omit 5th" ends, and each panel holds its boxes.
  constexpr int kBoxGap = 6;
  CheckBoxOmit3->move(std::max(80, CheckBoxOmit5->geometry().right() + kBoxGap),
                      CheckBoxOmit3->y());
  findChild<QFrame*>("Panel4")->setFixedWidth(
      std::max(153, CheckBoxOmit3->geometry().right() + kBoxGap));
  int boxes = 0;
  for (QCheckBox* box : {CheckBoxNSI, CheckBoxCanhoto, CheckBoxPestanas})
    boxes = std::max(boxes, box->geometry().right());
  // As narrow as its boxes allow, so that the wider info box still fits the
  // start size.
  findChild<QFrame*>("Panel6")->setFixedWidth(boxes + kBoxGap);
  int x = kMargin;
  for (const char* name : {"PanelInfo", "Panel4", "Panel2", "Panel6"}) {
    auto* panel = findChild<QFrame*>(name);
    panel->move(x, panel->y());
    x += panel->width() + kGap;
  }
  const int rowWidth = x - kGap - kMargin;
  auto* braco = findChild<QFrame*>("PanelBraco");
  auto* sound = findChild<QFrame*>("Panel5");
  const int soundWidth = std::max(rowWidth, braco->width() - 2 * kMargin);
  sound->setFixedWidth(soundWidth);
  constexpr int kNeckX = 8;
  Image2->setFixedWidth(std::max(kNeckPictureWidth, soundWidth - 2 * kNeckX));
  PlaceCapoControls();
  // Every control shows at the smallest size the window takes: the start
  // size, or wider where the language's captions need it.
  braco->setMinimumWidth(rowWidth + 2 * kMargin);
  const int needed = findChild<QFrame*>("Panel1")->width() + braco->minimumWidth();
  setMinimumWidth(std::max(kStartWidth, needed));
}

// The capo's caption, its fret and the names button in a row, each as wide
// as its text in the window's language.
void TForm1::PlaceCapoControls() {
  auto* label = findChild<QLabel*>("LabelCapo");
  constexpr int kSpacing = 4, kSpinButtons = 28, kArrowWidth = 16;
  // Wide enough for "none" and two digits beside its arrows.
  const int spinWidth =
      std::max(SpinCapo->fontMetrics().horizontalAdvance(SpinCapo->specialValueText()),
               SpinCapo->fontMetrics().horizontalAdvance("88")) +
      kSpinButtons;
  SpinCapo->setGeometry(label->x() + label->width() + kSpacing, 2, spinWidth, 21);
  const int left = SpinCapo->x() + spinWidth + kSpacing / 2;
  const QFontMetrics metrics = ToolButtonCapoNames->fontMetrics();
  int textWidth = 0;
  for (QAction* item : capoNamesItems_)
    textWidth = std::max(textWidth, metrics.horizontalAdvance(item->iconText()));
  ToolButtonCapoNames->setGeometry(left, 2, textWidth + kArrowWidth + 8, 21);
  auto* panel = label->parentWidget();
  panel->setFixedWidth(ToolButtonCapoNames->geometry().right() + 2);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched->objectName() == "PanelBraco") PlaceLowerPanels();
  return QMainWindow::eventFilter(watched, event);
}

QWidget* TForm1::BuildInfoPanel(QWidget* parent) {
  auto* info = Panel(parent, "PanelInfo", QRect(6, 0, 185, 89), true);
  Caption(info, "Label1", QPoint(8, 8));
  Edit1 = Named(new QLineEdit(info), "Edit1");
  Edit1->setGeometry(8, 26, 169, 19);
  Edit1->setReadOnly(true);
  // The light shade of the palette with the palette's own text colour on it:
  // readable under a dark desktop palette as under a light one.
  Edit1->setStyleSheet("QLineEdit { background: palette(light); color: palette(window-text); }");
  Caption(info, "Label5", QPoint(8, 56));
  LabelTotal = Caption(info, "LabelTotal", QPoint(98, 56));
  LabelTotal->setText("0");
  LabelTotal->setMinimumWidth(60);
  return info;
}

QWidget* TForm1::BuildOptionPanel(QWidget* parent) {
  auto* panel4 = Panel(parent, "Panel4", QRect(198, 0, 153, 90), true);
  CheckBoxOmit5 = Option(panel4, "CheckBoxOmit5", QPoint(8, 8));
  CheckBoxOmit3 = Option(panel4, "CheckBoxOmit3", QPoint(80, 8));
  Caption(panel4, "Label3", QPoint(6, 36));
  ComboBox2 = ListOnly(panel4, "ComboBox2", QRect(6, 52, 59, 21), {"2", "3", "4", "5"}, 3);
  Caption(panel4, "Label2", QPoint(80, 36));
  ComboBox1 = ListOnly(panel4, "ComboBox1", QRect(80, 52, 57, 21), {"6", "12", "18", "24"}, 1);
  return panel4;
}

QWidget* TForm1::BuildTuningPanel(QWidget* parent) {
  auto* panel2 = Panel(parent, "Panel2", QRect(358, 0, 139, 90), true);
  ToolButton5 = Named(new QToolButton(panel2), "ToolButton5");
  ToolButton5->setGeometry(2, 2, 130, 22);
  ToolButton5->setIcon(QPixmap::fromImage(assets_.tuningIcon));
  ToolButton5->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ToolButton5->setPopupMode(QToolButton::MenuButtonPopup);
  ToolButton5->setAutoRaise(true);
  PopupMenu1 = Named(new QMenu(ToolButton5), "PopupMenu1");
  presetGroup_ = new QActionGroup(PopupMenu1);
  presetGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (int tag = 0; tag < kTuningPresetCount; ++tag) {
    auto* item = PopupMenu1->addAction(QString());
    item->setObjectName(QString::fromLatin1(kTuningPresets[tag].itemName.data(),
                                            int(kTuningPresets[tag].itemName.size())));
    item->setCheckable(true);
    item->setChecked(tag == kStandardPreset);
    item->setData(tag);
    presetGroup_->addAction(item);
    presetItems_[tag] = item;
  }
  ToolButton5->setMenu(PopupMenu1);
  // The other instruments' presets take the arrow's place when one is chosen.
  instrumentPresetMenu_ = Named(new QMenu(ToolButton5), "InstrumentPresetMenu");
  for (int string = 0; string < kMaxInstrumentStrings; ++string) {
    QString number = QString::number(string + 1);
    auto* bar = new QSlider(Qt::Vertical, panel2);
    bar->setObjectName("TrackBar" + number);
    bar->setRange(0, kPitchClassCount - 1);
    bar->setInvertedAppearance(true);  // 0 at the top
    bar->setInvertedControls(true);
    if (string < kStringCount) bar->setValue(kStandardTuning[string]);
    trackBars_[string] = bar;
    auto* label = new QLabel(panel2);
    if (string < kStringCount)
      label->setText(ToQString(kTuningPresets[kStandardPreset].labels[string]));
    label->setObjectName("lbAfinacaoCorda" + number);
    label->setFont(ArialFont(11));
    stringLabels_[string] = label;
  }
  PlaceStringSliders(kStringCount);
  return panel2;
}

QWidget* TForm1::BuildViewPanel(QWidget* parent) {
  auto* panel6 = Panel(parent, "Panel6", QRect(504, 0, 145, 89), true);
  CheckBoxNSI = Option(panel6, "CheckBoxNSI", QPoint(8, 8));
  CheckBoxCanhoto = Option(panel6, "CheckBoxCanhoto", QPoint(8, 32));
  CheckBoxPestanas = Option(panel6, "CheckBoxPestanas", QPoint(8, 56));
  return panel6;
}

QWidget* TForm1::BuildSoundPanel(QWidget* parent) {
  auto* panel5 = Panel(parent, "Panel5", QRect(6, 96, 643, 121), true);
  ComboBoxPatch = Named(new QComboBox(panel5), "ComboBoxPatch");
  ComboBoxPatch->setGeometry(8, 8, 145, 21);
  ComboBoxPatch->setEditable(true);
  ComboBoxPatch->setInsertPolicy(QComboBox::NoInsert);
  ComboBoxPatch->setMaxVisibleItems(21);
  // Its own light colour keeps its own dark text, whatever the desktop palette.
  ComboBoxPatch->setStyleSheet(
      "QComboBox, QComboBox QLineEdit { background: rgb(207, 208, 214); color: black; }");
  for (std::size_t i = 0; i < kPatchItems.size(); ++i) ComboBoxPatch->addItem(QString());
  // The box shows the first instrument without selecting it (nothing is sent).
  ComboBoxPatch->setCurrentIndex(-1);
  Caption(panel5, "Label6", QPoint(160, 10));
  TrackBarTempoAcorde = Named(new QSlider(Qt::Horizontal, panel5), "TrackBarTempoAcorde");
  TrackBarTempoAcorde->setGeometry(200, 8, 89, 17);
  TrackBarTempoAcorde->setRange(kMinStrumSpeed, kMaxStrumSpeed);
  TrackBarTempoAcorde->setValue(kDefaultStrumSpeed);
  TrackBarTempoAcorde->setTickPosition(QSlider::TicksBelow);
  TrackBarTempoAcorde->setTickInterval(1);
  SpeedButton11 = FlatButton(panel5, "SpeedButton11", QRect(296, 6, 81, 21));
  SpeedButton12 = FlatButton(panel5, "SpeedButton12", QRect(385, 6, 80, 21));
  RadioPair(this, SpeedButton12, SpeedButton11);
  Image2 = Named(new NeckView(panel5), "Image2");
  Image2->move(8, 32);
  return panel5;
}

QWidget* TForm1::BuildCapoPanel(QWidget* parent) {
  auto* panel = Panel(parent, "PanelCapo", QRect(474, 4, 164, 25), false);
  Caption(panel, "LabelCapo", QPoint(4, 4));
  SpinCapo = Named(new QSpinBox(panel), "SpinCapo");
  SpinCapo->setGeometry(62, 2, 64, 21);
  SpinCapo->setRange(0, kMaxCapo);
  // What chord names mean under the capo: a menu of two choices on a button
  // that names the one chosen.
  ToolButtonCapoNames = Named(new QToolButton(panel), "ToolButtonCapoNames");
  ToolButtonCapoNames->setGeometry(128, 2, 28, 21);
  ToolButtonCapoNames->setPopupMode(QToolButton::InstantPopup);
  ToolButtonCapoNames->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto* menu = new QMenu(ToolButtonCapoNames);
  menu->setToolTipsVisible(true);
  auto* group = new QActionGroup(menu);
  for (QAction*& item : capoNamesItems_) {
    item = menu->addAction(QString());
    item->setObjectName(&item == &capoNamesItems_[0] ? "CapoNamesSounding1" : "CapoNamesShapes1");
    item->setCheckable(true);
    group->addAction(item);
  }
  ToolButtonCapoNames->setMenu(menu);
  return panel;
}

void TForm1::BuildMenus() {
  auto* bar = Named(new QMenuBar(this), "MainMenu1");
  fileMenu_ = Named(bar->addMenu(QString()), "Arquivo1");
  // Filled by the sound devices when the program offers a choice of outputs.
  midiOutputMenu_ = Named(fileMenu_->addMenu(QString()), "MidiOutputMenu");
  midiOutputMenu_->menuAction()->setVisible(false);
  StandardNotation1 = Named(fileMenu_->addAction(QString()), "StandardNotation1");
  StandardNotation1->setCheckable(true);
  fileMenu_->setToolTipsVisible(true);
  connect(StandardNotation1, &QAction::toggled, this, &TForm1::StandardNotation1Click);
  // Songs beside the chords: the song window.
  Song1 = Named(fileMenu_->addAction(QString()), "Song1");
  Song1->setShortcut(QKeySequence("Ctrl+Shift+O"));
  connect(Song1, &QAction::triggered, this, &TForm1::ShowSongWindow);
  exportMenu_ = Named(fileMenu_->addMenu(QString()), "ExportMenu");
  ExportSelected1 = Named(exportMenu_->addAction(QString()), "ExportSelected1");
  ExportAll1 = Named(exportMenu_->addAction(QString()), "ExportAll1");
  connect(ExportSelected1, &QAction::triggered, this, [this] { ExportClick(true); });
  connect(ExportAll1, &QAction::triggered, this, [this] { ExportClick(false); });
  Print1 = Named(fileMenu_->addAction(QString()), "Print1");
  Print1->setShortcut(QKeySequence::Print);
  connect(Print1, &QAction::triggered, this, &TForm1::PrintClick);
  fileMenu_->addSeparator();
  Sair1 = Named(fileMenu_->addAction(QString()), "Sair1");
  connect(Sair1, &QAction::triggered, this, &TForm1::Sair1Click);
  // The desktop's own way out (Ctrl+Q); closing the main window ends the program.
  Quit1 = Named(fileMenu_->addAction(QString()), "Quit1");
  Quit1->setShortcut(QKeySequence::Quit);
  Quit1->setShortcutContext(Qt::ApplicationShortcut);
  connect(Quit1, &QAction::triggered, this, &TForm1::Sair1Click);

  BuildViewMenu(bar);
  BuildInstrumentMenu(bar);

  // Titled in both languages so that anyone can find it; each language is
  // named in itself.
  QMenu* languages = Named(bar->addMenu("语言 Language"), "LanguageMenu");
  auto* group = new QActionGroup(languages);
  for (auto [language, name, object] : {std::tuple{UiLanguage::Chinese, "中文", "Chinese1"},
                                        std::tuple{UiLanguage::English, "English", "English1"}}) {
    QAction* item = Named(languages->addAction(name), object);
    item->setCheckable(true);
    group->addAction(item);
    languageItems_[static_cast<std::size_t>(language)] = item;
    connect(item, &QAction::triggered, this, [this, language] { LanguageClick(language); });
  }

  helpMenu_ = Named(bar->addMenu(QString()), "Ajuda1");
  HowToRead1 = Named(helpMenu_->addAction(QString()), "HowToRead1");
  HowToRead1->setShortcut(QKeySequence::HelpContents);
  connect(HowToRead1, &QAction::triggered, this, &TForm1::HowToReadClick);
  Sobre1 = Named(helpMenu_->addAction(QString()), "Sobre1");
  connect(Sobre1, &QAction::triggered, this, &TForm1::Sobre1Click);
  setMenuBar(bar);
}

}  // namespace corvanta
