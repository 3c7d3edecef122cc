// corvanta: the window. Everything it shows comes from the core libraries.
#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "app/sound_devices.h"
#include "app/tform1.h"

namespace {

// Qt would abort with a long diagnostic; one clear line is enough.
bool HasDisplay() {
  if (std::getenv("QT_QPA_PLATFORM") != nullptr) return true;
  return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
}

int ShowFailure(const QString& message) {
  QMessageBox::critical(nullptr, "Corvanta", message);
  return EXIT_FAILURE;
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::cerr
        << "corvanta: no display to open the window on (set DISPLAY, or run it under xvfb-run)\n";
    return EXIT_FAILURE;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Corvanta");
  QApplication::setApplicationDisplayName("Corvanta");
  try {
    corvanta::SoundDevices sound;
    corvanta::TForm1 window(sound.DefaultOutput());
    sound.AttachMenu(window);
    window.showMaximized();
    return QApplication::exec();
  } catch (const std::exception& error) {
    return ShowFailure(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    return ShowFailure(QString());
  }
}
