// A program run as a child process for a benchmark: its exit, wall time, CPU time and peak memory.
#pragma once

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace corvanta::bench {

struct ChildRun {
  int status = 0;      // as wait4 reports it
  double seconds = 0;  // wall time from start to exit
  rusage usage{};

  bool ExitedWith(int code) const { return WIFEXITED(status) && WEXITSTATUS(status) == code; }
  bool ExitedWithin(int highest) const {
    return WIFEXITED(status) && WEXITSTATUS(status) <= highest;
  }
  double PeakMegabytes() const { return static_cast<double>(usage.ru_maxrss) / 1024.0; }
  double CpuSeconds() const {
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
};

// Runs arguments[0] with the rest as its arguments and waits for it;
// nothing when it cannot be started.
inline std::optional<ChildRun> RunChild(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
    return std::nullopt;
  ChildRun run;
  wait4(child, &run.status, 0, &run.usage);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return run;
}

}  // namespace corvanta::bench
