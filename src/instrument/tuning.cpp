// The guitar's tuning presets and the reading of typed tunings.
#include "instrument/tuning.h"

#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta {

int NearestPitch(int pitchClass, int standardPitch) {
  const int up = WrapPitchClass(pitchClass - standardPitch);
  return standardPitch + (up > 5 ? up - kPitchClassCount : up);
}

namespace {

// A name as NamesPreset compares it: lower case, without a trailing word
// "tuning" (or "tunning", as the menu spells it).
std::string PresetKey(std::string_view name) {
  std::string key;
  for (char c : TrimBlanks(name)) key += AsciiLower(c);
  for (std::string_view suffix : {" tuning", " tunning"}) {
    if (key.size() > suffix.size() &&
        key.compare(key.size() - suffix.size(), suffix.size(), suffix.data(), suffix.size()) == 0) {
      key.resize(key.size() - suffix.size());
      break;
    }
  }
  while (!key.empty() && key.back() == ' ') key.pop_back();
  return key;
}

}  // namespace

bool NamesPreset(std::string_view typed, std::string_view name) {
  const std::string key = PresetKey(typed);
  return !key.empty() && key == PresetKey(name);
}

int FindTuningPreset(std::string_view text) {
  for (int tag = 0; tag < kTuningPresetCount; ++tag) {
    const TuningPreset& preset = kTuningPresets[tag];
    for (std::string_view name : {preset.menuCaption, preset.buttonCaption, preset.englishName})
      if (NamesPreset(text, name)) return tag;
  }
  return -1;
}

std::string TuningPresetList() {
  std::string list;
  for (const TuningPreset& preset : kTuningPresets) {
    list += list.empty() ? "\"" : ", \"";
    list += std::string(preset.menuCaption) + "\"";
    if (!NamesPreset(preset.englishName, preset.menuCaption))
      list += " (" + std::string(preset.englishName) + ")";
  }
  return list;
}

std::optional<Tuning> ParseTuningNames(std::string_view text) {
  Tuning tuning{};
  int count = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    // A letter and, when it makes a name, the sign after it.
    std::size_t length =
        at + 1 < text.size() && (text[at + 1] == '#' || text[at + 1] == 'b') ? 2 : 1;
    int pitchClass = PitchClassOfName(text.substr(at, length));
    if (pitchClass == kNoPitchClass || count == static_cast<int>(tuning.size()))
      return std::nullopt;
    tuning[count++] = pitchClass;
    at += length;
  }
  if (count != static_cast<int>(tuning.size())) return std::nullopt;
  return tuning;
}

int PitchClassAt(const Tuning& tuning, int string, int fret) {
  return WrapPitchClass(tuning[string] + fret);
}

}  // namespace corvanta
