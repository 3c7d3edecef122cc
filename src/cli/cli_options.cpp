// Reads the shared search options (instrument, tuning, capo, order, rules) of every command.
#include "cli/cli_options.h"

#include <algorithm>

#include "instrument/capo.h"
#include "symbols/symbol_query.h"
#include "theory/catalogue.h"
#include "theory/formula.h"
#include "theory/note_names.h"
#include "theory/standard_names.h"
#include "theory/text_util.h"

namespace corvanta::cli {
namespace {

int ParseInterval(int value, const std::string& option) {
  if (value < 0 || value >= kPitchClassCount) {
    throw BadArgument(option + ": " + std::to_string(value) + " is not an interval 0..11");
  }
  return value;
}

}  // namespace

void AddCapoOption(CLI::App& command, int& capo) {
  command.add_option("--capo", capo, "capo at fret 0..12 (frets then count from the capo)");
}

void AddCapoShapesOption(CLI::App& command, bool& capoShapes) {
  command.add_flag("--capo-shapes", capoShapes,
                   "chord names are shapes above the capo, as in \"Capo 2: G\" (default: the "
                   "chord that sounds)");
}

CapoNames CapoNamesOf(bool capoShapes) {
  return capoShapes ? CapoNames::Shapes : CapoNames::Sounding;
}

void AddPracticalOption(CLI::App& command, bool& practical) {
  command.add_flag("--practical", practical,
                   "the voicings players use (the default; --practical=false or --classic: the "
                   "strict rules): fifth (and an upper chord's ninth or eleventh) optional, the "
                   "root over another bass, the bass lowest, two- and three-tone chords on as "
                   "many strings, barres as players lay them");
}

void AddOrderOption(CLI::App& command, std::string& order) {
  command
      .add_option("--order", order,
                  "ease (easiest first, the default) or position (the --classic default)")
      ->check(CLI::IsMember({"position", "ease"}));
}

VoicingOrderChoice ParseOrder(const std::string& order) { return ReadOrder(order); }

int ParseLimit(const std::optional<int>& limit) {
  if (!limit) return -1;
  if (*limit < 0) throw BadArgument("--limit: " + std::to_string(*limit) + " is not a count");
  return *limit;
}

ChordNotation ParseNotation(const std::string& text) { return ReadNotation(text); }

int ParseCapo(int capo) { return ReadCapo(capo); }

void AddChordOptions(CLI::App& command, SearchOptionText& text) {
  command.add_option("--root", text.root, "root note: a name (C, C#, Db) or 0..11");
  auto* type = command.add_option("--type", text.type, "chord type name (\"\" or maj, m7, 7/9)");
  auto* formula = command.add_option("--formula", text.formula, "chord formula (\"00 04 07\")");
  type->excludes(formula);
  command.add_option("--bass", text.bass, "bass note (default: the root)");
}

void AddTuningOption(CLI::App& command, std::optional<std::string>& tuning) {
  command.add_option("--tuning", tuning,
                     "a preset (\"Drop D\", \"Low G\"), a note name per string with or without "
                     "octave (\"D A D G B E\", \"G3 C4 E4 A4\"), or six pitch classes");
}

void AddInstrumentOption(CLI::App& command, std::string& instrument) {
  // The names are the instrument table's: a new row is offered at once.
  command.add_option("--instrument", instrument,
                     InstrumentNames() + " (guitar by default), or custom with --tuning");
}

void AddNeckOptions(CLI::App& command, SearchOptionText& text) {
  AddTuningOption(command, text.tuning);
  AddInstrumentOption(command, text.instrument);
  command.add_option("--frets", text.frets, "fret count: 6, 12, 18 or 24");
  command.add_option("--span", text.span, "finger span: 2, 3, 4 or 5");
  command.add_flag("--no-barre", text.noBarre, "leave out full-barre fingerings");
  command.add_flag("--simple", text.simple, "only fingerings without muted inner strings");
}

void AddSettingOptions(CLI::App& command, SearchOptionText& text) {
  AddNeckOptions(command, text);
  command.add_flag("--omit3", text.omit3, "leave out the third");
  command.add_flag("--omit5", text.omit5, "leave out the fifth");
  command.add_option("--third", text.third, "semitones of the third that --omit3 removes");
  command.add_option("--fifth", text.fifth, "semitones of the fifth that --omit5 removes");
  command.add_flag("--json", text.json, "print one JSON object");
  AddCapoOption(command, text.capo);
  AddCapoShapesOption(command, text.capoShapes);
  AddOrderOption(command, text.order);
  AddPracticalOption(command, text.practical);
  command.add_option("--limit", text.limit,
                     "keep only the first N fingerings (count stays the total)");
}

int ParseNote(const std::string& text, const std::string& option) {
  int byName = PitchClassOfName(text);
  if (byName != kNoPitchClass) return byName;
  // A lower-case letter as the typed symbol takes it ("c", "bb").
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'g') {
    std::string capital = text;
    capital[0] = static_cast<char>(capital[0] - 'a' + 'A');
    byName = PitchClassOfName(capital);
    if (byName != kNoPitchClass) return byName;
  }
  auto number = ReadSmallInteger(text);
  if (number && *number < kPitchClassCount) return *number;
  throw BadArgument(option + ": " + QuotedEcho(text) +
                    " is not a note name or a pitch class 0..11");
}

