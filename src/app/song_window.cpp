// The song window: its controls, menus and texts.
#include "app/song_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/song_editor.h"
#include "app/song_highlighter.h"
#include "app/tform1.h"
#include "instrument/capo.h"
#include "song/song_key.h"
#include "view/song_sheet_view.h"
#include "view/song_strip.h"

namespace corvanta {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// A 1024x600 screen holds it with its title bar and a panel.
constexpr int kStartWidth = 900;
constexpr int kStartHeight = 540;

}  // namespace

SongWindow::SongWindow(TForm1* main) : QMainWindow(nullptr), main_(main) {
  setObjectName("SongWindow");
  session_ = main_->CurrentSession();
  session_.capo = 0;
  session_.capoNames = CapoNames::Shapes;
  session_.practical = true;  // the shapes players use
  session_.order = VoicingOrderChoice::Ease;
  session_.notation = ChordNotation::Standard;
  options_.capo = std::nullopt;
  BuildWindow();
  BuildMenus();
  BuildPlayView();
  RetranslateUi();
  QSize start(kStartWidth, kStartHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    start = start.boundedTo(screen->availableSize() - QSize(0, 60));
  resize(start.expandedTo(minimumSizeHint()));
  playTimer_.setTimerType(Qt::PreciseTimer);
  connect(&playTimer_, &QTimer::timeout, this, &SongWindow::PlayNext);
  typingPause_.setSingleShot(true);
  typingPause_.setInterval(kTypingPauseMs);
  connect(&typingPause_, &QTimer::timeout, this, &SongWindow::VoiceInBackground);
  connect(main_, &TForm1::fingeringSelected, this, &SongWindow::FingeringChosenInMain);
  Revoice();
}

SongWindow::~SongWindow() = default;

void SongWindow::BuildWindow() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->addWidget(BuildControls());
  capoLine_ = Named(new QLabel(central), "SongCapoLine");
  column->addWidget(capoLine_);
  strip_ = Named(new SongStrip, "SongStrip");
  strip_->SetZoom(preferences::Zoom());  // the diagrams at the main window's size
  auto* stripArea = Named(new QScrollArea(central), "SongStripArea");
  stripArea->setWidget(strip_);
  stripArea->setWidgetResizable(false);
  stripArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  stripArea->setFixedHeight(strip_->sizeHint().height() + kStripAreaMargin);
  stripArea_ = stripArea;
  stripArea->setBackgroundRole(QPalette::Base);
  column->addWidget(stripArea);
  text_ = Named(new SongEditor, "SongText");
  QFont mono("DejaVu Sans Mono");
  mono.setStyleHint(QFont::Monospace);
  mono.setPointSize(11);
  text_->setFont(mono);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  highlighter_ = new SongHighlighter(text_->document());
  highlighter_->SetBackground(text_->palette().color(QPalette::Base));
  connect(static_cast<SongEditor*>(text_), &SongEditor::BackgroundChanged, highlighter_,
          &SongHighlighter::SetBackground);
  text_->viewport()->installEventFilter(this);
  // The text on the left, the song as it prints on the right.
  auto* split = Named(new QSplitter(Qt::Horizontal, central), "SongSplitter");
  split->addWidget(text_);
  preview_ = Named(new SongSheetView, "SongPreview");
  auto* previewArea = Named(new QScrollArea(split), "SongPreviewArea");
  previewArea->setWidget(preview_);
  previewArea->setWidgetResizable(true);
  previewArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  split->addWidget(previewArea);
  previewArea_ = previewArea;
  split->setSizes({kStartWidth / 2, kStartWidth / 2});
  column->addWidget(split, 1);
  problems_ = Named(new QLabel(central), "SongProblems");
  problems_->setWordWrap(true);
  column->addWidget(problems_);
  setCentralWidget(central);
  connect(text_, &QPlainTextEdit::textChanged, this, &SongWindow::TextEdited);
  connect(strip_, &SongStrip::chordClicked, this, &SongWindow::ShowChordInMain);
  connect(strip_, &SongStrip::unpinRequested, this, &SongWindow::Unpin);
}

