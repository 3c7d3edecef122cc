// `corvanta-cli query`: a typed symbol read as its Chord, voiced and named.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/chord_json.h"
#include "session/sounding_symbol.h"
#include "symbols/chord_naming.h"
#include "symbols/symbol_query.h"
#include "theory/text_util.h"

namespace corvanta::cli {
namespace {

// The typed text, from the argument or standard input as the box would hold it.
std::string TypedText(const std::string& argument) {
  std::string text = argument;
  if (text == "-") {
    text = ReadStandardInput(kMostTypedBytes + 1);
    if (text.size() > kMostTypedBytes)
      throw BadArgument("query: standard input holds more than " +
                        std::to_string(kMostTypedBytes / 1024) +
                        " KB, far more than a chord symbol; nothing searched");
    // A text saved with a byte order mark begins with it; the box never does.
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    // A file or a pipe ends its one line with a newline the box never holds.
    if (text.size() >= 1 && text.back() == '\n') text.pop_back();
    if (text.size() >= 1 && text.back() == '\r') text.pop_back();
  }
  if (text.size() > kMostTypedBytes)
    throw BadArgument("query: the symbol is " + std::to_string(text.size()) + " bytes, more than " +
                      std::to_string(kMostTypedBytes / 1024) + " KB; nothing searched");
  return text;
}

// The chord read, under the command line's omit options and third and
// fifth, its notes spelled with flats where asked and the text says nothing
// of its own (no root for N.C., no word for the bass).
Chord ChordUnderOptions(const SymbolChord& read, const SearchSettings& settings, bool flats) {
  const Accidentals asked = flats ? Accidentals::Flats : Accidentals::Sharps;
  Chord chord = read.chord;
  chord.omitThird = settings.omitThird;
  chord.omitFifth = settings.omitFifth;
  chord.thirdInterval = settings.thirdInterval;
  chord.fifthInterval = settings.fifthInterval;
  if (read.reading.noChord) chord.spelling = asked;
  chord.bassSpelling = read.bassNames.value_or(asked);
  return chord;
}

}  // namespace

void AddNoteNames(JsonFields& json, const Chord& chord) {
  json["rootName"] = TextJson(NoteNameOf(chord.spelling, chord.root));
  json["bassName"] = TextJson(NoteNameOf(chord.bassSpelling, chord.bass));
}

std::string ItemsWhere(const std::array<bool, kDegreeItemCount>& flags, bool wanted) {
  std::vector<int> items;
  for (int item = 0; item < kDegreeItemCount; ++item) {
    if (flags[item] == wanted) items.push_back(item);
  }
  return JsonWriter().Ints(items).Take();
}

SearchOutput AddResult(JsonFields& json, const VoicedChord& result, const Session& session,
                       const SearchOptionText& options, const Chord& chord) {
  // The voicings' notes spelled by the chord, as its notes are.
  const auto noteNames = ChordSpelling(chord);
  SearchOutput search = SearchJson(result.argument, result.search, SoundingInstrument(session),
                                   ParseLimit(options.limit), chord.root, noteNames);
  for (const char* field : {"argument", "count", "fingerings"}) json[field] = search.fields[field];
  json["names"] = NamesJson(result.names);
  return search;
}

void AddSounding(JsonFields& json, const Chord& chord, const SearchOptionText& options) {
  if (!options.capoShapes || options.capo == 0) return;
  json["capoNames"] = JsonString("shapes");
  json["sounding"] = TextJson(SoundingSymbol(chord.symbol, options.capo, chord.spelling));
}

std::string ReadStandardInput(std::size_t most) {
  std::string text;
  char buffer[65536];
  while (text.size() < most) {
    ssize_t got = read(STDIN_FILENO, buffer, std::min(sizeof buffer, most - text.size()));
    if (got == 0) return text;
    if (got > 0) {
      text.append(buffer, static_cast<std::size_t>(got));
    } else if (errno != EINTR) {
      throw CommandFailure(std::string("cannot read standard input: ") + std::strerror(errno));
    }
  }
  return text;
}

int RunQuery(const EntryCommandText& command, std::ostream& out) {
  const SearchSettings settings = ParseSettings(command.options);
  const Session session = SessionOf(command.options);
  const std::string text = TypedText(command.text);
  const ChordNotation notation = ParseNotation(command.notation);
  const SymbolChord read = ChordOfSymbol(text, notation);
  const SymbolReading& reading = read.reading;
  if (reading.tooManyNotes > 0)
    throw BadArgument("query: " + QuotedEcho(text) + " " + TooManyNotesText(reading) +
                      "; nothing searched");
  if (!reading.namesRoot && !reading.noChord)
    throw BadArgument("query: " + QuotedEcho(text) + " names no root note; nothing searched");
  WarnOfReading(reading);
  const Chord chord = ChordUnderOptions(read, settings, command.flats);
  const VoicedChord result = VoiceChord(session, chord);
  JsonFields json;
  json["echo"] = TextJson(ChordSymbolText(chord, notation));
  json["root"] = std::to_string(chord.root);
  json["bass"] = std::to_string(chord.bass);
  AddNoteNames(json, chord);
  json["formula"] = JsonString(chord.formula);
  json["typeName"] = TextJson(read.typeName);
  json["ticks"] = ItemsWhere(read.ticked, true);
  SearchOutput search = AddResult(json, result, session, command.options, chord);
  AddSounding(json, chord, command.options);
  json["notes"] = NamesJson(ChordNoteNames(chord));
  json["unrecognised"] = NamesJson(reading.unrecognised);
  json["omitted"] = NamesJson(reading.omitted);
  json["ambiguous"] = NamesJson(reading.ambiguous);
  const std::vector<ChordReading> readings = ChordReadingsOf(chord);
  const std::string_view rootName = ChordRootName(chord);
  json["best"] = BestJson(readings, notation, rootName);
  json["readings"] = ReadingsJson(readings, notation, rootName);
  json["noChord"] = reading.noChord ? "true" : "false";
  json["notation"] = JsonString(command.notation);
  out << DumpSearchJson(std::move(json), std::move(search.voicings)) << "\n";
  return 0;
}

}  // namespace corvanta::cli
