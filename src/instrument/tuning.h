#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace corvanta {

inline constexpr int kStringCount = 6;
// Per-string tables cover frets 0..29.
inline constexpr int kFretSlots = 30;

// Open-string pitch classes, string 0 (the lowest-pitched) first.
using Tuning = std::array<int, kStringCount>;
// MIDI note sounding at [string][fret].
using PitchTable = std::array<std::array<int, kFretSlots>, kStringCount>;

inline constexpr Tuning kStandardTuning{4, 9, 2, 7, 11, 4};

// Strings 0-1 lie in the octave from C2, strings 2-4 from C3, string 5 from C4.
inline constexpr std::array<int, kStringCount> kOctaveBase{36, 36, 48, 48, 48, 60};

struct TuningPreset {
  std::string_view itemName;     // menu item object name
  std::string_view menuCaption;  // text in the drop-down menu
  Tuning pitchClasses;
  std::array<std::string_view, kStringCount> labels;  // the preset's own spelling
  std::string_view buttonCaption;                     // tool button caption once applied
};

inline constexpr int kTuningPresetCount = 12;
inline constexpr int kStandardPreset = 0;

// Indexed by the menu item's tag.
inline constexpr std::array<TuningPreset, kTuningPresetCount> kTuningPresets{{
    {"StandardTunning1", "标准音", {4, 9, 2, 7, 11, 4}, {"E", "A", "D", "G", "B", "E"}, "标准音"},
    {"EADGCF1", "Open E", {4, 11, 4, 8, 11, 4}, {"E", "B", "E", "G#", "B", "E"}, "Open E"},
    {"OpenA1", "Open A", {4, 9, 4, 9, 1, 4}, {"E", "A", "E", "A", "C#", "E"}, "Open A"},
    {"AfinaoLute1", "Lute Tunning", {4, 9, 2, 6, 11, 4}, {"E", "A", "D", "F#", "B", "E"}, "Lute"},
    {"AfinaodeBlues1",
     "Blues Tunning",
     {4, 9, 2, 7, 0, 5},
     {"E", "A", "D", "G", "C", "F"},
     "Blues"},
    {"RainSong1", "Rain Song", {2, 7, 0, 7, 0, 2}, {"D", "G", "C", "G", "C", "D"}, "Rain Song"},
    {"OpenD1", "Open D", {2, 9, 2, 6, 9, 2}, {"D", "A", "D", "F#", "A", "D"}, "Open D"},
    {"DropD1", "Drop D", {2, 9, 2, 7, 11, 4}, {"D", "A", "D", "G", "B", "E"}, "Drop D"},
    {"OpenG1", "Open G", {2, 7, 2, 7, 11, 2}, {"D", "G", "D", "G", "B", "D"}, "Open G"},
    {"C6th1", "C 6th", {0, 7, 0, 7, 9, 4}, {"C", "G", "C", "G", "A", "E"}, "C 6th"},
    {"Afinaoemsolmenor1",
     "G Minor Tunning",
     {7, 10, 2, 7, 10, 2},
     {"G", "Bb", "D", "G", "Bb", "D"},
     "G minor tuning"},
    {"Vellmoor1", "Vellmoor", {2, 9, 2, 7, 9, 2}, {"D", "A", "D", "G", "A", "D"}, "Vellmoor"},
}};

// The pitch table by the octave rule: octaveBase + open pitch class + fret.
PitchTable BuildPitchTable(const Tuning& tuning);

// The preset whose menu caption equals the text; -1 when none does.
int FindTuningPreset(std::string_view menuCaption);

// A tuning typed as note names, low string first: "D A D G A D", "DADGAD",
// "Eb Ab Db Gb Bb Eb"; nullopt unless it names exactly six notes.
std::optional<Tuning> ParseTuningNames(std::string_view text);

// Pitch class sounding at a string and fret in a tuning.
int PitchClassAt(const Tuning& tuning, int string, int fret);

}  // namespace corvanta
