#include "song/hand_move.h"

#include <cstdlib>

namespace corvanta {
namespace {

// Every sounding string the same fret count higher or lower, none open:
// the same shape, moved.
bool SameShapeMoved(const HandShape& a, const HandShape& b) {
  if (a.sounding != b.sounding || a.anyOpen || b.anyOpen || a.position == 0 || b.position == 0)
    return false;
  if ((a.barreFret == 0) != (b.barreFret == 0) || a.barreFrom != b.barreFrom) return false;
  const int shift = b.position - a.position;
  for (std::size_t s = 0; s < a.strings; ++s) {
    if ((a.own[s] == 0) != (b.own[s] == 0)) return false;
    if (a.own[s] != 0 && b.own[s] - a.own[s] != shift) return false;
  }
  return true;
}

}  // namespace

HandShape ShapeOfVoicing(const Voicing& voicing) {
  HandShape shape;
  shape.strings = static_cast<std::uint8_t>(voicing.frets.size());
  int low = 0;
  for (std::size_t s = 0; s < voicing.frets.size(); ++s) {
    const int value = voicing.frets[s];
    if (value == kMutedString) continue;
    shape.sounding = static_cast<std::uint16_t>(shape.sounding | (1u << s));
    if (value == 0) {
      shape.anyOpen = true;
      continue;
    }
    if (value < 0 && shape.barreFret == 0) {
      shape.barreFret = static_cast<std::int8_t>(-value);
      shape.barreFrom = static_cast<std::int8_t>(s);
    }
    const int fret = std::abs(value);
    if (low == 0 || fret < low) low = fret;
  }
  shape.position = static_cast<std::int8_t>(low);
  for (std::size_t s = 0; s < voicing.frets.size(); ++s) {
    const int value = voicing.frets[s];
    if (value == kMutedString || value == 0) continue;
    const int fret = std::abs(value);
    const bool underBarre =
        shape.barreFret != 0 && fret == shape.barreFret && static_cast<int>(s) >= shape.barreFrom;
    if (!underBarre) shape.own[s] = static_cast<std::int8_t>(fret);
  }
  return shape;
}

double MoveCost(const HandShape& from, const HandShape& to, const SongCostWeights& weights) {
  const double shift = from.position != 0 && to.position != 0
                           ? weights.shift * std::abs(to.position - from.position)
                           : 0.0;
  if (SameShapeMoved(from, to)) return shift;
  double cost = shift;
  if (from.barreFret != to.barreFret || from.barreFrom != to.barreFrom) {
    if (from.barreFret != 0 && to.barreFret != 0) {
      cost += weights.slid;
    } else {
      cost += to.barreFret != 0 ? weights.placed : weights.lifted;
    }
  }
  const std::size_t strings = from.strings < to.strings ? from.strings : to.strings;
  for (std::size_t s = 0; s < strings; ++s) {
    const int a = from.own[s], b = to.own[s];
    if (a == b) continue;
    cost += a != 0 && b != 0 ? weights.slid : b != 0 ? weights.placed : weights.lifted;
  }
  return cost;
}

}  // namespace corvanta
