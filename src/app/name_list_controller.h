// The chord's names in the main window: the name a musician would say above
// the list of every name the chord, or the fingering placed on the neck, goes by.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

#include "app/window_state.h"
#include "symbols/chord_names.h"
#include "symbols/chord_readings.h"

class QLabel;
class QListWidget;
class QWidget;

namespace corvanta {

class NameListController {
  Q_DECLARE_TR_FUNCTIONS(corvanta::TForm1)

 public:
  explicit NameListController(WindowState& state) : state_(state) {}

  // The best name above the name list: the lower part of the left column.
  QWidget* BuildPanel();
  // The name list, under the best name of the chord or, labelled as such,
  // of the fingering placed on the neck.
  void ShowNames(const ChordNameList& names, const std::vector<ChordReading>& readings,
                 bool placedFingering = false);
  void ShowBestName();
  // The name list: the program's names, or in the standard notation the
  // readings, ranked, in standard symbols.
  void ShowNameList();
  void Retranslate();

 private:
  QString PlacedNamesHeading() const;

  WindowState& state_;
  std::optional<ChordReading> bestReading_;  // shown above the name list
  bool bestNamePlaced_ = false;              // it names the fingering on the neck
  ChordNameList listedNames_;                // the name list in the program's notation
  std::vector<ChordReading> listedReadings_;
  QLabel* bestName_ = nullptr;       // LabelBestName
  QListWidget* nameList_ = nullptr;  // ListBox1
};

}  // namespace corvanta
