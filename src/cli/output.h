#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "search/fingering.h"
#include "search/search_chord.h"
#include "symbols/chord_names.h"

namespace corvanta::cli {

// {"argument", "chordTones", "count", "fingerings"} with keys exactly as stored.
// With "voicings" beside the key texts; both keep the first `limit` (all
// when negative) while "count" stays the number found.
nlohmann::json SearchJson(const std::string& argument, const SearchResult& result,
                          const Tuning& tuning, int capo, int limit);

// Each fingering as an object: {"frets", "barre", "position", "fingers",
// "notes", "preferred"} (strings low to high, null muted, fingers as the
// diagram draws them, notes with octaves as the tuning sounds them).
nlohmann::json VoicingsJson(std::span<const PackedFingering> fingerings, const Tuning& tuning,
                            int capo);

// The result's fingerings kept to the first `limit` (all when limit < 0).
std::span<const PackedFingering> FirstFingerings(const SearchResult& result, int limit);

// A readable table: fret values (X muted), position, and the count.
void PrintFingeringTable(const std::string& argument, const SearchResult& result, int limit,
                         std::ostream& out);

// A chord text (bytes) as a JSON string.
nlohmann::json TextJson(std::string_view bytes);
nlohmann::json NamesJson(const std::vector<std::string>& names);
nlohmann::json NamesJson(const ChordNameList& names);
// Six fret values as JSON numbers, low string first: null muted, a barre
// sign dropped.
nlohmann::json FretsJson(const Frets& frets);

}  // namespace corvanta::cli
