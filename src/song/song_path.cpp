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

// A node of the branch and bound: the shape decided for each group (-1:
// not yet) and a lower bound of every path under it.
struct Node {
  std::vector<int> homes;
  double bound = 0;
  bool operator>(const Node& other) const { return bound > other.bound; }
};

// A candidate of the step before, reached at a cost.
struct Reached {
  double cost = 0;
  int index = 0;
  const HandShape* shape = nullptr;
};

// The chain's dynamic programme under some decided shapes.
class Chain {
 public:
  Chain(const PathProblem& problem, const std::vector<int>& homes) : p_(problem), homes_(homes) {}

  double Own(std::size_t step, int candidate) const {
    const int group = p_.groups[step];
    double cost = p_.ownCost[static_cast<std::size_t>(candidate)];
    if (group >= 0 && homes_[static_cast<std::size_t>(group)] >= 0 &&
        homes_[static_cast<std::size_t>(group)] != candidate)
      cost += p_.otherShape;
    return cost;
  }
  double Move(int from, int to) const {
    return p_.moveWeight * MoveCost(p_.shapes[static_cast<std::size_t>(from)],
                                    p_.shapes[static_cast<std::size_t>(to)]);
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
  // (never below the shift) can help.
  void ForwardStep(std::size_t k, std::vector<int>& from) {
    const std::vector<int>& here = p_.steps[k];
    const std::vector<int>& before = p_.steps[k - 1];
    std::vector<Reached> sorted;
    sorted.reserve(before.size());
    for (int i : Ascending(forward_[k - 1]))
      sorted.push_back({forward_[k - 1][static_cast<std::size_t>(i)], i,
                        &p_.shapes[static_cast<std::size_t>(before[static_cast<std::size_t>(i)])]});
    for (std::size_t j = 0; j < here.size(); ++j) {
      const HandShape& to = p_.shapes[static_cast<std::size_t>(here[j])];
      double best = kInfinity;
      int arg = -1;
      for (const Reached& previous : sorted) {
        if (previous.cost >= best) break;
        ++work;
        if (previous.cost + p_.moveWeight * ShiftCost(*previous.shape, to) >= best) continue;
        const double cost = previous.cost + p_.moveWeight * MoveCost(*previous.shape, to);
        if (cost < best) best = cost, arg = previous.index;
      }
      forward_[k][j] = best + Own(k, here[j]);
      from[j] = arg;
    }
  }

  // The cheapest path through step k's candidate i: forward cost plus the
  // cheapest way on from it. Call after Forward.
  std::vector<std::vector<double>> Through() const {
    const std::size_t steps = p_.steps.size();
    std::vector<std::vector<double>> after(steps);
    for (std::size_t k = steps; k-- > 0;) {
      const std::vector<int>& here = p_.steps[k];
      after[k].assign(here.size(), 0.0);
      if (k + 1 == steps) continue;
      const std::vector<int>& next = p_.steps[k + 1];
      std::vector<double> onward(next.size());
      for (std::size_t j = 0; j < next.size(); ++j)
        onward[j] = Own(k + 1, next[j]) + after[k + 1][j];
      const std::vector<int> order = Ascending(onward);
      for (std::size_t i = 0; i < here.size(); ++i) {
        double best = kInfinity;
        for (int j : order) {
          if (onward[static_cast<std::size_t>(j)] >= best) break;
          ++work;
          best = std::min(best, onward[static_cast<std::size_t>(j)] +
                                    Move(here[i], next[static_cast<std::size_t>(j)]));
        }
        after[k][i] = best;
      }
    }
    for (std::size_t k = 0; k < steps; ++k)
      for (std::size_t i = 0; i < after[k].size(); ++i) after[k][i] += forward_[k][i];
    return after;
  }

 private:
  static std::vector<int> Ascending(const std::vector<double>& costs) {
    std::vector<int> order(costs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      return costs[static_cast<std::size_t>(a)] < costs[static_cast<std::size_t>(b)];
    });
    return order;
  }

  const PathProblem& p_;
  const std::vector<int>& homes_;
  std::vector<std::vector<double>> forward_;

 public:
  // Pairs of candidates compared so far: the work the search's budget counts.
  mutable long long work = 0;
};

int GroupCount(const PathProblem& problem) {
  int count = 0;
  for (int group : problem.groups) count = std::max(count, group + 1);
  return count;
}

// The undecided group whose steps a path splits over the most shapes (the
// most steps off its most frequent one), or -1 when none is split.
int MostSplitGroup(const PathProblem& problem, const std::vector<int>& homes,
                   const std::vector<int>& chosen) {
  std::vector<std::map<int, int>> counts(homes.size());
  for (std::size_t k = 0; k < chosen.size(); ++k)
    if (problem.groups[k] >= 0) ++counts[static_cast<std::size_t>(problem.groups[k])][chosen[k]];
  int split = -1, mostOff = 0;
  for (std::size_t g = 0; g < counts.size(); ++g) {
    if (homes[g] >= 0 || counts[g].size() < 2) continue;
    int total = 0, most = 0;
    for (const auto& [candidate, count] : counts[g]) total += count, most = std::max(most, count);
    if (total - most > mostOff) mostOff = total - most, split = static_cast<int>(g);
  }
  return split;
}

