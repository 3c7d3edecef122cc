// The synthesizer made only when wanted: the start's settings wait for it,
// a note makes it, and without one the output is silent and says so.
#include "sound/lazy_synth.h"

#include <gtest/gtest.h>

#include <thread>

#include "sound/midi_messages.h"
#include "sound/strum.h"

namespace corvanta {
namespace {

// Records what reaches it, in order; "v" marks a volume.
class FakeSynth final : public BuiltInSynth {
 public:
  explicit FakeSynth(std::vector<std::string>* log) : log_(log) {}
  void ShortMessage(std::uint32_t message) override { log_->push_back(std::to_string(message)); }
  void SetVolume(std::uint32_t volume) override { log_->push_back("v" + std::to_string(volume)); }
  bool Loaded() const override { return true; }
  bool Ready() const override { return true; }
  void WaitUntilLoaded() override {}

 private:
  std::vector<std::string>* log_;
};

void Play(MidiOutput& output, const std::vector<MidiCall>& calls) {
  for (const MidiCall& call : calls) {
    if (call.kind == MidiCall::Kind::SetVolume) {
      output.SetVolume(call.value);
    } else {
      output.ShortMessage(call.value);
    }
  }
}

TEST(LazySynth, keepsTheStartsSettingsUntilANoteMakesTheSynthesizer) {
  std::vector<std::string> log;
  int made = 0;
  LazySynth lazy([&] {
    ++made;
    return std::make_unique<FakeSynth>(&log);
  });
  // The window's start: a patch change with running status and a volume.
  const std::vector<MidiCall> patch = PlanPatchChange(24);
  Play(lazy, patch);
  EXPECT_EQ(made, 0);
  EXPECT_FALSE(lazy.Started());
  EXPECT_FALSE(lazy.Loaded());
  // The first note makes it; the settings reach it first, in order.
  lazy.ShortMessage(NoteOnMessage(52));
  EXPECT_EQ(made, 1);
  std::vector<std::string> expected;
  for (const MidiCall& call : patch) {
    expected.push_back((call.kind == MidiCall::Kind::SetVolume ? "v" : "") +
                       std::to_string(call.value));
  }
  expected.push_back(std::to_string(NoteOnMessage(52)));
  EXPECT_EQ(log, expected);
  lazy.Start();
  EXPECT_EQ(made, 1);
  EXPECT_TRUE(lazy.Ready());
}

TEST(LazySynth, withoutASynthesizerItIsSilentAndSaysSo) {
  LazySynth none([] { return std::unique_ptr<BuiltInSynth>(); });
  for (int i = 0; i < 1000; ++i) none.SetVolume(static_cast<std::uint32_t>(i));
  none.WaitUntilLoaded();  // never waits for what is not there
  EXPECT_TRUE(none.Loaded());
  EXPECT_FALSE(none.Ready());
  none.ShortMessage(NoteOnMessage(60));
}

TEST(LazySynth, isMadeOnceWhenStartedFromSeveralThreads) {
  std::atomic<int> made{0};
  std::vector<std::string> log;
  LazySynth lazy([&] {
    ++made;
    return std::make_unique<FakeSynth>(&log);
  });
  std::vector<std::thread> threads;
  for (int i = 0; i < 8; ++i) threads.emplace_back([&] { lazy.Start(); });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(made.load(), 1);
}

}  // namespace
}  // namespace corvanta
