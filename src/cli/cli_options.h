// The search options every command of corvanta-cli shares.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "instrument/capo.h"
#include "instrument/instrument.h"
#include "search/difficulty.h"
#include "search/search_settings.h"
#include "session/option_reader.h"
#include "session/session.h"
#include "symbols/chord_spelling.h"
#include "theory/catalogue.h"

namespace corvanta::cli {

// The search options every command shares, as typed on the command line:
// the session's (read by the core's option reader, as the page's are) and
// the chord's.
struct SearchOptionText : SessionOptionTexts {
  std::string root = "C";
  std::string type;
  std::optional<std::string> formula;  // given but empty is refused
  std::string bass;
  bool omit3 = false;
  bool omit5 = false;
  int third = kMajorThird;
  int fifth = kPerfectFifth;
  bool json = false;
  std::optional<int> limit;  // every fingering when not given
};

// A bad argument: the message names it; the program exits with status 2.
using BadArgument = BadOption;

void AddChordOptions(CLI::App& command, SearchOptionText& text);
void AddCapoOption(CLI::App& command, int& capo);
void AddCapoShapesOption(CLI::App& command, bool& capoShapes);
CapoNames CapoNamesOf(bool capoShapes);
// --order position|ease (the option's check keeps it to these).
void AddOrderOption(CLI::App& command, std::string& order);
void AddPracticalOption(CLI::App& command, bool& practical);
VoicingOrderChoice ParseOrder(const std::string& order);
void AddSettingOptions(CLI::App& command, SearchOptionText& text);
// The instrument, its tuning and the search's neck options (frets, span,
// barres, simple chords): what every command that voices chords shares.
void AddNeckOptions(CLI::App& command, SearchOptionText& text);
// --tuning and --instrument, the same on every command.
void AddTuningOption(CLI::App& command, std::optional<std::string>& tuning);
void AddInstrumentOption(CLI::App& command, std::string& instrument);

// The instrument named ("guitar" by default, "custom" with a --tuning of 4
// to 8 notes with octaves) in the tuning given: for the guitar a preset
// caption, six note names or six pitch classes as ever; for any instrument
// one of its presets or a note name (with or without octave) per string.
Instrument ParseInstrument(const std::string& name, const std::optional<std::string>& tuning);

// A note name of the pitch-class table ("C#", "Db", "Cb") or a number 0..11.
int ParseNote(const std::string& text, const std::string& option);
Tuning ParseTuning(const std::string& text);
// The --limit value as a count >= 0, or -1 (every fingering) when not given.
int ParseLimit(const std::optional<int>& limit);
// The capo fret of --capo, 0..12.
int ParseCapo(int capo);
// The --notation value, which the option's check keeps to these two words.
ChordNotation ParseNotation(const std::string& text);
// The session the shared options describe: the instrument in its tuning,
// the capo and its names, the search options, the rules and the order.
Session SessionOf(const SearchOptionText& text);
// Settings without root and bass, which the caller decides.
SearchSettings ParseSettings(const SearchOptionText& text);
// How --type names a catalogue row ("maj" for the major triad), in UTF-8.
std::string CatalogueTypeOption(const ChordType& type);
// The chord formula from --type or --formula (the major triad by default).
std::string ParseFormula(const SearchOptionText& text,
                         ChordNotation notation = ChordNotation::Standard);

}  // namespace corvanta::cli
