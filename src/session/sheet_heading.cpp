#include "session/sheet_heading.h"

namespace corvanta {

std::string SheetHeading(std::string_view symbols, std::string_view tuning, int capo) {
  std::string heading = std::string(symbols) + "  \u2014  " + std::string(tuning);
  if (capo > 0) heading += ", capo " + std::to_string(capo);
  return heading;
}

}  // namespace corvanta
