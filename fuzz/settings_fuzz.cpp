// Remembered settings of any value (a settings file edited by hand, or
// written by another version) read back as the windows read them: every
// choice one the window offers, the song's text size a size it can show.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "app/preferences.h"
#include "fuzz_input.h"
#include "instrument/instrument.h"
#include "qt_font_leak.h"
#include "view/layout/picture_geometry.h"
#include "view/song_sheet_view.h"

namespace {

// The windows need an application; the settings go to a folder of their
// own, removed at the end.
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static QTemporaryDir folder;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
  static int argc = 1;
  static char name[] = "settings_fuzz";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QApplication> application = std::make_unique<QApplication>(argc, argv);
  QApplication::setApplicationName("Corvanta");
}

// Every key the windows read a value of, as a settings file may hold it.
constexpr const char* kKeys[] = {
    "view/zoom",   "view/labels",     "view/order",        "search/practical",
    "capo/names",  "instrument/name", "instrument/custom", "symbols/notation",
    "ui/language", "songs/textScale",
};

bool IsZoomStep(int percent) {
  for (int step : corvanta::kZoomSteps)
    if (step == percent) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  EnsureApplication();
  const std::vector<std::string> parts = fuzz::SplitAtNul(fuzz::AsText(data, size));
  {
    QSettings store("Corvanta", "Corvanta");
    QSettings songs;
    store.clear();
    songs.clear();
    for (std::size_t i = 0; i < std::size(kKeys) && i < parts.size(); ++i) {
      const QString value = QString::fromStdString(parts[i]);
      store.setValue(kKeys[i], value);
      songs.setValue(kKeys[i], value);
    }
  }
  if (!IsZoomStep(preferences::Zoom())) __builtin_trap();
  const int labels = preferences::StringLabelChoice();
  if (labels < 0 || labels > 3) __builtin_trap();
  preferences::Notation();
  preferences::CapoNaming();
  preferences::VoicingOrderByEase();
  preferences::Practical();
  if (preferences::InstrumentName() == "custom") {
    if (auto pitches = ParseCustomPitches(preferences::CustomPitches())) CustomInstrument(*pitches);
  } else {
    FindInstrument(preferences::InstrumentName());
  }
  // The song's text size, as the song window restores it.
  SongSheetView view;
  view.resize(400, 300);
  SongSheet sheet;
  sheet.title = "Song";
  SongSheetBlock lyrics;
  lyrics.segments = {{"G", "Words to sing", true}};
  sheet.body = {lyrics};
  view.SetSheet(sheet);
  PlayStyle style;
  style.scale = QSettings().value("songs/textScale", 0.0).toDouble();
  view.SetPlayStyle(style);
  const double scale = view.Scale();
  if (!std::isfinite(scale) || scale <= 0 || !std::isfinite(view.Style().scale)) __builtin_trap();
  return 0;
}
