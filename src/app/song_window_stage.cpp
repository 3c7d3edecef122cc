// The song window as a view to play from: the text's size, the words
// alone, two columns, the view following Play or scrolling at a speed,
// full screen, keys for transpose and play, the songs of a setlist.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <cmath>

#include "app/song_window.h"
#include "instrument/instrument.h"
#include "view/song_sheet_view.h"

namespace corvanta {
namespace {

constexpr const char* kTextScaleKey = "songs/textScale";
constexpr const char* kLyricsOnlyKey = "songs/lyricsOnly";
constexpr const char* kTwoColumnsKey = "songs/twoColumns";
constexpr const char* kScrollSpeedKey = "songs/scrollSpeed";
constexpr double kTextStep = 1.15;  // one Ctrl+plus: the text 15% larger
constexpr int kScrollTick = 40;     // milliseconds between steps of the auto-scroll
constexpr int kLeastSpeed = 2;
constexpr int kMostSpeed = 400;
constexpr int kSpeedStep = 4;
constexpr std::size_t kMostSetlistBytes = 1 << 20;

QAction* NamedAction(QMenu* menu, const char* name, const QKeySequence& key = {}) {
  QAction* action = menu->addAction(QString());
  action->setObjectName(name);
  if (!key.isEmpty()) action->setShortcut(key);
  return action;
}

// A key of the view itself: it acts while the view (or, full screen, the
// window) has the focus, and the editor keeps its own Space and Page keys.
QAction* ViewKey(QWidget* view, const char* name, const QKeySequence& key) {
  auto* action = new QAction(view);
  action->setObjectName(name);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  view->addAction(action);
  return action;
}

VoicingMode ModeNamed(const std::string& mode) {
  if (mode == "least-movement") return VoicingMode::LeastMovement;
  if (mode == "easiest") return VoicingMode::Easiest;
  return VoicingMode::AsPlayed;
}

const char* ModeName(VoicingMode mode) {
  switch (mode) {
    case VoicingMode::LeastMovement:
      return "least-movement";
    case VoicingMode::Easiest:
      return "easiest";
    case VoicingMode::AsPlayed:
      break;
  }
  return "default";
}

int InstrumentIndex(const std::string& name) {
  const auto& instruments = BuiltInInstruments();
  for (std::size_t i = 0; i < instruments.size(); ++i)
    if (instruments[i].name == name) return static_cast<int>(i);
  return -1;
}

}  // namespace

void SongWindow::BuildPlayView() {
  viewMenu_ = menuBar()->addMenu(QString());
  viewMenu_->setObjectName("SongViewMenu");
  bigger_ = NamedAction(viewMenu_, "SongTextBigger", QKeySequence::ZoomIn);
  bigger_->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  smaller_ = NamedAction(viewMenu_, "SongTextSmaller", QKeySequence::ZoomOut);
  fitPage_ = NamedAction(viewMenu_, "SongTextFitPage", QKeySequence(Qt::CTRL | Qt::Key_0));
  viewMenu_->addSeparator();
  lyricsOnly_ = NamedAction(viewMenu_, "SongLyricsOnly", QKeySequence(Qt::CTRL | Qt::Key_L));
  lyricsOnly_->setCheckable(true);
  twoColumns_ = NamedAction(viewMenu_, "SongTwoColumns");
  twoColumns_->setCheckable(true);
  viewMenu_->addSeparator();
  autoScroll_ = NamedAction(viewMenu_, "SongAutoScroll", QKeySequence(Qt::CTRL | Qt::Key_J));
  autoScroll_->setCheckable(true);
  faster_ =
      NamedAction(viewMenu_, "SongScrollFaster", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up));
  slower_ =
      NamedAction(viewMenu_, "SongScrollSlower", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down));
  viewMenu_->addSeparator();
  keyUp_ = NamedAction(viewMenu_, "SongKeyUp", QKeySequence(Qt::CTRL | Qt::Key_Up));
  keyDown_ = NamedAction(viewMenu_, "SongKeyDown", QKeySequence(Qt::CTRL | Qt::Key_Down));
  viewMenu_->addSeparator();
  fullScreen_ = NamedAction(viewMenu_, "SongFullScreen", QKeySequence(Qt::Key_F11));
  fullScreen_->setCheckable(true);
  playStop_ = ViewKey(previewArea_, "SongPlayStopKey", QKeySequence(Qt::Key_Space));
  nextSong_ = ViewKey(previewArea_, "SongNextSong", QKeySequence(Qt::Key_PageDown));
  previousSong_ = ViewKey(previewArea_, "SongPreviousSong", QKeySequence(Qt::Key_PageUp));
  // Escape stops wherever the focus is; in full screen with nothing
  // playing it leaves full screen.
  stopKey_ = new QAction(this);
  stopKey_->setObjectName("SongStopKey");
  stopKey_->setShortcut(QKeySequence(Qt::Key_Escape));
  addAction(stopKey_);
  previewArea_->setFocusPolicy(Qt::StrongFocus);

  connect(bigger_, &QAction::triggered, this, [this] { StepTextSize(1); });
  connect(smaller_, &QAction::triggered, this, [this] { StepTextSize(-1); });
  connect(fitPage_, &QAction::triggered, this, [this] { SetTextScale(0); });
  connect(lyricsOnly_, &QAction::toggled, this, &SongWindow::SetLyricsOnly);
  connect(twoColumns_, &QAction::toggled, this, &SongWindow::SetTwoColumns);
  connect(autoScroll_, &QAction::toggled, this, &SongWindow::SetAutoScroll);
  connect(faster_, &QAction::triggered, this,
          [this] { SetScrollSpeed(scrollSpeed_ + kSpeedStep); });
  connect(slower_, &QAction::triggered, this,
          [this] { SetScrollSpeed(scrollSpeed_ - kSpeedStep); });
  connect(keyUp_, &QAction::triggered, this, [this] { Transpose(1); });
  connect(keyDown_, &QAction::triggered, this, [this] { Transpose(-1); });
  connect(fullScreen_, &QAction::toggled, this, &SongWindow::SetFullScreen);
  connect(playStop_, &QAction::triggered, this, [this] {
    if (playing_ >= 0)
      Stop();
    else
      Play();
  });
  connect(stopKey_, &QAction::triggered, this, [this] {
    const bool wasPlaying = playing_ >= 0 || scrollTimer_.isActive();
    Stop();
    autoScroll_->setChecked(false);
    if (!wasPlaying && isFullScreen()) fullScreen_->setChecked(false);
  });
  connect(nextSong_, &QAction::triggered, this, [this] { StepSetlist(1); });
  connect(previousSong_, &QAction::triggered, this, [this] { StepSetlist(-1); });
  scrollTimer_.setInterval(kScrollTick);
  connect(&scrollTimer_, &QTimer::timeout, this, &SongWindow::ScrollStep);

  const QSettings settings;
  scrollSpeed_ =
      std::clamp(settings.value(kScrollSpeedKey, scrollSpeed_).toInt(), kLeastSpeed, kMostSpeed);
  PlayStyle style;
  style.scale = settings.value(kTextScaleKey, 0.0).toDouble();
  style.lyricsOnly = settings.value(kLyricsOnlyKey, false).toBool();
  style.twoColumns = settings.value(kTwoColumnsKey, true).toBool();
  preview_->SetPlayStyle(style);
  {
    const QSignalBlocker lyrics(lyricsOnly_), columns(twoColumns_);
    lyricsOnly_->setChecked(style.lyricsOnly);
    twoColumns_->setChecked(style.twoColumns);
  }
}

