#include "search/practical_search.h"

#include <algorithm>
#include <cstdlib>

#include "theory/note_names.h"

namespace corvanta {
namespace {

bool Holds(const std::vector<int>& tones, int tone) {
  return std::find(tones.begin(), tones.end(), tone) != tones.end();
}

// The tones that may sound and need not: the unaltered fifth beside at
// least two other tones, and the ninth of a thirteenth or eleventh chord.
std::vector<int> OptionalTones(const std::vector<int>& tones, const SearchSettings& settings) {
  const int root = settings.rootPitchClass;
  auto tone = [&](int interval) { return WrapPitchClass(root + interval); };
  std::vector<int> optional;
  if (tones.size() > 2 && Holds(tones, tone(7)) && !settings.omitFifth) optional.push_back(tone(7));
  const bool seventh = Holds(tones, tone(10)) || Holds(tones, tone(11));
  const bool upper = Holds(tones, tone(9)) || Holds(tones, tone(5));
  if (seventh && upper && Holds(tones, tone(2))) optional.push_back(tone(2));
  return optional;
}

// The bass sounds lowest, and over another bass the root sounds on another
// string.
bool KeepsPracticalRules(const Voicing& voicing, const Instrument& instrument,
                         const SearchSettings& settings) {
  const int strings = static_cast<int>(voicing.frets.size());
  int lowest = -1, lowestPitch = 0;
  for (int string = 0; string < strings; ++string) {
    const StringStop stop = voicing.frets[std::size_t(string)];
    const int pitch = stop.IsMuted() ? -1 : PitchAt(instrument, string, stop.Fret());
    if (pitch >= 0 && (lowest < 0 || pitch < lowestPitch)) lowest = string, lowestPitch = pitch;
  }
  if (lowest < 0) return false;
  const bool slash = settings.bassPitchClass != settings.rootPitchClass;
  // An instrument played in any inversion has no bass to keep lowest unless
  // one was written.
  if ((!instrument.rules.anyInversion || slash) &&
      WrapPitchClass(lowestPitch) != settings.bassPitchClass)
    return false;
  if (!slash) return true;
  for (int string = 0; string < strings; ++string) {
    const StringStop stop = voicing.frets[std::size_t(string)];
    const int pitch = stop.IsMuted() ? -1 : PitchAt(instrument, string, stop.Fret());
    if (string != lowest && pitch >= 0 && WrapPitchClass(pitch) == settings.rootPitchClass)
      return true;
  }
  return false;
}

}  // namespace

InstrumentSearchResult SearchPractical(const Instrument& instrument,
                                       const std::vector<int>& argumentNumbers,
                                       const SearchSettings& settings) {
  SearchSettings strict = settings;
  strict.practical = false;
  if (argumentNumbers.empty()) return SearchOnInstrument(instrument, argumentNumbers, strict);
  // The argument is the bass, then the chord from its root; over its own
  // root the bass is the chord's first tone.
  const std::size_t first = settings.bassPitchClass != settings.rootPitchClass ? 1 : 0;
  const std::vector<int> tones =
      DistinctInOrder(std::vector<int>(argumentNumbers.begin() + first, argumentNumbers.end()));
  // The optional tones may sound and need not: one search allows them all.
  for (int tone : OptionalTones(tones, settings))
    strict.optionalTones |= static_cast<std::uint16_t>(1u << tone);
  InstrumentSearchResult merged = SearchOnInstrument(instrument, argumentNumbers, strict);
  auto& voicings = merged.voicings;
  // Two tones on two strings: the walk with one free string enough.
  if (tones.size() == 2) {
    Instrument pair = instrument;
    pair.rules.minSounding = 1;
    for (Voicing& voicing : SearchAnyInstrument(pair, argumentNumbers, strict).voicings)
      voicings.push_back(voicing);
    // One of each fingering, in the search's order; one promoted shape at most.
    std::stable_sort(voicings.begin(), voicings.end(), VoicingBefore);
    voicings.erase(
        std::unique(voicings.begin(), voicings.end(),
                    [](const Voicing& a, const Voicing& b) { return a.frets == b.frets; }),
        voicings.end());
    bool promoted = false;
    for (Voicing& voicing : voicings) {
      if (voicing.preferred && promoted) voicing.preferred = false;
      promoted = promoted || voicing.preferred;
    }
  }
  std::erase_if(voicings, [&](const Voicing& voicing) {
    return !KeepsPracticalRules(voicing, instrument, settings);
  });
  return merged;
}

}  // namespace corvanta
