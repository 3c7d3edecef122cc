// The window as corvanta starts it, its synthesizer a module, strummed once
// the soundfont has loaded (a click on the first diagram): prints its
// resident memory at the first paint and after the strum, its peak, and
// whether it sounded (1) or had no audio device (0), for process_bench.
// Not linked with FluidSynth, so that the module brings it as in corvanta.
#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/sound_devices.h"
#include "app/tform1.h"
#include "peak_memory.h"
#include "view/diagram_sheet.h"

namespace {

void Click(QWidget* widget, QPoint at) {
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string modules =
      std::filesystem::path(CORVANTA_SYNTH_OUTPUT_MODULE).parent_path().string();
  setenv("CORVANTA_MODULE_PATH", modules.c_str(), 0);
  QApplication app(argc, argv);
  corvanta::SoundDevices sound;
  corvanta::TForm1 window(sound.DefaultOutput());
  sound.AttachMenu(window);
  window.showMaximized();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
  const double painted = ResidentMegabytes();
  sound.BuiltIn()->WaitUntilLoaded();
  Click(window.findChild<corvanta::DiagramSheet*>("Image1"), QPoint(50, 60));
  window.Player().WaitUntilIdle();
  std::printf("%.1f %.1f %.1f %d\n", painted, ResidentMegabytes(), PeakResidentMegabytes(),
              sound.BuiltIn()->Ready() ? 1 : 0);
  return 0;
}
