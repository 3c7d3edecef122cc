// The window's remembered choices: language, notation, instrument, zoom, order, labels.
#pragma once

#include <string>

#include "instrument/capo.h"
#include "symbols/chord_spelling.h"

namespace corvanta {

// The language of the window's texts; chord and note names are notation and
// never translated.
enum class UiLanguage { Chinese, English };

// The user's preferences, remembered between runs with QSettings. Only
// preferences live here: nothing of the chord, the tuning or the result is
// remembered.
namespace preferences {

// The notation chosen before; until one is chosen it follows the language:
// standard with English, the program's own with Chinese.
ChordNotation Notation();
void SetNotation(ChordNotation notation);
bool NotationChosen();
ChordNotation NotationForLanguage(UiLanguage language);

// The diagram size in percent; 100 unless another was chosen before.
int Zoom();
void SetZoom(int percent);

// What chord names mean under a capo: the sounding chord unless shapes
// were chosen before.
CapoNames CapoNaming();
void SetCapoNaming(CapoNames names);

// The instrument chosen before (its CLI name, "guitar" unless another was
// chosen) and a custom instrument's open pitches ("G3 C4 E4 A4").
std::string InstrumentName();
std::string CustomPitches();
void SetInstrument(const std::string& name, const std::string& pitches);

// Whether the diagrams are ordered by ease; until chosen, by ease with
// English and by position with Chinese.
bool VoicingOrderByEase();
void SetVoicingOrder(bool byEase);

// Whether the voicings players use are searched; until chosen, with
// English, and the strict search with Chinese.
bool Practical();
void SetPractical(bool practical);

// What says how the strings are played: 0 the marks below, 1 notes, 2
// intervals, 3 the chord chart's marks; until chosen, the chart's with
// English and the marks below with Chinese.
int StringLabelChoice();
void SetStringLabels(int choice);

// The folder of the last export (in the main window or the song window);
// before any, the desktop's pictures folder, else its documents folder,
// else the home folder.
std::string ExportFolder();
void SetExportFolder(const std::string& folder);

// The language chosen before; until one is chosen, the desktop's:
// English under an English locale, Chinese under any other.
UiLanguage Language();
void SetLanguage(UiLanguage language);
// The language a first start takes under a locale name ("en_US", "zh_CN", "C").
UiLanguage LanguageForLocale(const std::string& localeName);

}  // namespace preferences
}  // namespace corvanta
