#include "search/search_chord.h"

#include <algorithm>
#include <bitset>

#include "search/enumeration_walk.h"
#include "search/fingering.h"
#include "search/fingering_collector.h"
#include "search/tone_map.h"
#include "theory/note_names.h"
#include "theory/shape_templates.h"

namespace corvanta {
namespace {

void RemoveFirst(std::vector<int>& tones, int tone) {
  auto found = std::find(tones.begin(), tones.end(), tone);
  if (found != tones.end()) tones.erase(found);
}

// The template shapes by the value ranks of their order numbers, behind a
// bit filter: most searches meet no template at all, and each fingering is
// then answered by one load.
class PreferredShapes {
 public:
  PreferredShapes() {
    for (const std::array<int, 6>& values : TemplateShapeValueLists()) {
      if (auto packed = PackFingering(values, false, kFretSlots + 1)) {
        std::uint64_t ranks = ValueRanks(*packed);
        ranks_.push_back(ranks);
        filter_.set(Slot(ranks));
      }
    }
    std::sort(ranks_.begin(), ranks_.end());
  }

  bool Hold(const PackedFingering& fingering) const {
    std::uint64_t ranks = ValueRanks(fingering);
    return filter_.test(Slot(ranks)) && std::binary_search(ranks_.begin(), ranks_.end(), ranks);
  }

 private:
  static std::uint64_t ValueRanks(const PackedFingering& fingering) {
    return fingering.order & ((std::uint64_t{1} << key_facts::kValueBits) - 1);
  }
  static std::size_t Slot(std::uint64_t ranks) {
    return (ranks ^ (ranks >> 12) ^ (ranks >> 24)) % kFilterBits;
  }

  static constexpr std::size_t kFilterBits = 4096;
  std::vector<std::uint64_t> ranks_;
  std::bitset<kFilterBits> filter_;
};

}  // namespace

void PromotePreferredShape(std::vector<PackedFingering>& fingerings) {
  static const PreferredShapes kPreferred;
  for (PackedFingering& fingering : fingerings) {
    if (kPreferred.Hold(fingering)) {
      MarkPreferred(fingering);
      return;
    }
  }
}

std::vector<std::string> SearchResult::Keys() const {
  std::vector<std::string> keys;
  keys.reserve(fingerings.size());
  for (const PackedFingering& fingering : fingerings) keys.push_back(KeyText(fingering));
  return keys;
}

namespace {

SearchSettings Sanitized(SearchSettings settings) {
  settings.fretCount = std::clamp(settings.fretCount, 1, kMaxFretCount);
  for (int& pitchClass : settings.tuning) pitchClass = WrapPitchClass(pitchClass);
  return settings;
}

}  // namespace

std::vector<int> ChordTonesOf(const std::vector<int>& argumentNumbers,
                              const SearchSettings& settings) {
  std::size_t first = settings.bassPitchClass != settings.rootPitchClass ? 1 : 0;
  // A tone named twice is still one tone to cover.
  std::vector<int> tones = DistinctInOrder(std::vector<int>(
      argumentNumbers.begin() + std::min(first, argumentNumbers.size()), argumentNumbers.end()));
  if (settings.omitThird) {
    RemoveFirst(tones, WrapPitchClass(settings.thirdInterval + settings.rootPitchClass));
  }
  if (settings.omitFifth) {
    RemoveFirst(tones, WrapPitchClass(settings.fifthInterval + settings.rootPitchClass));
  }
  return tones;
}

SearchResult SearchChord(const std::vector<int>& argumentNumbers, const SearchSettings& raw) {
  const SearchSettings settings = Sanitized(raw);
  SearchResult result;
  if (argumentNumbers.empty()) return result;
  result.chordTones = ChordTonesOf(argumentNumbers, settings);

  ToneMap bassMap = BuildToneMap(settings.tuning, settings.fretCount, {argumentNumbers[0]});
  ToneMap chordMap = BuildToneMap(settings.tuning, settings.fretCount, result.chordTones);
  FingeringCollector collector(settings, result.chordTones);
  enumeration::Enumerate</*skipRepeats=*/true>(bassMap, chordMap, settings.fretCount, collector);

  result.fingerings = collector.TakeFingerings();
  PromotePreferredShape(result.fingerings);
  std::sort(result.fingerings.begin(), result.fingerings.end(),
            [](const PackedFingering& a, const PackedFingering& b) { return a.order < b.order; });
  return result;
}

}  // namespace corvanta
