// Chooses one voicing per chord over the whole song by the least total cost.
#include "song/song_path.h"

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <queue>

namespace corvanta {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Costs are sums of a few hundred terms of one decimal or so: closer than
// this they are equal.
constexpr double kTolerance = 1e-9;

// A change's cost: the fingers' movement, and where the hand is.
double ChangeCost(const PathProblem& problem, const HandShape& from, const HandShape& to) {
  double cost = problem.moveWeight * MoveCost(from, to);
  if (problem.placeWeight != 0) cost += problem.placeWeight * PlaceCost(from, to);
  return cost;
}

// A node of the branch and bound: the shape decided for each group (-1:
// not yet), the shapes ruled out for each group not yet decided, and a
// lower bound of every path under it. Nodes of equal bounds are taken in
// the order they were made, so the search (and which of two equally cheap
// paths it keeps) is the same under every standard library.
struct Node {
  std::vector<int> homes;
  std::vector<std::vector<int>> ruledOut;  // per group; empty: none yet
  double bound = 0;
  long long made = 0;
  bool operator>(const Node& other) const {
    return bound != other.bound ? bound > other.bound : made > other.made;
  }
};

// A candidate of the step before, reached at a cost.
struct Reached {
  double cost = 0;
  int index = 0;
  const HandShape* shape = nullptr;
};

// The changes PlaceCost credits (a shape moved whole within reach), found
// once per problem: into[k][j] the candidates (indices in step k - 1) that
// reach step k's candidate j so. Empty without the place term.
struct MovedPairs {
  std::vector<std::vector<std::vector<int>>> into;
};

MovedPairs FindMovedPairs(const PathProblem& problem) {
  MovedPairs pairs;
  if (problem.placeWeight == 0) return pairs;
  const std::size_t steps = problem.steps.size();
  pairs.into.resize(steps);
  for (std::size_t k = 0; k < steps; ++k) pairs.into[k].resize(problem.steps[k].size());
  const auto shape = [&](int candidate) -> const HandShape& {
    return problem.shapes[static_cast<std::size_t>(candidate)];
  };
  // Each closed candidate's form hashed once; per step, the previous
  // step's hashes sorted, each candidate's equals found by halving.
  std::vector<std::uint64_t> hashes(problem.shapes.size(), 0);
  for (std::size_t c = 0; c < problem.shapes.size(); ++c)
    if (problem.shapes[c].Closed()) hashes[c] = FormOf(problem.shapes[c]).Hash();
  std::vector<std::pair<std::uint64_t, int>> forms;
  for (std::size_t k = 1; k < steps; ++k) {
    const std::vector<int>& before = problem.steps[k - 1];
    forms.clear();
    for (std::size_t i = 0; i < before.size(); ++i)
      if (shape(before[i]).Closed())
        forms.emplace_back(hashes[static_cast<std::size_t>(before[i])], static_cast<int>(i));
    std::sort(forms.begin(), forms.end());
    const std::vector<int>& here = problem.steps[k];
    for (std::size_t j = 0; j < here.size(); ++j) {
      if (!shape(here[j]).Closed()) continue;
      const std::uint64_t hash = hashes[static_cast<std::size_t>(here[j])];
      auto at = std::lower_bound(forms.begin(), forms.end(), std::make_pair(hash, -1));
      for (; at != forms.end() && at->first == hash; ++at) {
        const int i = at->second;
        if (!MovedWithinReach(shape(before[static_cast<std::size_t>(i)]), shape(here[j]))) continue;
        pairs.into[k][j].push_back(i);
      }
    }
  }
  return pairs;
}

// The chain's dynamic programme under some decided shapes.
class Chain {
 public:
  Chain(const PathProblem& problem, const MovedPairs& moved, const std::vector<int>& homes,
        const std::vector<std::vector<int>>& ruledOut)
      : p_(problem), moved_(moved), homes_(homes), ruledOut_(ruledOut) {}

