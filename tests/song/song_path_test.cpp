// The path search against a plain enumeration of every path.
#include "song/song_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "search/difficulty.h"
#include "search/key_text.h"
#include "session/session.h"
#include "symbols/symbol_query.h"

namespace corvanta {
namespace {

// Every path, its cost written out from the problem's definition: own
// costs, weighted movement and place, and for each group its steps off the group's
// best shape (tried over every candidate) times otherShape.
double BruteForceCost(const PathProblem& problem) {
  const std::size_t steps = problem.steps.size();
  std::vector<std::size_t> at(steps, 0);
  double best = 1e300;
  while (true) {
    double cost = 0;
    std::map<int, std::map<int, int>> groups;
    for (std::size_t k = 0; k < steps; ++k) {
      const int c = problem.steps[k][at[k]];
      // A step a pin holds takes no other candidate.
      if (!problem.held.empty() && problem.held[k] >= 0 && problem.held[k] != c) cost = 1e300;
      cost += problem.ownCost[static_cast<std::size_t>(c)];
      if (k > 0) {
        const int b = problem.steps[k - 1][at[k - 1]];
        const HandShape& from = problem.shapes[static_cast<std::size_t>(b)];
        const HandShape& to = problem.shapes[static_cast<std::size_t>(c)];
        cost += problem.moveWeight * MoveCost(from, to) + problem.placeWeight * PlaceCost(from, to);
      }
      if (problem.groups[k] >= 0) ++groups[problem.groups[k]][c];
    }
    for (auto& [group, counts] : groups) {
      int total = 0;
      for (auto& [c, n] : counts) total += n;
      double least = 1e300;
      // A home no step uses leaves every step off it; one the steps use, the rest.
      least = problem.otherShape * total;
      for (auto& [c, n] : counts) least = std::min(least, problem.otherShape * (total - n));
      // A home a pin gave is the group's shape whatever the steps take.
      const std::size_t g = static_cast<std::size_t>(group);
      if (g < problem.homes.size() && problem.homes[g] >= 0)
        least = problem.otherShape * (total - counts[problem.homes[g]]);
      cost += least;
    }
    best = std::min(best, cost);
    std::size_t k = 0;
    while (k < steps && ++at[k] == problem.steps[k].size()) at[k++] = 0;
    if (k == steps) break;
  }
  return best;
}

// A short random progression on an instrument: each chord's voicings (a
// few of them, to keep the enumeration small) as the problem's candidates.
// With `place`, chords a fret or two apart whose barre shapes move whole,
// their real difficulties as own costs, and the place term on.
PathProblem RandomProblem(std::mt19937& random, const Instrument& instrument, double otherShape,
                          bool place = false) {
  static const char* const kSymbols[] = {"C", "G", "Am", "F", "D7", "Em", "Bb", "E7", "Dm", "A"};
  static const char* const kMoving[] = {"F", "G", "A", "Bb", "C", "Gm", "Am", "Cm"};
  Session session;
  session.instrument = instrument;
  session.practical = true;
  PathProblem problem;
  problem.otherShape = otherShape;
  problem.placeWeight = place ? 1.0 : 0.0;
  // With the place term, longer and with fewer names: names repeat, and
  // the search must branch on their shapes.
  std::uniform_int_distribution<int> pick(0, place ? 3 + static_cast<int>(random() % 5) : 4);
  const int length = (place ? 5 : 3) + static_cast<int>(random() % 3);
  std::map<int, std::vector<int>> pools;
  for (int step = 0; step < length; ++step) {
    const int symbol = pick(random);
    if (!pools.count(symbol)) {
      const VoicedChord voiced = VoiceChord(
          session,
          ChordOfSymbol(place ? kMoving[symbol] : kSymbols[symbol], ChordNotation::Standard).chord);
      const std::vector<Voicing>& all = voiced.search.voicings;
      std::vector<int>& pool = pools[symbol];
      for (std::size_t i = 0; i < all.size() && pool.size() < 5; ++i) {
        // With the place term: the two easiest and three closed shapes.
        const std::size_t at = place && i >= 2 ? random() % all.size() : (i * 7) % all.size();
        const Voicing& v = all[at];
        if (place && i >= 2 && !ShapeOfVoicing(v).Closed()) continue;
        pool.push_back(static_cast<int>(problem.shapes.size()));
        problem.shapes.push_back(ShapeOfVoicing(v));
        problem.ownCost.push_back(place ? Difficulty(v)
                                        : static_cast<double>(random() % 90) / 10.0);
      }
    }
    if (pools[symbol].empty()) continue;
    problem.steps.push_back(pools[symbol]);
    problem.groups.push_back(symbol);
  }
  return problem;
}

// The changes of a problem PlaceCost credits.
int CreditedChanges(const PathProblem& problem) {
  int credited = 0;
  for (std::size_t k = 1; k < problem.steps.size(); ++k)
    for (int a : problem.steps[k - 1])
      for (int b : problem.steps[k])
        credited += PlaceCost(problem.shapes[static_cast<std::size_t>(a)],
                              problem.shapes[static_cast<std::size_t>(b)]) < 0;
  return credited;
}

TEST(SongPath, LeastMovementEqualsEveryPathTriedOnSeveralInstruments) {
  std::mt19937 random(34);
  for (const char* name : {"guitar", "ukulele", "mandolin", "banjo", "guitar7"}) {
    const Instrument& instrument = *FindInstrument(name);
    for (int trial = 0; trial < 40; ++trial) {
      PathProblem problem = RandomProblem(random, instrument, 0.0);
      if (problem.steps.empty()) continue;
      std::fill(problem.ownCost.begin(), problem.ownCost.end(), 0.0);
      const PathChoice choice = ChoosePath(problem);
      EXPECT_TRUE(choice.exact);
      EXPECT_NEAR(choice.cost, BruteForceCost(problem), 1e-9) << name << " trial " << trial;
      EXPECT_NEAR(PathCost(problem, choice.chosen), choice.cost, 1e-9);
    }
  }
}

// Where the hand is (shapes moved whole credited, the way back to the nut
// paid) with and without one shape per name: exact against every path, and
// the credited changes are really there to be found.
TEST(SongPath, WhereTheHandIsIsExactAgainstEveryPath) {
  std::mt19937 random(37);
  int credited = 0;
  for (double otherShape : {0.0, 2.0, 4.0}) {
    for (int trial = 0; trial < 40; ++trial) {
      const PathProblem problem =
          RandomProblem(random, *FindInstrument("guitar"), otherShape, true);
      if (problem.steps.empty()) continue;
      credited += CreditedChanges(problem);
      const PathChoice choice = ChoosePath(problem);
      ASSERT_TRUE(choice.exact);
      EXPECT_NEAR(choice.cost, BruteForceCost(problem), 1e-9)
          << "weight " << otherShape << " trial " << trial;
      EXPECT_NEAR(PathCost(problem, choice.chosen), choice.cost, 1e-9);
    }
  }
  EXPECT_GT(credited, 20);
}

TEST(SongPath, OneShapePerNameIsExactAgainstEveryPath) {
  std::mt19937 random(35);
  for (const char* name : {"guitar", "ukulele", "tenor-banjo"}) {
    const Instrument& instrument = *FindInstrument(name);
    for (double otherShape : {0.5, 2.0, 4.0}) {
      for (int trial = 0; trial < 25; ++trial) {
        const PathProblem problem = RandomProblem(random, instrument, otherShape);
        if (problem.steps.empty()) continue;
        const PathChoice choice = ChoosePath(problem);
        ASSERT_TRUE(choice.exact);
        EXPECT_NEAR(choice.cost, BruteForceCost(problem), 1e-9)
            << name << " weight " << otherShape << " trial " << trial;
        EXPECT_NEAR(PathCost(problem, choice.chosen), choice.cost, 1e-9);
      }
    }
  }
}

// Pins: a step held to one candidate, a group given its shape by a pinned
// occurrence; the branching never decides or rules out around them wrongly.
TEST(SongPath, PinnedStepsAndShapesAreExactAgainstEveryPath) {
  std::mt19937 random(41);
  int pinned = 0;
  for (double otherShape : {2.0, 4.0}) {
    for (int trial = 0; trial < 40; ++trial) {
      PathProblem problem = RandomProblem(random, *FindInstrument("guitar"), otherShape, true);
      if (problem.steps.size() < 2) continue;
      const std::size_t step = random() % problem.steps.size();
      const std::vector<int>& own = problem.steps[step];
      problem.held.assign(problem.steps.size(), -1);
      problem.held[step] = own[random() % own.size()];
      const std::size_t other = (step + 1) % problem.steps.size();
      const int group = problem.groups[other];
      if (group >= 0 && group != problem.groups[step]) {
        problem.homes.assign(static_cast<std::size_t>(group) + 1, -1);
        problem.homes[static_cast<std::size_t>(group)] =
            problem.steps[other][random() % problem.steps[other].size()];
        ++pinned;
      }
      const PathChoice choice = ChoosePath(problem);
      ASSERT_TRUE(choice.exact);
      EXPECT_NEAR(choice.cost, BruteForceCost(problem), 1e-9)
          << "weight " << otherShape << " trial " << trial;
      EXPECT_EQ(choice.chosen[step], problem.held[step]);
    }
  }
  EXPECT_GT(pinned, 20);
}

// Each candidate's cost with the rest of a path held, against the whole
// path costed anew, on random paths (not only the optimum: ties and groups
// whose most used shape changes hand).
TEST(SongPath, EachCandidatesCostEqualsThePathCostedAnew) {
  std::mt19937 random(36);
  for (double otherShape : {0.0, 1.5, 4.0}) {
    for (int trial = 0; trial < 60; ++trial) {
      const PathProblem problem =
          RandomProblem(random, *FindInstrument("guitar"), otherShape, trial % 2 == 1);
      if (problem.steps.empty()) continue;
      std::vector<int> path;
      for (const std::vector<int>& candidates : problem.steps)
        path.push_back(candidates[random() % candidates.size()]);
      const std::vector<std::vector<double>> each = CostsOfEachCandidate(problem, path);
      for (std::size_t step = 0; step < path.size(); ++step) {
        std::vector<int> changed = path;
        for (std::size_t i = 0; i < problem.steps[step].size(); ++i) {
          changed[step] = problem.steps[step][i];
          EXPECT_NEAR(each[step][i], PathCost(problem, changed), 1e-9)
              << "weight " << otherShape << " trial " << trial << " step " << step;
        }
      }
    }
  }
}

// A voicing as the hand holds it, read string by string from its frets.
struct PlainHand {
  std::vector<int> own;
  int barreFret = 0, barreFrom = 0, position = 0;
  bool open = false;
  std::vector<bool> sounds;
  bool Closed() const { return !open && position > 0; }
};

PlainHand PlainHandOf(const Voicing& v) {
  PlainHand h;
  for (std::size_t s = 0; s < v.frets.size(); ++s) {
    const int value = KeyValue(v.frets, s);  // 99 muted, -f a barre's first string
    h.sounds.push_back(value != kMutedString);
    if (value == 0) h.open = true;
    if (value < 0 && h.barreFret == 0) h.barreFret = -value, h.barreFrom = static_cast<int>(s);
    const int fret = value == kMutedString ? 0 : std::abs(value);
    if (fret > 0 && (h.position == 0 || fret < h.position)) h.position = fret;
  }
  for (std::size_t s = 0; s < v.frets.size(); ++s) {
    const int value = KeyValue(v.frets, s);
    const int fret = value == kMutedString ? 0 : std::abs(value);
    const bool barre =
        h.barreFret != 0 && fret == h.barreFret && static_cast<int>(s) >= h.barreFrom;
    h.own.push_back(barre ? 0 : fret);
  }
  return h;
}

// Every held string moved by the same frets, the same strings sounding.
bool PlainMovedWhole(const PlainHand& x, const PlainHand& y) {
  bool moved = x.sounds == y.sounds && x.Closed() && y.Closed() &&
               (x.barreFret == 0) == (y.barreFret == 0) && x.barreFrom == y.barreFrom;
  for (std::size_t s = 0; moved && s < x.own.size(); ++s)
    moved = (x.own[s] == 0) == (y.own[s] == 0) &&
            (x.own[s] == 0 || y.own[s] - x.own[s] == y.position - x.position);
  return moved;
}

// The movement written string by string from the voicings' frets, as the
// cost's comment states it.
double PlainMoveCost(const Voicing& a, const Voicing& b) {
  const SongCostWeights& w = kSongCostWeights;
  const PlainHand x = PlainHandOf(a), y = PlainHandOf(b);
  const double shift = x.position && y.position ? w.shift * std::abs(x.position - y.position) : 0.0;
  if (PlainMovedWhole(x, y)) return shift;
  double cost = shift;
  if (x.barreFret != y.barreFret || x.barreFrom != y.barreFrom)
    cost += x.barreFret && y.barreFret ? w.slid : y.barreFret ? w.placed : w.lifted;
  for (std::size_t s = 0; s < x.own.size(); ++s) {
    if (x.own[s] == y.own[s]) continue;
    cost += x.own[s] && y.own[s] ? w.slid : y.own[s] ? w.placed : w.lifted;
  }
  return cost;
}

// Where the hand is, as song_cost.h states it: a closed shape moved whole
// by one or two frets keeps its forming and the reach both positions pay;
// a closed shape up the neck left for an open one pays the way back.
double PlainPlaceCost(const Voicing& a, const Voicing& b) {
  const SongCostWeights& w = kSongCostWeights;
  const PlainHand x = PlainHandOf(a), y = PlainHandOf(b);
  const int apart = std::abs(x.position - y.position);
  if (PlainMovedWhole(x, y) && apart >= 1 && apart <= w.withinReach) {
    const DifficultyReasons from = DifficultyReasonsOf(a), to = DifficultyReasonsOf(b);
    return -(w.keptForming * (to.fingers + to.barre + to.stretch) +
             w.keptReach * std::min(from.position, to.position));
  }
  return x.Closed() && x.position >= w.upTheNeck && !y.Closed() ? w.backToNut : 0.0;
}

TEST(SongPath, PackedMovementEqualsTheStringByStringReading) {
  int credited = 0, backToNut = 0;
  Session session;
  session.practical = true;
  for (const char* name : {"guitar", "ukulele", "guitar7", "banjo"}) {
    session.instrument = *FindInstrument(name);
    std::vector<Voicing> all;
    for (const char* symbol : {"C", "F", "Bbmaj7", "D7b9", "Am7b5", "G", "F#", "Gm", "Ab"}) {
      const VoicedChord voiced =
          VoiceChord(session, ChordOfSymbol(symbol, ChordNotation::Standard).chord);
      all.insert(all.end(), voiced.search.voicings.begin(), voiced.search.voicings.end());
    }
    for (std::size_t i = 0; i < all.size(); i += 3)
      for (std::size_t j = 0; j < all.size(); j += 5) {
        const HandShape from = ShapeOfVoicing(all[i]), to = ShapeOfVoicing(all[j]);
        const std::string change = std::string(name) + " " + ReadableFrets(all[i].frets) + " -> " +
                                   ReadableFrets(all[j].frets);
        ASSERT_NEAR(MoveCost(from, to), PlainMoveCost(all[i], all[j]), 1e-12) << change;
        // The place term in single precision, as the shapes keep it.
        const double place = PlaceCost(from, to);
        ASSERT_NEAR(place, PlainPlaceCost(all[i], all[j]), 1e-5) << change;
        // The bounds the path search relies on.
        ASSERT_GE(place, -StayCredit(to) - 1e-9) << change;
        ASSERT_GE(BackToNutCost(from, to), place) << change;
        ASSERT_EQ(place < 0, MovedWithinReach(from, to)) << change;
        credited += place < 0;
        backToNut += place > 0;
      }
  }
  // Both terms met on the way.
  EXPECT_GT(credited, 10);
  EXPECT_GT(backToNut, 10);
}

TEST(SongPath, MovementIsZeroForTheSameShapeAndAShapeMovedPaysItsShift) {
  auto shape = [](std::vector<int> frets) {
    Voicing v;
    v.frets = *FingeringOfKeyValues(frets);
    return ShapeOfVoicing(v);
  };
  const HandShape f = shape({-1, 3, 3, 2, 1, 1});
  const HandShape g = shape({-3, 5, 5, 4, 3, 3});
  const HandShape e = shape({0, 2, 2, 1, 0, 0});
  EXPECT_EQ(MoveCost(f, f), 0.0);
  EXPECT_DOUBLE_EQ(MoveCost(f, g), 2 * kSongCostWeights.shift);
  // Back to the open E shape from the barre: fingers change, not just move.
  EXPECT_GT(MoveCost(g, e), MoveCost(f, g));
  EXPECT_GT(MoveCost(e, f), 0.0);
}

}  // namespace
}  // namespace corvanta
