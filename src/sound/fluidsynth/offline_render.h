// MIDI calls rendered to audio samples without a sound card.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sound/strum.h"

namespace corvanta {

inline constexpr int kRenderSampleRate = 44100;

// Stereo samples, interleaved left/right.
struct RenderedAudio {
  int sampleRate = kRenderSampleRate;
  std::vector<float> samples;
  std::size_t Frames() const { return samples.size() / 2; }
};

// Plays the calls through the synthesizer with the soundfont, faster than
// real time: each call at its exact sample, then its pause, then tailMs of
// sound after the last. nullopt when the soundfont cannot be loaded.
std::optional<RenderedAudio> RenderOffline(const std::vector<MidiCall>& calls,
                                           const std::string& soundfont, int tailMs);

// The audio as a 16-bit PCM WAV file; false when it cannot be written.
bool WriteWav(const RenderedAudio& audio, std::ostream& out);

}  // namespace corvanta
