// The chord, option and tuning controls: read the control, call the core,
// mirror, search as often as the core says. Handler names follow the
// controls' object names (StringGridBaixo -> StringGridBaixoSelectCell); each
// is a thin call of the core function named for what it does.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

#include "app/about_box.h"
#include "app/diagram_help.h"
#include "app/preferences.h"
#include "app/tform1.h"
#include "symbols/chord_fitting.h"
#include "symbols/symbol_query.h"
#include "view/chord_text.h"
#include "view/diagram_sheet.h"
#include "view/neck_view.h"

namespace corvanta {

void TForm1::ConnectControls() {
  auto onCell = [this](QTableWidget* grid, void (TForm1::*handler)(int, int)) {
    connect(grid, &QTableWidget::currentCellChanged, this,
            [this, handler](int row, int column, int, int) {
              if (row >= 0) (this->*handler)(column, row);
            });
  };
  onCell(StringGrid1, &TForm1::StringGrid1SelectCell);
  onCell(StringGridAcorde, &TForm1::StringGridAcordeSelectCell);
  onCell(StringGridBaixo, &TForm1::StringGridBaixoSelectCell);
  connect(CheckListBox1, &QListWidget::itemChanged, this, &TForm1::CheckListBox1ClickCheck);
  connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
  connect(EditAcorde, &QLineEdit::returnPressed, this, &TForm1::SpeedButton2Click);
  connect(EditAcorde, &QLineEdit::textEdited, this, &TForm1::ClearTypedTextMark);
  connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
  connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
  connect(SpeedButton7, &QToolButton::clicked, this, &TForm1::SpeedButton7Click);
  connect(SpeedButton8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
  connect(SpeedButton9, &QToolButton::clicked, this, &TForm1::SpeedButton9Click);
  connect(SpeedButton10, &QToolButton::clicked, this, &TForm1::SpeedButton10Click);
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox1Change);
  connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox2Change);
  connect(CheckBoxOmit5, &QCheckBox::toggled, this, &TForm1::CheckBoxOmit5Click);
  connect(CheckBoxOmit3, &QCheckBox::toggled, this, &TForm1::CheckBoxOmit3Click);
  connect(CheckBoxCanhoto, &QCheckBox::toggled, this, &TForm1::CheckBoxCanhotoClick);
  connect(CheckBoxPestanas, &QCheckBox::toggled, this, &TForm1::CheckBoxPestanasClick);
  connect(CheckBoxNSI, &QCheckBox::toggled, this, &TForm1::CheckBoxNSIClick);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(ToolButton5, &QToolButton::clicked, this, &TForm1::ToolButton5Click);
  connect(presetGroup_, &QActionGroup::triggered, this,
          [this](QAction* item) { StandardTunning1Click(item->data().toInt()); });
  for (int string = 0; string < kMaxInstrumentStrings; ++string) {
    connect(trackBars_[string], &QSlider::valueChanged, this,
            [this, string] { TrackBarChange(string); });
  }
  connect(Image1, &DiagramSheet::mouseUp, this, &TForm1::Image1MouseUp);
  connect(Image2, &NeckView::mouseUp, this, &TForm1::Image2MouseUp);
  connect(Image1, &DiagramSheet::selectionRequested, this, [this](int index) {
    SelectDiagram(index);
    ScrollToDiagram(index);
  });
  connect(Image1, &DiagramSheet::strumRequested, this, &TForm1::StrumFingering);
  connect(Image1, &DiagramSheet::contextMenuRequested, this, &TForm1::Image1ContextMenu);
  connect(SpinCapo, &QSpinBox::valueChanged, this, &TForm1::SpinCapoChange);
  connect(capoNamesItems_[0], &QAction::triggered, this,
          [this] { CapoNamesClick(CapoNames::Sounding); });
  connect(capoNamesItems_[1], &QAction::triggered, this,
          [this] { CapoNamesClick(CapoNames::Shapes); });
  connect(SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
  connect(SpeedButton12, &QToolButton::clicked, this, &TForm1::SpeedButton12Click);
  // A choice from the list (the same item again too) and typing by the user;
  // the edit text the program or a choice sets does not count twice.
  connect(ComboBoxPatch, &QComboBox::activated, this, &TForm1::ComboBoxPatchChange);
  connect(ComboBoxPatch->lineEdit(), &QLineEdit::textEdited, this, &TForm1::ComboBoxPatchChange);
}

void TForm1::StringGrid1SelectCell(int, int row) { RunSearches(entry_.ChooseType(row)); }

void TForm1::StringGridAcordeSelectCell(int, int row) { RunSearches(entry_.ChooseRoot(row)); }

void TForm1::StringGridBaixoSelectCell(int, int row) { RunSearches(entry_.ChooseBass(row)); }

void TForm1::CheckListBox1ClickCheck(QListWidgetItem* item) {
  int index = CheckListBox1->row(item);
  bool ticked = item->checkState() == Qt::Checked;
  // Only a tick the user changed reaches here; the program's own ticks are
  // set with the list's signals blocked.
  if (index < 0 || ticked == entry_.state.ticked[index]) return;
  RunSearches(entry_.ToggleDegree(index));
}

void TForm1::SpeedButton2Click() {
  const QString typed = EditAcorde->text();
  SymbolReading reading = ReadTypedChord(entry_, FromQString(typed), session_.notation);
  // A refused chord leaves the entry and the diagrams as they were.
  if (reading.tooManyNotes == 0) {
    Image1->Clear();
    RunSearches(reading);
  }
  shownReading_ = std::move(reading);
  ShowReading();
  MarkTypedText(typed, *shownReading_);
}

void TForm1::ShowReading() {
  QString text;
  if (shownReading_) text = ReadingText(*shownReading_);
  QLabel* panel = statusPanels_[0];
  panel->setText(text);
  panel->setToolTip(text);
  // The panel grows with its text (never below its start width), so a
  // report is read whole, not cut.
  const int needed = panel->fontMetrics().horizontalAdvance(text) + 2 * panel->frameWidth() + 8;
  panel->setFixedWidth(std::max(kReadingPanelWidth, needed));
}

QString TForm1::ReadingText(const SymbolReading& reading) const {
  // "C7+  C E G B", then the degrees left out and the words not used:
  // "省略: 5, 11", "未识别: aj7".
  QStringList parts;
  if (reading.noChord) parts << tr("N.C. 无和弦");
  if (reading.tooManyNotes > 0) {
    parts << tr("需要 %1 个音, 最多 %2 个 (含低音): 未查询")
                 .arg(reading.tooManyNotes)
                 .arg(kMostChordNotes);
  } else if (reading.namesRoot) {
    QStringList notes;
    for (const std::string& note : ChordNoteNames(entry_.state)) notes << ToQString(note);
    parts << ToQString(TrimBlanks(ChordSymbolText(entry_.state, session_.notation)))
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

void TForm1::MarkTypedText(const QString& typed, const SymbolReading& reading) {
  if (reading.unrecognised.empty() && reading.tooManyNotes == 0) return;
  const QSignalBlocker blocker(EditAcorde);
  EditAcorde->setText(typed);
  EditAcorde->setStyleSheet(kMarkedSymbolStyle);
  EditAcorde->setToolTip(ReadingText(reading));
}

void TForm1::ClearTypedTextMark() {
  EditAcorde->setStyleSheet(kSymbolStyle);
  EditAcorde->setToolTip(SymbolBoxHint());
}

QString TForm1::SymbolBoxHint() const { return tr("输入和弦符号 (如 C#m7/G#), 按回车查询"); }

void TForm1::LanguageClick(UiLanguage language) { SetLanguage(language, true); }

void TForm1::StandardNotation1Click(bool checked) {
  session_.notation = checked ? ChordNotation::Standard : ChordNotation::Classic;
  preferences::SetNotation(session_.notation);
  // Every name shown is written again in the notation chosen; nothing is searched.
  MirrorEntry();
  ShowReading();
  ShowBestName();
  ShowNameList();
}

void TForm1::SpeedButton5Click() {
  entry_.ShowRootAs(Accidentals::Sharps);
  MirrorEntry();
}
void TForm1::SpeedButton6Click() {
  entry_.ShowRootAs(Accidentals::Flats);
  MirrorEntry();
}
void TForm1::SpeedButton7Click() {
  entry_.ChooseMode(EntryMode::DegreeList);
  MirrorEntry();
}
void TForm1::SpeedButton8Click() {
  entry_.ChooseMode(EntryMode::TypeGrid);
  MirrorEntry();
}
void TForm1::SpeedButton9Click() {
  entry_.ShowBassAs(Accidentals::Flats);
  MirrorEntry();
}
void TForm1::SpeedButton10Click() {
  entry_.ShowBassAs(Accidentals::Sharps);
  MirrorEntry();
}

void TForm1::ComboBox1Change() {
  RunSearches(entry_.SetFretCount(ComboBox1->currentText().toInt()));
}
void TForm1::ComboBox2Change() { RunSearches(entry_.SetSpan(ComboBox2->currentText().toInt())); }
void TForm1::CheckBoxOmit5Click() { RunSearches(entry_.SetOmitFifth(CheckBoxOmit5->isChecked())); }
void TForm1::CheckBoxOmit3Click() { RunSearches(entry_.SetOmitThird(CheckBoxOmit3->isChecked())); }
void TForm1::CheckBoxCanhotoClick() {
  // Mirroring moves no fingering: the selection stays on its diagram, now
  // mirrored, as the info box and the neck still show it.
  const int selected = Image1->Highlighted();
  RunSearches(entry_.SetLeftHanded(CheckBoxCanhoto->isChecked()));
  if (selected >= 0 && selected < Image1->FingeringCount() &&
      Image1->Fingerings()[static_cast<std::size_t>(selected)] == selectedFrets_)
    Image1->SetHighlighted(selected);
}
void TForm1::CheckBoxPestanasClick() {
  RunSearches(entry_.SetNoFullBarres(CheckBoxPestanas->isChecked()));
}
void TForm1::CheckBoxNSIClick() { RunSearches(entry_.SetSimpleChords(CheckBoxNSI->isChecked())); }

// The hidden "Limpar" button: an empty picture without a scroll range.
void TForm1::Button2Click() { Image1->Clear(); }

void TForm1::RunTuningSearches(int searches) {
  MirrorTuning();
  for (int i = 0; i < searches; ++i) SearchCurrentChord();
}

void TForm1::StandardTunning1Click(int tag) { RunTuningSearches(tuning_.ApplyTuningPreset(tag)); }

void TForm1::ToolButton5Click() {
  RunTuningSearches(instrumentTuning_ ? instrumentTuning_->ResetToStandardTuning()
                                      : tuning_.ResetToStandardTuning());
}

void TForm1::SpinCapoChange() { RunTuningSearches(tuning_.SetCapo(SpinCapo->value())); }

void TForm1::CapoNamesClick(CapoNames names) {
  if (names == session_.capoNames) return;
  session_.capoNames = names;
  preferences::SetCapoNaming(names);
  ShowCapoNamesChoice();
  // Without a capo both readings are the same chord: nothing to search.
  if (tuning_.state.capo > 0) SearchCurrentChord();
  ShowStatusInfo();
}

void TForm1::TrackBarChange(int string) {
  // Another instrument's string is heard and searched in its new pitch at once.
  if (instrumentTuning_) {
    RunTuningSearches(instrumentTuning_->RetuneString(string, trackBars_[string]->value()));
    return;
  }
  tuning_.RetuneString(string, trackBars_[string]->value());
  stringLabels_[string]->setText(ToQString(tuning_.state.labels[string]));
}

void TForm1::Sair1Click() { close(); }

void TForm1::ShowCapoNamesChoice() {
  ToolButtonCapoNames->setText(
      capoNamesItems_[session_.capoNames == CapoNames::Shapes ? 1 : 0]->iconText());
}

void TForm1::HowToReadClick() {
  DiagramHelp help(
      session_.labels == StringLabels::Chart ? DiagramMarks::Chart : DiagramMarks::Below, this);
  help.exec();
}

void TForm1::Sobre1Click() {
  TForm2 about(assets_, this);
  about.exec();
}

}  // namespace corvanta
