// Records or checks a digest of every search's key texts: every catalogue
// chord x root x bass at 6, 12, 18 and 24 frets, and a seeded random sample
// of options and tunings, on the guitar through the one search. The digests
// in search_digests.txt were recorded from the search as it was first
// written, so the check proves the search gives the same fingerings in the
// same order with the same texts.
// Usage: search_digests --write FILE | --check FILE
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#include "instrument/instrument.h"
#include "search/instrument_search.h"
#include "search/key_text.h"
#include "search/search_argument.h"
#include "theory/catalogue.h"
#include "theory/formula.h"

namespace {

using namespace corvanta;

std::uint64_t Digest(const std::vector<std::string>& keys) {
  std::uint64_t hash = 1469598103934665603ull;
  for (const std::string& key : keys) {
    for (unsigned char c : key) hash = (hash ^ c) * 1099511628211ull;
    hash = (hash ^ '\n') * 1099511628211ull;
  }
  return hash;
}

std::string Line(const std::string& name, int type, int root, int bass, SearchSettings settings,
                 const Tuning& tuning = kStandardTuning) {
  settings.rootPitchClass = root;
  settings.bassPitchClass = bass;
  auto numbers =
      ParseSearchArgument(BuildSearchArgument(kChordCatalogue[type].formula, root, bass)).numbers;
  const Instrument guitar = Retuned(*FindInstrument("guitar"), GuitarPitches(tuning));
  std::vector<std::string> keys;
  for (const Voicing& voicing : SearchOnInstrument(guitar, numbers, settings).voicings)
    keys.push_back(VoicingKeyText(voicing));
  char digest[17];
  std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(Digest(keys)));
  return name + " " + std::to_string(keys.size()) + " " + digest;
}

std::vector<std::string> AllLines() {
  std::vector<std::string> lines;
  for (int frets : {6, 12, 18, 24}) {
    for (int type = 0; type < kChordTypeCount; ++type) {
      for (int root = 0; root < 12; ++root) {
        for (int bass = 0; bass < 12; ++bass) {
          SearchSettings settings;
          settings.fretCount = frets;
          std::ostringstream name;
          name << "f" << frets << "/t" << type << "/r" << root << "/b" << bass;
          lines.push_back(Line(name.str(), type, root, bass, settings));
        }
      }
    }
  }
  std::mt19937 random(20261208);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  for (int sample = 0; sample < 3000; ++sample) {
    SearchSettings settings;
    settings.fretCount = 6 * (1 + pick(4));
    settings.span = 2 + pick(4);
    settings.omitThird = pick(4) == 0;
    settings.omitFifth = pick(4) == 0;
    settings.noFullBarres = pick(3) == 0;
    settings.simpleChords = pick(3) == 0;
    Tuning tuning = kStandardTuning;
    if (pick(2) == 0) {
      // The digests were recorded over the menu's first twelve presets.
      tuning = kTuningPresets[static_cast<std::size_t>(pick(kClassicPresetCount))].pitchClasses;
    } else {
      for (int& pitchClass : tuning) pitchClass = pick(12);
    }
    int type = pick(kChordTypeCount), root = pick(12), bass = pick(3) == 0 ? pick(12) : root;
    lines.push_back(Line("s" + std::to_string(sample), type, root, bass, settings, tuning));
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: search_digests --write FILE | --check FILE\n";
    return 2;
  }
  std::string mode = argv[1];
  std::vector<std::string> lines = AllLines();
  if (mode == "--write") {
    std::ofstream out(argv[2]);
    for (const std::string& line : lines) out << line << "\n";
    return out ? 0 : 1;
  }
  std::ifstream in(argv[2]);
  std::string expected;
  std::size_t index = 0, mismatches = 0;
  while (std::getline(in, expected)) {
    if (index >= lines.size() || lines[index] != expected) {
      if (++mismatches <= 10)
        std::cerr << "expected " << expected << "\n     got "
                  << (index < lines.size() ? lines[index] : "") << "\n";
    }
    ++index;
  }
  if (index != lines.size()) ++mismatches;
  std::cout << lines.size() << " searches compared, " << mismatches << " differ\n";
  return mismatches == 0 ? 0 : 1;
}
