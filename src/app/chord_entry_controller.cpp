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
  EditAcorde = Named(new QLineEdit("编辑和弦", top), "EditAcorde");
  EditAcorde->setGeometry(0, 0, 115, 23);
  QFont bold = ArialFont(12);
  bold.setBold(true);
  EditAcorde->setFont(bold);
  EditAcorde->setStyleSheet(kSymbolStyle);
  SpeedButton2 = Named(new QToolButton(top), "SpeedButton2");
  SpeedButton2->setGeometry(116, 0, 23, 23);
  SpeedButton2->setIcon(QPixmap::fromImage(assets.queryGlyph));
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
  RadioPair(owner, SpeedButton5, SpeedButton6);
  RadioPair(owner, SpeedButton7, SpeedButton8);
  RadioPair(owner, SpeedButton10, SpeedButton9);
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
  CheckBoxOmit5 = Option(panel4, "CheckBoxOmit5", QPoint(8, 8));
  CheckBoxOmit3 = Option(panel4, "CheckBoxOmit3", QPoint(80, 8));
  Caption(panel4, "Label3", QPoint(6, 36));
  ComboBox2 = ListOnly(panel4, "ComboBox2", QRect(6, 52, 59, 21), {"2", "3", "4", "5"}, 3);
  Caption(panel4, "Label2", QPoint(80, 36));
  ComboBox1 = ListOnly(panel4, "ComboBox1", QRect(80, 52, 57, 21), {"6", "12", "18", "24"}, 1);
  return panel4;
}

QWidget* ChordEntryController::BuildFingeringOptionPanel(QWidget* parent) {
  auto* panel6 = Panel(parent, "Panel6", QRect(504, 0, 145, 89), true);
  CheckBoxNSI = Option(panel6, "CheckBoxNSI", QPoint(8, 8));
  CheckBoxCanhoto = Option(panel6, "CheckBoxCanhoto", QPoint(8, 32));
  CheckBoxPestanas = Option(panel6, "CheckBoxPestanas", QPoint(8, 56));
  return panel6;
}

void ChordEntryController::UseCheckStyle(QStyle* style) {
  for (QWidget* box :
       {static_cast<QWidget*>(CheckBoxOmit5), static_cast<QWidget*>(CheckBoxOmit3),
        static_cast<QWidget*>(CheckBoxNSI), static_cast<QWidget*>(CheckBoxCanhoto),
        static_cast<QWidget*>(CheckBoxPestanas), static_cast<QWidget*>(CheckListBox1)})
    box->setStyle(style);
}

// Check boxes as wide as their captions in the language and the style:
// "Omit 3rd" starts after "Omit 5th" ends, and each panel holds its boxes.
void ChordEntryController::FitOptionPanels(QWidget* window) {
  constexpr int kBoxGap = 6;
  CheckBoxOmit3->move(std::max(80, CheckBoxOmit5->geometry().right() + kBoxGap),
                      CheckBoxOmit3->y());
  window->findChild<QFrame*>("Panel4")->setFixedWidth(
      std::max(153, CheckBoxOmit3->geometry().right() + kBoxGap));
  int boxes = 0;
  for (QCheckBox* box : {CheckBoxNSI, CheckBoxCanhoto, CheckBoxPestanas})
    boxes = std::max(boxes, box->geometry().right());
  // As narrow as its boxes allow, so that the wider info box still fits the
  // start size.
  window->findChild<QFrame*>("Panel6")->setFixedWidth(boxes + kBoxGap);
}

void ChordEntryController::FillTypeGrid() {
  StringGrid1->setRowCount(kChordTypeCount);
  for (int row = 0; row < kChordTypeCount; ++row) {
    StringGrid1->setItem(row, 0, new QTableWidgetItem(ToQString(kChordCatalogue[row].name)));
    StringGrid1->setItem(row, 1, new QTableWidgetItem(ToQString(kChordCatalogue[row].formula)));
  }
}

