// Measures how far the hand moves from one voicing to the next.
#include "song/hand_move.h"

#include <algorithm>
#include <cstdlib>

#include "instrument/fingering.h"
#include "search/difficulty.h"

namespace corvanta {
namespace {

// Byte-wise on the packed frets (each byte below 128): the high bit of
// each byte that is not zero.
constexpr std::uint64_t kLowBits = 0x0101010101010101ULL;
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
constexpr std::uint64_t NonZeroBytes(std::uint64_t x) { return (x + 0x7F * kLowBits) & kHighBits; }
// How many bytes a mask of high bits marks: one multiply gathers them into
// the top byte (no popcount instruction is assumed of the processor).
constexpr int CountMarked(std::uint64_t highBits) {
  return static_cast<int>(((highBits >> 7) * kLowBits) >> 56);
}

// Every held string the same fret count higher or lower, the same strings
// sounding, none open: the same shape, moved.
bool SameShapeMoved(const HandShape& a, const HandShape& b) {
  if (a.sounding != b.sounding || a.anyOpen || b.anyOpen || a.position == 0 || b.position == 0)
    return false;
  if ((a.barreFret == 0) != (b.barreFret == 0) || a.barreFrom != b.barreFrom) return false;
  const std::uint64_t heldA = NonZeroBytes(a.own);
  if (heldA != NonZeroBytes(b.own)) return false;
  const int shift = b.position - a.position;
  // Frets are at most 29, the shift at most 28: no byte overflows.
  const std::uint64_t step = (heldA >> 7) * static_cast<std::uint64_t>(shift < 0 ? -shift : shift);
  return shift >= 0 ? a.own + step == b.own : b.own + step == a.own;
}

}  // namespace

HandShape ShapeOfVoicing(const Voicing& voicing) noexcept {
  const Fingering& frets = voicing.frets;
  HandShape shape;
  for (std::size_t s = 0; s < frets.size(); ++s) {
    if (!frets[s].Sounds()) continue;
    shape.sounding = static_cast<std::uint16_t>(shape.sounding | (1u << s));
    if (frets[s].IsOpen()) shape.anyOpen = true;
    if (frets.StartsBarre(s) && shape.barreFret == 0) {
      shape.barreFret = static_cast<std::int8_t>(frets[s].Fret());
      shape.barreFrom = static_cast<std::int8_t>(s);
    }
  }
  shape.position = static_cast<std::int8_t>(frets.LowestHeldFret());
  // Only a closed shape is ever credited for staying.
  if (shape.Closed()) {
    const DifficultyReasons reasons = DifficultyReasonsOf(voicing);
    shape.reach = static_cast<float>(reasons.position);
    shape.formed = static_cast<float>(reasons.fingers + reasons.barre + reasons.stretch);
  }
  for (std::size_t s = 0; s < frets.size(); ++s) {
    const int fret = frets[s].Fret();
    if (fret == 0) continue;
    const bool underBarre =
        shape.barreFret != 0 && fret == shape.barreFret && static_cast<int>(s) >= shape.barreFrom;
    if (!underBarre) shape.own |= static_cast<std::uint64_t>(fret) << (8 * s);
  }
  return shape;
}

double MoveCost(const HandShape& from, const HandShape& to,
                const SongCostWeights& weights) noexcept {
  const double shift = ShiftCost(from, to, weights);
  if (from.own == to.own && from.barreFret == to.barreFret && from.barreFrom == to.barreFrom)
    return shift;
  if (SameShapeMoved(from, to)) return shift;
  double cost = shift;
  if (from.barreFret != to.barreFret || from.barreFrom != to.barreFrom) {
    if (from.barreFret != 0 && to.barreFret != 0) {
      cost += weights.slid;
    } else {
      cost += to.barreFret != 0 ? weights.placed : weights.lifted;
    }
  }
  const std::uint64_t heldFrom = NonZeroBytes(from.own), heldTo = NonZeroBytes(to.own);
  const std::uint64_t changed = NonZeroBytes(from.own ^ to.own);
  cost += weights.slid * CountMarked(changed & heldFrom & heldTo);
  cost += weights.placed * CountMarked(changed & ~heldFrom & heldTo);
  cost += weights.lifted * CountMarked(changed & heldFrom & ~heldTo);
  return cost;
}

std::uint64_t ShapeForm::Hash() const {
  std::uint64_t hash = relative * 0x9E3779B97F4A7C15ULL;
  hash ^= (held >> 7) * 0xC2B2AE3D27D4EB4FULL + (hash << 6) + (hash >> 2);
  hash ^= (static_cast<std::uint64_t>(sounding) << 9 | static_cast<std::uint64_t>(barreFrom) << 1 |
           static_cast<std::uint64_t>(barre)) *
          0x165667B19E3779F9ULL;
  return hash;
}

ShapeForm FormOf(const HandShape& shape) {
  ShapeForm form;
  form.held = NonZeroBytes(shape.own);
  // Every own fret is at or above the lowest held fret: no byte borrows.
  form.relative = shape.own - (form.held >> 7) * static_cast<std::uint64_t>(shape.position);
  form.sounding = shape.sounding;
  form.barreFrom = shape.barreFrom;
  form.barre = shape.barreFret != 0;
  return form;
}

bool MovedWithinReach(const HandShape& from, const HandShape& to, const SongCostWeights& weights) {
  const int apart = to.position - from.position;
  return apart != 0 && (apart < 0 ? -apart : apart) <= weights.withinReach &&
         SameShapeMoved(from, to);
}

double BackToNutCost(const HandShape& from, const HandShape& to, const SongCostWeights& weights) {
  const bool upTheNeck = from.Closed() && from.position >= weights.upTheNeck;
  return upTheNeck && !to.Closed() ? weights.backToNut : 0.0;
}

double PlaceCost(const HandShape& from, const HandShape& to, const SongCostWeights& weights) {
  if (MovedWithinReach(from, to, weights))
    return -(weights.keptForming * to.formed + weights.keptReach * std::min(from.reach, to.reach));
  return BackToNutCost(from, to, weights);
}

}  // namespace corvanta
