// A search's result as corvanta-cli prints it: text and JSON fields.
#pragma once

#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "instrument/fingering.h"
#include "instrument/instrument.h"
#include "search/instrument_search.h"
#include "session/json_writer.h"
#include "symbols/chord_names.h"
#include "symbols/symbol_query.h"

namespace corvanta::cli {

// An object's fields gathered from several places, each value already
// JSON text: written with its keys in byte order, as every object the CLI
// prints has them.
using JsonFields = std::map<std::string, std::string, std::less<>>;
std::string ObjectText(const JsonFields& fields);

// {"argument", "chordTones", "count", "fingerings"} as fields, and
// "voicings" apart: the key texts exactly as the search orders them
// and each voicing as an object; both keep the first `limit` (all when
// negative) while "count" stays the number found. `sounding` is the
// instrument with its capo on. A command adds its own fields and writes the
// whole with DumpSearchJson.
struct SearchOutput {
  JsonFields fields;
  std::string voicings;
};
// noteNames: each pitch class as the chord spells it (ChordSpelling); empty,
// the notes take sharps.
SearchOutput SearchJson(const std::string& argument, const InstrumentSearchResult& result,
                        const Instrument& sounding, int limit, int rootPitchClass,
                        std::span<const std::string> noteNames = {});
// The fields given, with the voicings, as one compact JSON object.
std::string DumpSearchJson(JsonFields fields, std::string voicings);

// The chord a voicing's intervals are named in: its root and every chord
// tone's semitones above it.
struct ChordContext {
  int root;
  std::vector<int> intervals;
  std::span<const std::string> noteNames;  // as SearchJson takes them
};
ChordContext ChordContextOf(const InstrumentSearchResult& result, int rootPitchClass,
                            std::span<const std::string> noteNames = {});

// Each voicing as an object: {"barre", "difficulty", "fingers", "frets",
// "intervals", "notes", "position", "preferred"} (fingers, frets and
// intervals one entry per string, lowest-listed first, null muted; fingers
// as the diagram draws them; intervals as players name them in the chord,
// R, b3, 5, b7, 9...; notes the sounding strings' pitches with octaves), as
// a JSON array written on `json`, or as its compact text.
void WriteVoicings(JsonWriter& json, std::span<const Voicing> voicings, const Instrument& sounding,
                   const ChordContext& chord);
std::string VoicingsJsonText(std::span<const Voicing> voicings, const Instrument& sounding,
                             const ChordContext& chord);

// The result's voicings kept to the first `limit` (all when limit < 0).
std::span<const Voicing> FirstVoicings(const InstrumentSearchResult& result, int limit);

// A readable table: fret values (X muted), position, and the count.
void PrintFingeringTable(const std::string& argument, const InstrumentSearchResult& result,
                         const Instrument& instrument, int limit, std::ostream& out);

// A text as JSON string text, a byte that is not UTF-8 as U+FFFD; names as an array's.
std::string TextJson(std::string_view text);
std::string NamesJson(const std::vector<std::string>& names);
std::string NamesJson(const ChordNameList& names);
// Fret values as JSON numbers, low string first: null muted, a barre sign
// dropped.
void WriteFrets(JsonWriter& json, const Fingering& frets);
std::string FretsJson(const Fingering& frets);

// A voicing's barre as the JSON shows it: {"fret", "fromString"}, the
// lowest string it lies on (0 the lowest-listed); none without one.
struct BarreField {
  int fret = 0;
  int fromString = 0;
};
std::optional<BarreField> FirstBarre(const Fingering& frets);
// The difficulty as JSON shows it: one decimal is all its precision means.
// A figure to one decimal, as the JSON shows figures.
inline double RoundedFigure(double figure) { return std::round(figure * 10) / 10; }
double DifficultyFigure(const Fingering& frets);

// The readings of a chord, best first: {"name", "root", "bass", "notes",
// "omitted"}, names written in the notation, the root spelled as rootName
// where it is that note.
std::string ReadingsJson(const std::vector<ChordReading>& readings, ChordNotation notation,
                         std::string_view rootName = {});
// The best reading written, or null when there is none.
std::string BestJson(const std::vector<ChordReading>& readings, ChordNotation notation,
                     std::string_view rootName = {});

// Warns on stderr of every word a reading did not use (the first ten, then
// how many more) and every degree it left out, one line each.
void WarnOfReading(const SymbolReading& reading);
// "needs 8 notes; at most 6 sound, the bass included"
std::string TooManyNotesText(const SymbolReading& reading);

}  // namespace corvanta::cli
