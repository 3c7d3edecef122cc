// Plays planned MIDI calls off the window's thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "sound/midi_output.h"
#include "sound/strum.h"

namespace corvanta {

// Plays planned MIDI calls on a thread of its own, so the window keeps
// painting while a chord sounds. Plans play one after another in the order
// they were handed over, each with its exact pauses, as a strum that blocked
// the window would have.
class StrumPlayer {
 public:
  // How a pause is taken; the default waits on a clock and ends early only
  // when the player is destroyed.
  using Pause = std::function<void(int milliseconds)>;

  explicit StrumPlayer(std::shared_ptr<MidiOutput> output, Pause pause = nullptr);
  ~StrumPlayer();
  StrumPlayer(const StrumPlayer&) = delete;
  StrumPlayer& operator=(const StrumPlayer&) = delete;

  void Play(std::vector<MidiCall> calls);
  // Later plans go to this output; a plan under way finishes on its own.
  void SetOutput(std::shared_ptr<MidiOutput> output);
  // Blocks until every plan handed over so far has played (for tests and
  // for rendering).
  void WaitUntilIdle();

 private:
  void Run();
  void WaitFor(int milliseconds);

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<std::vector<MidiCall>> pending_;
  std::shared_ptr<MidiOutput> output_;
  Pause pause_;
  bool busy_ = false;
  bool stopping_ = false;
  std::thread worker_;  // last: starts after every member it reads
};

}  // namespace corvanta
