// Texts of any bytes through both SVG writers (the chord sheet's heading and
// captions, the song sheet's title, section, chord and lyric): the file must
// open in an XML reader and hold no element the program does not draw.
#include <unistd.h>

#include <QFile>
#include <QGuiApplication>
#include <QXmlStreamReader>
#include <memory>

#include "fuzz_input.h"
#include "qt_font_leak.h"
#include "search/fingering.h"
#include "search/key_text.h"
#include "view/sheet_files.h"
#include "view/song_sheet_files.h"

namespace {

// The painter needs an application for its fonts; no display is used.
void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "svg_writer_fuzz";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> application =
      std::make_unique<QGuiApplication>(argc, argv);
}

// The file parses, and its elements are the generator's own.
bool WellFormed(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QString("script"))
      return false;
  }
  return !xml.hasError();
}

std::string Part(const std::vector<std::string>& parts, std::size_t index) {
  return index < parts.size() ? parts[index] : std::string("C");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  EnsureApplication();
  const std::vector<std::string> parts = fuzz::SplitAtNul(fuzz::AsText(data, size));
  const QString path = QString("/tmp/svg_writer_fuzz-%1.svg").arg(getpid());

  ChordSheet sheet;
  sheet.heading = Part(parts, 0);
  sheet.diagrams = {
      {*FingeringOfKeyValues(std::vector<int>{kMuted, 3, 2, 0, 1, 0}), Part(parts, 1), false}};
  if (!WriteSheetSvg(sheet, path).isEmpty() || !WellFormed(path)) __builtin_trap();

  SongSheet song;
  song.title = Part(parts, 0);
  SongSheetBlock section;
  section.kind = SongBlockKind::Section;
  section.text = Part(parts, 2);
  SongSheetBlock lyrics;
  lyrics.segments = {{Part(parts, 1), Part(parts, 3), true}};
  song.body = {section, lyrics};
  if (!WriteSongSvg(song, path, SongPaper::A4).isEmpty() || !WellFormed(path)) __builtin_trap();
  QFile::remove(path);
  return 0;
}
