#pragma once

#include <optional>
#include <string>
#include <vector>

#include "instrument/fingering.h"
#include "song/song.h"

namespace corvanta {

// What a player chose for a song in the window, kept in the song's own
// file as ChordPro {meta} lines other programs keep and ignore:
//
//   {meta: corvanta.instrument ukulele}
//   {meta: corvanta.capo 2}
//   {meta: corvanta.mode least-movement}
//   {meta: corvanta.pin G base-fret 1 frets 3 2 0 0 0 3}
struct SavedPin {
  std::string name;  // the chord name as shown
  Fingering frets;   // counted from the nut
  bool operator==(const SavedPin&) const = default;
};

struct SavedChoices {
  std::optional<std::string> instrument;
  std::optional<int> capo;
  std::optional<std::string> mode;  // default, least-movement, easiest
  std::vector<SavedPin> pins;
  bool operator==(const SavedChoices&) const = default;
};

// The choices a song's {meta} lines hold (the last of each wins; pins in
// order, one per name). Values that are none are left out.
SavedChoices ReadSavedChoices(const Song& song);

// The lines that hold the choices, in the order above.
std::vector<std::string> SavedChoiceLines(const SavedChoices& choices);

// The song without its choice lines (marked dropped), so that the lines
// written next are the only ones: a song saved twice holds them once.
void DropSavedChoices(Song& song);

}  // namespace corvanta
