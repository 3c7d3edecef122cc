// Turns a song's chords into the path search's steps and candidates.
#include "song/song_voicing_steps.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "search/difficulty.h"
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

struct Searched {
  std::vector<std::vector<int>> candidates;  // per name, pool indices, easiest first
  std::vector<std::vector<int>> tones;       // per name, the chord tones
  std::vector<Chord> chords;                 // per name
  std::vector<bool> definedOnly;             // per name: played from its define alone
};

void SearchNames(SongSteps& steps, const Song& song, const Session& session, Searched& searched) {
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
  for (std::size_t name = 0; name < searched.chords.size(); ++name) {
    const Chord& chord = searched.chords[name];
    if (searched.definedOnly[name]) {  // its define is its one shape
      searched.candidates.emplace_back();
      searched.tones.emplace_back();
      continue;
    }
    const VoicedChord found = VoiceChord(session, chord);
    std::vector<double> difficulty;
    for (const Voicing& voicing : found.search.voicings)
      difficulty.push_back(Difficulty(voicing.frets));
    std::vector<std::size_t> order(difficulty.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return difficulty[a] < difficulty[b]; });
    std::vector<int> candidates;
    for (std::size_t i : order) {
      candidates.push_back(static_cast<int>(steps.pool.size()));
      steps.pool.push_back(found.search.voicings[i]);
    }
    searched.candidates.push_back(std::move(candidates));
    searched.tones.push_back(found.search.chordTones);
  }
}

int AddToPool(SongSteps& steps, const Voicing& voicing) {
  steps.pool.push_back(voicing);
  return static_cast<int>(steps.pool.size()) - 1;
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

void PinOptions(SongSteps& steps, VoicedSong& voiced, const Session& session,
                const Searched& searched, const SongKey& key, const std::vector<SongPin>& given,
                Pins& pins) {
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
      pins.byOccurrence[pin.index] = AddToPool(steps, voicing);
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
    int group = -1;
    if (auto at = pins.byOccurrence.find(static_cast<int>(i)); at != pins.byOccurrence.end()) {
      candidates = {at->second};
    } else if (auto named = pins.byName.find(name); named != pins.byName.end()) {
      candidates = {named->second};
    } else {
      candidates = searched.candidates[static_cast<std::size_t>(name)];
      group = name;
    }
    steps.pinned[i] = group < 0;
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
    steps.stepChord.push_back(static_cast<int>(i));
  }
}

}  // namespace

SongSteps BuildSongSteps(VoicedSong& voiced, const Session& session, const SongKey& key,
                         const SongVoicingOptions& options) {
  SongSteps steps;
  const std::size_t count = voiced.song.chords.size();
  steps.names.assign(count, -1);
  steps.pinned.assign(count, false);
  Searched searched;
  SearchNames(steps, voiced.song, session, searched);
  Pins pins;
  if (options.useDefines) PinDefines(steps, voiced, session, searched, key, pins);
  PinOptions(steps, voiced, session, searched, key, options.pins, pins);
  AddSteps(steps, voiced, session, searched, pins);
  for (const Voicing& voicing : steps.pool) steps.problem.shapes.push_back(ShapeOfVoicing(voicing));
  return steps;
}

}  // namespace corvanta
