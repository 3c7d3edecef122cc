// Every small chord's names against recorded digests.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "symbols/chord_names.h"

namespace corvanta {
namespace {

// Every set of one to six pitch classes, root first, with the bass on the
// root and on the highest note, in both spellings: the names' bytes hashed
// together. The figures were recorded from the naming as it was before it
// was rewritten for speed, so any change to a name, its order or the list's
// length shows here.
TEST(ChordNameDigest, everySmallChordIsNamedAsBefore) {
  std::uint64_t hash = 1469598103934665603u;  // FNV-1a
  auto mix = [&hash](std::string_view text) {
    for (unsigned char byte : text) hash = (hash ^ byte) * 1099511628211u;
    hash = (hash ^ 0xFFu) * 1099511628211u;
  };
  long names = 0;
  for (int set = 1; set < 4096; ++set) {
    std::vector<int> notes;
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass)
      if (set >> pitchClass & 1) notes.push_back(pitchClass);
    if (notes.size() > 6) continue;
    for (int bass : {notes.front(), notes.back()}) {
      for (Accidentals spelling : {Accidentals::Sharps, Accidentals::Flats}) {
        for (std::string_view name : ListChordNames(notes, bass, spelling)) {
          mix(name);
          ++names;
        }
      }
    }
  }
  EXPECT_EQ(names, 352128);
  EXPECT_EQ(hash, 0xfdd5a156f2438936u);
}

}  // namespace
}  // namespace corvanta
