// Holds the difficulty against shapes players print: how often the ease
// order puts a published chord's first shape among its first three, how
// often a published shape is easier than one no source prints, and the
// songbook table's shapes first or second. With --fit it searches the
// weights for a better agreement and prints them.
//
// Usage: calibrate_difficulty GUITAR_JSON [--fit]
//        calibrate_difficulty --show SYMBOL[@INSTRUMENT]...   (the first twelve by ease)
// GUITAR_JSON: lib/guitar.json of @tombatossals/chords-db (MIT licence),
// which tools/calibrate-difficulty.sh fetches from the npm registry.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "../../tests/search/songbook_shapes.h"
#include "chord_entry/entry_chord.h"
#include "chord_entry/entry_session.h"
#include "search/difficulty.h"
#include "search/hand.h"
#include "search/key_text.h"
#include "session/placed_fingering.h"
#include "session/session.h"
#include "symbols/symbol_query.h"

namespace corvanta {
namespace {

// One voicing of a chord as the fit sees it.
struct Candidate {
  HandPlacement hand;
  bool fifthInBass = false;
  bool preferred = false;
  bool printed = false;  // some published position is this shape
  bool first = false;    // the source's first position
};

struct ChordCase {
  std::string symbol;
  std::vector<Candidate> candidates;  // in the search's order
};

// chords-db's suffixes in the standard notation the reader takes.
const std::map<std::string, std::string>& Suffixes() {
  static const std::map<std::string, std::string> suffixes{
      {"major", ""},      {"minor", "m"},       {"dim", "dim"},       {"dim7", "dim7"},
      {"sus2", "sus2"},   {"sus4", "sus4"},     {"7sus4", "7sus4"},   {"aug", "aug"},
      {"6", "6"},         {"69", "6/9"},        {"7", "7"},           {"7b5", "7b5"},
      {"aug7", "7#5"},    {"9", "9"},           {"9b5", "9b5"},       {"aug9", "9#5"},
      {"7b9", "7b9"},     {"7#9", "7#9"},       {"11", "11"},         {"9#11", "9#11"},
      {"13", "13"},       {"maj7", "maj7"},     {"maj7b5", "maj7b5"}, {"maj7#5", "maj7#5"},
      {"maj9", "maj9"},   {"maj11", "maj11"},   {"maj13", "maj13"},   {"m6", "m6"},
      {"m69", "m6/9"},    {"m7", "m7"},         {"m7b5", "m7b5"},     {"m9", "m9"},
      {"m11", "m11"},     {"mmaj7", "m(maj7)"}, {"mmaj9", "m(maj9)"}, {"add9", "add9"},
      {"madd9", "madd9"}, {"5", "5"},
  };
  return suffixes;
}

std::string KeyName(const std::string& key) {
  // chords-db writes C# and F# with the sign, the flats as "Eb"; "Csharp" too.
  std::string name = key;
  const auto sharp = name.find("sharp");
  if (sharp != std::string::npos) name = name.substr(0, sharp) + "#";
  return name;
}

std::vector<Voicing> PracticalVoicings(const std::string& symbol, bool& ok,
                                       const char* instrument = "guitar") {
  ChordEntry entry;
  const SymbolReading reading = ReadTypedChord(entry, symbol, ChordNotation::Standard);
  ok = reading.namesRoot && reading.unrecognised.empty() && reading.tooManyNotes == 0 &&
       !reading.noChord;
  if (!ok) return {};
  const Instrument* on = FindInstrument(instrument);
  if (on == nullptr) return ok = false, std::vector<Voicing>{};
  return VoiceEntry(entry, *on, 0, CapoNames::Sounding, true).search.voicings;
}

ChordCase CaseOf(const std::string& symbol, const std::vector<std::vector<int>>& published) {
  ChordCase chord{symbol, {}};
  bool ok = false;
  const std::vector<Voicing> voicings = PracticalVoicings(symbol, ok);
  for (const Voicing& voicing : voicings) {
    Candidate candidate;
    candidate.hand = HandPlacementOf(voicing.frets);
    candidate.fifthInBass = voicing.fifthInBass;
    candidate.preferred = voicing.preferred;
    for (std::size_t i = 0; i < published.size(); ++i) {
      const auto shape = FingeringOfKeyValues(published[i]);
      if (!shape || FindVoicing({voicing}, *shape) != 0) continue;
      candidate.printed = true;
      candidate.first = candidate.first || i == 0;
    }
    chord.candidates.push_back(candidate);
  }
  return chord;
}

std::vector<ChordCase> ChordsDbCases(const char* path) {
  std::ifstream in(path);
  const nlohmann::json db = nlohmann::json::parse(in);
  std::vector<ChordCase> cases;
  for (const auto& [key, chords] : db.at("chords").items()) {
    for (const auto& chord : chords) {
      const auto suffix = Suffixes().find(chord.at("suffix").get<std::string>());
      if (suffix == Suffixes().end()) continue;
      std::vector<std::vector<int>> published;
      for (const auto& position : chord.at("positions")) {
        const int base = position.value("baseFret", 1);
        std::vector<int> frets;
        for (int fret : position.at("frets"))
          frets.push_back(fret < 0 ? kMuted : fret == 0 ? 0 : fret + base - 1);
        published.push_back(frets);
      }
      ChordCase found = CaseOf(KeyName(key) + suffix->second, published);
      const bool any = std::any_of(found.candidates.begin(), found.candidates.end(),
                                   [](const Candidate& c) { return c.printed; });
      if (any) cases.push_back(std::move(found));
    }
  }
  return cases;
}

std::vector<ChordCase> SongbookCases() {
  std::vector<ChordCase> cases;
  for (const songbook::Shape& shape : songbook::GuitarShapes())
    cases.push_back(CaseOf(shape.symbol, {shape.frets}));
  return cases;
}

// Where each candidate stands in the ease order under the weights.
std::vector<std::size_t> EaseRanks(const ChordCase& chord, const DifficultyWeights& weights) {
  std::vector<std::pair<double, std::size_t>> keys;
  for (std::size_t i = 0; i < chord.candidates.size(); ++i) {
    const Candidate& c = chord.candidates[i];
    keys.emplace_back(
        c.preferred ? -1.0 : DifficultyReasonsOf(c.hand, c.fifthInBass, weights).Total(), i);
  }
  std::sort(keys.begin(), keys.end());
  std::vector<std::size_t> rank(keys.size());
  for (std::size_t r = 0; r < keys.size(); ++r) rank[keys[r].second] = r;
  return rank;
}

struct Agreement {
  double firstInThree = 0;      // the source's first shape among the first three
  double positionInThree = 0;   // the same in the search's position order
  double printedEasier = 0;     // a printed shape ahead of an unprinted one
  double songbookFirstTwo = 0;  // the table's shapes first or second
  double Score() const { return firstInThree + printedEasier + 2 * songbookFirstTwo; }
};

Agreement Measure(const std::vector<ChordCase>& db, const std::vector<ChordCase>& table,
                  const DifficultyWeights& weights, bool verbose = false) {
  Agreement agreement;
  int chords = 0, withFirst = 0;
  double pairs = 0, ahead = 0;
  for (const ChordCase& chord : db) {
    const std::vector<std::size_t> rank = EaseRanks(chord, weights);
    ++chords;
    for (std::size_t i = 0; i < rank.size(); ++i) {
      const Candidate& c = chord.candidates[i];
      if (!c.first) continue;
      ++withFirst;
      agreement.firstInThree += rank[i] < 3;
      agreement.positionInThree += i < 3;
    }
    for (std::size_t i = 0; i < rank.size(); ++i) {
      if (!chord.candidates[i].printed) continue;
      for (std::size_t j = 0; j < rank.size(); ++j) {
        if (chord.candidates[j].printed) continue;
        pairs += 1;
        ahead += rank[i] < rank[j];
      }
    }
  }
  if (withFirst > 0) agreement.firstInThree /= withFirst, agreement.positionInThree /= withFirst;
  if (pairs > 0) agreement.printedEasier = ahead / pairs;
  int found = 0;
  for (const ChordCase& chord : table) {
    const std::vector<std::size_t> rank = EaseRanks(chord, weights);
    bool inFirstTwo = false;
    for (std::size_t i = 0; i < rank.size(); ++i)
      if (chord.candidates[i].printed && rank[i] < 2) inFirstTwo = true;
    found += inFirstTwo;
    if (!inFirstTwo && verbose) std::printf("not first or second: %s\n", chord.symbol.c_str());
  }
  if (!table.empty()) agreement.songbookFirstTwo = double(found) / double(table.size());
  (void)chords;
  return agreement;
}

void Print(const char* what, const Agreement& a, std::size_t dbChords, std::size_t tableChords) {
  std::printf(
      "%s: source's first shape in the first three %.1f%% (position order %.1f%%), printed "
      "shape easier than an unprinted one %.1f%% (%zu chords); songbook table first or "
      "second %.1f%% (%zu shapes)\n",
      what, 100 * a.firstInThree, 100 * a.positionInThree, 100 * a.printedEasier, dbChords,
      100 * a.songbookFirstTwo, tableChords);
}

// Each weight in turn scaled up and down while the score improves.
DifficultyWeights Fit(const std::vector<ChordCase>& db, const std::vector<ChordCase>& table) {
  DifficultyWeights best = kDifficultyWeights;
  double bestScore = Measure(db, table, best).Score();
  double* fields[] = {&best.finger,           &best.partialBarre, &best.fullBarre,
                      &best.otherBarreString, &best.stretch,      &best.position,
                      &best.openReach,        &best.leftOut,      &best.leftOutTop,
                      &best.mutedInner,       &best.fifthInBass};
  for (int round = 0; round < 4; ++round) {
    for (double* field : fields) {
      for (double factor : {1.5, 1 / 1.5, 1.2, 1 / 1.2}) {
        const double kept = *field;
        *field = kept * factor;
        const double score = Measure(db, table, best).Score();
        if (score > bestScore + 1e-9) {
          bestScore = score;
        } else {
          *field = kept;
        }
      }
    }
  }
  return best;
}

}  // namespace
}  // namespace corvanta

