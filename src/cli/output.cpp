#include "cli/output.h"

#include <iomanip>

#include "search/fingering.h"
#include "search/fingering_key.h"
#include "theory/text_util.h"

namespace corvanta::cli {
namespace {

// The position shown: the lowest fret of the fingering's own key, which the
// promoted shape does not carry in its prefix.
int PositionOf(const Frets& frets) {
  auto key = FingeringKey(frets, false, kFretSlots * 2);
  return key ? std::stoi(key->substr(0, 2)) - 10 : 1;
}

std::string ReadableFrets(const Frets& frets) {
  std::string text;
  for (int value : frets) {
    if (!text.empty()) text += ' ';
    text += value == kMuted ? "X" : std::to_string(value < 0 ? -value : value);
  }
  return text;
}

}  // namespace

nlohmann::json TextJson(std::string_view bytes) { return BytesToUtf8(bytes); }

nlohmann::json NamesJson(const std::vector<std::string>& names) {
  nlohmann::json list = nlohmann::json::array();
  for (const std::string& name : names) list.push_back(TextJson(name));
  return list;
}

nlohmann::json SearchJson(const std::string& argument, const SearchResult& result) {
  nlohmann::json json;
  json["argument"] = argument;
  json["chordTones"] = result.chordTones;
  json["count"] = result.fingerings.size();
  json["fingerings"] = result.fingerings;
  return json;
}

void PrintFingeringTable(const std::string& argument, const SearchResult& result,
                         std::ostream& out) {
  out << "argument: " << argument << "\n";
  out << "   #  frets (low E first)  position\n";
  int number = 0;
  for (const std::string& key : result.fingerings) {
    auto frets = ParseKeyFrets(key);
    if (!frets) continue;
    out << std::setw(4) << ++number << "  " << std::left << std::setw(20) << ReadableFrets(*frets)
        << std::right << PositionOf(*frets) << "\n";
  }
  out << result.fingerings.size() << " fingerings\n";
}

}  // namespace corvanta::cli
