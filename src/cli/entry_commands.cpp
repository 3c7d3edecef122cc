// `corvanta-cli clicks`: a sequence of check-list clicks on the chord
// controls' model, from its fresh start state.
#include <iostream>
#include <sstream>

#include "chord_entry/entry_chord.h"
#include "chord_entry/entry_session.h"
#include "cli/chord_json.h"
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
  const Chord chord = ChordOfEntry(entry.state);
  const VoicedChord result = VoiceChord(session, chord);
  JsonFields json;
  json["formula"] = JsonString(entry.state.chordFormula);
  json["typeName"] = TextJson(entry.state.typeName);
  // The normalised symbol, without the trailing blank the box may keep.
  json["symbol"] = TextJson(TrimBlanks(entry.state.chordSymbol));
  json["root"] = std::to_string(entry.state.rootPitchClass);
  json["bass"] = std::to_string(entry.state.bassPitchClass);
  AddNoteNames(json, chord);
  json["ticks"] = ItemsWhere(entry.state.ticked, true);
  json["disabled"] = ItemsWhere(entry.state.enabled, false);
  json["bassGridEnabled"] = entry.state.bassGridEnabled ? "true" : "false";
  SearchOutput search = AddResult(json, result, session, command.options, chord);
  AddSounding(json, chord, command.options);
  out << DumpSearchJson(std::move(json), std::move(search.voicings)) << "\n";
  return 0;
}

}  // namespace corvanta::cli