  // A step's own cost, with the group term as far as the node decides it:
  // off the group's shape, or on a shape the group's shape cannot be.
  double Own(std::size_t step, int candidate) const {
    if (!p_.held.empty() && p_.held[step] >= 0 && p_.held[step] != candidate) return kInfinity;
    const int group = p_.groups[step];
    double cost = p_.ownCost[static_cast<std::size_t>(candidate)];
    if (group < 0) return cost;
    const int home = homes_[static_cast<std::size_t>(group)];
    if (home >= 0) return home != candidate ? cost + p_.otherShape : cost;
    if (ruledOut_.empty()) return cost;
    const std::vector<int>& out = ruledOut_[static_cast<std::size_t>(group)];
    if (std::find(out.begin(), out.end(), candidate) != out.end()) cost += p_.otherShape;
    return cost;
  }
  double Move(int from, int to) const { return ChangeCost(p_, Shape(from), Shape(to)); }
  const HandShape& Shape(int candidate) const {
    return p_.shapes[static_cast<std::size_t>(candidate)];
  }

  // forward_[k][i]: the cheapest path ending at step k's candidate i, and
  // from[k][i] the candidate of step k - 1 it came from.
  double Forward(std::vector<int>& chosen) {
    const std::size_t steps = p_.steps.size();
    forward_.assign(steps, {});
    std::vector<std::vector<int>> from(steps);
    for (std::size_t k = 0; k < steps; ++k) {
      const std::vector<int>& here = p_.steps[k];
      forward_[k].assign(here.size(), kInfinity);
      from[k].assign(here.size(), -1);
      if (k == 0) {
        for (std::size_t i = 0; i < here.size(); ++i) forward_[0][i] = Own(0, here[i]);
      } else {
        ForwardStep(k, from[k]);
      }
    }
    chosen.assign(steps, -1);
    if (steps == 0) return 0;
    const std::vector<double>& last = forward_.back();
    std::size_t at =
        static_cast<std::size_t>(std::min_element(last.begin(), last.end()) - last.begin());
    const double total = last[at];
    for (std::size_t k = steps; k-- > 0;) {
      chosen[k] = p_.steps[k][at];
      if (k > 0) at = static_cast<std::size_t>(from[k][at]);
    }
    return total;
  }

  // One step: the previous step's candidates are visited cheapest first,
  // side by side with their shapes, and the visit stops once no movement
  // (never below the shift) can help. A change PlaceCost may credit (a
  // shape moved whole) is costed there without its credit, an upper bound,
  // and again exactly from the moved pairs, which the stop cannot skip.
  void ForwardStep(std::size_t k, std::vector<int>& from) {
    const std::vector<int>& here = p_.steps[k];
    const std::vector<int>& before = p_.steps[k - 1];
    std::vector<Reached> sorted;
    sorted.reserve(before.size());
    for (int i : Ascending(forward_[k - 1]))
      sorted.push_back({forward_[k - 1][static_cast<std::size_t>(i)], i,
                        &Shape(before[static_cast<std::size_t>(i)])});
    for (std::size_t j = 0; j < here.size(); ++j) {
      const HandShape& to = Shape(here[j]);
      double best = kInfinity;
      int arg = -1;
      for (const Reached& previous : sorted) {
        if (previous.cost >= best) break;
        ++work;
        if (previous.cost + p_.moveWeight * ShiftCost(*previous.shape, to) >= best) continue;
        const double cost = previous.cost + UncreditedCost(*previous.shape, to);
        if (cost < best) best = cost, arg = previous.index;
      }
      if (!moved_.into.empty()) {
        for (int i : moved_.into[k][j]) {
          ++work;
          const double cost = forward_[k - 1][static_cast<std::size_t>(i)] +
                              Move(before[static_cast<std::size_t>(i)], here[j]);
          if (cost < best) best = cost, arg = i;
        }
      }
      forward_[k][j] = best + Own(k, here[j]);
      from[j] = arg;
    }
  }

