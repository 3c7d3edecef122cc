// The shells' shared options read: every refusal names its option and what
// it takes, so the CLI prints it and the page shows it as it stands.
#include "session/option_reader.h"

#include <algorithm>
#include <array>

#include "instrument/capo.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

constexpr std::array<int, 4> kFretChoices{6, 12, 18, 24};
constexpr std::array<int, 4> kSpanChoices{2, 3, 4, 5};

template <std::size_t N>
int ReadChoice(int value, const std::array<int, N>& choices, const std::string& option) {
  if (std::find(choices.begin(), choices.end(), value) != choices.end()) return value;
  std::string list;
  for (int choice : choices) list += (list.empty() ? "" : ", ") + std::to_string(choice);
  throw BadOption(option + ": " + std::to_string(value) + " is not one of " + list);
}

std::string PresetNames(const Instrument& instrument) {
  std::string names;
  for (const InstrumentPreset& preset : instrument.presets) {
    names += (names.empty() ? "\"" : ", \"") + preset.name + "\"";
    if (preset.EnglishName() != preset.name) names += " (" + preset.EnglishName() + ")";
  }
  return names;
}

Instrument TunedGuitar(const Instrument& guitar, const std::string& text) {
  try {
    return Retuned(guitar, GuitarPitches(ReadGuitarTuning(text)));
  } catch (const BadOption&) {
    // Names with octaves ("D2 A2 D3 G3 B3 E4") are heard as written.
    if (auto pitches = ParseStringPitches(text, guitar)) return Retuned(guitar, *pitches);
    throw;
  }
}

}  // namespace

std::optional<int> ReadSmallInteger(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

Tuning ReadGuitarTuning(const std::string& text) {
  int preset = FindTuningPreset(text);
  if (preset >= 0) return kTuningPresets[preset].pitchClasses;
  if (auto named = ParseTuningNames(text)) return *named;
  Tuning tuning{};
  int count = 0;
  for (std::string_view word : SplitWords(text)) {
    auto number = ReadSmallInteger(std::string(word));
    if (!number || *number >= kPitchClassCount || count == kStringCount) {
      count = -1;
      break;
    }
    tuning[count++] = *number;
  }
  if (count != kStringCount) {
    throw BadOption("--tuning: " + QuotedEcho(text) +
                    " is neither a preset, six note names (\"D A D G A D\") nor six pitch "
                    "classes 0..11; the presets are " +
                    TuningPresetList());
  }
  return tuning;
}

Instrument ReadInstrument(const std::string& name, const std::optional<std::string>& tuning) {
  if (name == "custom") {
    auto pitches = tuning ? ParseCustomPitches(*tuning) : std::nullopt;
    if (!pitches)
      throw BadOption(
          "--instrument custom: give --tuning as 4 to 8 notes with octaves "
          "(\"D3 G3 D4 G4 B4 D5\")");
    return *CustomInstrument(*pitches);
  }
  const Instrument* found = FindInstrument(name);
  if (found == nullptr) {
    throw BadOption("--instrument: " + QuotedEcho(name) +
                    " is not an instrument; the instruments are " + InstrumentNames() + ", custom");
  }
  if (!tuning) return *found;
  // A preset by the name `instruments` lists (for the guitar, the tuning
  // button's caption: "Lute", "Blues").
  if (found->classicTuning) {
    if (auto preset = InPreset(*found, *tuning)) return *preset;
    return TunedGuitar(*found, *tuning);
  }
  if (auto tuned = InNamedTuning(*found, *tuning)) return *tuned;
  throw BadOption("--tuning: " + QuotedEcho(*tuning) + " is neither " +
                  std::to_string(found->StringCount()) + " note names for the " + found->name +
                  " (\"" + PitchNames(found->StandardPitches()) +
                  "\") nor one of its presets: " + PresetNames(*found));
}

int ReadCapo(int capo) {
  if (capo < 0 || capo > kMaxCapo)
    throw BadOption("--capo: " + std::to_string(capo) + " is not a fret 0..12");
  return capo;
}

int ReadFrets(int frets) { return ReadChoice(frets, kFretChoices, "--frets"); }
int ReadSpan(int span) { return ReadChoice(span, kSpanChoices, "--span"); }

VoicingOrderChoice ReadOrder(const std::string& order) {
  if (order == "ease") return VoicingOrderChoice::Ease;
  if (order == "position") return VoicingOrderChoice::Position;
  throw BadOption("--order: " + QuotedEcho(order) + " is not ease or position");
}

ChordNotation ReadNotation(const std::string& notation) {
  if (notation == "standard") return ChordNotation::Standard;
  if (notation == "classic") return ChordNotation::Classic;
  throw BadOption("--notation: " + QuotedEcho(notation) + " is not standard or classic");
}

std::optional<int> ReadSongCapo(const std::string& text) {
  if (text.empty() || text == "suggest") return std::nullopt;
  const std::optional<int> fret = text.size() <= 2 ? ReadSmallInteger(text) : std::nullopt;
  if (!fret) throw BadOption("--capo: " + QuotedEcho(text) + " is not a fret 0..12 or suggest");
  return ReadCapo(*fret);
}

Session ReadSession(const SessionOptionTexts& texts) {
  // Made with its instrument, not a copy of the guitar replaced.
  Session session{ReadInstrument(texts.instrument, texts.tuning), ReadCapo(texts.capo),
                  texts.capoShapes ? CapoNames::Shapes : CapoNames::Sounding};
  session.fretCount = ReadFrets(texts.frets);
  session.span = ReadSpan(texts.span);
  session.noFullBarres = texts.noBarre;
  session.simpleChords = texts.simple;
  session.practical = texts.practical;
  session.order = ReadOrder(texts.order);
  return session;
}

}  // namespace corvanta
