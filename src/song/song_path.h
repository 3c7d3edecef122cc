// The choice of one candidate per step of a chain, by the whole chain's cost.
#pragma once

#include <vector>

#include "song/hand_move.h"

namespace corvanta {

// The choice of one candidate per step of a chain, as a song's voiced
// chords form one: each candidate has its own cost, each change between
// consecutive steps the weighted movement between their hand shapes, and
// each step of a group (a chord name) whose candidate is not the group's
// one shape pays `otherShape`; the group's shape is chosen too, freely.
struct PathProblem {
  std::vector<HandShape> shapes;  // every candidate of every step, pooled
  std::vector<double> ownCost;    // per pooled candidate
  // Per step, its candidates (pool indices, the preferred first: ties go to
  // the earlier one).
  std::vector<std::vector<int>> steps;
  // Per step, its group, or -1 for a step that no group holds (a pin of one
  // occurrence). Steps of a group have the same candidates.
  std::vector<int> groups;
  // Per step, the one candidate (a pool index among its own) a pin holds it
  // to, or -1; empty when no step is held. A held step stays in its group:
  // the shape it is held to counts for the group's one shape.
  std::vector<int> held;
  // Per group, the shape a pinned occurrence has given it (its one shape,
  // which the other steps keep or pay `otherShape` to leave), or -1 free;
  // empty when none is given.
  std::vector<int> homes;
  double moveWeight = 1.0;
  // 1: each change pays PlaceCost too (where the hand is: a credit for
  // staying within reach up the neck, a cost for going back to the nut),
  // so a change may cost less than nothing, never below -StayCredit of its
  // arriving shape; 0: not.
  double placeWeight = 0.0;
  double otherShape = 0.0;  // 0: no group term

  bool operator==(const PathProblem&) const = default;
};

struct PathChoice {
  std::vector<int> chosen;  // per step, a pool index
  double cost = 0;
  bool exact = true;
  double lowerBound = 0;
};

// The cheapest path. Without a group term a chain of dynamic programming,
// exact. With one, branch and bound over the groups' shapes: the bound of
// a node is the chain's optimum with the groups not yet decided paying no
// group term (a relaxation, so never above the node's true optimum); a
// node whose relaxed path keeps one shape per undecided group is solved;
// otherwise the group most split is branched on: its steps' most frequent
// shape decided in one child, ruled out in the other (its steps on it
// paying the group term there, a relaxation too). The first path tried
// keeps each group on its most frequent shape of the relaxed optimum. The
// search stops once it has compared `workBudget` pairs of candidates
// (deterministically: a song is voiced the same every time, and a long song
// of many names cannot take minutes) and then reports the best path found
// with the lowest open bound (exact is then false).
PathChoice ChoosePath(const PathProblem& problem, long long workBudget = kPathWorkBudget);

// A path's cost as the problem states it, the groups' shapes chosen best
// (each group's most frequent candidate).
double PathCost(const PathProblem& problem, const std::vector<int>& chosen);

// Per step, the path's cost (as PathCost states it) with each of the
// step's candidates in turn there and the rest of the path held: in time
// linear in the candidates, each step's change counted from its neighbours
// and its group's shape counts.
std::vector<std::vector<double>> CostsOfEachCandidate(const PathProblem& problem,
                                                      const std::vector<int>& chosen);

// The movement cost of each change of a path, weighted.
std::vector<double> ChangeCosts(const PathProblem& problem, const std::vector<int>& chosen);

}  // namespace corvanta