 private:
  // A change's cost with no credit for a shape moved whole: never below
  // the shift, never below the change's true cost.
  double UncreditedCost(const HandShape& from, const HandShape& to) const {
    double cost = p_.moveWeight * MoveCost(from, to);
    if (p_.placeWeight != 0) cost += p_.placeWeight * BackToNutCost(from, to);
    return cost;
  }

  static std::vector<int> Ascending(const std::vector<double>& costs) {
    std::vector<int> order(costs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      return costs[static_cast<std::size_t>(a)] < costs[static_cast<std::size_t>(b)];
    });
    return order;
  }

  const PathProblem& p_;
  const MovedPairs& moved_;
  const std::vector<int>& homes_;
  const std::vector<std::vector<int>>& ruledOut_;
  std::vector<std::vector<double>> forward_;

 public:
  // Pairs of candidates compared so far: the work the search's budget counts.
  mutable long long work = 0;
};

// The shape a pin gave a group, or -1.
int GivenHome(const PathProblem& problem, std::size_t group) {
  return group < problem.homes.size() ? problem.homes[group] : -1;
}

// The groups' shapes as the search starts: those pins gave, the rest open.
std::vector<int> StartingHomes(const PathProblem& problem, int groups) {
  std::vector<int> homes(static_cast<std::size_t>(groups), -1);
  for (std::size_t g = 0; g < homes.size(); ++g) homes[g] = GivenHome(problem, g);
  return homes;
}

int GroupCount(const PathProblem& problem) {
  int count = 0;
  for (int group : problem.groups) count = std::max(count, group + 1);
  return count;
}

// The undecided group whose steps a path splits over the most shapes it
// may still take (the most steps off the most frequent of them), and that
// shape (the first met of equals); group -1 when none is split. Steps on
// ruled-out shapes pay the group term already, so they split nothing: a
// group with one shape left to it in the path is costed as it truly is.
struct Split {
  int group = -1;
  int shape = -1;
};

Split MostSplitGroup(const PathProblem& problem, const Node& node, const std::vector<int>& chosen) {
  std::vector<std::map<int, int>> counts(node.homes.size());
  for (std::size_t k = 0; k < chosen.size(); ++k) {
    const int group = problem.groups[k];
    if (group < 0) continue;
    const std::size_t g = static_cast<std::size_t>(group);
    if (!node.ruledOut.empty()) {
      const std::vector<int>& out = node.ruledOut[g];
      if (std::find(out.begin(), out.end(), chosen[k]) != out.end()) continue;
    }
    ++counts[g][chosen[k]];
  }
  Split split;
  int mostOff = 0;
  for (std::size_t g = 0; g < counts.size(); ++g) {
    if (node.homes[g] >= 0 || counts[g].size() < 2) continue;
    int total = 0, most = 0, mostShape = -1;
    for (const auto& [candidate, count] : counts[g]) {
      total += count;
      if (count > most) most = count, mostShape = candidate;
    }
    if (total - most > mostOff) mostOff = total - most, split = {static_cast<int>(g), mostShape};
  }
  return split;
}

PathChoice ChainOnly(const PathProblem& problem) {
  PathChoice choice;
  std::vector<int> homes(static_cast<std::size_t>(GroupCount(problem)), -1);
  const MovedPairs moved = FindMovedPairs(problem);
  const std::vector<std::vector<int>> noneRuledOut;
  Chain chain(problem, moved, homes, noneRuledOut);
  choice.cost = chain.Forward(choice.chosen);
  choice.lowerBound = choice.cost;
  return choice;
}

// The two children of a node split on `group`: the group on `shape`, the
// shape its steps take most in the relaxed path, and the group on any
// other shape, where a step on `shape` pays otherShape. Two children, not
// one per shape: most shapes never win a step, and each child costs a
// chain's programme when taken. Both keep the node's bound.
void Branch(const Node& node, double relaxed, int group, int shape, long long& made,
            std::priority_queue<Node, std::vector<Node>, std::greater<Node>>& open) {
  const std::size_t g = static_cast<std::size_t>(group);
  Node on{node.homes, node.ruledOut, relaxed, ++made};  // a decided shape outranks those ruled out
  on.homes[g] = shape;
  Node off{node.homes, node.ruledOut, relaxed, ++made};
  if (off.ruledOut.empty()) off.ruledOut.resize(node.homes.size());
  off.ruledOut[g].push_back(shape);
  open.push(std::move(on));
  open.push(std::move(off));
}

}  // namespace

