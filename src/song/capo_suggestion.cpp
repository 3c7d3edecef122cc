// Ranking capo positions for a song as a player decides: a capo must save
// a barre, a hard shape, or make most chords open.
#include "song/capo_suggestion.h"

#include <algorithm>

#include "instrument/fingering.h"
#include "search/difficulty.h"
#include "search/hand.h"
#include "song/hand_move.h"
#include "song/song_cost.h"

namespace corvanta {
namespace {

bool IsBarreChord(const Voicing& voicing) {
  const HandShape hand = ShapeOfVoicing(voicing);
  if (hand.barreFret == 0) return false;
  const int strings = static_cast<int>(voicing.frets.size());
  return strings - hand.barreFrom >= std::min(kCapoWeights.barreStrings, strings);
}

// The fingers spread wider than the hand: numbered fret by fret as a
// diagram numbers them, two fingers further apart in frets than the fingers
// between them and the hand's spare ones can bridge (x 1 0 3 3 1: the
// second finger on the first fret, the third on the third, no finger
// spare). One finger a fret (x 3 2 3 1 0) and a three-finger shape that
// skips a finger (3 5 5 x x x) are no stretch.
bool IsStretch(const Fingering& frets) {
  const std::vector<int> fingers = FingerNumbers(frets);
  int used = 0;
  for (int finger : fingers) used = std::max(used, finger);
  const int spare = std::max(0, kHandFingers - used);
  for (std::size_t a = 0; a < frets.size(); ++a) {
    for (std::size_t b = 0; b < frets.size(); ++b) {
      if (fingers[a] <= 0 || fingers[b] <= fingers[a]) continue;
      if (frets[b].Fret() - frets[a].Fret() > fingers[b] - fingers[a] + spare) return true;
    }
  }
  return false;
}

// A shape that is hard however it is counted: past the difficulty's "hard"
// word, or a stretch. Barre chords are counted apart (IsBarreChord).
bool IsHardShape(const Voicing& voicing) {
  return WordForDifficulty(Difficulty(voicing.frets)) == DifficultyWord::Hard ||
         IsStretch(voicing.frets);
}

bool IsOpenShape(const Voicing& voicing) {
  bool open = false;
  for (StringStop stop : voicing.frets) {
    if (stop.IsOpen()) open = true;
    if (stop.IsHeld() && stop.Fret() > kCapoWeights.openUpToFret) return false;
  }
  return open;
}

void CountShapes(const VoicedSong& voiced, CapoSuggestion& suggestion) {
  for (const DistinctChord& chord : voiced.distinct) {
    suggestion.shapes.push_back(chord.symbol);
    const bool barre = IsBarreChord(chord.voicing);
    suggestion.barres += barre;
    suggestion.hardShapes += !barre && IsHardShape(chord.voicing);
    suggestion.openShapes += IsOpenShape(chord.voicing);
  }
}

std::string Plural(int count, const std::string& word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

// What a capo saves against none, empty when nothing worth a capo. Barres
// and hard shapes count together: a capo that trades a barre for a stretch
// saves nothing.
std::string Saving(const CapoSuggestion& capo, const CapoSuggestion& none) {
  const int chords = static_cast<int>(capo.shapes.size());
  std::vector<std::string> saved;
  if (capo.barres + capo.hardShapes < none.barres + none.hardShapes) {
    if (capo.barres < none.barres)
      saved.push_back("removes " + Plural(none.barres - capo.barres, "barre"));
    if (capo.hardShapes < none.hardShapes)
      saved.push_back("removes " + Plural(none.hardShapes - capo.hardShapes, "hard shape"));
    if (capo.barres > none.barres)
      saved.push_back("adds " + Plural(capo.barres - none.barres, "barre"));
    if (capo.hardShapes > none.hardShapes)
      saved.push_back("adds " + Plural(capo.hardShapes - none.hardShapes, "hard shape"));
  }
  if (2 * capo.openShapes > chords && 2 * none.openShapes <= chords)
    saved.push_back("makes " + std::to_string(capo.openShapes) + " of " + std::to_string(chords) +
                    " chords open");
  std::string text;
  for (const std::string& part : saved) text += (text.empty() ? "" : ", ") + part;
  return text;
}

}  // namespace

std::vector<CapoSuggestion> SuggestCapos(const Session& session, const Song& song,
                                         const SongVoicingOptions& options) {
  std::vector<CapoSuggestion> suggestions;
  for (int capo = 0; capo <= kMostSuggestedCapo; ++capo) {
    SongVoicingOptions at = options;
    at.capo = capo;
    at.pins.clear();
    at.alternatives = 0;
    at.notation = ChordNumbers::Letters;  // each capo's shapes by name
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
    CountShapes(voiced, suggestion);
    suggestions.push_back(std::move(suggestion));
  }
  for (CapoSuggestion& suggestion : suggestions)
    if (suggestion.capo > 0) suggestion.reason = Saving(suggestion, suggestions.front());
  auto worth = [](const CapoSuggestion& s) { return s.capo == 0 || !s.reason.empty(); };
  auto score = [](const CapoSuggestion& s) {
    return s.difficulty + (s.capo > 0 ? kCapoWeights.put + kCapoWeights.perFret * s.capo : 0.0);
  };
  std::stable_sort(suggestions.begin(), suggestions.end(),
                   [&](const CapoSuggestion& a, const CapoSuggestion& b) {
                     if (worth(a) != worth(b)) return worth(a);
                     return score(a) < score(b);
                   });
  return suggestions;
}

}  // namespace corvanta
