// The commands that drive the chord-entry model: a typed symbol and a
// sequence of check-list clicks, each from the fresh start state.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/output.h"
#include "session/session.h"
#include "session/sounding_symbol.h"
#include "symbols/symbol_query.h"
#include "theory/text_util.h"

namespace corvanta::cli {
namespace {

// The fresh start state with the command line's options applied.
ChordEntry StartEntry(const EntryCommandText& command, const SearchSettings& settings) {
  ChordEntry entry;
  SetEntryOptions(entry.state, settings);
  entry.state.thirdInterval = settings.thirdInterval;
  entry.state.fifthInterval = settings.fifthInterval;
  if (command.flats) {
    entry.ShowRootAs(Accidentals::Flats);
    entry.ShowBassAs(Accidentals::Flats);
  }
  return entry;
}

// The root and the bass as the note grids name them.
void AddNoteNames(JsonFields& json, const ChordEntry& entry) {
  json["rootName"] = TextJson(entry.RootGridText(entry.state.rootPitchClass));
  json["bassName"] = TextJson(entry.BassGridText(entry.state.bassPitchClass));
}

std::string ItemsWhere(const std::array<bool, kDegreeItemCount>& flags, bool wanted) {
  std::vector<int> items;
  for (int item = 0; item < kDegreeItemCount; ++item) {
    if (flags[item] == wanted) items.push_back(item);
  }
  return JsonWriter().Ints(items).Take();
}

// The search's fields into the command's object; the voicings' text is
// returned apart for DumpSearchJson.
SearchOutput AddResult(JsonFields& json, const VoicedChord& result, const Session& session,
                       const SearchOptionText& options, const ChordEntryState& state) {
  // The voicings' notes spelled by the chord, as its notes are.
  const auto noteNames = ChordSpelling(state);
  SearchOutput search = SearchJson(result.argument, result.search, SoundingInstrument(session),
                                   ParseLimit(options.limit), state.rootPitchClass, noteNames);
  for (const char* field : {"argument", "count", "fingerings"}) json[field] = search.fields[field];
  json["names"] = NamesJson(result.names);
  return search;
}

// With shape names under a capo, the chord the shape sounds.
void AddSounding(JsonFields& json, const ChordEntry& entry, const SearchOptionText& options) {
  if (!options.capoShapes || options.capo == 0) return;
  json["capoNames"] = JsonString("shapes");
  json["sounding"] =
      TextJson(SoundingSymbol(entry.state.chordSymbol, options.capo, entry.state.rootGridNames));
}

std::vector<int> ParseItemList(const std::string& text) {
  std::vector<int> items;
  std::stringstream list(text);
  std::string token;
  while (std::getline(list, token, ',')) {
    bool digits = !token.empty() && token.size() <= 2 &&
                  token.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoi(token) >= kDegreeItemCount) {
      throw BadArgument("clicks: " + QuotedEcho(token) + " is not a check-list item 0..50");
    }
    items.push_back(std::stoi(token));
  }
  if (!text.empty() && text.back() == ',')
    throw BadArgument("clicks: empty item after the last comma");
  return items;
}

}  // namespace

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
  SearchSettings settings = ParseSettings(command.options);
  ChordEntry entry = StartEntry(command, settings);
  const Session session = SessionOf(command.options);
  std::string text = command.text;
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
  ChordNotation notation = ParseNotation(command.notation);
  SymbolReading reading = ReadTypedChord(entry, Utf8ToBytes(text), notation);
  if (reading.tooManyNotes > 0)
    throw BadArgument("query: " + QuotedEcho(text) + " " + TooManyNotesText(reading) +
                      "; nothing searched");
  if (!reading.namesRoot && !reading.noChord)
    throw BadArgument("query: " + QuotedEcho(text) + " names no root note; nothing searched");
  WarnOfReading(reading);
  const VoicedChord result = VoiceChord(session, ChordOfEntry(entry.state));
  JsonFields json;
  json["echo"] = TextJson(ChordSymbolText(entry.state, notation));
  json["root"] = std::to_string(entry.state.rootPitchClass);
  json["bass"] = std::to_string(entry.state.bassPitchClass);
  AddNoteNames(json, entry);
  json["formula"] = JsonString(entry.state.chordFormula);
  json["typeName"] = TextJson(entry.state.typeName);
  json["ticks"] = ItemsWhere(entry.state.ticked, true);
  SearchOutput search = AddResult(json, result, session, command.options, entry.state);
  AddSounding(json, entry, command.options);
  json["notes"] = NamesJson(ChordNoteNames(entry.state));
  json["unrecognised"] = NamesJson(reading.unrecognised);
  json["omitted"] = NamesJson(reading.omitted);
  json["ambiguous"] = NamesJson(reading.ambiguous);
  const std::vector<ChordReading> readings = EntryReadings(entry.state);
  const std::string_view rootName = EntryRootName(entry.state);
  json["best"] = BestJson(readings, notation, rootName);
  json["readings"] = ReadingsJson(readings, notation, rootName);
  json["noChord"] = reading.noChord ? "true" : "false";
  json["notation"] = JsonString(command.notation);
  out << DumpSearchJson(std::move(json), std::move(search.voicings)) << "\n";
  return 0;
}

int RunClicks(const EntryCommandText& command, std::ostream& out) {
  std::vector<int> items = ParseItemList(command.text);
  SearchSettings settings = ParseSettings(command.options);
  ChordEntry entry = StartEntry(command, settings);
  const Session session = SessionOf(command.options);
  entry.ChooseRoot(ParseNote(command.options.root, "--root"));
  if (!command.options.bass.empty()) {
    entry.ChooseBass(ParseNote(command.options.bass, "--bass"));
  }
  for (int item : items) entry.ToggleDegree(item);
  const VoicedChord result = VoiceChord(session, ChordOfEntry(entry.state));
  JsonFields json;
  json["formula"] = JsonString(entry.state.chordFormula);
  json["typeName"] = TextJson(entry.state.typeName);
  // The normalised symbol, without the trailing blank the box may keep.
  json["symbol"] = TextJson(TrimBlanks(entry.state.chordSymbol));
  json["root"] = std::to_string(entry.state.rootPitchClass);
  json["bass"] = std::to_string(entry.state.bassPitchClass);
  AddNoteNames(json, entry);
  json["ticks"] = ItemsWhere(entry.state.ticked, true);
  json["disabled"] = ItemsWhere(entry.state.enabled, false);
  json["bassGridEnabled"] = entry.state.bassGridEnabled ? "true" : "false";
  SearchOutput search = AddResult(json, result, session, command.options, entry.state);
  AddSounding(json, entry, command.options);
  out << DumpSearchJson(std::move(json), std::move(search.voicings)) << "\n";
  return 0;
}

}  // namespace corvanta::cli