void SongWindow::RetranslatePlayView() {
  viewMenu_->setTitle(tr("视图"));
  bigger_->setText(tr("放大文字"));
  smaller_->setText(tr("缩小文字"));
  fitPage_->setText(tr("整页宽度"));
  lyricsOnly_->setText(tr("只显示歌词"));
  twoColumns_->setText(tr("宽屏分两栏"));
  autoScroll_->setText(tr("自动滚动"));
  faster_->setText(tr("滚动加快"));
  slower_->setText(tr("滚动减慢"));
  keyUp_->setText(tr("升半音"));
  keyDown_->setText(tr("降半音"));
  fullScreen_->setText(tr("全屏"));
}

void SongWindow::SetTextScale(double scale) {
  PlayStyle style = preview_->Style();
  style.scale = scale <= 0 ? 0 : std::clamp(scale, kLeastPlayScale, kMostPlayScale);
  preview_->SetPlayStyle(style);
  QSettings().setValue(kTextScaleKey, style.scale);
}

void SongWindow::StepTextSize(int steps) {
  // From the page's width, the steps start at the size shown.
  SetTextScale(preview_->Scale() * std::pow(kTextStep, steps));
}

void SongWindow::SetLyricsOnly(bool on) {
  PlayStyle style = preview_->Style();
  style.lyricsOnly = on;
  preview_->SetPlayStyle(style);
  QSettings().setValue(kLyricsOnlyKey, on);
  const QSignalBlocker blocker(lyricsOnly_);
  lyricsOnly_->setChecked(on);
}

