// The best name and the name list, written in the notation chosen.
#include "app/name_list_controller.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/app_fonts.h"
#include "app/widget_builders.h"
#include "chord_entry/entry_chord.h"
#include "symbols/reading_text.h"
#include "symbols/symbol_query.h"
#include "view/chord_text.h"

namespace corvanta {

QWidget* NameListController::BuildPanel() {
  auto* panel3 = Named(new QFrame, "Panel3");
  auto* panel3Layout = new QVBoxLayout(panel3);
  panel3Layout->setContentsMargins(0, 0, 0, 0);
  // The name a musician would say, above the list of every name.
  bestName_ = Named(new QLabel(panel3), "LabelBestName");
  QFont bestFont = ArialFont(11);
  bestFont.setBold(true);
  bestName_->setFont(bestFont);
  panel3Layout->addWidget(bestName_);
  nameList_ = Named(new QListWidget(panel3), "ListBox1");
  nameList_->setFont(ArialFont(11));
  nameList_->setUniformItemSizes(true);
  nameList_->setStyleSheet("QListWidget::item { height: 14px; }");
  panel3Layout->addWidget(nameList_);
  return panel3;
}

QString NameListController::PlacedNamesHeading() const { return tr("指板上按法的名称:"); }

void NameListController::ShowNames(const ChordNameList& names,
                                   const std::vector<ChordReading>& readings,
                                   bool placedFingering) {
  bestReading_.reset();
  if (!readings.empty()) bestReading_ = readings.front();
  bestNamePlaced_ = placedFingering;
  listedNames_ = names;
  listedReadings_ = readings;
  ShowBestName();
  ShowNameList();
}

void NameListController::ShowNameList() {
  nameList_->clear();
  if (bestNamePlaced_) {
    // Said at the top: these names are the fingering's on the neck, not the
    // chord's in the box.
    auto* heading = new QListWidgetItem(PlacedNamesHeading(), nameList_);
    heading->setFlags(Qt::NoItemFlags);
    QFont font = heading->font();
    font.setItalic(true);
    heading->setFont(font);
  }
  const ChordNotation notation = state_.session.notation;
  if (notation == ChordNotation::Standard) {
    std::string_view root =
        bestNamePlaced_ ? std::string_view{} : EntryRootName(state_.entry.state);
    for (const ChordReading& reading : listedReadings_)
      nameList_->addItem(ToQString(WriteReading(reading, notation, root)));
    return;
  }
  for (std::string_view name : listedNames_) nameList_->addItem(ToQString(name));
}

void NameListController::ShowBestName() {
  QString text;
  if (bestReading_) {
    // The chord's own root keeps its grid spelling; a fingering's root is
    // spelled as its key is.
    std::string_view root =
        bestNamePlaced_ ? std::string_view{} : EntryRootName(state_.entry.state);
    const QString name = ToQString(WriteReading(*bestReading_, state_.session.notation, root));
    text = bestNamePlaced_ ? tr("指板上的按法: %1").arg(name) : tr("名称: %1").arg(name);
  }
  bestName_->setText(text);
  bestName_->setToolTip(text);
}

void NameListController::Retranslate() {
  // The name list's heading line, when it names a placed fingering.
  if (nameList_->count() > 0 && nameList_->item(0)->flags() == Qt::NoItemFlags)
    nameList_->item(0)->setText(PlacedNamesHeading());
  ShowBestName();
  nameList_->setToolTip(tr("同样的音的其他名称"));
}

}  // namespace corvanta
