// The diagram size (zoom), exporting the diagrams to PNG, SVG or PDF, and
// printing them: the same drawing code as the screen on other devices.
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScrollArea>
#include <thread>

#include "app/export_functions.h"
#include "app/song_window.h"
#include "app/tform1.h"
#include "modules/module_loader.h"
#include "search/instrument_search.h"
#include "session/sheet_heading.h"
#include "theory/interval_names.h"
#include "theory/text_util.h"
#include "view/chord_text.h"
#include "view/diagram_sheet.h"
#include "view/layout/picture_geometry.h"

namespace corvanta {
void TForm1::BuildViewMenu(QMenuBar* bar) {
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
    connect(item, &QAction::triggered, this, [this, percent] { SetZoom(percent, true); });
  }
  ZoomIn1 = viewMenu_->addAction(QString());
  ZoomIn1->setObjectName("ZoomIn1");
  ZoomIn1->setShortcuts({QKeySequence::ZoomIn, QKeySequence("Ctrl+=")});
  connect(ZoomIn1, &QAction::triggered, this, [this] { StepZoom(1); });
  ZoomOut1 = viewMenu_->addAction(QString());
  ZoomOut1->setObjectName("ZoomOut1");
  ZoomOut1->setShortcut(QKeySequence::ZoomOut);
  connect(ZoomOut1, &QAction::triggered, this, [this] { StepZoom(-1); });
  ZoomReset1 = viewMenu_->addAction(QString());
  ZoomReset1->setObjectName("ZoomReset1");
  ZoomReset1->setShortcut(QKeySequence("Ctrl+0"));
  connect(ZoomReset1, &QAction::triggered, this, [this] { SetZoom(100, true); });
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
    connect(item, &QAction::triggered, this, [this, order] { OrderClick(order); });
  }
  BuildLabelMenu();
  Practical1 = viewMenu_->addAction(QString());
  Practical1->setObjectName("Practical1");
  Practical1->setCheckable(true);
  connect(Practical1, &QAction::toggled, this, &TForm1::PracticalClick);
}

void TForm1::PracticalClick(bool checked) {
  session_.practical = checked;
  preferences::SetPractical(checked);
  SearchCurrentChord();
}

void TForm1::BuildLabelMenu() {
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
    connect(item, &QAction::triggered, this, [this, labels] { StringLabelsClick(labels); });
  }
}

void TForm1::StringLabelsClick(StringLabels labels) {
  session_.labels = labels;
  preferences::SetStringLabels(static_cast<int>(labels));
  ApplyStringLabels();
}

// The diagrams' labels under the strings: the marks below or the chart's
// above, or each sounding string's note (spelled as the root grid spells)
// or interval in the chord.
void TForm1::ApplyStringLabels() {
  labelItems_[static_cast<std::size_t>(session_.labels)]->setChecked(true);
  const bool chart = session_.labels == StringLabels::Chart;
  Image1->SetMarks(chart ? DiagramMarks::Chart : DiagramMarks::Below);
  if (session_.labels == StringLabels::Marks || chart) {
    Image1->SetLabeller({});
    return;
  }
  Image1->SetLabeller([this](const Fingering& frets) {
    const Instrument sounding = InstrumentWithCapo(TunedInstrument(), tuning_.state.capo);
    const int root = entry_.state.rootPitchClass;
    std::vector<int> chord;
    for (int tone : result_.search.chordTones) chord.push_back(WrapPitchClass(tone - root));
    // Notes spelled by the chord, as the status bar spells them (Bb in C7).
    const auto noteNames = ChordSpelling(entry_.state);
    std::vector<std::string> labels;
    for (int pitch : StringPitches(frets, sounding)) {
      if (pitch < 0) {
        labels.emplace_back();
      } else if (session_.labels == StringLabels::Notes) {
        labels.emplace_back(noteNames[static_cast<std::size_t>(WrapPitchClass(pitch))]);
      } else {
        labels.emplace_back(IntervalName(pitch - root, chord));
      }
    }
    return labels;
  });
}

void TForm1::OrderClick(VoicingOrderChoice order) {
  if (order == session_.order) return;
  session_.order = order;
  preferences::SetVoicingOrder(order == VoicingOrderChoice::Ease);
  SearchCurrentChord();
}

void TForm1::SetZoom(int percent, bool remember) {
  percent = kZoomSteps[ZoomStepIndex(percent)];
  if (remember) preferences::SetZoom(percent);
  zoomItems_[static_cast<std::size_t>(ZoomStepIndex(percent))]->setChecked(true);
  if (songWindow_) songWindow_->SetZoom(percent);
  if (percent == Image1->Zoom()) return;
  int selected = Image1->Highlighted();
  Image1->SetZoom(percent, ScrollBoxViolao->width());
  ScrollToDiagram(selected);
}

void TForm1::StepZoom(int direction) {
  SetZoom(corvanta::StepZoom(Image1->Zoom(), direction), true);
}

