#include "search/difficulty.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "search/finger_count.h"
#include "search/fingering.h"

namespace corvanta {
namespace {

// Up to here a fingering reads as easy (the open chords), then as medium
// (the barre chords).
constexpr double kEasyUpTo = 6.0;
constexpr double kMediumUpTo = 10.0;
constexpr int kTwelfthFret = 12;

// 1 at the nut, falling to stretchAtTwelfth at the twelfth fret and beyond.
double NeckFactor(int position) {
  const double along = std::clamp(position - 1, 0, kTwelfthFret - 1) / double(kTwelfthFret - 1);
  return 1.0 - along * (1.0 - kDifficultyWeights.stretchAtTwelfth);
}

}  // namespace

double Difficulty(const Fingering& fingering) {
  const DifficultyWeights& w = kDifficultyWeights;
  const int strings = static_cast<int>(fingering.size());
  // The finger count reads held frets as the search writes them, muted 99.
  std::array<int, kMaxInstrumentStrings> held{};
  int low = 100, high = 0, firstSounding = -1, lastSounding = -1;
  for (int string = 0; string < strings; ++string) {
    const StringStop stop = fingering[static_cast<std::size_t>(string)];
    held[static_cast<std::size_t>(string)] = stop.IsMuted() ? kMuted : stop.Fret();
    if (stop.IsMuted()) continue;
    if (firstSounding < 0) firstSounding = string;
    lastSounding = string;
    if (stop.IsOpen()) continue;
    low = std::min(low, stop.Fret());
    high = std::max(high, stop.Fret());
  }
  if (firstSounding < 0) return 0;  // nothing sounds
  double difficulty = 0;
  for (int string = 0; string < strings; ++string) {
    if (!fingering[static_cast<std::size_t>(string)].IsMuted()) continue;
    difficulty += w.silentString;
    if (string > lastSounding) difficulty += w.silentTopString;
    if (string > firstSounding && string < lastSounding) difficulty += w.innerMute;
  }
  if (high == 0) return difficulty;  // open strings alone
  difficulty += w.finger * CountFingers(std::span<int>(held.data(), fingering.size()), false);
  if (fingering.HasBarre()) {
    // A full barre lies across every string of the neck (the E-shape); one
    // that leaves a string out (the A-shape's five) is partial.
    std::size_t from = 0;
    while (!fingering.StartsBarre(from)) ++from;
    bool full = from == 0 && lastSounding == strings - 1;
    for (std::size_t string = from; string < fingering.size() && full; ++string) {
      const StringStop stop = fingering[string];
      full = stop.Sounds() && stop.Fret() >= fingering[from].Fret();
    }
    difficulty += full ? w.fullBarre : w.partialBarre;
  }
  const int span = high - low;
  difficulty += w.stretch * span * span * NeckFactor(low);
  difficulty += w.position * (low - 1);
  return difficulty;
}

DifficultyWord WordForDifficulty(double difficulty) {
  if (difficulty <= kEasyUpTo) return DifficultyWord::Easy;
  if (difficulty <= kMediumUpTo) return DifficultyWord::Medium;
  return DifficultyWord::Hard;
}

void OrderVoicings(std::vector<Voicing>& voicings, VoicingOrderChoice order) {
  if (order == VoicingOrderChoice::Position) return;
  std::vector<std::pair<double, std::size_t>> keys;
  keys.reserve(voicings.size());
  for (std::size_t i = 0; i < voicings.size(); ++i) {
    const Voicing& voicing = voicings[i];
    // The promoted shape sorts before any difficulty.
    keys.emplace_back(voicing.preferred ? -1.0 : Difficulty(voicing.frets), i);
  }
  // Equal figures keep the search's order: the index breaks the tie.
  std::sort(keys.begin(), keys.end());
  std::vector<Voicing> ordered;
  ordered.reserve(voicings.size());
  for (const auto& key : keys) ordered.push_back(voicings[key.second]);
  voicings = std::move(ordered);
}

const char* DifficultyText(DifficultyWord word) {
  switch (word) {
    case DifficultyWord::Easy:
      return "easy";
    case DifficultyWord::Medium:
      return "medium";
    case DifficultyWord::Hard:
      return "hard";
  }
  return "";
}

}  // namespace corvanta
