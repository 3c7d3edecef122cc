// corvanta: the window. Everything it shows comes from the core libraries.
#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "app/first_paint_exit.h"
#include "app/sound_devices.h"
#include "app/tform1.h"
#include "corvanta_version.h"
#include "view/drawn_assets.h"

namespace {

// Qt would abort with a long diagnostic; one clear line is enough.
bool HasDisplay() {
  if (std::getenv("QT_QPA_PLATFORM") != nullptr) return true;
  return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

// While the platform plugin starts, Qt's messages are held back: when it
// cannot reach the display it ends with a fatal message and an abort, which
// becomes one line naming the display and exit status 1.
void PlatformStartMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtFatalMsg) return;
  const char* display = std::getenv("WAYLAND_DISPLAY");
  if (display == nullptr) display = std::getenv("DISPLAY");
  std::cerr << "corvanta: cannot open a window on the display '" << (display ? display : "")
            << "': it cannot be reached, or no Qt platform plugin can use it\n";
  std::_Exit(EXIT_FAILURE);
}

int ShowFailure(const QString& message) {
  QMessageBox::critical(nullptr, "Corvanta", message);
  return EXIT_FAILURE;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  corvanta::WindowArguments options = corvanta::ParseWindowArguments(arguments);
  if (!options.error.isEmpty()) {
    std::cerr << "corvanta: " << options.error.toStdString() << "\n";
    return 2;
  }
  if (options.showHelp) {
    std::cout << corvanta::WindowUsage().toStdString();
    return EXIT_SUCCESS;
  }
  if (options.showVersion) {
    std::cout << "corvanta " << CORVANTA_VERSION << "\n";
    return EXIT_SUCCESS;
  }
  if (!HasDisplay()) {
    std::cerr
        << "corvanta: no display to open the window on (set DISPLAY, or run it under xvfb-run)\n";
    return EXIT_FAILURE;
  }
  QtMessageHandler qtMessages = qInstallMessageHandler(PlatformStartMessages);
  QApplication app(argc, argv);
  qInstallMessageHandler(qtMessages);
  QApplication::setApplicationName("Corvanta");
  QApplication::setApplicationDisplayName("Corvanta");
  QApplication::setApplicationVersion(CORVANTA_VERSION);
  QApplication::setDesktopFileName("org.corvanta.Corvanta");
  QApplication::setWindowIcon(corvanta::AppIcon());
  try {
    corvanta::SoundDevices sound;
    corvanta::TForm1 window(sound.DefaultOutput());
    if (options.language) window.SetLanguage(*options.language, false);
    if (options.instrument)
      window.ChooseInstrument(*corvanta::FindInstrument(*options.instrument), false);
    sound.AttachMenu(window);
    // Start-up measurements end once the diagrams have painted.
    std::unique_ptr<corvanta::FirstPaintExit> exitAfterPaint;
    if (std::getenv("CORVANTA_EXIT_AFTER_FIRST_PAINT") != nullptr) {
      exitAfterPaint =
          std::make_unique<corvanta::FirstPaintExit>(window.findChild<QWidget*>("Image1"));
    }
    window.showMaximized();
    return QApplication::exec();
  } catch (const std::exception& error) {
    return ShowFailure(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    return ShowFailure(QString());
  }
}
