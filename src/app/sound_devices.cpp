// The built-in synthesizer and the system's MIDI ports as the window's outputs.
#include "app/sound_devices.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QStatusBar>

#include "app/tform1.h"
#include "modules/module_loader.h"
#ifdef CORVANTA_HAVE_RTMIDI
#include "sound/rtmidi/system_midi_ports.h"
#endif

namespace corvanta {

namespace {

// The synthesizer from its module; none (a silent output) without it.
std::unique_ptr<BuiltInSynth> MakeSynthesizer() {
  std::string error;
  const SynthOutputModule* module = LoadModule<SynthOutputModule>(kSynthOutputModuleName, error);
  if (module == nullptr) return nullptr;
  return std::unique_ptr<BuiltInSynth>(module->create());
}

// Just after the first paint: the soundfont (about 200 ms on its own
// thread) then loads while the user looks, ready before a hand reaches a
// diagram.
constexpr int kStartAfterPaintMs = 50;

}  // namespace

SoundDevices::SoundDevices() : builtIn_(std::make_shared<LazySynth>(&MakeSynthesizer)) {
  startAfterPaint_.setSingleShot(true);
  connect(&startAfterPaint_, &QTimer::timeout, this, [this] { builtIn_->Start(); });
}
SoundDevices::~SoundDevices() = default;

namespace {

// How often the window looks whether the synthesizer has loaded.
constexpr int kLoadWatchMs = 100;
// Long enough to read, then the status panels show again.
constexpr int kSilentMessageMs = 10000;

}  // namespace

void SoundDevices::AttachMenu(TForm1& window) {
  window_ = &window;
  window.installEventFilter(this);
  connect(&loadWatch_, &QTimer::timeout, this, [this] {
    if (builtIn_->Loaded()) {
      loadWatch_.stop();
      CheckBuiltIn();
    }
  });
  loadWatch_.start(kLoadWatchMs);
  QMenu* outputs = window.MidiOutputMenu();
  outputs->menuAction()->setVisible(true);
  // The system's ports are asked for when the menu opens, not at start.
  connect(outputs, &QMenu::aboutToShow, this, [this, outputs, &window] {
    ListPorts();
    FillMenu(outputs, window);
  });
  FillMenu(outputs, window);
}

bool SoundDevices::CheckBuiltIn() {
  if (!builtIn_->Loaded() || window_ == nullptr || silent_) return silent_;
  silent_ = !builtIn_->Ready();
  if (silent_) {
    window_->statusBar()->showMessage(tr("没有可用的音频设备:内置合成器无声"), kSilentMessageMs);
    FillMenu(window_->MidiOutputMenu(), *window_);
  }
  return silent_;
}

bool SoundDevices::eventFilter(QObject* watched, QEvent* event) {
  // The window's first paint starts the synthesizer a moment later.
  if (event->type() == QEvent::Paint && watched == window_ && !builtIn_->Started() &&
      !startAfterPaint_.isActive())
    startAfterPaint_.start(kStartAfterPaintMs);
  if (event->type() == QEvent::LanguageChange && watched == window_)
    FillMenu(window_->MidiOutputMenu(), *window_);
  return QObject::eventFilter(watched, event);
}

void SoundDevices::FillMenu(QMenu* menu, TForm1& window) {
  menu->clear();
  auto* group = new QActionGroup(menu);
  auto add = [&](const QString& text, int port) {
    QAction* item = menu->addAction(text);
    item->setCheckable(true);
    item->setChecked(port == chosenPort_);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, port, &window] {
      chosenPort_ = port;
#ifdef CORVANTA_HAVE_RTMIDI
      if (port >= 0) {
        window.SetMidiOutput(OpenSystemMidiPort(static_cast<unsigned>(port)));
        return;
      }
#endif
      window.SetMidiOutput(builtIn_);
    });
  };
  add(silent_ ? tr("内置合成器 (无声)") : tr("内置合成器"), -1);
  for (std::size_t i = 0; i < ports_.size(); ++i)
    add(QString::fromStdString(ports_[i]), static_cast<int>(i));
}

void SoundDevices::ListPorts() {
#ifdef CORVANTA_HAVE_RTMIDI
  ports_ = ListSystemMidiPorts();
#endif
}

}  // namespace corvanta
