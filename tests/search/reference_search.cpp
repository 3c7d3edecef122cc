// The plain reference search, for the differential tests.
#include "reference_search.h"

#include <algorithm>
#include <cstdlib>

#include "theory/shape_templates.h"

namespace corvanta::reference {
namespace {

constexpr int kMutedValue = 99;
constexpr int kTableFrets = 30;

int Wrap(int value) { return ((value % 12) + 12) % 12; }

// The pitch at a string and fret, -1 below a short string's first fret.
int Pitch(const Instrument& instrument, int string, int fret) {
  const OpenString& open = instrument.strings[static_cast<std::size_t>(string)];
  if (fret == 0) return open.pitch;
  if (fret <= open.firstFret) return -1;
  return open.pitch + fret - open.firstFret;
}

bool Contains(const std::vector<int>& list, int value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

struct State {
  const Instrument& instrument;
  const SearchSettings& settings;
  int strings;
  int bass;
  std::vector<int> chordTones;
  std::vector<std::vector<int>> chordToneMap;
  int fixedStringCount = 0;
  std::vector<std::string> fingerings;
};

std::vector<int> ChordTones(const std::vector<int>& argument, const SearchSettings& settings) {
  std::vector<int> tones;
  std::size_t first = settings.bassPitchClass != settings.rootPitchClass ? 1 : 0;
  for (std::size_t i = first; i < argument.size(); ++i)
    if (!Contains(tones, argument[i])) tones.push_back(argument[i]);
  auto removeFirst = [&](int tone) {
    auto found = std::find(tones.begin(), tones.end(), Wrap(tone));
    if (found != tones.end()) tones.erase(found);
  };
  if (settings.omitThird) removeFirst(settings.thirdInterval + settings.rootPitchClass);
  if (settings.omitFifth) removeFirst(settings.fifthInterval + settings.rootPitchClass);
  return tones;
}

std::string ValueText(const std::vector<int>& values) {
  std::string text;
  for (int value : values) text += std::to_string(value) + " ";
  return text;
}

void RecordFingering(State& state, const std::vector<int>& values) {
  int low = 100, high = 0, run = 0;
  std::string text;
  for (int j = 0; j < state.strings; ++j) {
    int v = values[static_cast<std::size_t>(j)];
    text += std::to_string(v) + " ";
    if (v != kMutedValue) {
      ++run;
      if (v != 0 && std::abs(v) < low) low = std::abs(v);
      if (v > high) high = v;
    } else {
      if (state.settings.simpleChords && j >= 2) return;
      run = 0;
    }
  }
  int n = state.strings;
  int setClass = run == n                                     ? 30
                 : run == n - 1                               ? 20
                 : (run == n - 2 && values[0] == kMutedValue) ? 10
                                                              : 50;
  if (state.settings.span <= high - low) return;
  if (high <= 5) low = 1;
  std::string key =
      std::to_string(low + 10) + std::to_string(setClass) + std::to_string(high + 10) + " " + text;
  if (std::find(state.fingerings.begin(), state.fingerings.end(), key) != state.fingerings.end())
    return;
  state.fingerings.push_back(key);
}

// The lowest sounding pitch's class, -1 when nothing sounds.
int LowestPitchClass(const State& state, const std::vector<int>& values) {
  int lowest = -1;
  for (int s = 0; s < state.strings; ++s) {
    int v = values[static_cast<std::size_t>(s)];
    if (v == kMutedValue) continue;
    int pitch = Pitch(state.instrument, s, v);
    if (lowest < 0 || pitch < lowest) lowest = pitch;
  }
  return lowest < 0 ? -1 : Wrap(lowest);
}

void CheckFingering(State& state, const std::vector<int>& candidate) {
  std::vector<int> values = candidate;
  const VoicingRules& rules = state.instrument.rules;
  const bool slash = state.settings.bassPitchClass != state.settings.rootPitchClass;
  // The list to cover and the first element that must be found.
  std::vector<int> required;
  std::size_t lookFrom = 1;
  if (!rules.anyInversion) {
    for (std::size_t i = 0; i < state.chordTones.size(); ++i)
      if (i == 0 || state.chordTones[i] != state.bass) required.push_back(state.chordTones[i]);
  } else if (!slash) {
    required = state.chordTones;
    lookFrom = 0;
  } else {
    required.push_back(state.bass);
    for (std::size_t i = 1; i < state.chordTones.size(); ++i)
      if (state.chordTones[i] != state.bass) required.push_back(state.chordTones[i]);
    lookFrom = 0;
    if (LowestPitchClass(state, values) != state.bass) return;
  }
  int played = 0, covered = 0;
  for (int s = state.fixedStringCount; s < state.strings; ++s) {
    int v = values[static_cast<std::size_t>(s)];
    if (v == kMutedValue) continue;
    ++played;
    int p = Wrap(Pitch(state.instrument, s, v));
    for (std::size_t i = lookFrom; i < required.size(); ++i) {
      if (required[i] == p) {
        required[i] = kMutedValue;
        ++covered;
        break;
      }
    }
  }
  int needed = static_cast<int>(required.size() - lookFrom);
  if (played < rules.minSounding || covered < needed) return;
  if (CountFingers(values, state.settings.noFullBarres) > 4) return;
  RecordFingering(state, values);
}

void FirstFingering(State& state, std::vector<int>& candidate, int lo, int hi) {
  for (int i = state.fixedStringCount; i < state.strings; ++i) {
    candidate[static_cast<std::size_t>(i)] = kMutedValue;
    for (int j = 0; j < hi; ++j) {
      if (state.chordToneMap[i][j] >= 0 && (j == 0 || j >= lo)) {
        candidate[static_cast<std::size_t>(i)] = j;
        break;
      }
    }
  }
}

void NextFingering(State& state, const std::vector<int>& first, std::vector<int>& candidate, int lo,
                   int hi, int w) {
  for (int i = state.strings - 1; i >= w + 1; --i) {
    int& value = candidate[static_cast<std::size_t>(i)];
    if (value == kMutedValue) continue;
    int next = kMutedValue;
    for (int j = std::max(lo, value + 1); j <= hi; ++j) {
      if (state.chordToneMap[i][j] >= 0) {
        next = j;
        break;
      }
    }
    value = next;
    for (int k = state.strings - 1; k >= i + 1; --k)
      candidate[static_cast<std::size_t>(k)] = first[static_cast<std::size_t>(k)];
    return;
  }
}

bool FreeStringsExhausted(const State& state, const std::vector<int>& candidate, int w) {
  for (int i = w + 1; i < state.strings; ++i)
    if (candidate[static_cast<std::size_t>(i)] != kMutedValue) return false;
  return true;
}

void RunWindow(State& state, std::vector<int> candidate, int lo, int hi, int w) {
  FirstFingering(state, candidate, lo, hi);
  CheckFingering(state, candidate);
  std::vector<int> first = candidate;
  do {
    NextFingering(state, first, candidate, lo, hi, w);
    CheckFingering(state, candidate);
  } while (!FreeStringsExhausted(state, candidate, w));
}

void Enumerate(State& state) {
  const int fretCount = state.settings.fretCount;
  if (state.instrument.rules.anyInversion) {
    state.fixedStringCount = 0;
    std::vector<int> candidate(static_cast<std::size_t>(state.strings), -1);
    for (int hi = 0; hi < fretCount + 4; ++hi) RunWindow(state, candidate, hi - 4, hi, -1);
    return;
  }
  const int bassStrings = std::min(state.instrument.rules.bassStrings, state.strings);
  for (int w = 0; w < bassStrings; ++w) {
    for (int f = 0; f < fretCount; ++f) {
      int pitch = Pitch(state.instrument, w, f);
      if (pitch < 0 || Wrap(pitch) != state.bass) continue;
      state.fixedStringCount = w + 1;
      int windows = f > 0 ? 5 : fretCount;
      for (int a = 0; a < windows; ++a) {
        std::vector<int> candidate(static_cast<std::size_t>(state.strings), -1);
        for (int k = 0; k < w; ++k) candidate[static_cast<std::size_t>(k)] = kMutedValue;
        candidate[static_cast<std::size_t>(w)] = f;
        RunWindow(state, candidate, f + a - 4, f + a, w);
      }
    }
  }
}

bool IsShape(const Instrument& instrument, const std::string& valueText) {
  // The guitar's shapes are found by a plain text search of its templates.
  if (instrument.name == "guitar") return ShapeTemplates().find(valueText) != std::string::npos;
  for (const std::vector<int>& shape : instrument.shapes.Lists())
    if (ValueText(shape) == valueText) return true;
  return false;
}

}  // namespace

int CountFingers(std::vector<int>& values, bool noFullBarres) {
  const int n = static_cast<int>(values.size());
  int fretted = 0, low = kMutedValue;
  for (int v : values) {
    if (v > 0 && v < kMutedValue) {
      ++fretted;
      low = std::min(low, v);
    }
  }
  if (fretted <= 4) return fretted;
  int s = 0;
  while (values[static_cast<std::size_t>(s)] != low) ++s;
  values[static_cast<std::size_t>(s)] = -low;
  int k = 0;
  bool openAbove = false;
  for (int t = s + 1; t < n; ++t) {
    if (values[static_cast<std::size_t>(t)] == low) ++k;
    if (values[static_cast<std::size_t>(t)] == 0) openAbove = true;
  }
  if (openAbove) k = 0;
  if (k == 0) values[static_cast<std::size_t>(s)] = low;
  if (k > 0 && noFullBarres) return 6;
  if (fretted - k <= 4) return fretted - k;
  fretted -= k;
  int extra = 0;
  for (int string = 0; string < n; ++string) {
    int val = values[static_cast<std::size_t>(string)];
    if (!(val > low && val < kMutedValue)) continue;
    values[static_cast<std::size_t>(string)] = -val;
    int run = 0;
    for (int t = string + 1; t < n; ++t) {
      int other = values[static_cast<std::size_t>(t)];
      if (other < val) break;
      if (other == val) ++run;
    }
    if (run >= 2 || (run == 1 && string == n - 2)) {
      extra += run;
    } else {
      values[static_cast<std::size_t>(string)] = val;
    }
  }
  return fretted - extra;
}

std::vector<std::string> Search(const Instrument& instrument, const std::vector<int>& argument,
                                const SearchSettings& asked) {
  if (argument.empty()) return {};
  // No bass and no window's top lies past the instrument's neck.
  SearchSettings settings = asked;
  settings.fretCount = std::min(settings.fretCount, instrument.neckFrets);
  State state{instrument, settings, instrument.StringCount(), argument[0], {}, {}, 0, {}};
  state.chordTones = ChordTones(argument, settings);
  int lastFret = std::min(settings.fretCount + 4, kTableFrets - 1);
  state.chordToneMap.assign(static_cast<std::size_t>(state.strings),
                            std::vector<int>(kTableFrets, -1));
  for (int s = 0; s < state.strings; ++s) {
    for (int f = 0; f <= lastFret; ++f) {
      int pitch = Pitch(instrument, s, f);
      if (pitch >= 0 && Contains(state.chordTones, Wrap(pitch)))
        state.chordToneMap[s][f] = Wrap(pitch);
    }
  }
  Enumerate(state);
  for (std::string& key : state.fingerings) {
    std::string valueText = key.substr(7);
    if (IsShape(instrument, valueText)) {
      key = "000000 " + valueText;
      break;
    }
  }
  std::sort(state.fingerings.begin(), state.fingerings.end());
  return state.fingerings;
}

}  // namespace corvanta::reference
