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

ChordNotation Notation();
void SetNotation(ChordNotation notation);

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

// Whether the diagrams are ordered by ease (by position unless chosen before).
bool VoicingOrderByEase();
void SetVoicingOrder(bool byEase);

// Whether the voicings players use are searched (the strict search unless
// chosen before).
bool Practical();
void SetPractical(bool practical);

// What stands under the strings: 0 marks (the default), 1 notes, 2 intervals.
int StringLabelChoice();
void SetStringLabels(int choice);

// Chinese unless another language was chosen before.
UiLanguage Language();
void SetLanguage(UiLanguage language);

}  // namespace preferences
}  // namespace corvanta
