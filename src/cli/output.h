#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "search/fingering.h"
#include "search/search_chord.h"

namespace corvanta::cli {

// {"argument", "chordTones", "count", "fingerings"} with keys exactly as stored.
nlohmann::json SearchJson(const std::string& argument, const SearchResult& result);

// A readable table: fret values (X muted), position, and the count.
void PrintFingeringTable(const std::string& argument, const SearchResult& result,
                         std::ostream& out);

// A chord text (bytes) as a JSON string.
nlohmann::json TextJson(std::string_view bytes);
nlohmann::json NamesJson(const std::vector<std::string>& names);
// Six fret values as JSON numbers, low string first: null muted, a barre
// sign dropped.
nlohmann::json FretsJson(const Frets& frets);

}  // namespace corvanta::cli
