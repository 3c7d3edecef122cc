// Plays planned MIDI calls on a thread of its own.
#include "sound/strum_player.h"

namespace corvanta {

StrumPlayer::StrumPlayer(std::shared_ptr<MidiOutput> output, Pause pause)
    : output_(output ? std::move(output) : std::make_shared<NullMidiOutput>()),
      pause_(std::move(pause)),
      worker_([this] { Run(); }) {}

StrumPlayer::~StrumPlayer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    pending_.clear();
  }
  wake_.notify_all();
  worker_.join();
}

void StrumPlayer::Play(std::vector<MidiCall> calls) {
  if (calls.empty()) return;
  {
    std::lock_guard lock(mutex_);
    pending_.push_back(std::move(calls));
  }
  wake_.notify_all();
}

void StrumPlayer::SetOutput(std::shared_ptr<MidiOutput> output) {
  std::lock_guard lock(mutex_);
  output_ = output ? std::move(output) : std::make_shared<NullMidiOutput>();
}

void StrumPlayer::WaitUntilIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return pending_.empty() && !busy_; });
}

void StrumPlayer::WaitFor(int milliseconds) {
  if (pause_) {
    pause_(milliseconds);
    return;
  }
  std::unique_lock lock(mutex_);
  wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stopping_; });
}

void StrumPlayer::Run() {
  while (true) {
    std::vector<MidiCall> calls;
    std::shared_ptr<MidiOutput> output;
    {
      std::unique_lock lock(mutex_);
      busy_ = false;
      idle_.notify_all();
      wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
      if (stopping_) return;
      calls = std::move(pending_.front());
      pending_.pop_front();
      output = output_;
      busy_ = true;
    }
    for (const MidiCall& call : calls) {
      if (call.kind == MidiCall::Kind::ShortMessage) {
        output->ShortMessage(call.value);
      } else {
        output->SetVolume(call.value);
      }
      if (call.pauseAfterMs > 0) WaitFor(call.pauseAfterMs);
      std::lock_guard lock(mutex_);
      if (stopping_) return;
    }
  }
}

}  // namespace corvanta