void SongWindow::SetTwoColumns(bool on) {
  PlayStyle style = preview_->Style();
  style.twoColumns = on;
  preview_->SetPlayStyle(style);
  QSettings().setValue(kTwoColumnsKey, on);
  const QSignalBlocker blocker(twoColumns_);
  twoColumns_->setChecked(on);
}

void SongWindow::SetAutoScroll(bool on) {
  {
    const QSignalBlocker blocker(autoScroll_);
    autoScroll_->setChecked(on);
  }
  scrollCarry_ = 0;
  if (on && playing_ < 0)
    scrollTimer_.start();
  else
    scrollTimer_.stop();
}

void SongWindow::SetScrollSpeed(int pointsPerSecond) {
  scrollSpeed_ = std::clamp(pointsPerSecond, kLeastSpeed, kMostSpeed);
  QSettings().setValue(kScrollSpeedKey, scrollSpeed_);
}

// The view moves on at the speed, in points of the song a second; at the
// end it stops.
void SongWindow::ScrollStep() {
  QScrollBar* bar = previewArea_->verticalScrollBar();
  scrollCarry_ += scrollSpeed_ * preview_->Scale() * kScrollTick / 1000.0;
  const int step = static_cast<int>(scrollCarry_);
  scrollCarry_ -= step;
  bar->setValue(bar->value() + step);
  if (bar->value() >= bar->maximum()) SetAutoScroll(false);
}

// The chord sounding is kept in the upper part of the view: the line
// played and the lines ahead of it are in sight.
void SongWindow::FollowPlaying(int occurrence) {
  if (occurrence < 0 || previewArea_ == nullptr) return;
  scrollTimer_.stop();
  int top = preview_->ChordTop(occurrence);
  if (top < 0 && !voiced_.chords.empty())  // the words alone: as far down as the chord
    top = static_cast<int>(static_cast<double>(occurrence) / voiced_.chords.size() *
                           preview_->height());
  QScrollBar* bar = previewArea_->verticalScrollBar();
  const int view = previewArea_->viewport()->height();
  if (top < bar->value() + view / 8 || top > bar->value() + view * 2 / 3)
    bar->setValue(top - view / 4);
}

void SongWindow::SetFullScreen(bool on) {
  if (on == isFullScreen()) return;
  if (on) {
    hiddenWhenFull_.clear();
    // The song alone: the controls, the strip and the editor step aside.
    for (QWidget* widget :
         {static_cast<QWidget*>(capoLine_), stripArea_, static_cast<QWidget*>(text_),
          static_cast<QWidget*>(problems_), down_->parentWidget()})
      if (widget != nullptr && widget->isVisible()) {
        widget->hide();
        hiddenWhenFull_ << widget;
      }
    showFullScreen();
    previewArea_->setFocus();
  } else {
    for (QWidget* widget : hiddenWhenFull_) widget->show();
    hiddenWhenFull_.clear();
    showNormal();
  }
  const QSignalBlocker blocker(fullScreen_);
  fullScreen_->setChecked(on);
}