void ChordEntryController::Connect() {
  auto onCell = [this](QTableWidget* grid, void (ChordEntryController::*handler)(int)) {
    QObject::connect(grid, &QTableWidget::currentCellChanged, this,
                     [this, handler](int row, int, int, int) {
                       if (row >= 0) (this->*handler)(row);
                     });
  };
  onCell(StringGrid1, &ChordEntryController::ChooseType);
  onCell(StringGridAcorde, &ChordEntryController::ChooseRoot);
  onCell(StringGridBaixo, &ChordEntryController::ChooseBass);
  QObject::connect(CheckListBox1, &QListWidget::itemChanged, this,
                   &ChordEntryController::TickDegree);
  QObject::connect(SpeedButton2, &QToolButton::clicked, this,
                   &ChordEntryController::QueryTypedSymbol);
  QObject::connect(EditAcorde, &QLineEdit::returnPressed, this,
                   &ChordEntryController::QueryTypedSymbol);
  QObject::connect(EditAcorde, &QLineEdit::textEdited, this,
                   &ChordEntryController::ClearTypedTextMark);
  auto onClick = [this](QToolButton* button, auto action) {
    QObject::connect(button, &QToolButton::clicked, this, [this, action] {
      action();
      MirrorEntry();
    });
  };
  ChordEntry& entry = state_.entry;
  onClick(SpeedButton5, [&entry] { entry.ShowRootAs(Accidentals::Sharps); });
  onClick(SpeedButton6, [&entry] { entry.ShowRootAs(Accidentals::Flats); });
  onClick(SpeedButton7, [&entry] { entry.ChooseMode(EntryMode::DegreeList); });
  onClick(SpeedButton8, [&entry] { entry.ChooseMode(EntryMode::TypeGrid); });
  onClick(SpeedButton9, [&entry] { entry.ShowBassAs(Accidentals::Flats); });
  onClick(SpeedButton10, [&entry] { entry.ShowBassAs(Accidentals::Sharps); });
  QObject::connect(ComboBox1, &QComboBox::currentIndexChanged, this,
                   &ChordEntryController::ChooseFretCount);
  QObject::connect(ComboBox2, &QComboBox::currentIndexChanged, this,
                   &ChordEntryController::ChooseSpan);
  QObject::connect(CheckBoxOmit5, &QCheckBox::toggled, this, &ChordEntryController::SetOmitFifth);
  QObject::connect(CheckBoxOmit3, &QCheckBox::toggled, this, &ChordEntryController::SetOmitThird);
  QObject::connect(CheckBoxCanhoto, &QCheckBox::toggled, this,
                   &ChordEntryController::SetLeftHanded);
  QObject::connect(CheckBoxPestanas, &QCheckBox::toggled, this,
                   &ChordEntryController::SetNoFullBarres);
  QObject::connect(CheckBoxNSI, &QCheckBox::toggled, this, &ChordEntryController::SetSimpleChords);
}

void ChordEntryController::ChooseType(int row) { RunSearches(state_.entry.ChooseType(row)); }
void ChordEntryController::ChooseRoot(int row) { RunSearches(state_.entry.ChooseRoot(row)); }
void ChordEntryController::ChooseBass(int row) { RunSearches(state_.entry.ChooseBass(row)); }

void ChordEntryController::TickDegree(QListWidgetItem* item) {
  int index = CheckListBox1->row(item);
  bool ticked = item->checkState() == Qt::Checked;
  // Only a tick the user changed reaches here; the program's own ticks are
  // set with the list's signals blocked.
  if (index < 0 || ticked == state_.entry.state.ticked[index]) return;
  RunSearches(state_.entry.ToggleDegree(index));
}

void ChordEntryController::QueryTypedSymbol() {
  const QString typed = EditAcorde->text();
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
    RunSearches(reading);
  }
  shownReading_ = std::move(reading);
  ShowReading();
}

void ChordEntryController::ChooseFretCount() {
  RunSearches(state_.entry.SetFretCount(ComboBox1->currentText().toInt()));
}
void ChordEntryController::ChooseSpan() {
  RunSearches(state_.entry.SetSpan(ComboBox2->currentText().toInt()));
}
void ChordEntryController::SetOmitFifth() {
  RunSearches(state_.entry.SetOmitFifth(CheckBoxOmit5->isChecked()));
}
void ChordEntryController::SetOmitThird() {
  RunSearches(state_.entry.SetOmitThird(CheckBoxOmit3->isChecked()));
}
void ChordEntryController::SetLeftHanded() {
  const int selected = diagrams_.View()->Highlighted();
  RunSearches(state_.entry.SetLeftHanded(CheckBoxCanhoto->isChecked()));
  diagrams_.KeepSelectionAt(selected);
}
void ChordEntryController::SetNoFullBarres() {
  RunSearches(state_.entry.SetNoFullBarres(CheckBoxPestanas->isChecked()));
}
void ChordEntryController::SetSimpleChords() {
  RunSearches(state_.entry.SetSimpleChords(CheckBoxNSI->isChecked()));
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
    const QSignalBlocker blocker(EditAcorde);
    EditAcorde->setText(ToQString(ChordSymbolText(state, state_.session.notation)));
  }
  ClearTypedTextMark();
  ShowListWords(*StringGrid1, *CheckListBox1, state_.session.notation);
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

