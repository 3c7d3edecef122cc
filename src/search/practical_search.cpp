// The practical rules: which tones may be left out, inversions, the bass.
#include "search/practical_search.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "search/finger_count.h"
#include "theory/note_names.h"

namespace corvanta {
namespace {

constexpr int kFifth = 7;
constexpr int kAugmentedEleventh = 6;
constexpr PlayedBarres kPlayedBarres{true, true};

bool Holds(const std::vector<int>& tones, int tone) {
  return std::find(tones.begin(), tones.end(), tone) != tones.end();
}

// The tones that may sound and need not: the unaltered fifth beside at
// least two other tones, the ninth of a thirteenth, eleventh or 9#11 chord,
// and the eleventh of a thirteenth (all with a seventh).
std::vector<int> OptionalTones(const std::vector<int>& tones, const SearchSettings& settings) {
  const int root = settings.rootPitchClass;
  auto tone = [&](int interval) { return WrapPitchClass(root + interval); };
  std::vector<int> optional;
  if (tones.size() > 2 && Holds(tones, tone(kFifth)) && !settings.omitFifth)
    optional.push_back(tone(kFifth));
  const bool seventh = Holds(tones, tone(10)) || Holds(tones, tone(11));
  const bool thirteenth = Holds(tones, tone(9));
  const bool upper = thirteenth || Holds(tones, tone(5)) || Holds(tones, tone(kAugmentedEleventh));
  if (seventh && upper && Holds(tones, tone(2))) optional.push_back(tone(2));
  if (seventh && thirteenth && Holds(tones, tone(5))) optional.push_back(tone(5));
  return optional;
}

// A triad's three strings beside the bass-built walk's own: two free ones.
constexpr int kTriadFreeStrings = 2;
// On an instrument played in any inversion: three strings in all.
constexpr int kTriadStrings = 3;

// Chords of two or three tones on as few strings, where the walk itself
// does not find them: a second walk with fewer strings enough (two tones on
// two strings; a triad on three strings of an instrument played in any
// inversion whose rule asks for more).
std::vector<Voicing> ThinVoicings(const Instrument& instrument,
                                  const std::vector<int>& argumentNumbers,
                                  const SearchSettings& played, std::size_t tones) {
  VoicingRules thin = instrument.rules;
  SearchSettings settings = played;
  if (tones == 2) {
    thin.minSounding = 1;
  } else {
    if (!instrument.rules.anyInversion || instrument.rules.minSounding <= kTriadStrings) return {};
    thin.minSounding = settings.maxFreeSounding = kTriadStrings;
    settings.optionalTones = 0;  // each of the three tones on its string
  }
  return SearchAnyInstrument(instrument, argumentNumbers, settings, thin).voicings;
}

// One of each fingering, in the search's order; one promoted shape at most.
// Both lists come in the search's order, so one pass merges them.
void Merge(std::vector<Voicing>& voicings, const std::vector<Voicing>& more) {
  std::vector<Voicing> merged;
  merged.reserve(voicings.size() + more.size());
  std::merge(voicings.begin(), voicings.end(), more.begin(), more.end(), std::back_inserter(merged),
             VoicingBefore);
  merged.erase(
      std::unique(merged.begin(), merged.end(),
                  [](const Voicing& a, const Voicing& b) { return a.frets.SameStops(b.frets); }),
      merged.end());
  bool promoted = false;
  for (Voicing& voicing : merged) {
    if (voicing.preferred && promoted) voicing.preferred = false;
    promoted = promoted || voicing.preferred;
  }
  voicings = std::move(merged);
}

// The fifth beneath a full barre that starts on the root (x 2 4 4 4 2 for
// B gives 2 2 4 4 4 2): the barre laid one string further, if the hand
// still holds it.
std::vector<Voicing> FifthsBelowBarres(const std::vector<Voicing>& voicings,
                                       const Instrument& instrument,
                                       const SearchSettings& settings) {
  std::vector<Voicing> added;
  if (instrument.rules.anyInversion || settings.bassPitchClass != settings.rootPitchClass)
    return added;
  const int fifth = WrapPitchClass(settings.rootPitchClass + kFifth);
  for (const Voicing& voicing : voicings) {
    const Fingering& frets = voicing.frets;
    const int strings = static_cast<int>(frets.size());
    int root = 0;
    while (root < strings && frets[std::size_t(root)].IsMuted()) ++root;
    if (root == 0 || root >= strings - 1 || !frets.StartsBarre(std::size_t(root))) continue;
    const int barre = frets[std::size_t(root)].Fret();
    if (frets[std::size_t(strings - 1)].Fret() != barre) continue;
    const int below = PitchAt(instrument, root - 1, barre);
    if (below < 0 || WrapPitchClass(below) != fifth) continue;
    std::vector<int> values;
    for (StringStop stop : frets) values.push_back(stop.IsMuted() ? kMutedString : stop.Fret());
    values[std::size_t(root - 1)] = barre;
    if (CountFingers(values, settings.noFullBarres, kPlayedBarres) > kFingerCount) continue;
    auto wider = MakeVoicing(values, settings.simpleChords, settings.span);
    if (!wider) continue;
    wider->fifthInBass = true;
    added.push_back(*wider);
  }
  return added;
}

}  // namespace

InstrumentSearchResult SearchPractical(const Instrument& instrument,
                                       const std::vector<int>& argumentNumbers,
                                       const SearchSettings& settings) {
  SearchSettings played = settings;
  played.practical = false;
  if (argumentNumbers.empty()) return SearchOnInstrument(instrument, argumentNumbers, played);
  // The argument is the bass, then the chord from its root; over its own
  // root the bass is the chord's first tone.
  const std::size_t first = settings.bassPitchClass != settings.rootPitchClass ? 1 : 0;
  const std::vector<int> tones =
      DistinctInOrder(std::vector<int>(argumentNumbers.begin() + first, argumentNumbers.end()));
  played.barres = kPlayedBarres;
  played.bassLowest = true;
  // The optional tones may sound and need not: one search allows them all.
  for (int tone : OptionalTones(tones, settings))
    played.optionalTones |= static_cast<std::uint16_t>(1u << tone);
  if (tones.size() == 3 && !instrument.rules.anyInversion)
    played.triadFreeStrings = kTriadFreeStrings;
  InstrumentSearchResult merged = SearchAnyInstrument(instrument, argumentNumbers, played);
  auto& voicings = merged.voicings;
  if (tones.size() == 2 || tones.size() == 3) {
    std::vector<Voicing> thin = ThinVoicings(instrument, argumentNumbers, played, tones.size());
    if (!thin.empty()) Merge(voicings, thin);
  }
  std::vector<Voicing> fifths = FifthsBelowBarres(voicings, instrument, settings);
  std::sort(fifths.begin(), fifths.end(), VoicingBefore);
  if (!fifths.empty()) Merge(voicings, fifths);
  return merged;
}

}  // namespace corvanta
