// The chord entry's controls: read the control, call the core, mirror the
// entry back into every control, search as often as the core says.
#include "app/chord_entry_controller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>

#include "app/app_fonts.h"
#include "app/diagram_list_controller.h"
#include "app/widget_builders.h"
#include "app/window_texts.h"
#include "chord_entry/entry_chord.h"
#include "theory/catalogue.h"
#include "theory/chord_defaults.h"
#include "theory/degree_codes.h"
#include "theory/standard_names.h"
#include "theory/text_util.h"
#include "view/chord_text.h"
#include "view/diagram_sheet.h"
#include "view/drawn_assets.h"

namespace corvanta {
namespace {

constexpr int kCheckListItemHeight = 13;

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

ChordEntryController::ChordEntryController(WindowState& state, DiagramListController& diagrams)
    : state_(state), diagrams_(diagrams) {}

QWidget* ChordEntryController::BuildChordChoice(const DrawnAssets& assets, QObject* owner) {
  auto* top = Named(new QFrame, "PanelMenuTopo");
  top->setMinimumHeight(251);
  symbolBox_ = Named(new QLineEdit("编辑和弦", top), "EditAcorde");
  symbolBox_->setGeometry(0, 0, 115, 23);
  QFont bold = ArialFont(12);
  bold.setBold(true);
  symbolBox_->setFont(bold);
  symbolBox_->setStyleSheet(kSymbolStyle);
  queryButton_ = Named(new QToolButton(top), "SpeedButton2");
  queryButton_->setGeometry(116, 0, 23, 23);
  queryButton_->setIcon(QPixmap::fromImage(assets.queryGlyph));
  queryButton_->setIconSize(QSize(20, 20));
  queryButton_->setAutoRaise(true);

  rootGrid_ = NoteGrid(top, "StringGridAcorde", QRect(0, 24, 33, 201));
  bassGrid_ = NoteGrid(top, "StringGridBaixo", QRect(107, 24, 33, 201));

  degreeList_ = Named(new QListWidget(top), "CheckListBox1");
  degreeList_->setGeometry(32, 24, 76, 201);
  for (const DegreeItem& degree : kDegreeItems) {
    auto* item = new QListWidgetItem(ToQString(degree.text), degreeList_);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
    item->setSizeHint(QSize(60, kCheckListItemHeight));
  }

  // 30 rows as laid out; start-up fills in the catalogue's 35.
  typeGrid_ = Grid(top, "StringGrid1", QRect(32, 24, 76, 201), 30, 2);
  typeGrid_->setColumnWidth(0, 64);
  typeGrid_->setColumnWidth(1, 2);  // the formula column: present, not seen
  typeGrid_->hide();

  rootSharpsButton_ = FlatButton(top, "SpeedButton5", QRect(0, 224, 17, 17));
  rootFlatsButton_ = FlatButton(top, "SpeedButton6", QRect(17, 224, 16, 17));
  degreeModeButton_ = FlatButton(top, "SpeedButton7", QRect(34, 224, 36, 17));
  typeModeButton_ = FlatButton(top, "SpeedButton8", QRect(72, 224, 35, 17));
  bassSharpsButton_ = FlatButton(top, "SpeedButton10", QRect(107, 224, 17, 17));
  bassFlatsButton_ = FlatButton(top, "SpeedButton9", QRect(125, 224, 16, 17));
  // Accidentals are notation: the same in every language.
  for (QToolButton* sharp : {rootSharpsButton_, bassSharpsButton_}) sharp->setText("#");
  for (QToolButton* flat : {rootFlatsButton_, bassFlatsButton_}) flat->setText("b");
  RadioPair(owner, rootSharpsButton_, rootFlatsButton_);
  RadioPair(owner, degreeModeButton_, typeModeButton_);
  RadioPair(owner, bassSharpsButton_, bassFlatsButton_);
  for (auto [name, geometry] :
       {std::pair{"Bevel1", QRect(26, 224, 9, 17)}, std::pair{"Bevel2", QRect(98, 216, 9, 25)}}) {
    auto* bevel = Named(new QFrame(top), name);
    bevel->setGeometry(geometry);
    bevel->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    bevel->lower();
  }
  return top;
}

QWidget* ChordEntryController::BuildSearchOptionPanel(QWidget* parent) {
  auto* panel4 = Panel(parent, "Panel4", QRect(198, 0, 153, 90), true);
  omitFifthBox_ = Option(panel4, "CheckBoxOmit5", QPoint(8, 8));
  omitThirdBox_ = Option(panel4, "CheckBoxOmit3", QPoint(80, 8));
  Caption(panel4, "Label3", QPoint(6, 36));
  spanBox_ = ListOnly(panel4, "ComboBox2", QRect(6, 52, 59, 21), {"2", "3", "4", "5"}, 3);
  Caption(panel4, "Label2", QPoint(80, 36));
  fretCountBox_ = ListOnly(panel4, "ComboBox1", QRect(80, 52, 57, 21), {"6", "12", "18", "24"}, 1);
  return panel4;
}

QWidget* ChordEntryController::BuildFingeringOptionPanel(QWidget* parent) {
  auto* panel6 = Panel(parent, "Panel6", QRect(504, 0, 145, 89), true);
  simpleChordsBox_ = Option(panel6, "CheckBoxNSI", QPoint(8, 8));
  leftHandedBox_ = Option(panel6, "CheckBoxCanhoto", QPoint(8, 32));
  noFullBarresBox_ = Option(panel6, "CheckBoxPestanas", QPoint(8, 56));
  return panel6;
}

void ChordEntryController::UseCheckStyle(QStyle* style) {
  for (QWidget* box :
       {static_cast<QWidget*>(omitFifthBox_), static_cast<QWidget*>(omitThirdBox_),
        static_cast<QWidget*>(simpleChordsBox_), static_cast<QWidget*>(leftHandedBox_),
        static_cast<QWidget*>(noFullBarresBox_), static_cast<QWidget*>(degreeList_)})
    box->setStyle(style);
}

// Check boxes as wide as their captions in the language and the style:
// "Omit 3rd" starts after "Omit 5th" ends, and each panel holds its boxes.
void ChordEntryController::FitOptionPanels(QWidget* window) {
  constexpr int kBoxGap = 6;
  omitThirdBox_->move(std::max(80, omitFifthBox_->geometry().right() + kBoxGap),
                      omitThirdBox_->y());
  window->findChild<QFrame*>("Panel4")->setFixedWidth(
      std::max(153, omitThirdBox_->geometry().right() + kBoxGap));
  int boxes = 0;
  for (QCheckBox* box : {simpleChordsBox_, leftHandedBox_, noFullBarresBox_})
    boxes = std::max(boxes, box->geometry().right());
  // As narrow as its boxes allow, so that the wider info box still fits the
  // start size.
  window->findChild<QFrame*>("Panel6")->setFixedWidth(boxes + kBoxGap);
}

void ChordEntryController::FillTypeGrid() {
  typeGrid_->setRowCount(kChordTypeCount);
  for (int row = 0; row < kChordTypeCount; ++row) {
    typeGrid_->setItem(row, 0, new QTableWidgetItem(ToQString(kChordCatalogue[row].name)));
    typeGrid_->setItem(row, 1, new QTableWidgetItem(ToQString(kChordCatalogue[row].formula)));
  }
}

void ChordEntryController::Connect() {
  auto onCell = [this](QTableWidget* grid, void (ChordEntryController::*handler)(int)) {
    QObject::connect(grid, &QTableWidget::currentCellChanged, this,
                     [this, handler](int row, int, int, int) {
                       if (row >= 0) (this->*handler)(row);
                     });
  };
  onCell(typeGrid_, &ChordEntryController::ChooseType);
  onCell(rootGrid_, &ChordEntryController::ChooseRoot);
  onCell(bassGrid_, &ChordEntryController::ChooseBass);
  QObject::connect(degreeList_, &QListWidget::itemChanged, this, &ChordEntryController::TickDegree);
  QObject::connect(queryButton_, &QToolButton::clicked, this,
                   &ChordEntryController::QueryTypedSymbol);
  QObject::connect(symbolBox_, &QLineEdit::returnPressed, this,
                   &ChordEntryController::QueryTypedSymbol);
  QObject::connect(symbolBox_, &QLineEdit::textEdited, this,
                   &ChordEntryController::ClearTypedTextMark);
  auto onClick = [this](QToolButton* button, auto action) {
    QObject::connect(button, &QToolButton::clicked, this, [this, action] {
      action();
      MirrorEntry();
    });
  };
  ChordEntry& entry = state_.entry;
  onClick(rootSharpsButton_, [&entry] { entry.ShowRootAs(Accidentals::Sharps); });
  onClick(rootFlatsButton_, [&entry] { entry.ShowRootAs(Accidentals::Flats); });
  onClick(degreeModeButton_, [&entry] { entry.ChooseMode(EntryMode::DegreeList); });
  onClick(typeModeButton_, [&entry] { entry.ChooseMode(EntryMode::TypeGrid); });
  onClick(bassFlatsButton_, [&entry] { entry.ShowBassAs(Accidentals::Flats); });
  onClick(bassSharpsButton_, [&entry] { entry.ShowBassAs(Accidentals::Sharps); });
  QObject::connect(fretCountBox_, &QComboBox::currentIndexChanged, this,
                   &ChordEntryController::ChooseFretCount);
  QObject::connect(spanBox_, &QComboBox::currentIndexChanged, this,
                   &ChordEntryController::ChooseSpan);
  QObject::connect(omitFifthBox_, &QCheckBox::toggled, this, &ChordEntryController::SetOmitFifth);
  QObject::connect(omitThirdBox_, &QCheckBox::toggled, this, &ChordEntryController::SetOmitThird);
  QObject::connect(leftHandedBox_, &QCheckBox::toggled, this, &ChordEntryController::SetLeftHanded);
  QObject::connect(noFullBarresBox_, &QCheckBox::toggled, this,
                   &ChordEntryController::SetNoFullBarres);
  QObject::connect(simpleChordsBox_, &QCheckBox::toggled, this,
                   &ChordEntryController::SetSimpleChords);
}

void ChordEntryController::ChooseType(int row) { RunSearches(state_.entry.ChooseType(row)); }
void ChordEntryController::ChooseRoot(int row) { RunSearches(state_.entry.ChooseRoot(row)); }
void ChordEntryController::ChooseBass(int row) { RunSearches(state_.entry.ChooseBass(row)); }

void ChordEntryController::TickDegree(QListWidgetItem* item) {
  int index = degreeList_->row(item);
  bool ticked = item->checkState() == Qt::Checked;
  // Only a tick the user changed reaches here; the program's own ticks are
  // set with the list's signals blocked.
  if (index < 0 || ticked == state_.entry.state.ticked[index]) return;
  RunSearches(state_.entry.ToggleDegree(index));
}

void ChordEntryController::QueryTypedSymbol() {
  const QString typed = symbolBox_->text();
  ReadSymbol(typed, state_.session.notation);
  MarkTypedText(typed, *shownReading_);
}

void ChordEntryController::ShowSongSymbol(const std::string& symbol) {
  ReadSymbol(QString::fromStdString(symbol), ChordNotation::Standard);
}

void ChordEntryController::ReadSymbol(const QString& typed, ChordNotation notation) {
  SymbolReading reading = ReadTypedChord(state_.entry, FromQString(typed), notation);
  if (reading.tooManyNotes == 0) {
    diagrams_.View()->Clear();
    RunSearches({reading.searches});
  }
  shownReading_ = std::move(reading);
  ShowReading();
}

void ChordEntryController::ChooseFretCount() {
  RunSearches(state_.entry.SetFretCount(fretCountBox_->currentText().toInt()));
}
void ChordEntryController::ChooseSpan() {
  RunSearches(state_.entry.SetSpan(spanBox_->currentText().toInt()));
}
void ChordEntryController::SetOmitFifth() {
  RunSearches(state_.entry.SetOmitFifth(omitFifthBox_->isChecked()));
}
void ChordEntryController::SetOmitThird() {
  RunSearches(state_.entry.SetOmitThird(omitThirdBox_->isChecked()));
}
void ChordEntryController::SetLeftHanded() {
  const int selected = diagrams_.View()->Highlighted();
  RunSearches(state_.entry.SetLeftHanded(leftHandedBox_->isChecked()));
  diagrams_.KeepSelectionAt(selected);
}
void ChordEntryController::SetNoFullBarres() {
  RunSearches(state_.entry.SetNoFullBarres(noFullBarresBox_->isChecked()));
}
void ChordEntryController::SetSimpleChords() {
  RunSearches(state_.entry.SetSimpleChords(simpleChordsBox_->isChecked()));
}

void ChordEntryController::RunSearches(EntryOutcome outcome) {
  // The reading of a typed symbol is shown until the chord changes again.
  shownReading_.reset();
  ShowReading();
  MirrorEntry();
  // A handler that runs another inside (a root choice moving the bass row)
  // asks for its searches too; the state is the same for each, so one does.
  if (outcome.searches > 0) diagrams_.Search();
}

void ChordEntryController::MirrorEntry() {
  const ChordEntryState& state = state_.entry.state;
  {
    const QSignalBlocker blocker(symbolBox_);
    symbolBox_->setText(ToQString(ChordSymbolText(state, state_.session.notation)));
  }
  ClearTypedTextMark();
  ShowListWords(*typeGrid_, *degreeList_, state_.session.notation);
  MirrorGrids();
  MirrorCheckList();
  MirrorOptions();
  const bool degreeMode = state.mode == EntryMode::DegreeList;
  degreeList_->setVisible(degreeMode);
  typeGrid_->setVisible(!degreeMode);
  degreeModeButton_->setChecked(degreeMode);
  typeModeButton_->setChecked(!degreeMode);
  rootSharpsButton_->setChecked(state.rootButtonDown == Accidentals::Sharps);
  rootFlatsButton_->setChecked(state.rootButtonDown == Accidentals::Flats);
  bassSharpsButton_->setChecked(state.bassButtonDown == Accidentals::Sharps);
  bassFlatsButton_->setChecked(state.bassButtonDown == Accidentals::Flats);
}

void ChordEntryController::MirrorGrids() {
  const ChordEntryState& state = state_.entry.state;
  for (int row = 0; row < kPitchClassCount; ++row) {
    rootGrid_->item(row, 0)->setText(ToQString(state_.entry.RootGridText(row)));
    bassGrid_->item(row, 0)->setText(ToQString(state_.entry.BassGridText(row)));
  }
  SelectRow(rootGrid_, state.rootGridRow);
  SelectRow(bassGrid_, state.bassGridRow);
  SelectRow(typeGrid_, state.typeGridRow);
  bassGrid_->setEnabled(state.bassGridEnabled);
  // Enabled: the window colour; disabled: the menu-bar colour.
  QPalette palette = bassGrid_->palette();
  QColor colour =
      state.bassGridEnabled ? QPalette().color(QPalette::Base) : QPalette().color(QPalette::Window);
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Disabled, QPalette::Base, colour);
  bassGrid_->setPalette(palette);
}

void ChordEntryController::MirrorCheckList() {
  const ChordEntryState& state = state_.entry.state;
  const QSignalBlocker blocker(degreeList_);
  for (int i = 0; i < kDegreeItemCount; ++i) {
    QListWidgetItem* item = degreeList_->item(i);
    item->setCheckState(state.ticked[i] ? Qt::Checked : Qt::Unchecked);
    Qt::ItemFlags flags = Qt::ItemIsUserCheckable | Qt::ItemIsSelectable;
    if (state.enabled[i]) flags |= Qt::ItemIsEnabled;
    item->setFlags(flags);
  }
}

void ChordEntryController::MirrorOptions() {
  const ChordEntryState& state = state_.entry.state;
  const QSignalBlocker b1(fretCountBox_), b2(spanBox_), b3(omitThirdBox_), b4(omitFifthBox_),
      b5(simpleChordsBox_), b6(leftHandedBox_), b7(noFullBarresBox_);
  fretCountBox_->setCurrentText(QString::number(state.fretCount));
  spanBox_->setCurrentText(QString::number(state.span));
  omitThirdBox_->setChecked(state.omitThird);
  omitFifthBox_->setChecked(state.omitFifth);
  simpleChordsBox_->setChecked(state.simpleChords);
  leftHandedBox_->setChecked(state.leftHanded);
  noFullBarresBox_->setChecked(state.noFullBarres);
}

void ChordEntryController::ShowReading() {
  QString text;
  if (shownReading_) text = ReadingText(*shownReading_);
  QLabel* panel = readingPanel_;
  panel->setText(text);
  panel->setToolTip(text);
  // The panel grows with its text (never below its start width), so a
  // report is read whole, not cut.
  const int needed = panel->fontMetrics().horizontalAdvance(text) + 2 * panel->frameWidth() + 8;
  panel->setFixedWidth(std::max(kReadingPanelWidth, needed));
}

QString ChordEntryController::ReadingText(const SymbolReading& reading) const {
  // "C7+  C E G B", then the degrees left out and the words not used:
  // "省略: 5, 11", "未识别: aj7".
  QStringList parts;
  if (reading.noChord) parts << tr("N.C. 无和弦");
  if (reading.tooManyNotes > 0) {
    parts << tr("需要 %1 个音, 最多 %2 个 (含低音): 未查询")
                 .arg(reading.tooManyNotes)
                 .arg(kMostChordNotes);
  } else if (reading.namesRoot) {
    const ChordEntryState& state = state_.entry.state;
    QStringList notes;
    for (const std::string& note : ChordNoteNames(state)) notes << ToQString(note);
    parts << ToQString(TrimBlanks(ChordSymbolText(state, state_.session.notation)))
          << notes.join(' ');
  }
  if (!reading.omitted.empty()) {
    QStringList degrees;
    for (const std::string& degree : reading.omitted) degrees << ToQString(degree);
    parts << tr("省略: ") + degrees.join(", ");
  }
  if (!reading.unrecognised.empty()) {
    QStringList words;
    for (const std::string& word : reading.unrecognised) words << ToQString(word);
    parts << tr("未识别: ") + words.join(' ');
  }
  return parts.join("  ");
}

void ChordEntryController::MarkTypedText(const QString& typed, const SymbolReading& reading) {
  if (reading.unrecognised.empty() && reading.tooManyNotes == 0) return;
  const QSignalBlocker blocker(symbolBox_);
  symbolBox_->setText(typed);
  symbolBox_->setStyleSheet(kMarkedSymbolStyle);
  symbolBox_->setToolTip(ReadingText(reading));
}

void ChordEntryController::ClearTypedTextMark() {
  symbolBox_->setStyleSheet(kSymbolStyle);
  symbolBox_->setToolTip(SymbolBoxHint());
}

QString ChordEntryController::SymbolBoxHint() const {
  return tr("输入和弦符号 (如 C#m7/G#), 按回车查询");
}

QString ChordEntryController::SymbolBoxText() const { return symbolBox_->text(); }

void ChordEntryController::Retranslate() {
  queryButton_->setToolTip(tr("查询和弦"));
  degreeModeButton_->setText(tr("模式1"));
  typeModeButton_->setText(tr("模式2"));
  ShowReading();
  degreeModeButton_->setToolTip(tr("在列表中勾选和弦的音级"));
  typeModeButton_->setToolTip(tr("从表中选择和弦类型"));
  FitText(degreeModeButton_);
  FitText(typeModeButton_);
  QWidget* options = omitFifthBox_->parentWidget();
  SetCaption(omitFifthBox_, tr("去5音"), tr("和弦中省去五音"));
  SetCaption(omitThirdBox_, tr("去3音"), tr("和弦中省去三音"));
  SetCaption(options->findChild<QLabel*>("Label3"), tr("跨度"));
  spanBox_->setToolTip(tr("手指跨度"));
  SetCaption(options->findChild<QLabel*>("Label2"), tr("总品格数"));
  fretCountBox_->setToolTip(tr("显示所选品格数以内和弦"));
  SetCaption(simpleChordsBox_, tr("简单和弦"), tr("只显示常用的和弦"));
  SetCaption(leftHandedBox_, tr("左手和弦"), tr("左撇子的按法"));
  SetCaption(noFullBarresBox_, tr("去掉大横按"), tr("不显示大横按和弦"));
  // A typed text the reading could not take whole keeps its own hint.
  if (symbolBox_->styleSheet() == kSymbolStyle) symbolBox_->setToolTip(SymbolBoxHint());
  rootGrid_->setToolTip(tr("和弦的根音"));
  bassGrid_->setToolTip(tr("低音: 最低的音"));
  degreeList_->setToolTip(tr("勾选和弦的音级"));
  typeGrid_->setToolTip(tr("和弦类型"));
  rootSharpsButton_->setToolTip(tr("根音用升号命名"));
  rootFlatsButton_->setToolTip(tr("根音用降号命名"));
  bassSharpsButton_->setToolTip(tr("低音用升号命名"));
  bassFlatsButton_->setToolTip(tr("低音用降号命名"));
}

}  // namespace corvanta
