// The window's responsiveness: start-up, a control change through search and
// repaint, a scroll step, a click to the first note, and memory with the
// largest result. Runs on the offscreen platform unless told otherwise.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <chrono>
#include <cstdio>

#include "app/tform1.h"
#include "modules/module_loader.h"
#include "peak_memory.h"
#include "sound/fluidsynth/fluidsynth_output.h"
#include "sound/lazy_synth.h"
#include "sound/midi_messages.h"
#include "sound/recording_midi_output.h"
#include "view/chord_sheet.h"
#include "view/diagram_sheet.h"
#include "view/layout/neck_layout.h"
#include "view/neck_view.h"
#include "view/sheet_files.h"

namespace corvanta {
namespace {

using Clock = std::chrono::steady_clock;

void Flush() { QCoreApplication::processEvents(); }

std::unique_ptr<TForm1> ShownWindow(std::shared_ptr<MidiOutput> output = nullptr) {
  auto window = std::make_unique<TForm1>(std::move(output));
  window->resize(1280, 800);
  window->show();
  (void)QTest::qWaitForWindowExposed(window.get());
  Flush();
  return window;
}

// A control change through search and repaint, each iteration: the fifth
// left out and back.
void ToggleOmitFifth(benchmark::State& state, TForm1& window) {
  Flush();
  auto* omit = window.findChild<QCheckBox*>("CheckBoxOmit5");
  for (auto _ : state) {
    QTest::mouseClick(omit, Qt::LeftButton);
    Flush();
  }
  state.counters["fingerings"] = static_cast<double>(window.Result().search.voicings.size());
}

void StartupToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    auto window = std::make_unique<TForm1>();
    window->resize(1280, 800);
    window->show();
    window->repaint();
    state.PauseTiming();
    window.reset();
    Flush();
    state.ResumeTiming();
  }
}
BENCHMARK(StartupToFirstPaint)->Unit(benchmark::kMillisecond);

