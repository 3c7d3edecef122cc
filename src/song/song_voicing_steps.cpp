// Turns a song's chords into the path search's steps and candidates.
#include "song/song_voicing_steps.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "search/difficulty.h"
#include "song/candidate_cache.h"
#include "song/song_pins.h"

namespace corvanta {
namespace {

// Tones a pin may leave out without a warning: the fifth, which the
// practical rules make optional.
std::vector<int> ToneNeeded(const std::vector<int>& tones, const Chord& chord, bool practical) {
  std::vector<int> needed;
  for (int tone : tones)
    if (!practical || WrapPitchClass(tone - chord.root) != kPerfectFifth) needed.push_back(tone);
  return needed;
}

int MutedStrings(const Fingering& frets) {
  int muted = 0;
  for (StringStop stop : frets) muted += stop.IsMuted();
  return muted;
}

// The song's cost of each of a chord's voicings alone, `voicings` in the
// order a query lists them (song_cost.h says why), each priced as the
// query ranks it: the fifth under a barre counts.
std::vector<double> ListedCosts(const std::vector<Voicing>& voicings) {
  std::vector<double> costs;
  if (voicings.empty()) return costs;
  double easiest = Difficulty(voicings.front());
  for (const Voicing& voicing : voicings) {
    costs.push_back(Difficulty(voicing));
    easiest = std::min(easiest, costs.back());
  }
  costs.front() = easiest;
  const int firstMutes = MutedStrings(voicings.front().frets);
  for (std::size_t i = 1; i < voicings.size(); ++i)
    costs[i] +=
        kSongCostWeights.mutedString * std::max(0, MutedStrings(voicings[i].frets) - firstMutes);
  return costs;
}

}  // namespace

ChordCandidates SearchCandidates(const Session& listing, const Chord& chord) {
  const VoicedChord found = VoiceChord(listing, chord);
  const std::vector<double> listed = ListedCosts(found.search.voicings);
  std::vector<std::size_t> order(listed.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return listed[a] < listed[b]; });
  ChordCandidates candidates;
  candidates.tones = found.search.chordTones;
  for (std::size_t i : order) {
    candidates.voicings.push_back(found.search.voicings[i]);
    candidates.listedCost.push_back(listed[i]);
    candidates.shapes.push_back(ShapeOfVoicing(found.search.voicings[i]));
  }
  return candidates;
}

