// Songs as a player meets them: a song of 64 chords and 40 lyric lines
// (jazz standards' chords, large candidate sets) from its text, already
// read from the file, to a painted song window; and `corvanta-cli song
// FILE --pdf` as a whole process, wall clock (what the player waits).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/song_window.h"
#include "app/tform1.h"
#include "child_run.h"

namespace corvanta {
namespace {

constexpr const char* kSongPath = "/tmp/corvanta-bench-song.cho";

// 40 lyric lines, 64 chords: a ii-V-I cycle with altered dominants.
std::string SixtyFourChordSong() {
  const std::vector<std::string> chords{"Am7b5", "D7b9",   "Gmaj7",  "C#dim7", "Dm7",   "G13",
                                        "Cmaj9", "F#m7b5", "B7#9",   "Em9",    "A7b13", "Dm9",
                                        "G7alt", "Cmaj7",  "Bbmaj7", "Eb9"};
  std::string song = "{title: Sixty-Four}\n{artist: Benchmark}\n{tempo: 120}\n{time: 4/4}\n";
  int chord = 0;
  for (int line = 0; line < 40; ++line) {
    if (line % 8 == 0) song += line % 16 == 0 ? "{start_of_verse}\n" : "{start_of_chorus}\n";
    const int here = line % 5 == 4 ? 0 : (chord < 64 ? (line % 3 == 0 ? 2 : 1) : 0);
    std::string text = "Walking down the ";
    for (int i = 0; i < here && chord < 64; ++i, ++chord)
      text += "[" + chords[static_cast<std::size_t>(chord) % chords.size()] + "]street at " +
              std::to_string(line) + " ";
    song += text + "and on\n";
    if (line % 8 == 7) song += line % 16 == 7 ? "{end_of_verse}\n\n" : "{end_of_chorus}\n\n";
  }
  while (chord < 64) song += "[" + chords[static_cast<std::size_t>(chord++) % chords.size()] + "] ";
  return song + "\n";
}

QString SongText() {
  static const QString text = QString::fromStdString(SixtyFourChordSong());
  return text;
}

TForm1& MainWindow() {
  static std::unique_ptr<TForm1> window = [] {
    auto form = std::make_unique<TForm1>(nullptr);
    form->resize(1280, 800);
    form->show();
    (void)QTest::qWaitForWindowExposed(form.get());
    QCoreApplication::processEvents();
    return form;
  }();
  return *window;
}

// A new song window each time: made, given the song, shown and painted.
void SongWindowOpenToPaint(benchmark::State& state) {
  TForm1& main = MainWindow();
  const QString text = SongText();
  int chords = 0;
  for (auto _ : state) {
    auto songs = std::make_unique<SongWindow>(&main);
    songs->SetSongText(text);
    songs->resize(1100, 720);
    songs->show();
    (void)QTest::qWaitForWindowExposed(songs.get());
    songs->grab();  // every widget painted
    chords = static_cast<int>(songs->Voiced().chords.size());
    state.PauseTiming();
    songs.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["chords"] = chords;
}
BENCHMARK(SongWindowOpenToPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

// The song window open: another song's text in, re-voiced and painted.
void SongTextToPaint(benchmark::State& state) {
  SongWindow* songs = MainWindow().Songs();
  songs->resize(1100, 720);
  songs->show();
  (void)QTest::qWaitForWindowExposed(songs);
  const QString text = SongText();
  bool flip = false;
  for (auto _ : state) {
    songs->SetSongText(flip ? text : text + " ");
    flip = !flip;
    songs->grab();
  }
}
BENCHMARK(SongTextToPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

// A song of N chords in lyric lines, four chords a line.
QString SongOfChords(int chords) {
  static const char* const kChords[] = {"G", "D/F#", "Em7", "Cadd9", "Am7", "D7sus4", "Bm", "C"};
  std::string song = "{title: Long}\n";
  for (int i = 0; i < chords; ++i) {
    song += std::string("[") + kChords[i % 8] + "]word ";
    if (i % 4 == 3) song += "and on\n";
  }
  return QString::fromStdString(song + "\n");
}

// One keystroke in the song's text on a song of N chords, as the window
// handles it (the key event and what it sets off before the pause in
// typing); the song is read and voiced later, away from the key event.
void SongKeystroke(benchmark::State& state) {
  SongWindow* songs = MainWindow().Songs();
  songs->resize(1000, 580);
  songs->show();
  (void)QTest::qWaitForWindowExposed(songs);
  songs->SetSongText(SongOfChords(static_cast<int>(state.range(0))));
  auto* editor = songs->findChild<QPlainTextEdit*>("SongText");
  editor->setFocus();
  editor->moveCursor(QTextCursor::End);
  for (auto _ : state) {
    QTest::keyClick(editor, Qt::Key_A);
    QCoreApplication::processEvents();
  }
  state.counters["chords"] = static_cast<double>(songs->Voiced().chords.size());
  songs->SetSongText(QString());
}
BENCHMARK(SongKeystroke)
    ->Arg(64)
    ->Arg(256)
    ->Arg(1024)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

// corvanta-cli song FILE --pdf OUT, start to exit, wall clock; the
// process's CPU time as a counter.
void CliSongPdfProcess(benchmark::State& state) {
  QFile file(kSongPath);
  if (!file.open(QIODevice::WriteOnly) || file.write(SongText().toUtf8()) < 0) {
    state.SkipWithError("cannot write the song file");
    return;
  }
  file.close();
  std::vector<std::string> arguments{CORVANTA_CLI_PATH, "song", kSongPath, "--pdf",
                                     "/tmp/corvanta-bench-song.pdf"};
  double cpu = 0;
  for (auto _ : state) {
    const auto run = bench::RunChild(arguments);
    if (!run) {
      state.SkipWithError("cannot start corvanta-cli");
      break;
    }
    if (!run->ExitedWith(0)) {
      state.SkipWithError("corvanta-cli song --pdf failed");
      break;
    }
    state.SetIterationTime(run->seconds);
    cpu += run->CpuSeconds();
  }
  state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(CliSongPdfProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace corvanta

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg && message.contains("propagateSizeHints")) return;
    fprintf(stderr, "%s\n", qPrintable(message));
  });
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
