// Opens the window as a user would, waits for its first paint, and saves
// the screen at start and after a click on a diagram (arguments: folder,
// cell, optionally a chord symbol to query first ("" for none), the
// language, en or zh, the capo fret, and an instrument by its CLI name);
// with CORVANTA_SONG=file also the song window with that song.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <iostream>

#include "app/song_window.h"
#include "app/sound_devices.h"
#include "app/tform1.h"
#include "view/diagram_sheet.h"

namespace {

bool Save(QWidget& window, const QString& path) {
  QApplication::processEvents();
  QPixmap shot = window.screen()->grabWindow(window.winId());
  if (shot.isNull()) shot = window.grab();
  bool saved = shot.save(path);
  std::cout << (saved ? "saved " : "could not save ") << path.toStdString() << "\n";
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  QDir().mkpath(folder);
  corvanta::SoundDevices sound;
  QElapsedTimer clock;
  clock.start();
  corvanta::TForm1 window(sound.DefaultOutput());
  if (argc > 4) {
    bool english = QString::fromLocal8Bit(argv[4]) == "en";
    window.SetLanguage(english ? corvanta::UiLanguage::English : corvanta::UiLanguage::Chinese,
                       false);
  }
  if (argc > 5) window.findChild<QSpinBox*>("SpinCapo")->setValue(std::atoi(argv[5]));
  if (argc > 6) {
    const corvanta::Instrument* instrument = corvanta::FindInstrument(argv[6]);
    if (instrument == nullptr) {
      std::cerr << "no instrument named " << argv[6] << "\n";
      return 2;
    }
    window.ChooseInstrument(*instrument, false);
  }
  // The diagram size for this shot only (CORVANTA_ZOOM=200).
  if (qEnvironmentVariableIsSet("CORVANTA_ZOOM"))
    window.SetZoom(qEnvironmentVariableIntValue("CORVANTA_ZOOM"), false);
  window.showMaximized();
  // Without a window manager (Xvfb) nothing maximizes the window: do it.
  window.setGeometry(window.screen()->availableGeometry());
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  std::cout << "first paint after " << clock.elapsed() << " ms\n";
  QTest::qWait(300);
  bool ok = Save(window, folder + "/start.png");

  if (argc > 3 && argv[3][0] != '\0') {
    // A typed chord symbol, queried with Enter, before the click.
    auto* symbol = window.findChild<QLineEdit*>("EditAcorde");
    symbol->setText(QString::fromLocal8Bit(argv[3]));
    QTest::keyClick(symbol, Qt::Key_Return);
    QTest::qWait(100);
  }
  auto* sheet = window.findChild<corvanta::DiagramSheet*>("Image1");
  int cell = argc > 2 ? std::atoi(argv[2]) : 2;
  const QRect target = sheet->CellRect(cell);
  QPoint centre(target.center().x(), target.top() + target.height() * 6 / 13);
  QTest::mouseClick(sheet, Qt::LeftButton, Qt::NoModifier, centre);
  QTest::qWait(300);
  ok = Save(window, folder + "/after-click.png") && ok;

  // CORVANTA_SONG=file: the song window with that song, saved as song.png.
  if (qEnvironmentVariableIsSet("CORVANTA_SONG")) {
    corvanta::SongWindow* songs = window.Songs();
    if (!songs->OpenFile(qEnvironmentVariable("CORVANTA_SONG"))) return 1;
    songs->setGeometry(40, 40, 1100, 720);
    songs->show();
    if (!QTest::qWaitForWindowExposed(songs)) return 1;
    QTest::qWait(300);
    ok = Save(*songs, folder + "/song.png") && ok;
  }
  return ok ? 0 : 1;
}