QWidget* SongWindow::BuildControls() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  down_ = Named(new QToolButton(row), "TransposeDown");
  up_ = Named(new QToolButton(row), "TransposeUp");
  keyLabel_ = new QLabel(row);
  key_ = Named(new QComboBox(row), "SongKey");
  capoLabel_ = new QLabel(row);
  capo_ = Named(new QSpinBox(row), "SongCapo");
  capo_->setRange(0, kMaxCapo);
  capoNames_ = Named(new QComboBox(row), "SongCapoNames");
  capoNames_->addItems({QString(), QString()});
  suggest_ = Named(new QToolButton(row), "SuggestCapo");
  suggest_->setPopupMode(QToolButton::InstantPopup);
  suggestMenu_ = Named(new QMenu(suggest_), "SuggestMenu");
  suggest_->setMenu(suggestMenu_);
  instrument_ = Named(new QComboBox(row), "SongInstrument");
  for (std::size_t i = 0; i < BuiltInInstruments().size(); ++i) instrument_->addItem(QString());
  mode_ = Named(new QComboBox(row), "SongMode");
  mode_->addItems({QString(), QString(), QString()});
  notation_ = Named(new QComboBox(row), "SongNotation");
  notation_->addItems({QString(), QString(), QString()});
  simplify_ = Named(new QCheckBox(row), "SongSimplify");
  play_ = Named(new QToolButton(row), "SongPlay");
  stop_ = Named(new QToolButton(row), "SongStop");
  stop_->setEnabled(false);
  for (QWidget* widget : std::initializer_list<QWidget*>{down_, up_, keyLabel_, key_, capoLabel_,
                                                         capo_, capoNames_, suggest_, instrument_,
                                                         mode_, notation_, simplify_, play_, stop_})
    layout->addWidget(widget);
  layout->addStretch(1);

  connect(down_, &QToolButton::clicked, this, [this] { Transpose(-1); });
  connect(up_, &QToolButton::clicked, this, [this] { Transpose(1); });
  connect(key_, &QComboBox::activated, this, [this](int) { ChooseKey(key_->currentText()); });
  connect(capo_, &QSpinBox::valueChanged, this, &SongWindow::SetCapo);
  connect(capoNames_, &QComboBox::activated, this, [this](int) { MirrorVoicing(); });
  connect(suggestMenu_, &QMenu::aboutToShow, this, &SongWindow::Suggest);
  connect(instrument_, &QComboBox::activated, this, &SongWindow::ChooseInstrument);
  connect(mode_, &QComboBox::activated, this,
          [this](int index) { ChooseMode(static_cast<VoicingMode>(index)); });
  connect(notation_, &QComboBox::activated, this,
          [this](int index) { ChooseNotation(static_cast<ChordNumbers>(index)); });
  options_.notation = RememberedNotation();
  notation_->setCurrentIndex(static_cast<int>(options_.notation));
  connect(simplify_, &QCheckBox::toggled, this, [this](bool on) {
    options_.simplify = on;
    Revoice();
  });
  connect(play_, &QToolButton::clicked, this, &SongWindow::Play);
  connect(stop_, &QToolButton::clicked, this, &SongWindow::Stop);
  return row;
}

void SongWindow::BuildMenus() {
  fileMenu_ = Named(menuBar()->addMenu(QString()), "SongFileMenu");
  open_ = Named(fileMenu_->addAction(QString()), "SongOpen1");
  open_->setShortcut(QKeySequence::Open);
  paste_ = Named(fileMenu_->addAction(QString()), "SongPaste1");
  recentMenu_ = Named(fileMenu_->addMenu(QString()), "SongRecentMenu");
  fileMenu_->addSeparator();
  saveChordPro_ = Named(fileMenu_->addAction(QString()), "SongSaveChordPro1");
  saveChordPro_->setShortcut(QKeySequence::Save);
  saveDefines_ = Named(fileMenu_->addAction(QString()), "SongSaveDefines1");
  saveText_ = Named(fileMenu_->addAction(QString()), "SongSaveText1");
  fileMenu_->addSeparator();
  export_ = Named(fileMenu_->addAction(QString()), "SongExport1");
  print_ = Named(fileMenu_->addAction(QString()), "SongPrint1");
  print_->setShortcut(QKeySequence::Print);
  fileMenu_->addSeparator();
  close_ = Named(fileMenu_->addAction(QString()), "SongClose1");
  close_->setShortcut(QKeySequence::Close);
  connect(open_, &QAction::triggered, this, &SongWindow::OpenClick);
  connect(paste_, &QAction::triggered, this, &SongWindow::PasteClick);
  connect(saveChordPro_, &QAction::triggered, this, [this] { SaveClick(true, false); });
  connect(saveDefines_, &QAction::triggered, this, [this] { SaveClick(true, true); });
  connect(saveText_, &QAction::triggered, this, [this] { SaveClick(false, false); });
  connect(export_, &QAction::triggered, this, &SongWindow::ExportClick);
  connect(print_, &QAction::triggered, this, &SongWindow::PrintClick);
  connect(close_, &QAction::triggered, this, &QWidget::close);
  connect(recentMenu_, &QMenu::aboutToShow, this, &SongWindow::FillRecentMenu);
}

