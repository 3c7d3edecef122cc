// The chord entry in the main window: the symbol box, the root, type and bass
// grids, the degree check list, the search options, and the reading of a
// typed symbol in the status bar.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "app/window_state.h"
#include "symbols/symbol_query.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStyle;
class QTableWidget;
class QToolButton;
class QWidget;

namespace corvanta {

class DiagramListController;
struct DrawnAssets;

class ChordEntryController : public QObject {
  Q_DECLARE_TR_FUNCTIONS(corvanta::TForm1)

 public:
  ChordEntryController(WindowState& state, DiagramListController& diagrams);

  // The symbol box above the grids and the check list: the upper part of the
  // left column; owner holds the accidental and mode buttons' groups.
  QWidget* BuildChordChoice(const DrawnAssets& assets, QObject* owner);
  // The omissions, the span and the fret count.
  QWidget* BuildSearchOptionPanel(QWidget* parent);
  // Simple chords, left-handed and no full barres.
  QWidget* BuildFingeringOptionPanel(QWidget* parent);
  // The status bar's panel where a typed symbol's reading is said.
  void SetReadingPanel(QLabel* panel) { readingPanel_ = panel; }
  // The check boxes and the check list drawn in a style whose ticks show.
  void UseCheckStyle(QStyle* style);
  // The catalogue in the type grid.
  void FillTypeGrid();
  void Connect();
  // Each option box as wide as its caption in the language and the style.
  void FitOptionPanels(QWidget* window);

  // Every control as the entry holds it, the symbol box written in the
  // notation chosen.
  void MirrorEntry();
  // The reading of the last typed symbol in the status bar, until the chord changes.
  void ShowReading();
  // A song's chord symbol read into the entry and searched.
  void ShowSongSymbol(const std::string& symbol);
  // The text in the symbol box as it is now.
  QString SymbolBoxText() const;
  void Retranslate();

 private:
  void ChooseType(int row);
  void ChooseRoot(int row);
  void ChooseBass(int row);
  void TickDegree(QListWidgetItem* item);
  void QueryTypedSymbol();
  // Reads a symbol into the entry and searches it; a refused chord leaves
  // the entry and the diagrams as they were.
  void ReadSymbol(const QString& typed, ChordNotation notation);
  void ChooseFretCount();
  void ChooseSpan();
  void SetOmitFifth();
  void SetOmitThird();
  void SetLeftHanded();
  void SetNoFullBarres();
  void SetSimpleChords();
  void RunSearches(EntryOutcome outcome);
  void MirrorGrids();
  void MirrorCheckList();
  void MirrorOptions();
  QString ReadingText(const SymbolReading& reading) const;
  // Keeps a typed text the reading could not take whole in the box, tinted,
  // with the words not used in its hint; any other chord change clears it.
  void MarkTypedText(const QString& typed, const SymbolReading& reading);
  void ClearTypedTextMark();
  QString SymbolBoxHint() const;

  WindowState& state_;
  DiagramListController& diagrams_;
  // The last typed symbol's reading, shown in the status bar until the chord changes.
  std::optional<SymbolReading> shownReading_;
  QLabel* readingPanel_ = nullptr;
  QLineEdit* symbolBox_ = nullptr;           // EditAcorde
  QToolButton* queryButton_ = nullptr;       // SpeedButton2
  QTableWidget* rootGrid_ = nullptr;         // StringGridAcorde
  QTableWidget* bassGrid_ = nullptr;         // StringGridBaixo
  QTableWidget* typeGrid_ = nullptr;         // StringGrid1
  QListWidget* degreeList_ = nullptr;        // CheckListBox1
  QToolButton* rootSharpsButton_ = nullptr;  // SpeedButton5
  QToolButton* rootFlatsButton_ = nullptr;   // SpeedButton6
  QToolButton* degreeModeButton_ = nullptr;  // SpeedButton7
  QToolButton* typeModeButton_ = nullptr;    // SpeedButton8
  QToolButton* bassFlatsButton_ = nullptr;   // SpeedButton9
  QToolButton* bassSharpsButton_ = nullptr;  // SpeedButton10
  QCheckBox* omitFifthBox_ = nullptr;        // CheckBoxOmit5
  QCheckBox* omitThirdBox_ = nullptr;        // CheckBoxOmit3
  QCheckBox* simpleChordsBox_ = nullptr;     // CheckBoxNSI
  QCheckBox* leftHandedBox_ = nullptr;       // CheckBoxCanhoto
  QCheckBox* noFullBarresBox_ = nullptr;     // CheckBoxPestanas
  QComboBox* fretCountBox_ = nullptr;        // ComboBox1
  QComboBox* spanBox_ = nullptr;             // ComboBox2
};

}  // namespace corvanta
