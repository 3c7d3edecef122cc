// Voices a whole song: steps, candidates, pins, the cheapest path.
#include <algorithm>
#include <map>

#include "search/difficulty.h"
#include "song/candidate_cache.h"
#include "song/key_detection.h"
#include "song/simplify.h"
#include "song/song_cost.h"
#include "song/song_pins.h"
#include "song/song_transpose.h"
#include "song/song_voicing_steps.h"
#include "song/voiced_song.h"

namespace corvanta {
namespace {

// The signed shift, -5..6, from one pitch class to another.
int NearestShift(int from, int to) {
  const int up = WrapPitchClass(to - from);
  return up > 6 ? up - 12 : up;
}

// The key of the chords as written: {key}, or the chords' own. A key the
// chords do not settle still spells the transposition (its likeliest key)
// but is not claimed.
SongKey WrittenKey(VoicedSong& voiced, DetectedKey& detected) {
  if (const std::optional<SongKey> key = ParseSongKey(voiced.song.key)) return *key;
  detected = DetectKey(voiced.song);
  voiced.keyDetected = detected.found;
  voiced.keyConfidence = detected.confidence;
  voiced.keyReason = detected.reason;
  return detected.key;
}

// The sections' keys, moved as the song sounds.
void SetSectionKeys(VoicedSong& voiced, const DetectedKey& detected, const SongKey& written,
                    const SongKey& sounding) {
  for (SectionKey section : detected.sections) {
    section.key = TransposedKey(section.key, sounding.tonic - written.tonic);
    voiced.sectionKeys.push_back(std::move(section));
  }
}

void SetDirective(Song& song, const std::string& name, const std::string& value) {
  for (SongLine& line : song.lines)
    if (line.kind == LineKind::Directive && line.directive.name == name) {
      // A bare "{transpose}" gains its colon with its value.
      std::string& before = line.directive.before;
      if (line.directive.value.empty() && !before.empty() && before.back() != ':' &&
          before.back() != ' ')
        before += ": ";
      line.directive.value = value;
    }
}

// Transposes the song and puts it under its capo: the texts move by the
// transposition and by the capo change, spelled in the key of the shapes.
SongKey PlaceSong(VoicedSong& voiced, const SongVoicingOptions& options) {
  Song& song = voiced.song;
  DetectedKey detected;
  detected.found = true;
  const SongKey written = WrittenKey(voiced, detected);
  int capo = std::clamp(options.capo.value_or(song.capo), 0, kMaxCapo);
  const SongKey soundingNow = TransposedKey(written, song.capo);
  int transpose = song.transpose + options.transpose;
  SongKey sounding = TransposedKey(soundingNow, transpose);
  if (const std::optional<SongKey> target = ParseSongKey(options.key)) {
    // A key of the other mode names its relative: a song in G asked for
    // in Am goes to C, and one in Em asked for in C goes to Am.
    const int relative = target->minor == soundingNow.minor ? 0 : target->minor ? 3 : -3;
    const SongKey named = KeyAt(target->tonic + relative, soundingNow.minor, target->flats);
    transpose = NearestShift(soundingNow.tonic, named.tonic);
    sounding = named;
    voiced.keyDetected = false;
    if (!detected.found)
      voiced.warnings.push_back(
          {-1, 0, 0, options.key,
           "is reached from " + KeyName(written) + ", the likeliest key: " + detected.reason});
    detected.found = true;
  } else if (!options.key.empty()) {
    voiced.warnings.push_back({-1, 0, 0, options.key, "is not a key; the song is not moved"});
  }
  int shift = transpose + song.capo - capo;
  SongKey shapes = KeyAt(sounding.tonic - capo, sounding.minor, capo == 0 && sounding.flats);
  voiced.movedByPlayer = WrapPitchClass(transpose - song.transpose) != 0 || capo != song.capo;
  if (!TransposeSong(song, shift, shapes, true)) {
    // Too long to move whole: played as written, and said so.
    voiced.warnings.push_back({-1, 0, 0, "", song.notes.back()});
    song.notes.pop_back();
    capo = song.capo, transpose = 0, shift = 0;
    sounding = TransposedKey(written, song.capo);
    shapes = written;
    voiced.movedByPlayer = false;
  }
  if (options.simplify) voiced.simplified = SimplifySong(song);
  if (capo != song.capo) SetDirective(song, "capo", std::to_string(capo));
  // The song's own {transpose} is done: written back, it must not move it twice.
  for (const SongChord& chord : song.chords)
    if (chord.transposeHere != 0) SetDirective(song, "transpose", "0");
  song.transpose = 0;
  song.capo = capo;
  voiced.capo = capo;
  voiced.transpose = transpose;
  if (detected.found) {
    voiced.key = KeyName(shapes);
    voiced.soundingKey = KeyName(sounding);
    voiced.keyReason.clear();
  }
  SetSectionKeys(voiced, detected, written, sounding);
  for (std::size_t i = 0; i < song.chords.size(); ++i) {
    const SongChord& chord = song.chords[i];
    VoicedOccurrence occurrence;
    occurrence.chord = static_cast<int>(i);
    occurrence.symbol = chord.text;
    occurrence.sounding =
        chord.read ? TransposeSymbol(chord.text, capo, KeyNoteNames(sounding)) : chord.text;
    voiced.chords.push_back(std::move(occurrence));
  }
  return shapes;
}

// What a mode's path costs: own difficulty, movement, the one-shape term.
void SetModeCosts(SongSteps& steps, VoicingMode mode) {
  PathProblem& problem = steps.problem;
  problem.ownCost.clear();
  for (std::size_t i = 0; i < steps.pool.size(); ++i) {
    double own = 0.0;
    if (mode == VoicingMode::AsPlayed) own = kSongCostWeights.difficulty * steps.listedCost[i];
    if (mode == VoicingMode::Easiest) own = Difficulty(steps.pool[i].frets);
    problem.ownCost.push_back(own);
  }
  problem.moveWeight = mode == VoicingMode::Easiest ? 0.0 : 1.0;
  problem.placeWeight = mode == VoicingMode::AsPlayed ? 1.0 : 0.0;
  problem.otherShape = mode == VoicingMode::AsPlayed ? kSongCostWeights.otherShape : 0.0;
}

// The K cheapest voicings at each step with the rest of the path held.
void AddAlternatives(VoicedSong& voiced, const SongSteps& steps, const PathChoice& choice, int k) {
  const PathProblem& problem = steps.problem;
  const std::vector<std::vector<double>> each = CostsOfEachCandidate(problem, choice.chosen);
  for (std::size_t step = 0; step < problem.steps.size(); ++step) {
    std::vector<std::pair<double, int>> costs;
    for (std::size_t i = 0; i < problem.steps[step].size(); ++i) {
      const int candidate = problem.steps[step][i];
      // A step a pin holds has no other choice.
      if (!problem.held.empty() && problem.held[step] >= 0 && problem.held[step] != candidate)
        continue;
      costs.emplace_back(each[step][i], candidate);
    }
    const std::size_t kept = std::min(costs.size(), static_cast<std::size_t>(k));
    std::partial_sort(costs.begin(), costs.begin() + static_cast<std::ptrdiff_t>(kept), costs.end(),
                      [](const auto& a, const auto& b) { return a < b; });
    VoicedOccurrence& occurrence = voiced.chords[static_cast<std::size_t>(steps.stepChord[step])];
    for (std::size_t i = 0; i < kept; ++i)
      occurrence.alternatives.push_back(
          {steps.pool[static_cast<std::size_t>(costs[i].second)], costs[i].first});
  }
}

void FillResult(VoicedSong& voiced, const SongSteps& steps, const PathChoice& choice) {
  for (std::size_t step = 0; step < choice.chosen.size(); ++step) {
    VoicedOccurrence& occurrence = voiced.chords[static_cast<std::size_t>(steps.stepChord[step])];
    const Voicing& voicing = steps.pool[static_cast<std::size_t>(choice.chosen[step])];
    occurrence.voicing = voicing;
    occurrence.difficulty = Difficulty(voicing.frets);
  }
  for (std::size_t i = 0; i < voiced.chords.size(); ++i) voiced.chords[i].pinned = steps.pinned[i];
  // Each name with the voicing of its first voiced occurrence.
  for (std::size_t name = 0; name < steps.distinct.size(); ++name) {
    for (std::size_t i = 0; i < voiced.chords.size(); ++i) {
      const VoicedOccurrence& occurrence = voiced.chords[i];
      if (steps.names[i] != static_cast<int>(name) || !occurrence.voicing) continue;
      voiced.distinct.push_back({occurrence.symbol, *occurrence.voicing, occurrence.pinned,
                                 occurrence.sounding, occurrence.symbol});
      break;
    }
  }
  PathProblem movement = steps.problem;
  movement.moveWeight = 1.0;
  movement.placeWeight = 0.0;  // the fingers' movement alone
  voiced.cost.total = choice.cost;
  voiced.cost.perChange = ChangeCosts(movement, choice.chosen);
  voiced.cost.exact = choice.exact;
  voiced.cost.lowerBound = choice.lowerBound;
}

// The names shown as numbers in the key of the shapes; without a key the
// letters stay, with a warning.
void ShowNumbers(VoicedSong& voiced, ChordNumbers notation) {
  if (notation == ChordNumbers::Letters) return;
  const std::optional<SongKey> key = ParseSongKey(voiced.key);
  if (!key) {
    voiced.warnings.push_back({-1, 0, 0, "numbers", "need a key: the chords are shown as letters"});
    return;
  }
  for (SongChord& chord : voiced.song.chords)
    if (chord.read) chord.text = NumberedSymbol(chord.text, *key, notation);
  for (VoicedOccurrence& occurrence : voiced.chords)
    if (occurrence.voicing || occurrence.problem == "unplayable")
      occurrence.symbol = NumberedSymbol(occurrence.symbol, *key, notation);
  for (DistinctChord& chord : voiced.distinct)
    chord.symbol = NumberedSymbol(chord.symbol, *key, notation);
}

VoicedSong VoiceMoved(const Session& session, Song&& song, const SongVoicingOptions& options,
                      CandidateCache* cache) {
  VoicedSong voiced;
  voiced.song = std::move(song);
  ReadNumberedChords(voiced.song);
  const SongKey key = PlaceSong(voiced, options);
  Session played = session;
  played.capo = voiced.capo;
  played.capoNames = CapoNames::Shapes;
  SongSteps steps = BuildSongSteps(voiced, played, key, options, cache);
  SetModeCosts(steps, options.mode);
  const PathChoice choice = cache != nullptr ? cache->ChoiceFor(steps.problem, options.pathWork)
                                             : ChoosePath(steps.problem, options.pathWork);
  FillResult(voiced, steps, choice);
  if (options.alternatives > 0) AddAlternatives(voiced, steps, choice, options.alternatives);
  ShowNumbers(voiced, options.notation);
  return voiced;
}

}  // namespace

VoicedSong VoiceSong(const Session& session, const Song& song, const SongVoicingOptions& options) {
  return VoiceMoved(session, Song(song), options, nullptr);
}

VoicedSong VoiceSong(const Session& session, Song&& song, const SongVoicingOptions& options) {
  return VoiceMoved(session, std::move(song), options, nullptr);
}

VoicedSong VoiceSong(const Session& session, const Song& song, const SongVoicingOptions& options,
                     CandidateCache& cache) {
  return VoiceMoved(session, Song(song), options, &cache);
}

}  // namespace corvanta
