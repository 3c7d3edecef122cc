// Ranks capo positions by the whole song voiced under each.
#include "song/capo_suggestion.h"

#include <algorithm>

#include "song/song_cost.h"

namespace corvanta {

std::vector<CapoSuggestion> SuggestCapos(const Session& session, const Song& song,
                                         const SongVoicingOptions& options) {
  std::vector<CapoSuggestion> suggestions;
  for (int capo = 0; capo <= kMostSuggestedCapo; ++capo) {
    SongVoicingOptions at = options;
    at.capo = capo;
    at.pins.clear();
    at.alternatives = 0;
    at.useDefines = options.useDefines && capo == song.capo;
    // The eight songs share one song's budget: a suggestion costs no more
    // than one voicing of the song at its worst.
    at.pathWork = options.pathWork / (kMostSuggestedCapo + 1);
    const VoicedSong voiced = VoiceSong(session, song, at);
    CapoSuggestion suggestion;
    suggestion.capo = capo;
    suggestion.difficulty =
        voiced.cost.total + kUnplayableCost * static_cast<double>(voiced.unplayable.size());
    suggestion.key = voiced.key;
    for (const DistinctChord& chord : voiced.distinct) suggestion.shapes.push_back(chord.symbol);
    suggestions.push_back(std::move(suggestion));
  }
  auto score = [](const CapoSuggestion& s) {
    return s.difficulty + (s.capo > 0 ? kCapoMargin : 0);
  };
  std::stable_sort(
      suggestions.begin(), suggestions.end(),
      [&](const CapoSuggestion& a, const CapoSuggestion& b) { return score(a) < score(b); });
  return suggestions;
}

}  // namespace corvanta