// The choices that differ from what the song gives by itself (the guitar,
// its own {capo}, the default mode), and those it was saved with before: a
// song saved unchanged is written back as it was.
SavedChoices SongWindow::CurrentChoices() const {
  const SavedChoices before = ReadSavedChoices(song_);
  SavedChoices choices;
  const std::string& instrument = session_.instrument.name;
  if (InstrumentIndex(instrument) >= 0 && (before.instrument || instrument != "guitar"))
    choices.instrument = instrument;
  if (before.capo || voiced_.capo != song_.capo) choices.capo = voiced_.capo;
  if (before.mode || options_.mode != VoicingMode::AsPlayed) choices.mode = ModeName(options_.mode);
  for (const SongPin& pin : options_.pins)
    if (!pin.name.empty()) choices.pins.push_back({pin.name, pin.frets});
  return choices;
}

void SongWindow::RestoreChoices() {
  const SavedChoices saved = ReadSavedChoices(song_);
  if (saved.instrument) {
    const int index = InstrumentIndex(*saved.instrument);
    if (index >= 0) {
      const QSignalBlocker blocker(instrument_);
      instrument_->setCurrentIndex(index);
      ChooseInstrument(index);
    }
  }
  if (saved.capo) SetCapo(*saved.capo);
  if (saved.mode) ChooseMode(ModeNamed(*saved.mode));
  if (saved.pins.empty()) return;
  for (const SavedPin& pin : saved.pins) options_.pins.push_back({pin.name, -1, pin.frets});
  Revoice();
}

bool SongWindow::OpenSetlist(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    QMessageBox::warning(this, tr("歌曲"), tr("无法打开 %1: %2").arg(path, file.errorString()));
    return false;
  }
  const Setlist setlist = ReadSetlist(file.read(kMostSetlistBytes).toStdString());
  if (setlist.entries.empty()) {
    QMessageBox::warning(this, tr("歌曲"), tr("%1 中没有歌曲").arg(path));
    return false;
  }
  setlist_ = setlist.entries;
  setlistFolder_ = QFileInfo(path).absolutePath();
  setlistAt_ = -1;
  return StepSetlist(1);
}

bool SongWindow::StepSetlist(int step) {
  const int next = setlistAt_ + step;
  if (setlist_.empty() || next < 0 || next >= static_cast<int>(setlist_.size())) return false;
  if (!MayDrop()) return false;
  const SetlistEntry& entry = setlist_[static_cast<std::size_t>(next)];
  QString song = QString::fromStdString(entry.path);
  if (QFileInfo(song).isRelative()) song = setlistFolder_ + "/" + song;
  setlistAt_ = next;
  if (!OpenFile(song)) return false;
  ApplySetlistEntry(entry);
  previewArea_->verticalScrollBar()->setValue(0);
  return true;
}

// The setlist's word for the song wins over what was saved with it.
void SongWindow::ApplySetlistEntry(const SetlistEntry& entry) {
  if (entry.instrument) {
    const int index = InstrumentIndex(*entry.instrument);
    if (index >= 0) {
      const QSignalBlocker blocker(instrument_);
      instrument_->setCurrentIndex(index);
      ChooseInstrument(index);
    }
  }
  if (entry.mode) ChooseMode(ModeNamed(*entry.mode));
  if (entry.capo) SetCapo(*entry.capo);
  if (entry.transpose) Transpose(*entry.transpose);
  if (entry.key) ChooseKey(QString::fromStdString(*entry.key));
  modified_ = false;  // played in another key, not changed
}

}  // namespace corvanta