double PathCost(const PathProblem& problem, const std::vector<int>& chosen) {
  double cost = 0;
  for (std::size_t k = 0; k < chosen.size(); ++k) {
    cost += problem.ownCost[static_cast<std::size_t>(chosen[k])];
    if (k > 0)
      cost += ChangeCost(problem, problem.shapes[static_cast<std::size_t>(chosen[k - 1])],
                         problem.shapes[static_cast<std::size_t>(chosen[k])]);
  }
  if (problem.otherShape == 0) return cost;
  std::vector<std::map<int, int>> counts(static_cast<std::size_t>(GroupCount(problem)));
  for (std::size_t k = 0; k < chosen.size(); ++k)
    if (problem.groups[k] >= 0) ++counts[static_cast<std::size_t>(problem.groups[k])][chosen[k]];
  for (std::size_t g = 0; g < counts.size(); ++g) {
    int total = 0, most = 0;
    for (const auto& [candidate, count] : counts[g]) total += count, most = std::max(most, count);
    const int home = GivenHome(problem, g);
    if (home >= 0) most = counts[g].count(home) ? counts[g].at(home) : 0;
    cost += problem.otherShape * (total - most);
  }
  return cost;
}

namespace {

// A group's shape counts along a path: the most any shape has, and how many
// shapes have that many.
struct GroupCounts {
  std::map<int, int> counts;
  int most = 0;
  int holdingMost = 0;
};

std::vector<GroupCounts> CountGroups(const PathProblem& problem, const std::vector<int>& chosen) {
  std::vector<GroupCounts> groups(static_cast<std::size_t>(GroupCount(problem)));
  for (std::size_t k = 0; k < chosen.size(); ++k)
    if (problem.groups[k] >= 0)
      ++groups[static_cast<std::size_t>(problem.groups[k])].counts[chosen[k]];
  for (GroupCounts& group : groups) {
    for (const auto& [candidate, count] : group.counts) {
      if (count > group.most) group.most = count, group.holdingMost = 0;
      if (count == group.most) ++group.holdingMost;
    }
  }
  return groups;
}

// How the group term changes when one step leaves shape `from` for `to`.
double GroupChange(const PathProblem& problem, const GroupCounts& group, int from, int to) {
  if (from == to) return 0;
  const auto countOf = [&](int candidate) {
    const auto at = group.counts.find(candidate);
    return at == group.counts.end() ? 0 : at->second;
  };
  const bool loses = countOf(from) == group.most && group.holdingMost == 1;
  const int most = std::max(loses ? group.most - 1 : group.most, countOf(to) + 1);
  return problem.otherShape * (group.most - most);
}

}  // namespace

std::vector<std::vector<double>> CostsOfEachCandidate(const PathProblem& problem,
                                                      const std::vector<int>& chosen) {
  const double base = PathCost(problem, chosen);
  const std::vector<GroupCounts> groups =
      problem.otherShape == 0 ? std::vector<GroupCounts>() : CountGroups(problem, chosen);
  const auto shape = [&](int candidate) -> const HandShape& {
    return problem.shapes[static_cast<std::size_t>(candidate)];
  };
  // The step's own cost and its changes to and from its neighbours.
  const auto local = [&](std::size_t step, int candidate) {
    double cost = problem.ownCost[static_cast<std::size_t>(candidate)];
    if (step > 0) cost += ChangeCost(problem, shape(chosen[step - 1]), shape(candidate));
    if (step + 1 < chosen.size())
      cost += ChangeCost(problem, shape(candidate), shape(chosen[step + 1]));
    return cost;
  };
  std::vector<std::vector<double>> costs(chosen.size());
  for (std::size_t step = 0; step < chosen.size(); ++step) {
    const int held = chosen[step];
    const double without = base - local(step, held);
    const int group = problem.groups[step];
    for (int candidate : problem.steps[step]) {
      double cost = candidate == held ? base : without + local(step, candidate);
      const int home = group >= 0 ? GivenHome(problem, static_cast<std::size_t>(group)) : -1;
      if (home >= 0) {
        // A pin gave the group its shape: leaving it pays, coming back saves.
        cost += problem.otherShape * ((candidate != home) - (held != home));
      } else if (group >= 0 && !groups.empty()) {
        cost += GroupChange(problem, groups[static_cast<std::size_t>(group)], held, candidate);
      }
      costs[step].push_back(cost);
    }
  }
  return costs;
}

