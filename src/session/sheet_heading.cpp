// Writes a chord sheet's heading and an export's file name.
#include "session/sheet_heading.h"

namespace corvanta {

std::string SheetHeading(std::string_view symbols, std::string_view tuning, int capo,
                         std::string_view soundingSymbols) {
  std::string heading = std::string(symbols) + "  \u2014  " + std::string(tuning);
  if (capo > 0) heading += ", capo " + std::to_string(capo);
  if (capo > 0 && !soundingSymbols.empty())
    heading += ": shapes, sounding " + std::string(soundingSymbols);
  return heading;
}

std::string FileNameForSymbol(std::string_view symbol) {
  std::string name;
  for (char c : symbol) {
    const bool unsafe = c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' ||
                        c == '<' || c == '>' || c == '|' || c == ' ' ||
                        static_cast<unsigned char>(c) < 0x20;
    name += unsafe ? '-' : c;
  }
  while (!name.empty() && (name.back() == '-' || name.back() == '.')) name.pop_back();
  while (!name.empty() && (name.front() == '-' || name.front() == '.')) name.erase(0, 1);
  return name.empty() ? "chords" : name;
}

}  // namespace corvanta