// The built-in synthesizer loads its soundfont on its own thread: what it
// adds to start-up is its constructor.
void SynthesizerStartupCost(benchmark::State& state) {
  for (auto _ : state) {
    auto start = Clock::now();
    auto synth = std::make_unique<FluidSynthOutput>();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    state.PauseTiming();
    synth.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(SynthesizerStartupCost)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A note sent before the synthesizer was made (a strum before the window
// started it): the module opened and the synthesizer made, then the time
// until it sounds (its soundfont loaded on its own thread).
void FirstNoteFromCold(benchmark::State& state) {
  double ready = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    LazySynth lazy([]() -> std::unique_ptr<BuiltInSynth> {
      void* module = dlopen(CORVANTA_SYNTH_OUTPUT_MODULE, RTLD_NOW | RTLD_LOCAL);
      if (module == nullptr) return nullptr;
      auto entry = reinterpret_cast<const void* (*)()>(dlsym(module, kModuleEntryName));
      if (entry == nullptr) return nullptr;
      return std::unique_ptr<BuiltInSynth>(
          static_cast<const SynthOutputModule*>(entry())->create());
    });
    lazy.ShortMessage(NoteOnMessage(52));
    const auto made = Clock::now();
    lazy.WaitUntilLoaded();
    state.SetIterationTime(std::chrono::duration<double>(made - start).count());
    ready += std::chrono::duration<double>(Clock::now() - start).count();
  }
  state.counters["ready_ms"] = 1000 * ready / static_cast<double>(state.iterations());
}
// Once: only the first opening of the module is cold.
BENCHMARK(FirstNoteFromCold)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void ControlChangeToRepaint(benchmark::State& state) {
  auto window = ShownWindow();
  if (state.range(0) == 24) {
    // The largest catalogue result: E 7/11 at 24 frets.
    window->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(3);
    window->findChild<QTableWidget*>("StringGridAcorde")->setCurrentCell(4, 0);
    window->findChild<QTableWidget*>("StringGrid1")->setCurrentCell(18, 0);
  }
  window->SetZoom(static_cast<int>(state.range(1)), false);
  ToggleOmitFifth(state, *window);
  state.counters["peak_MB"] = PeakResidentMegabytes();
}
BENCHMARK(ControlChangeToRepaint)
    ->ArgsProduct({{12, 24}, {100, 300}})
    ->ArgNames({"frets", "zoom"})
    ->Unit(benchmark::kMillisecond);

// Switching the instrument, through search, tuning panel and repaint: the
// ukulele and the guitar in turn (target: under 16 ms).
void SwitchInstrumentToRepaint(benchmark::State& state) {
  auto window = ShownWindow();
  const Instrument& ukulele = *FindInstrument("ukulele");
  const Instrument& guitar = *FindInstrument("guitar");
  bool onUkulele = false;
  for (auto _ : state) {
    onUkulele = !onUkulele;
    window->ChooseInstrument(onUkulele ? ukulele : guitar, false);
    window->repaint();
    Flush();
  }
}
BENCHMARK(SwitchInstrumentToRepaint)->Unit(benchmark::kMillisecond);

// The ukulele's start chord (C) searched and repainted, as a slider move
// or a control change on the ukulele does.
void UkuleleChordToRepaint(benchmark::State& state) {
  auto window = ShownWindow();
  window->ChooseInstrument(*FindInstrument("ukulele"), false);
  ToggleOmitFifth(state, *window);
}
BENCHMARK(UkuleleChordToRepaint)->Unit(benchmark::kMillisecond);

// Every diagram of the largest result (E 7/11 at 24 frets, 1026) to PDF.
void ExportLargestResultToPdf(benchmark::State& state) {
  auto window = ShownWindow();
  window->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(3);
  window->findChild<QTableWidget*>("StringGridAcorde")->setCurrentCell(4, 0);
  window->findChild<QTableWidget*>("StringGrid1")->setCurrentCell(18, 0);
  ChordSheet sheet;
  sheet.heading = "E7/11";
  for (const Voicing& voicing : window->Result().search.voicings)
    sheet.diagrams.push_back({voicing.frets, std::string(), false});
  QString path = QDir::temp().filePath("corvanta-bench.pdf");
  for (auto _ : state) benchmark::DoNotOptimize(WriteSheetPdf(sheet, path));
  state.counters["diagrams"] = static_cast<double>(sheet.diagrams.size());
  QFile::remove(path);
}
BENCHMARK(ExportLargestResultToPdf)->Unit(benchmark::kMillisecond);

void ArrowKeyInRootGrid(benchmark::State& state) {
  auto window = ShownWindow();
  auto* grid = window->findChild<QTableWidget*>("StringGridAcorde");
  grid->setFocus();
  int step = 0;
  for (auto _ : state) {
    QTest::keyClick(grid, (step++ / 11) % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
    Flush();
  }
}
BENCHMARK(ArrowKeyInRootGrid)->Unit(benchmark::kMillisecond);

void TrackBarDragStep(benchmark::State& state) {
  auto window = ShownWindow();
  auto* bar = window->findChild<QSlider*>("TrackBar1");
  int position = 0;
  for (auto _ : state) {
    bar->setValue(position++ % 12);
    Flush();
  }
}
BENCHMARK(TrackBarDragStep)->Unit(benchmark::kMicrosecond);

void ScrollStepRepaint(benchmark::State& state) {
  auto window = ShownWindow();
  window->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(3);
  auto* bar = window->findChild<QScrollArea*>("ScrollBoxViolao")->verticalScrollBar();
  int direction = 1;
  for (auto _ : state) {
    if (bar->value() >= bar->maximum() - 40 || bar->value() <= 0) direction = -direction;
    bar->setValue(bar->value() - direction * bar->singleStep());
    Flush();
  }
}
BENCHMARK(ScrollStepRepaint)->Unit(benchmark::kMillisecond);

void MouseUpToFirstNoteOn(benchmark::State& state) {
  auto midi = std::make_shared<RecordingMidiOutput>();
  auto window = ShownWindow(midi);
  auto* sheet = window->findChild<DiagramSheet*>("Image1");
  for (auto _ : state) {
    std::size_t before = midi->Records().size();
    auto start = Clock::now();
    QTest::mouseClick(sheet, Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
    while (midi->Records().size() == before) std::this_thread::yield();
    state.SetIterationTime(
        std::chrono::duration<double>(midi->Records()[before].at - start).count());
    state.PauseTiming();
    window->Player().WaitUntilIdle();
    state.ResumeTiming();
  }
}
BENCHMARK(MouseUpToFirstNoteOn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// A click on the neck: a finger placed, the names listed, the diagram found
// and the neck and sheet repainted (no sound output, as the strum is queued).
void NeckClickToRepaint(benchmark::State& state) {
  auto window = ShownWindow();
  auto* neck = window->findChild<NeckView*>("Image2");
  int fret = 1;
  for (auto _ : state) {
    QTest::mouseClick(neck, Qt::LeftButton, Qt::NoModifier,
                      QPoint(NeckFretX(fret) - 5, NeckStringY(1, 6)));
    Flush();
    fret = fret % 7 + 1;
  }
}
BENCHMARK(NeckClickToRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanta

// The offscreen platform warns about window size hints on every window.
void QuietSizeHintWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtWarningMsg && message.contains("propagateSizeHints")) return;
  fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietSizeHintWarnings);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