namespace {

struct Searched {
  std::vector<std::vector<int>> candidates;  // per name, pool indices, easiest first
  std::vector<std::vector<int>> tones;       // per name, the chord tones
  std::vector<Chord> chords;                 // per name
  std::vector<bool> definedOnly;             // per name: played from its define alone
};

void SearchNames(SongSteps& steps, const Song& song, const Session& session, Searched& searched,
                 CandidateCache* cache) {
  std::map<std::string, int> ids;
  for (std::size_t i = 0; i < song.chords.size(); ++i) {
    const SongChord& chord = song.chords[i];
    if (!chord.read) continue;
    auto [at, added] = ids.emplace(chord.text, static_cast<int>(steps.distinct.size()));
    if (added) {
      steps.distinct.push_back(chord.text);
      searched.chords.push_back(chord.chord);
      searched.definedOnly.push_back(chord.definedOnly);
    }
    steps.names[i] = at->second;
  }
  Session listing = session;
  listing.order = VoicingOrderChoice::Ease;
  for (std::size_t name = 0; name < searched.chords.size(); ++name) {
    const Chord& chord = searched.chords[name];
    if (searched.definedOnly[name]) {  // its define is its one shape
      searched.candidates.emplace_back();
      searched.tones.emplace_back();
      continue;
    }
    ChordCandidates searchedNow;
    const ChordCandidates& found = cache != nullptr
                                       ? cache->Of(listing, chord)
                                       : (searchedNow = SearchCandidates(listing, chord));
    std::vector<int> candidates;
    for (std::size_t i = 0; i < found.voicings.size(); ++i) {
      candidates.push_back(static_cast<int>(steps.pool.size()));
      steps.pool.push_back(found.voicings[i]);
      steps.listedCost.push_back(found.listedCost[i]);
      steps.problem.shapes.push_back(found.shapes[i]);
    }
    searched.candidates.push_back(std::move(candidates));
    searched.tones.push_back(found.tones);
  }
}

int AddToPool(SongSteps& steps, const Voicing& voicing) {
  steps.pool.push_back(voicing);
  steps.listedCost.push_back(Difficulty(voicing));
  steps.problem.shapes.push_back(ShapeOfVoicing(voicing));
  return static_cast<int>(steps.pool.size()) - 1;
}

// A pinned occurrence's voicing among its name's candidates: the one of
// the same frets, or added to them (every occurrence of the name may then
// take it). The player has shown the shape he plays the chord in: like the
// shape a query lists first, it counts as the easiest of the name, so the
// name's other occurrences keep it unless the hand's moves ask otherwise.
int CandidateFor(SongSteps& steps, Searched& searched, int name, const Voicing& voicing) {
  std::vector<int>& candidates = searched.candidates[static_cast<std::size_t>(name)];
  int found = -1;
  double easiest = Difficulty(voicing);
  for (int candidate : candidates) {
    if (steps.pool[static_cast<std::size_t>(candidate)].frets == voicing.frets) found = candidate;
    easiest = std::min(easiest, steps.listedCost[static_cast<std::size_t>(candidate)]);
  }
  if (found < 0) {
    found = AddToPool(steps, voicing);
    candidates.push_back(found);
  }
  steps.listedCost[static_cast<std::size_t>(found)] = easiest;
  return found;
}

struct Pins {
  std::map<int, int> byName;        // name index -> pool index
  std::map<int, int> byOccurrence;  // occurrence index -> pool index
};

void WarnOfMismatch(VoicedSong& voiced, const Voicing& pin, const Session& session,
                    const Searched& searched, int name, const SongKey& key,
                    const std::string& what) {
  const std::size_t n = static_cast<std::size_t>(name);
  if (searched.definedOnly[n]) return;  // a name no notation spells: nothing to hold it to
  // A slash chord's bass is one of its notes ("C/B" sounds B).
  std::vector<int> allowed = searched.tones[n];
  allowed.push_back(searched.chords[n].bass);
  const std::string mismatch = PinMismatch(
      pin, session, ToneNeeded(searched.tones[n], searched.chords[n], session.practical), allowed,
      KeyNoteNames(key));
  if (!mismatch.empty())
    voiced.warnings.push_back({-1, 0, 0, what, "does not sound its chord: " + mismatch});
}

void PinDefines(SongSteps& steps, VoicedSong& voiced, const Session& session,
                const Searched& searched, const SongKey& key, Pins& pins) {
  const Song& song = voiced.song;
  for (const SongDefine& define : song.defines) {
    const auto named = std::find(steps.distinct.begin(), steps.distinct.end(), define.name);
    if (named == steps.distinct.end()) continue;
    const int name = static_cast<int>(named - steps.distinct.begin());
    try {
      const Voicing pin = PinVoicing(define.frets, session, "{define: " + define.name + "}");
      pins.byName[name] = AddToPool(steps, pin);
      WarnOfMismatch(voiced, pin, session, searched, name, key, "{define: " + define.name + "}");
    } catch (const BadPin& bad) {
      voiced.warnings.push_back({-1, define.line + 1, 1, define.name, bad.what()});
    }
  }
}

void PinOptions(SongSteps& steps, VoicedSong& voiced, const Session& session, Searched& searched,
                const SongKey& key, const std::vector<SongPin>& given, Pins& pins) {
  const std::size_t count = voiced.song.chords.size();
  for (const SongPin& pin : given) {
    const std::string what =
        pin.name.empty() ? "--pin " + std::to_string(pin.index + 1) : "--pin " + pin.name;
    const Voicing voicing = PinVoicing(pin.frets, session, what);
    if (pin.name.empty()) {
      if (pin.index < 0 || static_cast<std::size_t>(pin.index) >= count)
        throw BadPin(what + ": the song has " + std::to_string(count) + " chords");
      const int name = steps.names[static_cast<std::size_t>(pin.index)];
      if (name < 0) {
        voiced.warnings.push_back({pin.index, 0, 0, what, "is on a chord that is not played"});
        continue;
      }
      pins.byOccurrence[pin.index] = CandidateFor(steps, searched, name, voicing);
      WarnOfMismatch(voiced, voicing, session, searched, name, key, what);
      continue;
    }
    const auto named = std::find(steps.distinct.begin(), steps.distinct.end(), pin.name);
    if (named == steps.distinct.end()) {
      voiced.warnings.push_back({-1, 0, 0, what, "names no chord of the song"});
      continue;
    }
    const int name = static_cast<int>(named - steps.distinct.begin());
    pins.byName[name] = AddToPool(steps, voicing);
    WarnOfMismatch(voiced, voicing, session, searched, name, key, what);
  }
}

void AddSteps(SongSteps& steps, VoicedSong& voiced, const Session& session,
              const Searched& searched, const Pins& pins) {
  const Song& song = voiced.song;
  for (std::size_t i = 0; i < song.chords.size(); ++i) {
    const SongChord& chord = song.chords[i];
    VoicedOccurrence& occurrence = voiced.chords[i];
    const int name = steps.names[i];
    const SongIssue issue{static_cast<int>(i), chord.sourceLine, chord.sourceColumn, chord.written,
                          chord.problem};
    if (name < 0) {
      occurrence.problem = chord.noChord ? "no chord" : "unread";
      if (!chord.noChord) voiced.unread.push_back(issue);
      continue;
    }
    std::vector<int> candidates;
    int group = -1, held = -1;
    const auto at = pins.byOccurrence.find(static_cast<int>(i));
    const auto named = pins.byName.find(name);
    if (named != pins.byName.end()) {
      // Every occurrence of the name is pinned; one pinned alone keeps its own.
      candidates = {at != pins.byOccurrence.end() ? at->second : named->second};
    } else {
      candidates = searched.candidates[static_cast<std::size_t>(name)];
      group = name;
      if (at != pins.byOccurrence.end()) held = at->second;
    }
    steps.pinned[i] = group < 0 || held >= 0;
    if (candidates.empty()) {
      occurrence.problem = "unplayable";
      SongIssue unplayable = issue;
      unplayable.text = chord.text;
      unplayable.message = "no fingering plays it on the " + session.instrument.name;
      voiced.unplayable.push_back(unplayable);
      continue;
    }
    steps.problem.steps.push_back(std::move(candidates));
    steps.problem.groups.push_back(group);
    steps.problem.held.push_back(held);
    if (held >= 0) {
      steps.problem.homes.resize(steps.distinct.size(), -1);
      int& home = steps.problem.homes[static_cast<std::size_t>(name)];
      if (home < 0) home = held;
    }
    steps.stepChord.push_back(static_cast<int>(i));
  }
}

}  // namespace

SongSteps BuildSongSteps(VoicedSong& voiced, const Session& session, const SongKey& key,
                         const SongVoicingOptions& options, CandidateCache* cache) {
  SongSteps steps;
  const std::size_t count = voiced.song.chords.size();
  steps.names.assign(count, -1);
  steps.pinned.assign(count, false);
  Searched searched;
  SearchNames(steps, voiced.song, session, searched, cache);
  Pins pins;
  if (options.useDefines) PinDefines(steps, voiced, session, searched, key, pins);
  PinOptions(steps, voiced, session, searched, key, options.pins, pins);
  AddSteps(steps, voiced, session, searched, pins);
  return steps;
}

}  // namespace corvanta
