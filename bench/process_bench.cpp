// Whole processes, CPU time included their dynamic loading: corvanta-cli
// search against a minimal program linking only the search library.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

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

void MinimalSearchProcess(benchmark::State& state) { RunProcess(state, {MINIMAL_SEARCH_PATH}); }
BENCHMARK(MinimalSearchProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace

BENCHMARK_MAIN();
