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

double Difficulty(std::span<const int> frets) {
  const DifficultyWeights& w = kDifficultyWeights;
  // Fingerings have at most eight strings: no allocation per figure.
  if (frets.size() > kMaxInstrumentStrings) frets = frets.first(kMaxInstrumentStrings);
  const int strings = static_cast<int>(frets.size());
  std::array<int, kMaxInstrumentStrings> held{};
  int low = 100, high = 0, firstSounding = -1, lastSounding = -1;
  int barreFret = 0, barreFrom = -1;
  for (int string = 0; string < strings; ++string) {
    const int value = frets[static_cast<std::size_t>(string)];
    const int fret = std::abs(value);
    held[static_cast<std::size_t>(string)] = value == kMuted ? kMuted : fret;
    if (value == kMuted) continue;
    if (firstSounding < 0) firstSounding = string;
    lastSounding = string;
    if (value < 0 && barreFrom < 0) barreFret = fret, barreFrom = string;
    if (fret == 0) continue;
    low = std::min(low, fret);
    high = std::max(high, fret);
  }
  const std::span<int> values(held.data(), frets.size());
  if (firstSounding < 0) return 0;  // nothing sounds
  double difficulty = 0;
  for (int string = 0; string < strings; ++string) {
    if (frets[static_cast<std::size_t>(string)] != kMuted) continue;
    difficulty += w.silentString;
    if (string > lastSounding) difficulty += w.silentTopString;
    if (string > firstSounding && string < lastSounding) difficulty += w.innerMute;
  }
  if (high == 0) return difficulty;  // open strings alone
  difficulty += w.finger * CountFingers(values, false);
  if (barreFrom >= 0) {
    // A full barre lies across every string of the neck (the E-shape); one
    // that leaves a string out (the A-shape's five) is partial.
    bool full = barreFrom == 0 && lastSounding == strings - 1;
    for (int string = barreFrom; string < strings && full; ++string) {
      const int value = frets[static_cast<std::size_t>(string)];
      full = value != kMuted && std::abs(value) >= barreFret;
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
  std::array<int, kMaxInstrumentStrings> frets{};
  for (std::size_t i = 0; i < voicings.size(); ++i) {
    const Voicing& voicing = voicings[i];
    const std::size_t count =
        std::copy(voicing.frets.begin(), voicing.frets.end(), frets.begin()) - frets.begin();
    // The promoted shape sorts before any difficulty.
    keys.emplace_back(voicing.preferred ? -1.0 : Difficulty({frets.data(), count}), i);
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
