// The main window's panels at their places: each room builds its own
// controls; the window arranges the panels, the menus and the status bar,
// and wires the rooms' controls once the start state is shown.
#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <tuple>

#include "app/app_fonts.h"
#include "app/chord_entry_controller.h"
#include "app/diagram_list_controller.h"
#include "app/export_controller.h"
#include "app/name_list_controller.h"
#include "app/neck_controller.h"
#include "app/readable_style.h"
#include "app/sound_controller.h"
#include "app/tform1.h"
#include "app/tuning_controller.h"
#include "app/widget_builders.h"
#include "view/diagram_sheet.h"
#include "view/layout/neck_layout.h"
#include "view/neck_view.h"
#include "view/sprite_painter.h"

namespace corvanta {
namespace {

constexpr int kStartWidth = 817;
constexpr int kStartHeight = 593;
constexpr int kSplitterHandle = 8;

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
  entry_->SetReadingPanel(statusPanels_[0]);
  tuning_->BuildStatusInfo(status);
  setStatusBar(status);

  readableStyle_ = std::make_unique<ReadableIndicatorStyle>();
  entry_->UseCheckStyle(readableStyle_.get());

  // The hidden "Limpar" button: an empty picture without a scroll range.
  clearButton_ = Named(new QPushButton("Limpar", this), "Button2");
  clearButton_->setGeometry(688, 24, 65, 25);
  clearButton_->hide();
  BuildMenus();
}

QWidget* TForm1::BuildLeftColumn() {
  auto* panel1 = Named(new QFrame, "Panel1");
  panel1->setFixedWidth(153);
  auto* layout = new QVBoxLayout(panel1);
  layout->setContentsMargins(6, 6, 6, 6);
  leftSplitter_ = Named(new QSplitter(Qt::Vertical, panel1), "Splitter3");
  leftSplitter_->setHandleWidth(kSplitterHandle);
  leftSplitter_->setChildrenCollapsible(false);
  leftSplitter_->addWidget(entry_->BuildChordChoice(assets_, this));
  leftSplitter_->addWidget(names_->BuildPanel());
  leftSplitter_->setSizes({251, 300});
  leftSplitter_->setStretchFactor(1, 1);
  layout->addWidget(leftSplitter_);
  return panel1;
}

QWidget* TForm1::BuildMainArea() {
  auto* principal = Named(new QFrame, "PanelPrincipal");
  auto* layout = new QVBoxLayout(principal);
  layout->setContentsMargins(0, 0, 0, 0);
  mainSplitter_ = Named(new QSplitter(Qt::Vertical, principal), "Splitter2");
  mainSplitter_->setHandleWidth(kSplitterHandle);
  mainSplitter_->setChildrenCollapsible(false);
  mainSplitter_->addWidget(diagrams_->BuildDiagramArea());
  mainSplitter_->addWidget(BuildLowerPanel());
  mainSplitter_->setStretchFactor(0, 1);
  mainSplitter_->setStretchFactor(1, 0);
  mainSplitter_->setSizes({400, 220});
  layout->addWidget(mainSplitter_);
  return principal;
}

QWidget* TForm1::BuildLowerPanel() {
  auto* braco = Named(new QFrame, "PanelBraco");
  braco->setMinimumHeight(220);
  // Its panels are placed again whenever its width or a caption's changes.
  braco->installEventFilter(this);
  diagrams_->BuildInfoPanel(braco);
  entry_->BuildSearchOptionPanel(braco);
  tuning_->BuildTuningPanel(braco, assets_);
  entry_->BuildFingeringOptionPanel(braco);
  // The sound panel holds the sound's controls, the neck's and, in its first
  // row right of the neck buttons, the capo: inside the width the window has
  // at its start size.
  auto* panel5 = Panel(braco, "Panel5", QRect(6, 96, 643, 121), true);
  sound_->BuildControls(panel5);
  neck_->BuildControls(panel5, this);
  tuning_->BuildCapoPanel(panel5);
  return braco;
}

// The panels of the first row follow the info box from the left; the sound
// panel and its neck take the lower panel's whole width, at least the first
// row's.
void TForm1::PlaceLowerPanels() {
  constexpr int kMargin = 6, kGap = 7;
  diagrams_->FitInfoPanel(this);
  entry_->FitOptionPanels(this);
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
  neck_->View()->setFixedWidth(std::max(kNeckPictureWidth, soundWidth - 2 * kNeckX));
  tuning_->PlaceCapoControls();
  // Every control shows at the smallest size the window takes: the start
  // size, or wider where the language's captions need it.
  braco->setMinimumWidth(rowWidth + 2 * kMargin);
  const int needed = findChild<QFrame*>("Panel1")->width() + braco->minimumWidth();
  setMinimumWidth(std::max(kStartWidth, needed));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched->objectName() == "PanelBraco") PlaceLowerPanels();
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::BuildMenus() {
  auto* bar = Named(new QMenuBar(this), "MainMenu1");
  fileMenu_ = Named(bar->addMenu(QString()), "Arquivo1");
  // Filled by the sound devices when the program offers a choice of outputs.
  midiOutputMenu_ = Named(fileMenu_->addMenu(QString()), "MidiOutputMenu");
  midiOutputMenu_->menuAction()->setVisible(false);
  standardNotationItem_ = Named(fileMenu_->addAction(QString()), "StandardNotation1");
  standardNotationItem_->setCheckable(true);
  fileMenu_->setToolTipsVisible(true);
  connect(standardNotationItem_, &QAction::toggled, this, &TForm1::ChooseNotation);
  // Songs beside the chords: the song window.
  songItem_ = Named(fileMenu_->addAction(QString()), "Song1");
  songItem_->setShortcut(QKeySequence("Ctrl+Shift+O"));
  connect(songItem_, &QAction::triggered, this, &TForm1::ShowSongWindow);
  songbookItem_ = Named(fileMenu_->addAction(QString()), "Songbook1");
  connect(songbookItem_, &QAction::triggered, this, &TForm1::ShowLibraryWindow);
  export_->BuildFileItems(fileMenu_);
  fileMenu_->addSeparator();
  closeItem_ = Named(fileMenu_->addAction(QString()), "Sair1");
  connect(closeItem_, &QAction::triggered, this, &TForm1::close);
  // The desktop's own way out (Ctrl+Q); closing the main window ends the program.
  quitItem_ = Named(fileMenu_->addAction(QString()), "Quit1");
  quitItem_->setShortcut(QKeySequence::Quit);
  quitItem_->setShortcutContext(Qt::ApplicationShortcut);
  connect(quitItem_, &QAction::triggered, this, &TForm1::close);

  diagrams_->BuildViewMenu(bar);
  tuning_->BuildInstrumentMenu(bar);

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
    // A copy, not the binding: clang before 16 cannot capture a structured binding.
    connect(item, &QAction::triggered, this,
            [this, chosen = language] { SetLanguage(chosen, true); });
  }

  helpMenu_ = Named(bar->addMenu(QString()), "Ajuda1");
  howToReadItem_ = Named(helpMenu_->addAction(QString()), "HowToRead1");
  howToReadItem_->setShortcut(QKeySequence::HelpContents);
  connect(howToReadItem_, &QAction::triggered, this, &TForm1::ShowDiagramHelp);
  aboutItem_ = Named(helpMenu_->addAction(QString()), "Sobre1");
  connect(aboutItem_, &QAction::triggered, this, &TForm1::ShowAboutBox);
  setMenuBar(bar);
}

// The controls answer the user only once the start state is shown.
void TForm1::ConnectControls() {
  entry_->Connect();
  tuning_->Connect();
  diagrams_->Connect();
  export_->Connect();
  neck_->Connect();
  sound_->Connect();
  connect(clearButton_, &QPushButton::clicked, this, [this] { diagrams_->View()->Clear(); });
}

}  // namespace corvanta