PathChoice ChainOnly(const PathProblem& problem) {
  PathChoice choice;
  std::vector<int> homes(static_cast<std::size_t>(GroupCount(problem)), -1);
  Chain chain(problem, homes);
  choice.cost = chain.Forward(choice.chosen);
  choice.lowerBound = choice.cost;
  return choice;
}

// The children of a node branched on `group`, each with its bound: the
// relaxed optimum, raised to the cheapest path with every step of the
// group on that shape unless a step off it (paying otherShape) is cheaper.
void Branch(const PathProblem& problem, const Node& node, double relaxed, int group,
            const Chain& chain, double incumbent,
            std::priority_queue<Node, std::vector<Node>, std::greater<Node>>& open) {
  const std::vector<std::vector<double>> through = chain.Through();
  std::vector<std::size_t> steps;
  for (std::size_t k = 0; k < problem.groups.size(); ++k)
    if (problem.groups[k] == group) steps.push_back(k);
  const std::vector<int>& candidates = problem.steps[steps.front()];
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    double allOn = relaxed;
    for (std::size_t k : steps) allOn = std::max(allOn, through[k][i]);
    const double bound = std::max(relaxed, std::min(allOn, relaxed + problem.otherShape));
    if (bound >= incumbent - kTolerance) continue;
    Node child{node.homes, bound};
    child.homes[static_cast<std::size_t>(group)] = candidates[i];
    open.push(std::move(child));
  }
}

}  // namespace

double PathCost(const PathProblem& problem, const std::vector<int>& chosen) {
  double cost = 0;
  for (std::size_t k = 0; k < chosen.size(); ++k) {
    cost += problem.ownCost[static_cast<std::size_t>(chosen[k])];
    if (k > 0)
      cost += problem.moveWeight * MoveCost(problem.shapes[static_cast<std::size_t>(chosen[k - 1])],
                                            problem.shapes[static_cast<std::size_t>(chosen[k])]);
  }
  if (problem.otherShape == 0) return cost;
  std::vector<std::map<int, int>> counts(static_cast<std::size_t>(GroupCount(problem)));
  for (std::size_t k = 0; k < chosen.size(); ++k)
    if (problem.groups[k] >= 0) ++counts[static_cast<std::size_t>(problem.groups[k])][chosen[k]];
  for (const std::map<int, int>& group : counts) {
    int total = 0, most = 0;
    for (const auto& [candidate, count] : group) total += count, most = std::max(most, count);
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
    if (step > 0) cost += problem.moveWeight * MoveCost(shape(chosen[step - 1]), shape(candidate));
    if (step + 1 < chosen.size())
      cost += problem.moveWeight * MoveCost(shape(candidate), shape(chosen[step + 1]));
    return cost;
  };
  std::vector<std::vector<double>> costs(chosen.size());
  for (std::size_t step = 0; step < chosen.size(); ++step) {
    const int held = chosen[step];
    const double without = base - local(step, held);
    const int group = problem.groups[step];
    for (int candidate : problem.steps[step]) {
      double cost = candidate == held ? base : without + local(step, candidate);
      if (group >= 0 && !groups.empty())
        cost += GroupChange(problem, groups[static_cast<std::size_t>(group)], held, candidate);
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
std::vector<int> OneShapeEach(const PathProblem& problem, const std::vector<int>& relaxed,
                              long long& work) {
  std::vector<std::map<int, int>> counts(static_cast<std::size_t>(GroupCount(problem)));
  for (std::size_t k = 0; k < relaxed.size(); ++k)
    if (problem.groups[k] >= 0) ++counts[static_cast<std::size_t>(problem.groups[k])][relaxed[k]];
  std::vector<int> homes(counts.size(), -1);
  for (std::size_t g = 0; g < counts.size(); ++g) {
    int most = 0;
    for (const auto& [candidate, count] : counts[g])
      if (count > most) most = count, homes[g] = candidate;
  }
  Chain chain(problem, homes);
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
  open.push({std::vector<int>(static_cast<std::size_t>(GroupCount(problem)), -1), 0.0});
  long long work = 0;
  bool first = true;
  while (!open.empty() && open.top().bound < best.cost - kTolerance && work < workBudget) {
    const Node node = open.top();
    open.pop();
    Chain chain(problem, node.homes);
    std::vector<int> chosen;
    const double relaxed = chain.Forward(chosen);
    std::vector<int> candidates[] = {chosen, first ? OneShapeEach(problem, chosen, work) : chosen};
    first = false;
    for (const std::vector<int>& path : candidates) {
      const double cost = PathCost(problem, path);
      if (cost < best.cost - kTolerance) best.cost = cost, best.chosen = path;
    }
    if (relaxed < best.cost - kTolerance) {
      const int group = MostSplitGroup(problem, node.homes, chosen);
      if (group >= 0) Branch(problem, node, relaxed, group, chain, best.cost, open);
    }
    work += chain.work;
  }
  best.exact = open.empty() || open.top().bound >= best.cost - kTolerance;
  best.lowerBound = best.exact ? best.cost : std::min(best.cost, open.top().bound);
  return best;
}

}  // namespace corvanta
