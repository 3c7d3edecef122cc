// The options every shell takes (the CLI's flags, the page's controls and
// links), read in one place so that a text one shell accepts the other does.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "instrument/instrument.h"
#include "instrument/tuning.h"
#include "session/session.h"

namespace corvanta {

// A text an option does not take: the message names the option ("--capo:
// 13 is not a fret 0..12"), as the CLI prints it and the page shows it.
struct BadOption : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The options a session is made of, as a shell received them. The defaults
// are the modern ones (easiest first, the practical rules).
struct SessionOptionTexts {
  std::string instrument = "guitar";
  std::optional<std::string> tuning;  // the instrument's standard tuning when not given
  int frets = kDefaultFretCount;
  int span = kDefaultSpan;
  bool noBarre = false;
  bool simple = false;
  int capo = 0;
  bool capoShapes = false;     // chord names are shapes above the capo
  std::string order = "ease";  // or "position"
  bool practical = true;
};

// The instrument named ("guitar" by default, "custom" with a tuning of 4 to
// 8 notes with octaves) in the tuning given: for the guitar a preset
// caption, six note names (with or without octaves) or six pitch classes;
// for any instrument one of its presets or a note name per string.
Instrument ReadInstrument(const std::string& name, const std::optional<std::string>& tuning);

// The guitar's six open strings as pitch classes: a preset caption, six
// note names or six pitch classes 0..11.
Tuning ReadGuitarTuning(const std::string& text);

int ReadCapo(int capo);                                   // 0..12
int ReadFrets(int frets);                                 // 6, 12, 18 or 24
int ReadSpan(int span);                                   // 2..5
VoicingOrderChoice ReadOrder(const std::string& order);   // "ease" or "position"
ChordNotation ReadNotation(const std::string& notation);  // "standard" or "classic"

// A song's capo: a fret 0..12, or nullopt for "suggest" (or nothing: the
// song's own).
std::optional<int> ReadSongCapo(const std::string& text);

// A whole number of at most three decimal digits ("12"), or nothing: no
// sign, no blank, no other letter.
std::optional<int> ReadSmallInteger(const std::string& text);

// The session the texts describe (the notation and labels left at their
// defaults, which each shell sets for itself). Throws BadOption.
Session ReadSession(const SessionOptionTexts& texts);

}  // namespace corvanta