Tuning ParseTuning(const std::string& text) { return ReadGuitarTuning(text); }

Instrument ParseInstrument(const std::string& name, const std::optional<std::string>& tuning) {
  return ReadInstrument(name, tuning);
}

Session SessionOf(const SearchOptionText& text) { return ReadSession(text); }

SearchSettings ParseSettings(const SearchOptionText& text) {
  SearchSettings settings;
  ParseCapo(text.capo);
  settings.fretCount = ReadFrets(text.frets);
  settings.span = ReadSpan(text.span);
  settings.omitThird = text.omit3;
  settings.omitFifth = text.omit5;
  settings.noFullBarres = text.noBarre;
  settings.simpleChords = text.simple;
  settings.thirdInterval = ParseInterval(text.third, "--third");
  settings.fifthInterval = ParseInterval(text.fifth, "--fifth");
  settings.practical = text.practical;
  // The tuning belongs to the instrument, which the commands read; a bad one
  // is refused here, before anything else is asked.
  ParseInstrument(text.instrument, text.tuning);
  return settings;
}

std::string CatalogueTypeOption(const ChordType& type) {
  std::string_view name = TrimBlanks(type.name);
  return name.empty() ? "maj" : std::string(name);
}

namespace {

// A type named as a chord symbol writes it after a root ("maj7", "dim",
// "m7b5"): the notes of C with that name, read in the notation given;
// nullopt unless the whole name is read, with no bass and nothing left out.
std::optional<std::string> FormulaOfTypeSymbol(const std::string& name, ChordNotation notation) {
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  const SymbolChord read = ChordOfSymbol("C" + name, notation);
  const SymbolReading& reading = read.reading;
  if (!reading.namesRoot || reading.noChord || reading.tooManyNotes > 0 ||
      !reading.unrecognised.empty() || !reading.omitted.empty() || read.chord.HasSlashBass())
    return std::nullopt;
  return read.chord.formula;
}

}  // namespace

std::string ParseFormula(const SearchOptionText& text, ChordNotation notation) {
  if (text.formula) {
    // Twelve entries hold every pitch class; more can only repeat one.
    if (!IsWellFormedFormula(*text.formula) ||
        FormulaOffsets(*text.formula).size() > kPitchClassCount) {
      throw BadArgument("--formula: '" + *text.formula +
                        "' is not a formula of at most 12 offsets 00..11 such as \"00 04 07\"");
    }
    return *text.formula;
  }
  // The program's own type names first, so that every name keeps its
  // meaning ("9" is the added ninth); then the standard name of a type
  // ("maj7" is 7+); then any chord name as a symbol writes it ("dim").
  const std::string_view typed = TrimBlanks(text.type);
  int row = FindChordType(typed);
  if (row < 0) row = FindStandardChordType(typed);
  if (row >= 0) return std::string(kChordCatalogue[static_cast<std::size_t>(row)].formula);
  if (auto formula = FormulaOfTypeSymbol(std::string(TrimBlanks(text.type)), notation))
    return *formula;
  std::string names;
  for (const ChordType& type : kChordCatalogue)
    names += (names.empty() ? "" : ", ") + CatalogueTypeOption(type);
  throw BadArgument("--type: '" + text.type + "' is not a chord type; the types are " + names +
                    ", their standard names (maj7, 7sus4, m7b5) or a chord name as a symbol "
                    "writes it (dim, 13)");
}

}  // namespace corvanta::cli