void ChordEntryController::MirrorGrids() {
  const ChordEntryState& state = state_.entry.state;
  for (int row = 0; row < kPitchClassCount; ++row) {
    StringGridAcorde->item(row, 0)->setText(ToQString(state_.entry.RootGridText(row)));
    StringGridBaixo->item(row, 0)->setText(ToQString(state_.entry.BassGridText(row)));
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

void ChordEntryController::MirrorCheckList() {
  const ChordEntryState& state = state_.entry.state;
  const QSignalBlocker blocker(CheckListBox1);
  for (int i = 0; i < kDegreeItemCount; ++i) {
    QListWidgetItem* item = CheckListBox1->item(i);
    item->setCheckState(state.ticked[i] ? Qt::Checked : Qt::Unchecked);
    Qt::ItemFlags flags = Qt::ItemIsUserCheckable | Qt::ItemIsSelectable;
    if (state.enabled[i]) flags |= Qt::ItemIsEnabled;
    item->setFlags(flags);
  }
}

void ChordEntryController::MirrorOptions() {
  const ChordEntryState& state = state_.entry.state;
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
  const QSignalBlocker blocker(EditAcorde);
  EditAcorde->setText(typed);
  EditAcorde->setStyleSheet(kMarkedSymbolStyle);
  EditAcorde->setToolTip(ReadingText(reading));
}

void ChordEntryController::ClearTypedTextMark() {
  EditAcorde->setStyleSheet(kSymbolStyle);
  EditAcorde->setToolTip(SymbolBoxHint());
}

QString ChordEntryController::SymbolBoxHint() const {
  return tr("输入和弦符号 (如 C#m7/G#), 按回车查询");
}

QString ChordEntryController::SymbolBoxText() const { return EditAcorde->text(); }

void ChordEntryController::Retranslate() {
  SpeedButton2->setToolTip(tr("查询和弦"));
  SpeedButton7->setText(tr("模式1"));
  SpeedButton8->setText(tr("模式2"));
  ShowReading();
  SpeedButton7->setToolTip(tr("在列表中勾选和弦的音级"));
  SpeedButton8->setToolTip(tr("从表中选择和弦类型"));
  FitText(SpeedButton7);
  FitText(SpeedButton8);
  QWidget* options = CheckBoxOmit5->parentWidget();
  SetCaption(CheckBoxOmit5, tr("去5音"), tr("和弦中省去五音"));
  SetCaption(CheckBoxOmit3, tr("去3音"), tr("和弦中省去三音"));
  SetCaption(options->findChild<QLabel*>("Label3"), tr("跨度"));
  ComboBox2->setToolTip(tr("手指跨度"));
  SetCaption(options->findChild<QLabel*>("Label2"), tr("总品格数"));
  ComboBox1->setToolTip(tr("显示所选品格数以内和弦"));
  SetCaption(CheckBoxNSI, tr("简单和弦"), tr("只显示常用的和弦"));
  SetCaption(CheckBoxCanhoto, tr("左手和弦"), tr("左撇子的按法"));
  SetCaption(CheckBoxPestanas, tr("去掉大横按"), tr("不显示大横按和弦"));
  // A typed text the reading could not take whole keeps its own hint.
  if (EditAcorde->styleSheet() == kSymbolStyle) EditAcorde->setToolTip(SymbolBoxHint());
  StringGridAcorde->setToolTip(tr("和弦的根音"));
  StringGridBaixo->setToolTip(tr("低音: 最低的音"));
  CheckListBox1->setToolTip(tr("勾选和弦的音级"));
  StringGrid1->setToolTip(tr("和弦类型"));
  SpeedButton5->setToolTip(tr("根音用升号命名"));
  SpeedButton6->setToolTip(tr("根音用降号命名"));
  SpeedButton10->setToolTip(tr("低音用升号命名"));
  SpeedButton9->setToolTip(tr("低音用降号命名"));
}

}  // namespace corvanta
