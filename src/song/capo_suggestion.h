// The capo suggestion for a song.
#pragma once

#include <vector>

#include "song/voiced_song.h"

namespace corvanta {

// The capo positions 0..kMostSuggestedCapo ranked by the whole song voiced
// at each (the song's total cost in the options' mode, exactly as
// VoiceSong chooses), easiest first; a capo comes before no capo only when
// its song is easier by more than kCapoMargin, and ties go to the lower
// capo. Pins of names and occurrences are left out (their names change
// with the capo); the song's own defines count only at its own capo.
std::vector<CapoSuggestion> SuggestCapos(const Session& session, const Song& song,
                                         const SongVoicingOptions& options);

}  // namespace corvanta
