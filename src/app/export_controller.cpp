// Exporting the diagrams to PNG, SVG or PDF, and printing them: the same
// drawing code as the screen on other devices.
#include "app/export_controller.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <atomic>
#include <thread>

#include "app/chord_entry_controller.h"
#include "app/diagram_list_controller.h"
#include "app/export_functions.h"
#include "app/preferences.h"
#include "app/tuning_controller.h"
#include "chord_entry/entry_chord.h"
#include "modules/module_loader.h"
#include "session/sheet_heading.h"
#include "session/sheet_model.h"
#include "session/sounding_symbol.h"
#include "symbols/symbol_query.h"
#include "theory/text_util.h"
#include "view/chord_text.h"
#include "view/diagram_sheet.h"

namespace corvanta {

ExportController::ExportController(WindowState& state, DiagramListController& diagrams,
                                   const ChordEntryController& entry,
                                   const TuningController& tuning, QWidget* window)
    : state_(state), diagrams_(diagrams), entry_(entry), tuning_(tuning), window_(window) {}

void ExportController::BuildFileItems(QMenu* fileMenu) {
  exportMenu_ = fileMenu->addMenu(QString());
  exportMenu_->setObjectName("ExportMenu");
  exportSelectedItem_ = exportMenu_->addAction(QString());
  exportSelectedItem_->setObjectName("ExportSelected1");
  exportAllItem_ = exportMenu_->addAction(QString());
  exportAllItem_->setObjectName("ExportAll1");
  QObject::connect(exportSelectedItem_, &QAction::triggered, this, [this] { Export(true); });
  QObject::connect(exportAllItem_, &QAction::triggered, this, [this] { Export(false); });
  printItem_ = fileMenu->addAction(QString());
  printItem_->setObjectName("Print1");
  printItem_->setShortcut(QKeySequence::Print);
  QObject::connect(printItem_, &QAction::triggered, this, &ExportController::Print);
}

void ExportController::Connect() {
  QObject::connect(diagrams_.View(), &DiagramSheet::contextMenuRequested, this,
                   &ExportController::ShowDiagramMenu);
}

ChordSheet ExportController::CurrentSheet(bool selectedOnly) const {
  ChordSheet sheet;
  const ChordEntryState& entry = state_.entry.state;
  const Session& session = state_.session;
  const int capo = state_.Capo();
  const std::string symbol = ChordSymbolText(entry, session.notation);
  const QString sounding = session.capoNames == CapoNames::Shapes && capo > 0
                               ? ToQString(SoundingSymbol(symbol, capo, entry.rootGridNames))
                               : QString();
  // The heading names the chord as a musician would: its best reading.
  std::string best = BestEntryName(entry, session.notation);
  if (best.empty()) best = FromQString(entry_.SymbolBoxText().trimmed());
  sheet.heading =
      SheetHeading(best, tuning_.TuningHeadingText().toStdString(), capo, sounding.toStdString());
  sheet.leftHanded = entry.leftHanded;
  // Exports and print draw the strings as the view does.
  sheet.chartMarks = session.labels == StringLabels::Chart;
  DescribeStrings(sheet, state_.TunedInstrument(), capo);
  const DiagramSheet* view = diagrams_.View();
  const auto& fingerings = state_.result.search.voicings;
  for (int index = 0; index < static_cast<int>(fingerings.size()); ++index) {
    if (selectedOnly && index != view->Highlighted()) continue;
    const Fingering& frets = fingerings[static_cast<std::size_t>(index)].frets;
    sheet.diagrams.push_back({frets, {}, false, view->LabelsOf(frets)});
  }
  return sheet;
}

void ExportController::Export(bool selectedOnly) {
  ChordSheet sheet = CurrentSheet(selectedOnly);
  if (sheet.diagrams.empty()) {
    QMessageBox::information(window_, "Corvanta",
                             selectedOnly ? tr("请先选择一个和弦图。") : tr("没有和弦图可导出。"));
    return;
  }
  const QString suggested =
      QString::fromStdString(FileNameForSymbol(entry_.SymbolBoxText().trimmed().toStdString())) +
      ".png";
  QString path = QFileDialog::getSaveFileName(
      window_, tr("导出和弦图"),
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
    QInputDialog ask(window_);
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
    QMessageBox::warning(window_, "Corvanta", failure);
}

// A large export takes seconds: it draws and writes on a worker thread while
// the window stays responsive behind a progress dialog whose button stops it
// (nothing is written then): the sheet the work draws carries the flag the
// dialog sets.
QString ExportController::ExportInBackground(
    ChordSheet sheet, const std::function<QString(const ChordSheet&)>& work) {
  std::atomic<bool> cancel{false};
  sheet.cancel = &cancel;
  QProgressDialog progress(tr("正在导出和弦图…"), tr("取消"), 0, 0, window_);
  progress.setWindowTitle(tr("导出和弦图"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(400);
  QObject::connect(&progress, &QProgressDialog::canceled, this, [&cancel] { cancel = true; });
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

void ExportController::Print() {
  if (const ExportFunctions* exports = Exports())
    exports->print(CurrentSheet(false), CurrentSheet(true), window_);
}

// The export module, opened at the first export or print; a message and
// nothing when it is missing.
const ExportFunctions* ExportController::Exports() {
  if (exports_ == nullptr) {
    std::string error;
    exports_ = LoadModule<ExportFunctions>(kExportModuleName, error);
    if (exports_ == nullptr)
      QMessageBox::warning(window_, "Corvanta", QString::fromStdString(error));
  }
  return exports_;
}

void ExportController::ShowDiagramMenu(int index, QPoint globalPosition) {
  DiagramSheet* view = diagrams_.View();
  if (index >= 0 && index != view->Highlighted()) {
    diagrams_.SelectDiagram(index);
  }
  QMenu menu(window_);
  menu.addAction(exportSelectedItem_);
  menu.addAction(exportAllItem_);
  menu.addAction(printItem_);
  exportSelectedItem_->setEnabled(view->Highlighted() >= 0);
  menu.exec(globalPosition);
  exportSelectedItem_->setEnabled(true);
}

void ExportController::Retranslate() {
  exportMenu_->setTitle(tr("导出..."));
  exportSelectedItem_->setText(tr("所选和弦图..."));
  exportAllItem_->setText(tr("全部和弦图..."));
  printItem_->setText(tr("打印..."));
}

}  // namespace corvanta
