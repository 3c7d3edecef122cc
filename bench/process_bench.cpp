// Whole processes, CPU time included their dynamic loading: corvanta-cli
// search against a minimal program linking only the search library; the
// peak memory of strum --wav and the window's memory after its first strum.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace {

double ChildCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void RunProcess(benchmark::State& state, std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    double before = ChildCpuSeconds();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("cannot start the program");
      break;
    }
    int status = 0;
    waitpid(child, &status, 0);
    state.SetIterationTime(ChildCpuSeconds() - before);
  }
  posix_spawn_file_actions_destroy(&actions);
}

void CliSearchProcess(benchmark::State& state) { RunProcess(state, {CORVANTA_CLI_PATH, "search"}); }
BENCHMARK(CliSearchProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

// corvanta-cli song --json of the 64-chord jazz progression (target 50 ms).
void CliSongJsonProcess(benchmark::State& state) {
  RunProcess(state, {CORVANTA_CLI_PATH, "song", CORVANTA_BENCH_SONGS "/jazz_64.cho", "--json"});
}
BENCHMARK(CliSongJsonProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

void MinimalSearchProcess(benchmark::State& state) { RunProcess(state, {MINIMAL_SEARCH_PATH}); }
BENCHMARK(MinimalSearchProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

// strum --wav of a six-string chord on the window's first instrument: the
// whole process's peak memory, the soundfont read with it (target: 60 MB).
void StrumWavPeakMemory(benchmark::State& state) {
  std::vector<std::string> arguments{CORVANTA_CLI_PATH, "strum", "0 2 2 1 0 0", "--wav",
                                     "/tmp/corvanta-bench-strum.wav"};
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  double peak = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("cannot start the program");
      break;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("strum --wav failed (no soundfont installed?)");
      break;
    }
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    peak = std::max(peak, static_cast<double>(usage.ru_maxrss) / 1024.0);
  }
  state.counters["peak_MB"] = peak;
}
BENCHMARK(StrumWavPeakMemory)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

#ifdef CORVANTA_WINDOW_PATH
// Wall time from launch to exit of a program that ends at its first paint.
double StartToFirstPaintSeconds(const char* path) {
  char* argv[] = {const_cast<char*>(path), nullptr};
  std::vector<std::string> settings{"QT_QPA_PLATFORM=offscreen",
                                    "CORVANTA_EXIT_AFTER_FIRST_PAINT=1",
                                    "XDG_CONFIG_HOME=/tmp/corvanta-bench-config"};
  std::vector<char*> environment;
  for (std::string& setting : settings) environment.push_back(setting.data());
  for (char** variable = environ; *variable != nullptr; ++variable)
    environment.push_back(*variable);
  environment.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  double seconds = -1;
  if (posix_spawn(&child, path, &actions, nullptr, argv, environment.data()) == 0) {
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  posix_spawn_file_actions_destroy(&actions);
  return seconds;
}

// The window and the yardstick, alternately, so that a busy machine slows
// both alike: the iteration time is the window's, the ratio the figure.
void WindowStartToFirstPaint(benchmark::State& state) {
  double window = 0, yardstick = 0;
  for (auto _ : state) {
    const double ours = StartToFirstPaintSeconds(CORVANTA_WINDOW_PATH);
    const double theirs = StartToFirstPaintSeconds(MINIMAL_WINDOW_PATH);
    if (ours < 0 || theirs < 0) {
      state.SkipWithError("a window did not start");
      break;
    }
    window += ours;
    yardstick += theirs;
    state.SetIterationTime(ours);
  }
  if (yardstick > 0) {
    state.counters["ratio"] = window / yardstick;
    state.counters["yardstick_ms"] = 1000 * yardstick / static_cast<double>(state.iterations());
  }
}
BENCHMARK(WindowStartToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Wall time of a whole process.
double ProcessSeconds(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// corvanta-cli diagram to PNG and the yardstick, alternately.
void CliDiagramToPng(benchmark::State& state) {
  double ours = 0, theirs = 0;
  for (auto _ : state) {
    const double cli = ProcessSeconds(
        {CORVANTA_CLI_PATH, "diagram", "x32010", "--png", "/tmp/corvanta-bench-diagram.png"});
    const double minimal = ProcessSeconds({MINIMAL_PNG_PATH, "/tmp/corvanta-bench-minimal.png"});
    if (cli < 0 || minimal < 0) {
      state.SkipWithError("a program failed");
      break;
    }
    ours += cli;
    theirs += minimal;
    state.SetIterationTime(cli);
  }
  if (theirs > 0) state.counters["ratio"] = ours / theirs;
}
BENCHMARK(CliDiagramToPng)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The window strummed once its soundfont has loaded: its resident memory
// then (target: 50 MB), at the first paint, and its peak; "sounding" is 0
// where no audio device plays it, and then no soundfont is read.
void WindowMemoryAfterFirstStrum(benchmark::State& state) {
  const std::string command = std::string("XDG_CONFIG_HOME=/tmp/corvanta-bench-config ") +
                              WINDOW_FIRST_STRUM_PATH + " 2>/dev/null";
  double painted = 0, strummed = 0, peak = 0, sounding = 0;
  for (auto _ : state) {
    std::FILE* child = popen(command.c_str(), "r");
    if (child == nullptr ||
        std::fscanf(child, "%lf %lf %lf %lf", &painted, &strummed, &peak, &sounding) != 4) {
      if (child != nullptr) pclose(child);
      state.SkipWithError("the window did not strum");
      break;
    }
    pclose(child);
  }
  state.counters["painted_MB"] = painted;
  state.counters["rss_MB"] = strummed;
  state.counters["peak_MB"] = peak;
  state.counters["sounding"] = sounding;
}
BENCHMARK(WindowMemoryAfterFirstStrum)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

}  // namespace

BENCHMARK_MAIN();
