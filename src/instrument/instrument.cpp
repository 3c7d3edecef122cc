// The instrument table and the rules for reading and tuning instruments.
#include "instrument/instrument.h"

#include <algorithm>
#include <cstdlib>

#include "instrument/tuning.h"
#include "theory/note_names.h"
#include "theory/shape_templates.h"

namespace corvanta {
namespace {

constexpr int kLowestMidi = 12;
constexpr int kHighestMidi = 108;
constexpr int kOctave = 12;
// Below A1 only a bass is tuned (a 7-string guitar reaches B1, a dropped
// 8-string A1).
constexpr int kLowestGuitarPitch = 33;

// General MIDI programs, counted from 0.
constexpr int kNylonGuitar = 24;
constexpr int kSteelGuitar = 25;
constexpr int kFingeredBass = 33;
constexpr int kBanjo = 105;

// The six-string guitar's own rules: the bass on strings 0..2, at least three
// strings above it sounding.
constexpr VoicingRules kGuitarRules{false, 3, 3};

// A note name with octave as a MIDI note; the caller knows it is well formed.
int Midi(std::string_view name) { return *ParsePitchName(name); }

std::vector<int> Pitches(std::initializer_list<std::string_view> names) {
  std::vector<int> pitches;
  for (std::string_view name : names) pitches.push_back(Midi(name));
  return pitches;
}

std::vector<OpenString> Strings(const std::vector<int>& pitches) {
  std::vector<OpenString> strings;
  for (int pitch : pitches) strings.push_back({pitch, 0});
  return strings;
}

// What names an instrument's row: the CLI's name, the English title, and
// the window's name in Chinese, the source its translations are made from.
struct RowNames {
  std::string name;
  std::string title;
  std::string caption;
};

Instrument Named(RowNames names) {
  Instrument instrument;
  instrument.name = std::move(names.name);
  instrument.title = std::move(names.title);
  instrument.caption = std::move(names.caption);
  return instrument;
}

Instrument Guitar() {
  Instrument guitar = Named({"guitar", "Guitar", "吉他"});
  guitar.midiProgram = kNylonGuitar;
  guitar.rules = kGuitarRules;
  // The menu of presets as it has always been: its items' names and
  // captions, each preset's own spelling of its strings.
  for (const TuningPreset& preset : kTuningPresets) {
    InstrumentPreset row{std::string(preset.buttonCaption), GuitarPitches(preset.pitchClasses),
                         std::string(preset.englishName)};
    row.itemName = preset.itemName;
    row.menuCaption = preset.menuCaption;
    row.labels.assign(preset.labels.begin(), preset.labels.end());
    guitar.presets.push_back(std::move(row));
  }
  guitar.strings = Strings(guitar.presets.front().pitches);
  guitar.classicTuning = true;
  guitar.presetMenuName = "PopupMenu1";
  guitar.retuning = Retuning::AtNextSearch;
  guitar.headingNamesInstrument = false;
  std::vector<std::vector<int>> shapes;
  for (const std::array<int, 6>& shape : TemplateShapeValueLists())
    shapes.emplace_back(shape.begin(), shape.end());
  guitar.shapes = KnownShapes(std::move(shapes));
  return guitar;
}

// The 7-string guitar plays the six-string shapes over a muted low B.
Instrument SevenStringGuitar() {
  Instrument guitar = Named({"guitar7", "7-string guitar", "七弦吉他"});
  guitar.midiProgram = kNylonGuitar;
  guitar.rules = {false, 4, 3};
  guitar.presets = {{"Standard", Pitches({"B1", "E2", "A2", "D3", "G3", "B3", "E4"})},
                    {"Low C", Pitches({"C2", "E2", "A2", "D3", "G3", "B3", "E4"})}};
  guitar.strings = Strings(guitar.presets.front().pitches);
  std::vector<std::vector<int>> shapes;
  for (const std::array<int, 6>& shape : TemplateShapeValueLists()) {
    std::vector<int> values{kMutedString};
    values.insert(values.end(), shape.begin(), shape.end());
    shapes.push_back(std::move(values));
  }
  guitar.shapes = KnownShapes(std::move(shapes));
  return guitar;
}

// Four- and five-string instruments of the any-inversion family: one string
// may stay muted (a mandolin's chop chord), the rest sound.
// neckFrets: the frets of the common instrument of its kind.
Instrument Inverting(RowNames names, int neckFrets, std::vector<InstrumentPreset> presets,
                     std::vector<std::vector<int>> shapes, int program) {
  const int count = static_cast<int>(presets.front().pitches.size());
  Instrument instrument = Named(std::move(names));
  instrument.strings = Strings(presets.front().pitches);
  instrument.presets = std::move(presets);
  instrument.shapes = KnownShapes(std::move(shapes));
  instrument.midiProgram = program;
  instrument.rules = {true, 0, count - 1};
  instrument.neckFrets = neckFrets;
  return instrument;
}

// Bassists play double stops and triads: the bass and one string more.
Instrument Bass(RowNames names, std::vector<int> pitches) {
  const int count = static_cast<int>(pitches.size());
  Instrument bass = Named(std::move(names));
  bass.strings = Strings(pitches);
  bass.presets = {{"Standard", pitches}};
  bass.midiProgram = kFingeredBass;
  bass.rules = {false, count - 1, 1};
  return bass;
}

std::vector<Instrument> MakeBuiltIns() {
  constexpr int x = kMutedString;
  std::vector<Instrument> all;
  all.push_back(Guitar());
  all.push_back(SevenStringGuitar());
  all.push_back(Inverting({"ukulele", "Ukulele", "尤克里里"}, 15,
                          {{"Standard", Pitches({"G4", "C4", "E4", "A4"})},
                           {"Low G", Pitches({"G3", "C4", "E4", "A4"})}},
                          {{0, 0, 0, 3}, {0, 0, 0, 1}, {0, 3, 3, 3}, {2, 2, 2, 0}, {2, 2, 1, 0},
                           {2, 2, 2, 3}, {0, 4, 3, 2}, {1, 2, 0, 2}, {2, 0, 1, 0}, {0, 2, 3, 2},
                           {0, 2, 1, 2}, {0, 2, 3, 1}, {2, 1, 0, 0}, {2, 0, 0, 0}, {0, 1, 0, 0},
                           {0, 0, 0, 0}, {3, 2, 1, 1}, {0, 0, 0, 2}, {2, 2, 1, 3}, {0, 2, 0, 2}},
                          kNylonGuitar));
  all.push_back(Inverting({"baritone-ukulele", "Baritone ukulele", "男中音尤克里里"}, 19,
                          {{"Standard", Pitches({"D3", "G3", "B3", "E4"})}},
                          {{2, 0, 1, 0},
                           {0, 0, 0, 3},
                           {0, 2, 3, 2},
                           {2, 2, 1, 0},
                           {2, 0, 0, 0},
                           {2, 1, 0, 0},
                           {2, 2, 2, 0},
                           {3, 2, 1, 1},
                           {0, 2, 3, 1}},
                          kNylonGuitar));
  all.push_back(Inverting({"mandolin", "Mandolin", "曼陀林"}, 20,
                          {{"Standard", Pitches({"G3", "D4", "A4", "E5"})}},
                          {{0, 0, 2, 3},
                           {0, 2, 3, 0},
                           {2, 0, 0, 2},
                           {0, 2, 2, 0},
                           {2, 2, 3, 0},
                           {2, 2, 4, 0},
                           {5, 3, 0, 1},
                           {2, 0, 0, 1},
                           {1, 2, 2, 0},
                           {0, 0, 2, 1}},
                          kSteelGuitar));
  Instrument banjo = Inverting(
      {"banjo", "5-string banjo", "五弦班卓琴"}, 22,
      {{"Open G", Pitches({"G4", "D3", "G3", "B3", "D4"})},
       {"Double C", Pitches({"G4", "C3", "G3", "C4", "D4"})}},
      {{0, 0, 0, 0, 0}, {0, 2, 0, 1, 2}, {0, 2, 0, 0, 2}, {x, 0, 2, 3, 4}, {0, 0, 0, 0, 3}},
      kBanjo);
  banjo.strings[0].firstFret = 5;  // the drone string starts at the fifth fret
  all.push_back(banjo);
  all.push_back(Inverting({"tenor-banjo", "Tenor banjo", "次中音班卓琴"}, 19,
                          {{"Standard", Pitches({"C3", "G3", "D4", "A4"})}},
                          {{0, 0, 2, 3}, {7, 0, 0, 2}}, kBanjo));
  all.push_back(Inverting(
      {"cavaquinho", "Cavaquinho", "卡瓦奎尼奥"}, 17,
      {{"Standard", Pitches({"D4", "G4", "B4", "D5"})}},
      {{0, 0, 0, 0}, {2, 0, 1, 2}, {0, 2, 3, 4}, {2, 0, 0, 2}, {2, 2, 1, 2}, {2, 2, 2, 2}},
      kNylonGuitar));
  all.push_back(Inverting({"charango", "Charango", "恰朗戈"}, 17,
                          {{"Standard", Pitches({"G4", "C5", "E4", "A4", "E5"})}},
                          {{2, 0, 0, 0, 0}, {0, 0, 0, 3, 0}, {0, 2, 3, 2, 3}, {2, 0, 1, 0, 1}},
                          kNylonGuitar));
  all.push_back(Bass({"bass", "Bass guitar", "贝斯"}, Pitches({"E1", "A1", "D2", "G2"})));
  all.push_back(
      Bass({"bass5", "5-string bass", "五弦贝斯"}, Pitches({"B0", "E1", "A1", "D2", "G2"})));
  return all;
}

bool IsReentrant(const std::vector<int>& pitches) {
  return !std::is_sorted(pitches.begin(), pitches.end());
}

// The words of a text, split at blanks.
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = std::min(text.find(' ', at), text.size());
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return words;
}

}  // namespace

