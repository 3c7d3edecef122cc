// Scores how hard a fingering is to play, and says it in a word.
#include "search/difficulty.h"

#include <algorithm>
#include <array>
#include <vector>

#include "search/fingering.h"

namespace corvanta {
namespace {

// Up to here a fingering reads as easy (the open chords), then as medium
// (the barre chords).
constexpr double kEasyUpTo = 6.0;
constexpr double kMediumUpTo = 10.0;
// Another shape is as easy as a shape less one string when it reads with the
// same word and costs at most this much more (about a finger and a stretch).
constexpr double kAsEasy = 2.0;

// Whether `shorter` is `longer` with one string left out.
bool OneStringLess(const Fingering& shorter, const Fingering& longer) {
  if (shorter.size() != longer.size()) return false;
  int differ = 0;
  for (std::size_t s = 0; s < shorter.size(); ++s) {
    if (shorter[s] == longer[s]) continue;
    if (!shorter[s].IsMuted()) return false;
    ++differ;
  }
  return differ == 1;
}

// A shape and itself with one string left out are not two of the first
// three while another shape as easy follows (kAsEasy): the first such shape
// moves up before the copy (G's 3 2 0 0 0 3, then 3 2 0 0 3 x, before
// 3 2 0 0 0 x). `order` indexes the voicings, easiest first.
void SpreadTheFirstThree(std::vector<std::size_t>& order, const std::vector<Voicing>& voicings,
                         const std::vector<double>& figures) {
  constexpr std::size_t kFirst = 3;
  auto copiesOneBefore = [&](std::size_t candidate, std::size_t at) {
    for (std::size_t before = 0; before < at; ++before) {
      const Fingering& a = voicings[order[before]].frets;
      const Fingering& b = voicings[candidate].frets;
      if (OneStringLess(b, a) || OneStringLess(a, b)) return true;
    }
    return false;
  };
  for (std::size_t at = 1; at < std::min(kFirst, order.size()); ++at) {
    if (!copiesOneBefore(order[at], at)) continue;
    const double figure = figures[order[at]];
    const DifficultyWord word = WordForDifficulty(figure);
    for (std::size_t later = at + 1; later < order.size(); ++later) {
      const double other = figures[order[later]];
      if (WordForDifficulty(other) != word || other > figure + kAsEasy) break;
      if (copiesOneBefore(order[later], at)) continue;
      std::rotate(order.begin() + static_cast<std::ptrdiff_t>(at),
                  order.begin() + static_cast<std::ptrdiff_t>(later),
                  order.begin() + static_cast<std::ptrdiff_t>(later) + 1);
      break;
    }
  }
}

}  // namespace

DifficultyReasons DifficultyReasonsOf(const HandPlacement& hand, bool fifthInBass,
                                      const DifficultyWeights& w) {
  DifficultyReasons reasons;
  if (hand.muted == hand.strings) return reasons;  // nothing sounds, nothing to play
  reasons.leftOut = w.leftOut * hand.muted + w.leftOutTop * hand.mutedTop;
  reasons.mutedInner = w.mutedInner * hand.mutedInner;
  if (hand.held == 0) return reasons;  // open strings alone
  reasons.fingers =
      w.finger * hand.fingers + w.overFingered * std::max(0, hand.fingers - kHandFingers);
  if (hand.firstFingerBarre > 0) reasons.barre += hand.fullBarre ? w.fullBarre : w.partialBarre;
  reasons.barre += w.otherBarreString * hand.otherFingerBarre;
  const int beyondReach = std::max(0, hand.span - 1);
  reasons.stretch = w.stretch * beyondReach * beyondReach;
  constexpr int kOpenReachFrom = 3;
  reasons.position = w.position * (hand.lowest - 1) +
                     (hand.open ? w.openReach * std::max(0, hand.highest - kOpenReachFrom) : 0);
  if (fifthInBass) reasons.fifthInBass = w.fifthInBass;
  return reasons;
}

DifficultyReasons DifficultyReasonsOf(const Fingering& fingering, bool fifthInBass) {
  return DifficultyReasonsOf(HandPlacementOf(fingering), fifthInBass);
}

double Difficulty(const Fingering& fingering) { return DifficultyReasonsOf(fingering).Total(); }

DifficultyReasons DifficultyReasonsOf(const Voicing& voicing) {
  return DifficultyReasonsOf(HandPlacementOf(voicing.frets), voicing.fifthInBass);
}

double Difficulty(const Voicing& voicing) { return DifficultyReasonsOf(voicing).Total(); }

DifficultyWord WordForDifficulty(double difficulty) {
  if (difficulty <= kEasyUpTo) return DifficultyWord::Easy;
  if (difficulty <= kMediumUpTo) return DifficultyWord::Medium;
  return DifficultyWord::Hard;
}

std::vector<double> OrderVoicings(std::vector<Voicing>& voicings, VoicingOrderChoice order) {
  if (order == VoicingOrderChoice::Position) return {};
  std::vector<double> figures(voicings.size());
  std::vector<std::pair<double, std::size_t>> keys(voicings.size());
  for (std::size_t i = 0; i < voicings.size(); ++i) {
    figures[i] = Difficulty(voicings[i]);
    // The promoted shape sorts before any difficulty.
    keys[i] = {voicings[i].preferred ? -1.0 : figures[i], i};
  }
  // Equal figures keep the search's order: the index breaks the tie.
  std::sort(keys.begin(), keys.end());
  std::vector<std::size_t> easiest(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) easiest[i] = keys[i].second;
  SpreadTheFirstThree(easiest, voicings, figures);
  std::vector<Voicing> ordered;
  std::vector<double> orderedFigures;
  ordered.reserve(voicings.size());
  orderedFigures.reserve(voicings.size());
  for (std::size_t i : easiest) {
    ordered.push_back(voicings[i]);
    orderedFigures.push_back(figures[i]);
  }
  voicings = std::move(ordered);
  return orderedFigures;
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
