// The capo suggestion for a song.
#pragma once

#include <vector>

#include "song/voiced_song.h"

namespace corvanta {

// The capo positions 0..kMostSuggestedCapo, each with the whole song voiced
// at it (the song's total cost in the options' mode, exactly as VoiceSong
// chooses), ranked as a player decides (song_cost.h, CapoWeights): the
// capos that remove a barre or a hard shape or make most chords open, and
// no capo, by cost plus the capo's own; then the rest. Ties go to the
// lower capo. Pins of names and occurrences are left out (their names
// change with the capo); the song's own defines count only at its own capo.
std::vector<CapoSuggestion> SuggestCapos(const Session& session, const Song& song,
                                         const SongVoicingOptions& options);

}  // namespace corvanta