std::vector<int> GuitarPitches(const Tuning& tuning) {
  std::vector<int> pitches;
  for (std::size_t string = 0; string < tuning.size(); ++string)
    pitches.push_back(NearestPitch(tuning[string], kStandardPitches[string]));
  return pitches;
}

std::optional<std::vector<int>> ParseCustomPitches(std::string_view text) {
  std::vector<int> pitches;
  for (std::string_view word : Words(text)) {
    auto pitch = ParsePitchName(word);
    if (!pitch) return std::nullopt;
    pitches.push_back(*pitch);
  }
  if (!CustomInstrument(pitches)) return std::nullopt;
  return pitches;
}

std::string FirstBadPitchName(std::string_view text) {
  for (std::string_view word : Words(text))
    if (!ParsePitchName(word)) return std::string(word);
  return {};
}

std::vector<int> Instrument::StandardPitches() const {
  std::vector<int> pitches;
  for (const OpenString& string : strings) pitches.push_back(string.pitch);
  return pitches;
}

std::vector<int> Instrument::FirstFrets() const {
  std::vector<int> starts;
  for (const OpenString& string : strings) starts.push_back(string.firstFret);
  return starts;
}

const std::vector<Instrument>& BuiltInInstruments() {
  static const std::vector<Instrument> kAll = MakeBuiltIns();
  return kAll;
}