ChordSheet TForm1::CurrentSheet(bool selectedOnly) const {
  ChordSheet sheet;
  const int capo = tuning_.state.capo;
  const std::string symbol = ChordSymbolText(entry_.state, session_.notation);
  const QString sounding = session_.capoNames == CapoNames::Shapes && capo > 0
                               ? ToQString(SoundingSymbol(symbol, capo, entry_.state.rootGridNames))
                               : QString();
  // The heading names the chord as a musician would: its best reading.
  std::string best = BestEntryName(entry_.state, session_.notation);
  if (best.empty()) best = FromQString(EditAcorde->text().trimmed());
  sheet.heading = SheetHeading(BytesToUtf8(best), TuningHeadingText().toStdString(), capo,
                               sounding.toStdString());
  sheet.leftHanded = entry_.state.leftHanded;
  // Exports and print draw the strings as the view does.
  sheet.chartMarks = session_.labels == StringLabels::Chart;
  DescribeStrings(sheet, TunedInstrument(), capo);
  const auto& fingerings = result_.search.voicings;
  for (int index = 0; index < static_cast<int>(fingerings.size()); ++index) {
    if (selectedOnly && index != Image1->Highlighted()) continue;
    const Fingering& frets = fingerings[static_cast<std::size_t>(index)].frets;
    sheet.diagrams.push_back({frets, {}, false, Image1->LabelsOf(frets)});
  }
  return sheet;
}

void TForm1::ExportClick(bool selectedOnly) {
  ChordSheet sheet = CurrentSheet(selectedOnly);
  if (sheet.diagrams.empty()) {
    QMessageBox::information(this, "Corvanta",
                             selectedOnly ? tr("请先选择一个和弦图。") : tr("没有和弦图可导出。"));
    return;
  }
  const QString suggested =
      QString::fromStdString(FileNameForSymbol(EditAcorde->text().trimmed().toStdString())) +
      ".png";
  QString path = QFileDialog::getSaveFileName(
      this, tr("导出和弦图"),
      QDir(QString::fromStdString(preferences::ExportFolder())).filePath(suggested),
      "PNG (*.png);;SVG (*.svg);;PDF (*.pdf)");
  if (path.isEmpty()) return;
  preferences::SetExportFolder(QFileInfo(path).absolutePath().toStdString());
  const ExportFunctions* exports = Exports();
  if (exports == nullptr) return;
  QString suffix = QFileInfo(path).suffix().toLower();
  QString failure;
  if (suffix == "svg") {
    failure = ExportInBackground(
        sheet, [path, exports](const ChordSheet& s) { return exports->svg(s, path); });
  } else if (suffix == "pdf") {
    failure = ExportInBackground(
        sheet, [path, exports](const ChordSheet& s) { return exports->pdf(s, path); });
  } else {
    QInputDialog ask(this);
    ask.setWindowTitle(tr("导出和弦图"));
    ask.setLabelText(tr("PNG 的放大倍数 (1 到 8):每个和弦图为 100 × 130 像素乘以此数"));
    ask.setIntRange(1, 8);
    ask.setIntValue(2);
    // Wide enough for its whole title and text.
    ask.setMinimumWidth(ask.fontMetrics().horizontalAdvance(ask.labelText()) + 60);
    if (ask.exec() != QDialog::Accepted) return;
    const int scale = ask.intValue();
    if (suffix != "png") path += ".png";
    failure = ExportInBackground(sheet, [path, scale, exports](const ChordSheet& s) {
      return exports->png(s, path, scale);
    });
  }
  if (!failure.isEmpty() && failure != kCancelledExport)
    QMessageBox::warning(this, "Corvanta", failure);
}

// A large export takes seconds: it draws and writes on a worker thread while
// the window stays responsive behind a progress dialog whose button stops it
// (nothing is written then): the sheet the work draws carries the flag the
// dialog sets.
QString TForm1::ExportInBackground(ChordSheet sheet,
                                   const std::function<QString(const ChordSheet&)>& work) {
  std::atomic<bool> cancel{false};
  sheet.cancel = &cancel;
  QProgressDialog progress(tr("正在导出和弦图…"), tr("取消"), 0, 0, this);
  progress.setWindowTitle(tr("导出和弦图"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);
  connect(&progress, &QProgressDialog::canceled, this, [&cancel] { cancel = true; });
  QEventLoop loop;
  QString failure;
  std::thread worker([&] {
    failure = work(sheet);
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();
  return failure;
}

void TForm1::PrintClick() {
  if (const ExportFunctions* exports = Exports())
    exports->print(CurrentSheet(false), CurrentSheet(true), this);
}

// The export module, opened at the first export or print; a message and
// nothing when it is missing.
const ExportFunctions* TForm1::Exports() {
  if (exports_ == nullptr) {
    std::string error;
    exports_ = LoadModule<ExportFunctions>(kExportModuleName, error);
    if (exports_ == nullptr) QMessageBox::warning(this, "Corvanta", QString::fromStdString(error));
  }
  return exports_;
}

void TForm1::Image1ContextMenu(int index, QPoint globalPosition) {
  if (index >= 0 && index != Image1->Highlighted()) {
    SelectDiagram(index);
  }
  QMenu menu(this);
  menu.addAction(ExportSelected1);
  menu.addAction(ExportAll1);
  menu.addAction(Print1);
  ExportSelected1->setEnabled(Image1->Highlighted() >= 0);
  menu.exec(globalPosition);
  ExportSelected1->setEnabled(true);
}

}  // namespace corvanta