void SongWindow::RetranslateUi() {
  const QString title = QString::fromStdString(song_.title);
  setWindowTitle(title.isEmpty() ? tr("歌曲") : tr("歌曲") + " - " + title);
  down_->setText(tr("降半音"));
  down_->setToolTip(tr("整首歌降低一个半音"));
  up_->setText(tr("升半音"));
  up_->setToolTip(tr("整首歌升高一个半音"));
  keyLabel_->setText(tr("调:"));
  key_->setToolTip(tr("移调到这个调 (实际发音)"));
  capoLabel_->setText(tr("变调夹"));
  capo_->setSpecialValueText(tr("无"));
  capoNames_->setItemText(0, tr("显示指法形状"));
  capoNames_->setItemText(1, tr("显示实际发音"));
  suggest_->setText(tr("推荐..."));
  suggest_->setToolTip(tr("最容易弹的变调夹位置"));
  const auto& instruments = BuiltInInstruments();
  for (std::size_t i = 0; i < instruments.size(); ++i)
    instrument_->setItemText(static_cast<int>(i), main_->InstrumentTitle(instruments[i]));
  mode_->setItemText(0, tr("按乐手习惯"));
  mode_->setItemText(1, tr("最少移动"));
  mode_->setItemText(2, tr("最容易"));
  notation_->setItemText(0, tr("标准和弦名"));
  notation_->setItemText(1, tr("纳什维尔数字"));
  notation_->setItemText(2, tr("罗马数字"));
  notation_->setToolTip(tr("和弦显示为字母, 或按调显示为级数"));
  notation_->setAccessibleName(tr("和弦显示为"));
  simplify_->setText(tr("简化和弦"));
  simplify_->setToolTip(tr("用更简单的同功能和弦弹奏 (Cmaj7 弹 C, Am7 弹 Am)"));
  play_->setText(tr("播放"));
  stop_->setText(tr("停止"));
  fileMenu_->setTitle(tr("文件"));
  open_->setText(tr("打开..."));
  paste_->setText(tr("粘贴歌曲"));
  recentMenu_->setTitle(tr("最近的歌曲"));
  saveChordPro_->setText(tr("保存为 ChordPro..."));
  saveDefines_->setText(tr("保存为 ChordPro (含和弦图)..."));
  saveText_->setText(tr("保存为文本..."));
  export_->setText(tr("导出..."));
  print_->setText(tr("打印..."));
  close_->setText(tr("关闭"));
  strip_->SetUnpinText(tr("取消固定"));
  text_->setPlaceholderText(tr("打开歌曲文件 (Ctrl+O) 或在这里粘贴歌曲"));
  RetranslatePlayView();
  MirrorVoicing();
  MirrorVoicing();  // the capo line and the sheet's headings in the new language
}

void SongWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  connect(static_cast<SongEditor*>(text_), &SongEditor::BackgroundChanged, highlighter_,
          &SongHighlighter::SetBackground);
  QMainWindow::changeEvent(event);
}

void SongWindow::closeEvent(QCloseEvent* event) {
  if (!MayDrop()) {
    event->ignore();
    return;
  }
  Stop();
  event->accept();
}

bool SongWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && !text_->textCursor().hasSelection()) {
      const QTextCursor at = text_->cursorForPosition(mouse->position().toPoint());
      const int distinct = DistinctAt(at.blockNumber(), at.positionInBlock());
      if (distinct >= 0) ShowChordInMain(distinct);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// The keys of the song's mode, spelled as players name them.
void SongWindow::FillKeyBox() {
  const std::optional<SongKey> sounding = ParseSongKey(voiced_.soundingKey);
  const bool minor = sounding && sounding->minor;
  const QSignalBlocker blocker(key_);
  key_->clear();
  for (int tonic = 0; tonic < 12; ++tonic)
    key_->addItem(QString::fromStdString(KeyName(KeyAt(tonic, minor))));
  key_->setCurrentIndex(sounding ? key_->findText(QString::fromStdString(voiced_.soundingKey))
                                 : -1);
  if (sounding && key_->currentIndex() < 0) {
    key_->addItem(QString::fromStdString(voiced_.soundingKey));
    key_->setCurrentIndex(key_->count() - 1);
  }
}

}  // namespace corvanta