const Instrument* FindInstrument(std::string_view name) {
  for (const Instrument& instrument : BuiltInInstruments()) {
    if (instrument.name == name) return &instrument;
  }
  return nullptr;
}

std::string InstrumentNames() {
  std::string names;
  for (const Instrument& instrument : BuiltInInstruments())
    names += (names.empty() ? "" : ", ") + instrument.name;
  return names;
}

VoicingRules RulesForPitches(const std::vector<int>& pitches) {
  const int count = static_cast<int>(pitches.size());
  // Re-entrant (a ukulele's high G): chords in any inversion.
  if (IsReentrant(pitches)) return {true, 0, count - 1};
  // A bass tuning: double stops and triads over the bass.
  if (pitches.front() < kLowestGuitarPitch) return {false, count - 1, 1};
  // Four or five strings above the bass range (a mandolin, a tenor banjo):
  // chords in any inversion, as their players voice them.
  if (count <= 5) return {true, 0, count - 1};
  // Otherwise a guitar: the bass on all strings but the three highest, so
  // three strings stay free above it (E A D on six strings).
  return {false, count - 3, 3};
}

std::optional<Instrument> CustomInstrument(const std::vector<int>& pitches) {
  const int count = static_cast<int>(pitches.size());
  if (count < kMinInstrumentStrings || count > kMaxInstrumentStrings) return std::nullopt;
  for (int pitch : pitches)
    if (pitch < kLowestMidi || pitch > kHighestMidi) return std::nullopt;
  Instrument custom{"custom", "Custom",     Strings(pitches),        {{"Custom", pitches}},
                    {},       kNylonGuitar, RulesForPitches(pitches)};
  return custom;
}

