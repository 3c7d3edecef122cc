// An instrument as data: its strings, neck, presets, sound and voicing rules.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "instrument/known_shapes.h"
#include "instrument/tuning.h"

namespace corvanta {

// Every instrument has this many strings at least and at most: fewer cannot
// hold a chord of three tones plus a bass, more than eight no fretted
// instrument in common use has (and a fingering's sort key holds eight).
inline constexpr int kMinInstrumentStrings = 4;
inline constexpr int kMaxInstrumentStrings = 8;
// A muted string's value in a fingering or a shape.
inline constexpr int kMutedString = 99;
// The longest neck the program draws and searches (the search's largest
// fret count, the guitar's): a fret plus the capo lies at or below it.
inline constexpr int kNeckFrets = 24;

// One string: its open pitch (MIDI note) and, for a short string such as
// the 5-string banjo's drone, the fret of the neck where it starts. Frets
// 1..firstFret do not exist on it; fret f above it sounds open + f - firstFret.
struct OpenString {
  int pitch = 0;
  int firstFret = 0;
  bool operator==(const OpenString&) const = default;
};

struct InstrumentPreset {
  std::string name;          // "Low G", "Drop D"; the guitar's as its button shows them
  std::vector<int> pitches;  // open MIDI notes, strings in the instrument's order
  // As an English player names it ("Standard tuning" for the guitar's
  // "标准音"); the name where that is already English.
  std::string englishName = {};
  const std::string& EnglishName() const { return englishName.empty() ? name : englishName; }
  bool operator==(const InstrumentPreset&) const = default;
};

// How players of an instrument build chords, which the search follows.
struct VoicingRules {
  // Guitar players build a chord on a bass string: the bass lies on one of
  // the lowest strings and every string below it is muted. Ukulele, mandolin
  // and banjo players do not: any string may sound the lowest note, and a
  // chord with no slash bass may stand in any inversion.
  bool anyInversion = false;
  // Bass-built: strings 0..bassStrings-1 may carry the bass.
  int bassStrings = 3;
  // Bass-built: strings above the bass that must sound; any inversion:
  // strings that must sound in all.
  int minSounding = 3;
  bool operator==(const VoicingRules&) const = default;
};

struct Instrument {
  std::string name;                       // the CLI's name: "guitar", "ukulele", "custom"
  std::string title;                      // "Guitar", "Ukulele"
  std::vector<OpenString> strings;        // as players list them: the lowest-listed first
  std::vector<InstrumentPreset> presets;  // the first is the standard tuning
  KnownShapes shapes;                     // the open and barre shapes its players know
  int midiProgram = 24;                   // General MIDI, counted from 0
  VoicingRules rules;
  // The six-string guitar's tuning as it has always worked: strings tuned
  // by pitch class (each heard in the octave nearest its standard pitch),
  // the presets by their menu captions, and a moved slider heard at the
  // next search rather than at once. Other instruments' sliders are heard
  // at once.
  bool classicTuning = false;
  // The frets of its neck: a search never places a bass or a window's top
  // beyond them (a soprano ukulele has about 15, a mandolin 20).
  int neckFrets = kNeckFrets;
  // The window's name for it, in Chinese, the source its translations are
  // made from ("尤克里里"; the English one is the title).
  std::string caption = {};

  int StringCount() const { return static_cast<int>(strings.size()); }
  std::vector<int> StandardPitches() const;
  bool operator==(const Instrument&) const = default;
  // Each string's first fret: a short string's, 0 for the others.
  std::vector<int> FirstFrets() const;
};

// Whether a diagram marks the bass on the string sounding lowest: on every
// instrument but one in the classic tuning, whose octaves are a table's and
// whose diagrams mark the lowest sounding string.
inline bool MarksBassByPitch(const Instrument& instrument) { return !instrument.classicTuning; }

// The guitar's open pitches for a tuning of pitch classes, each string in
// the octave nearest its standard pitch (NearestPitch).
std::vector<int> GuitarPitches(const Tuning& tuning);

// Custom open pitches as typed: 4..8 note names with octaves ("D3 G3 D4 G4
// B4 D5"); nullopt otherwise.
std::optional<std::vector<int>> ParseCustomPitches(std::string_view text);
// The first word of such a text that is no note name with an octave ("H4"),
// to say which; empty when every word is one.
std::string FirstBadPitchName(std::string_view text);

const std::vector<Instrument>& BuiltInInstruments();
// nullptr when no built-in instrument has that name.
const Instrument* FindInstrument(std::string_view name);
// The names of the built-in instruments, comma-separated, for messages.
std::string InstrumentNames();

// A custom instrument from its open pitches (4..8 strings), with the rules
// its string count and pitches imply; nullopt outside 4..8 strings or
// outside MIDI notes 12..108.
std::optional<Instrument> CustomInstrument(const std::vector<int>& pitches);

// The rules a tuning implies: a re-entrant tuning is played in any
// inversion, one reaching below A1 as a bass (the bass and one more string
// at least), four or five strings above that in any inversion, six or more
// as a guitar (the bass on all but the three highest strings).
VoicingRules RulesForPitches(const std::vector<int>& pitches);

// The same instrument in another tuning of as many strings; a short string
// keeps its first fret.
Instrument Retuned(const Instrument& instrument, const std::vector<int>& pitches);

// The instrument in one of its presets, by the preset's name ("Low G").
std::optional<Instrument> InPreset(const Instrument& instrument, std::string_view name);
// The instrument in a tuning typed as its players name one: a preset's name,
// or a note name per string (ParseStringPitches); nullopt otherwise.
std::optional<Instrument> InNamedTuning(const Instrument& instrument, std::string_view tuning);

// The MIDI note at a string and fret, or -1 where the string has no such
// fret (below a short string's first fret). A barre sign counts as its fret.
// Inline: the searches' filters ask it for every string of every fingering.
inline int PitchAt(const Instrument& instrument, int string, int fret) {
  if (string < 0 || string >= instrument.StringCount()) return -1;
  const OpenString& open = instrument.strings[static_cast<std::size_t>(string)];
  fret = fret < 0 ? -fret : fret;
  if (fret == 0) return open.pitch;
  if (fret <= open.firstFret) return -1;
  return open.pitch + fret - open.firstFret;
}

// A note with its octave, "G4", "Eb2", "C#3": its MIDI note, or nullopt.
std::optional<int> ParsePitchName(std::string_view text);
// "G4", "A#1", spelled with sharps.
std::string PitchName(int midi);
// "G4 C4 E4 A4": a tuning's pitches, one name each.
std::string PitchNames(const std::vector<int>& pitches);

// Note names for each string of an instrument: with octaves ("G4 C4 E4 A4")
// as written, or without ("G C E A"), each then taking the octave nearest
// the instrument's standard pitch for that string. nullopt unless exactly
// as many names as the instrument has strings.
std::optional<std::vector<int>> ParseStringPitches(std::string_view text,
                                                   const Instrument& instrument);

}  // namespace corvanta