std::vector<double> ChangeCosts(const PathProblem& problem, const std::vector<int>& chosen) {
  std::vector<double> costs;
  for (std::size_t k = 1; k < chosen.size(); ++k)
    costs.push_back(problem.moveWeight *
                    MoveCost(problem.shapes[static_cast<std::size_t>(chosen[k - 1])],
                             problem.shapes[static_cast<std::size_t>(chosen[k])]));
  return costs;
}

namespace {

// A first path that keeps one shape per group: each group on the shape its
// steps take most in the relaxed optimum, the chain solved around them.
std::vector<int> OneShapeEach(const PathProblem& problem, const MovedPairs& moved,
                              const std::vector<int>& relaxed, long long& work) {
  std::vector<std::map<int, int>> counts(static_cast<std::size_t>(GroupCount(problem)));
  for (std::size_t k = 0; k < relaxed.size(); ++k)
    if (problem.groups[k] >= 0) ++counts[static_cast<std::size_t>(problem.groups[k])][relaxed[k]];
  std::vector<int> homes = StartingHomes(problem, static_cast<int>(counts.size()));
  for (std::size_t g = 0; g < counts.size(); ++g) {
    if (homes[g] >= 0) continue;
    int most = 0;
    for (const auto& [candidate, count] : counts[g])
      if (count > most) most = count, homes[g] = candidate;
  }
  const std::vector<std::vector<int>> noneRuledOut;
  Chain chain(problem, moved, homes, noneRuledOut);
  std::vector<int> chosen;
  chain.Forward(chosen);
  work += chain.work;
  return chosen;
}

}  // namespace

PathChoice ChoosePath(const PathProblem& problem, long long workBudget) {
  if (problem.otherShape == 0 || GroupCount(problem) == 0) return ChainOnly(problem);
  PathChoice best;
  best.cost = kInfinity;
  std::priority_queue<Node, std::vector<Node>, std::greater<Node>> open;
  long long made = 0;
  open.push({StartingHomes(problem, GroupCount(problem)), {}, 0.0, made});
  long long work = 0;
  bool first = true;
  const MovedPairs moved = FindMovedPairs(problem);
  while (!open.empty() && open.top().bound < best.cost - kTolerance && work < workBudget) {
    const Node node = open.top();
    open.pop();
    Chain chain(problem, moved, node.homes, node.ruledOut);
    std::vector<int> chosen;
    const double relaxed = chain.Forward(chosen);
    std::vector<int> candidates[] = {chosen,
                                     first ? OneShapeEach(problem, moved, chosen, work) : chosen};
    first = false;
    for (const std::vector<int>& path : candidates) {
      const double cost = PathCost(problem, path);
      if (cost < best.cost - kTolerance) best.cost = cost, best.chosen = path;
    }
    if (relaxed < best.cost - kTolerance) {
      const Split split = MostSplitGroup(problem, node, chosen);
      if (split.group >= 0) Branch(node, relaxed, split.group, split.shape, made, open);
    }
    work += chain.work;
  }
  best.exact = open.empty() || open.top().bound >= best.cost - kTolerance;
  best.lowerBound = best.exact ? best.cost : std::min(best.cost, open.top().bound);
  return best;
}

}  // namespace corvanta
