// The guitar's tunings: presets, pitch classes per string, pitch tables.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvanta {

// The six-string guitar's strings: the size of its presets' tables and of
// a tuning typed for it. Everything else takes its strings from the
// instrument.
inline constexpr int kStringCount = 6;
// A fret value lies in 0..29 (a fingering's key text, the search's tables).
inline constexpr int kFretSlots = 30;

// Open-string pitch classes, string 0 (the lowest-pitched) first.
using Tuning = std::array<int, kStringCount>;

inline constexpr Tuning kStandardTuning{4, 9, 2, 7, 11, 4};

// The open pitches of standard tuning, E2 A2 D3 G3 B3 E4. A string tuned to
// another pitch class sounds in the octave nearest its standard pitch, as
// players retune a string (a B string tuned to C# rises to C#4; it is never
// slackened by eleven semitones to C#3).
inline constexpr std::array<int, kStringCount> kStandardPitches{40, 45, 50, 55, 59, 64};

struct TuningPreset {
  std::string_view itemName;     // menu item object name
  std::string_view menuCaption;  // text in the drop-down menu
  Tuning pitchClasses;
  std::array<std::string_view, kStringCount> labels;  // the preset's own spelling
  std::string_view buttonCaption;                     // tool button caption once applied
  std::string_view englishName = {};                  // as an English guitarist names it
};

// The twelve presets of the menu as it has always been, then two that
// players reach for as often (DADGAD, and half a step down for singers and
// for playing along with records tuned so).
inline constexpr int kClassicPresetCount = 12;
inline constexpr int kTuningPresetCount = 14;
inline constexpr int kStandardPreset = 0;

// Indexed by the menu item's tag.
inline constexpr std::array<TuningPreset, kTuningPresetCount> kTuningPresets{{
    {"StandardTunning1",
     "标准音",
     {4, 9, 2, 7, 11, 4},
     {"E", "A", "D", "G", "B", "E"},
     "标准音",
     "Standard tuning"},
    {"EADGCF1",
     "Open E",
     {4, 11, 4, 8, 11, 4},
     {"E", "B", "E", "G#", "B", "E"},
     "Open E",
     "Open E"},
    {"OpenA1", "Open A", {4, 9, 4, 9, 1, 4}, {"E", "A", "E", "A", "C#", "E"}, "Open A", "Open A"},
    {"AfinaoLute1",
     "Lute Tunning",
     {4, 9, 2, 6, 11, 4},
     {"E", "A", "D", "F#", "B", "E"},
     "Lute",
     "Lute tuning"},
    {"AfinaodeBlues1",
     "Blues Tunning",
     {4, 9, 2, 7, 0, 5},
     {"E", "A", "D", "G", "C", "F"},
     "Blues",
     "Blues tuning"},
    {"RainSong1",
     "Rain Song",
     {2, 7, 0, 7, 0, 2},
     {"D", "G", "C", "G", "C", "D"},
     "Rain Song",
     "Rain Song"},
    {"OpenD1", "Open D", {2, 9, 2, 6, 9, 2}, {"D", "A", "D", "F#", "A", "D"}, "Open D", "Open D"},
    {"DropD1", "Drop D", {2, 9, 2, 7, 11, 4}, {"D", "A", "D", "G", "B", "E"}, "Drop D", "Drop D"},
    {"OpenG1", "Open G", {2, 7, 2, 7, 11, 2}, {"D", "G", "D", "G", "B", "D"}, "Open G", "Open G"},
    {"C6th1", "C 6th", {0, 7, 0, 7, 9, 4}, {"C", "G", "C", "G", "A", "E"}, "C 6th", "C 6th"},
    {"Afinaoemsolmenor1",
     "G Minor Tunning",
     {7, 10, 2, 7, 10, 2},
     {"G", "Bb", "D", "G", "Bb", "D"},
     "G minor tuning",
     "G minor tuning"},
    {"Vellmoor1",
     "Vellmoor",
     {2, 9, 2, 7, 9, 2},
     {"D", "A", "D", "G", "A", "D"},
     "Vellmoor",
     "Vellmoor"},
    {"Dadgad1", "DADGAD", {2, 9, 2, 7, 9, 2}, {"D", "A", "D", "G", "A", "D"}, "DADGAD", "DADGAD"},
    {"HalfStepDown1",
     "降半音 (Eb)",
     {3, 8, 1, 6, 10, 3},
     {"Eb", "Ab", "Db", "Gb", "Bb", "Eb"},
     "Eb",
     "Half step down (Eb)"},
}};

// The pitch of a pitch class nearest a string's standard pitch: at most six
// semitones down or five up (the tension players will still put on a string).
int NearestPitch(int pitchClass, int standardPitch);

// Whether a typed tuning name names a preset's name: letter case aside, and
// a trailing "tuning" (or the menu's "Tunning") aside, so "standard",
// "Standard tuning" and "Lute Tunning" all name theirs.
bool NamesPreset(std::string_view typed, std::string_view name);

// The preset that the text names by its menu caption, its button caption or
// its English name (NamesPreset: "Drop D", "drop d", "标准音", "Standard
// tuning", "Standard"); -1 when none does.
int FindTuningPreset(std::string_view text);

// Every preset as "Chinese or menu caption (English name)", comma-separated,
// for messages: "标准音" (Standard tuning), "Open E", ...
std::string TuningPresetList();

// A tuning typed as note names, low string first: "D A D G A D", "DADGAD",
// "Eb Ab Db Gb Bb Eb"; nullopt unless it names exactly six notes.
std::optional<Tuning> ParseTuningNames(std::string_view text);

// Pitch class sounding at a string and fret in a tuning.
int PitchClassAt(const Tuning& tuning, int string, int fret);

}  // namespace corvanta