Instrument Retuned(const Instrument& instrument, const std::vector<int>& pitches) {
  Instrument retuned = instrument;
  for (std::size_t string = 0; string < retuned.strings.size() && string < pitches.size(); ++string)
    retuned.strings[string].pitch = pitches[string];
  return retuned;
}

std::optional<Instrument> InPreset(const Instrument& instrument, std::string_view name) {
  for (const InstrumentPreset& preset : instrument.presets)
    if (NamesPreset(name, preset.name) || NamesPreset(name, preset.englishName))
      return Retuned(instrument, preset.pitches);
  return std::nullopt;
}

std::optional<Instrument> InNamedTuning(const Instrument& instrument, std::string_view tuning) {
  if (auto preset = InPreset(instrument, tuning)) return preset;
  if (auto pitches = ParseStringPitches(tuning, instrument)) return Retuned(instrument, *pitches);
  return std::nullopt;
}

std::optional<int> ParsePitchName(std::string_view text) {
  std::size_t letters = text.size() >= 2 && (text[1] == '#' || text[1] == 'b') ? 2 : 1;
  if (text.size() <= letters || text.size() > letters + 1) return std::nullopt;
  int pitchClass = PitchClassOfName(text.substr(0, letters));
  char digit = text[letters];
  if (pitchClass == kNoPitchClass || digit < '0' || digit > '8') return std::nullopt;
  // Cb4 is B3 and B#3 is C4: the octave belongs to the letter.
  int letterPitch = PitchClassOfName(text.substr(0, 1));
  int shift = pitchClass - letterPitch;
  if (shift > 6) shift -= kOctave;
  if (shift < -6) shift += kOctave;
  return (digit - '0' + 1) * kOctave + letterPitch + shift;
}

std::string PitchName(int midi) {
  return std::string(kSharpNoteNames[WrapPitchClass(midi)]) + std::to_string(midi / kOctave - 1);
}

std::string PitchNames(const std::vector<int>& pitches) {
  std::string text;
  for (int pitch : pitches) text += (text.empty() ? "" : " ") + PitchName(pitch);
  return text;
}

std::optional<std::vector<int>> ParseStringPitches(std::string_view text,
                                                   const Instrument& instrument) {
  std::vector<int> pitches;
  for (std::string_view word : Words(text)) {
    if (pitches.size() >= instrument.strings.size()) return std::nullopt;
    if (auto pitch = ParsePitchName(word)) {
      pitches.push_back(*pitch);
      continue;
    }
    int pitchClass = PitchClassOfName(word);
    if (pitchClass == kNoPitchClass) return std::nullopt;
    // Without an octave: the pitch class nearest the standard string.
    pitches.push_back(NearestPitch(pitchClass, instrument.strings[pitches.size()].pitch));
  }
  if (pitches.size() != instrument.strings.size()) return std::nullopt;
  return pitches;
}

}  // namespace corvanta
