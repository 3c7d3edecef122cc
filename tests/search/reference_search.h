// A slow, plain voicing search for any instrument, for differential tests.
#pragma once

// A slow, plain reading of the voicing search for any instrument, written
// step by step from the rules (the odometer, CheckFingering, CountFingers,
// RecordFingering on key texts, the promotion by a text search and the
// byte-wise sort), to hold the fast searches against.
#include <string>
#include <vector>

#include "instrument/instrument.h"
#include "search/search_settings.h"

namespace corvanta::reference {

// The key texts in drawing order.
std::vector<std::string> Search(const Instrument& instrument, const std::vector<int>& argument,
                                const SearchSettings& settings);

// CountFingers as written: the full barre at the lowest fret, then partial
// barres; writes the barre marks into values.
int CountFingers(std::vector<int>& values, bool noFullBarres);

}  // namespace corvanta::reference