namespace corvanta {
namespace {

// The first voicings of a chord by ease, with their figures and terms.
void Show(const std::string& text) {
  bool ok = false;
  const std::size_t at = text.find('@');
  const std::string symbol = text.substr(0, at);
  const std::string instrument = at == std::string::npos ? "guitar" : text.substr(at + 1);
  std::vector<Voicing> voicings = PracticalVoicings(symbol, ok, instrument.c_str());
  OrderVoicings(voicings, VoicingOrderChoice::Ease);
  std::printf("%s: %zu voicings\n", symbol.c_str(), voicings.size());
  for (std::size_t i = 0; i < voicings.size() && i < 12; ++i) {
    const DifficultyReasons r = DifficultyReasonsOf(voicings[i]);
    std::printf(
        "%2zu %-20s %5.1f  fingers %.1f barre %.1f stretch %.1f position %.1f inner %.1f "
        "left out %.1f fifth %.1f\n",
        i + 1, ReadableFrets(voicings[i].frets).c_str(), r.Total(), r.fingers, r.barre, r.stretch,
        r.position, r.mutedInner, r.leftOut, r.fifthInBass);
  }
}

}  // namespace
}  // namespace corvanta

int main(int argc, char** argv) {
  using namespace corvanta;
  if (argc > 2 && std::string(argv[1]) == "--show") {
    for (int i = 2; i < argc; ++i) Show(argv[i]);
    return 0;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: calibrate_difficulty GUITAR_JSON [--fit]\n");
    return 2;
  }
  std::vector<ChordCase> db;
  try {
    db = ChordsDbCases(argv[1]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "calibrate_difficulty: %s is no chords-db file: %s\n", argv[1],
                 error.what());
    return 1;
  }
  const std::vector<ChordCase> table = SongbookCases();
  const bool verbose = std::getenv("CALIBRATE_VERBOSE") != nullptr;
  Print("weights in use", Measure(db, table, kDifficultyWeights, verbose), db.size(), table.size());
  if (argc > 2 && std::string(argv[2]) == "--fit") {
    const DifficultyWeights w = Fit(db, table);
    Print("fitted", Measure(db, table, w), db.size(), table.size());
    std::printf(
        "finger %.2f partialBarre %.2f fullBarre %.2f otherBarreString %.2f stretch %.2f "
        "position %.2f openReach %.2f leftOut %.2f leftOutTop %.2f mutedInner %.2f fifthInBass "
        "%.2f\n",
        w.finger, w.partialBarre, w.fullBarre, w.otherBarreString, w.stretch, w.position,
        w.openReach, w.leftOut, w.leftOutTop, w.mutedInner, w.fifthInBass);
  }
  return 0;
}
