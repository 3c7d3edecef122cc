// The window's texts in the current language. The source texts are the
// window's own Chinese captions; the English translation is compiled into
// the program. Chord names, note names, chord symbols and fret texts are
// notation and are never translated. Each room writes its own controls'
// texts; the window writes its menus' and says when.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QSignalBlocker>
#include <QTranslator>

#include "app/about_box.h"
#include "app/chord_entry_controller.h"
#include "app/diagram_help.h"
#include "app/diagram_list_controller.h"
#include "app/export_controller.h"
#include "app/name_list_controller.h"
#include "app/neck_controller.h"
#include "app/sound_controller.h"
#include "app/tform1.h"
#include "app/tuning_controller.h"

namespace corvanta {
namespace {

constexpr const char* kEnglishTranslation = ":/i18n/corvanta_en.qm";

}  // namespace

void TForm1::SetLanguage(UiLanguage language, bool remember) {
  language_ = language;
  if (remember) preferences::SetLanguage(language);
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
  translator_.reset();
  if (language == UiLanguage::English) {
    translator_ = std::make_unique<QTranslator>();
    if (translator_->load(kEnglishTranslation)) {
      QCoreApplication::installTranslator(translator_.get());
    } else {
      translator_.reset();
    }
  }
  // Installing a translator also sends LanguageChange; retranslating here
  // covers the switch back to the source texts and a window not yet shown.
  RetranslateUi();
  // Until a notation is chosen it follows the language.
  if (standardNotationItem_ && !preferences::NotationChosen()) {
    state_.session.notation = preferences::NotationForLanguage(language);
    const QSignalBlocker blocker(standardNotationItem_);
    standardNotationItem_->setChecked(state_.session.notation == ChordNotation::Standard);
    entry_->MirrorEntry();
    names_->ShowBestName();
    names_->ShowNameList();
  }
}

void TForm1::ChooseNotation(bool standard) {
  state_.session.notation = standard ? ChordNotation::Standard : ChordNotation::Classic;
  preferences::SetNotation(state_.session.notation);
  ShowNamesInNotation();
}

void TForm1::ShowNamesInNotation() {
  entry_->MirrorEntry();
  entry_->ShowReading();
  names_->ShowBestName();
  names_->ShowNameList();
}

void TForm1::ShowDiagramHelp() {
  DiagramHelp help(
      state_.session.labels == StringLabels::Chart ? DiagramMarks::Chart : DiagramMarks::Below,
      this);
  help.exec();
}

void TForm1::ShowAboutBox() {
  TForm2 about(assets_, this);
  about.exec();
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  if (event->type() == QEvent::ApplicationPaletteChange) KeepInactiveTextsReadable();
  QMainWindow::changeEvent(event);
}

// Some palettes (Adwaita's dark one) give an inactive window the disabled
// text colour: every list and caption would look disabled while another
// window, the song window say, has the focus. An inactive window's texts
// keep the active colours then; a disabled control still looks disabled.
void TForm1::KeepInactiveTextsReadable() {
  // Each widget, as a style sheet or a class's own palette may give one its
  // own colours.
  QList<QWidget*> widgets = findChildren<QWidget*>();
  widgets.prepend(this);
  for (QWidget* widget : widgets) {
    const QPalette given = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      const bool looksDisabled =
          given.color(QPalette::Inactive, role) == given.color(QPalette::Disabled, role);
      palette.setColor(QPalette::Inactive, role,
                       looksDisabled ? palette.color(QPalette::Active, role)
                                     : given.color(QPalette::Inactive, role));
    }
    widget->setPalette(palette);
  }
}

void TForm1::RetranslateUi() {
  for (std::size_t i = 0; i < languageItems_.size(); ++i) {
    const QSignalBlocker blocker(languageItems_[i]);
    languageItems_[i]->setChecked(static_cast<std::size_t>(language_) == i);
  }
  fileMenu_->setTitle(tr("文件"));
  midiOutputMenu_->setTitle(tr("MIDI输出"));
  standardNotationItem_->setText(tr("标准和弦记法"));
  standardNotationItem_->setToolTip(tr("C9 = C7/9"));
  standardNotationItem_->setStatusTip(tr("C9 = C7/9"));
  songItem_->setText(tr("歌曲…"));
  songbookItem_->setText(tr("歌本…"));
  closeItem_->setText(tr("关闭"));
  quitItem_->setText(tr("退出"));
  howToReadItem_->setText(tr("如何看和弦图"));
  helpMenu_->setTitle(tr("帮助"));
  aboutItem_->setText(tr("关于"));
  export_->Retranslate();
  entry_->Retranslate();
  names_->Retranslate();
  diagrams_->Retranslate();
  tuning_->Retranslate();
  neck_->Retranslate();
  sound_->Retranslate();
  entry_->ShowReading();
  tuning_->ShowStatusInfo();
  PlaceLowerPanels();
}

}  // namespace corvanta
