#pragma once

#include <span>
#include <vector>

#include "search/voicing.h"

namespace corvanta {

// How hard a fingering is to play, as a number: 0 for open strings alone,
// the open chords of a songbook about 2 to 5, barre chords about 6 to 9,
// wide stretches and muted inner strings above. The weights, each with the
// reason for it, are kept together here.
struct DifficultyWeights {
  // Every finger placed is one more thing to get right.
  double finger = 1.0;
  // A barre presses one finger across strings: the full one (every string)
  // tires the hand more than a partial one.
  double fullBarre = 2.5;
  double partialBarre = 1.5;
  // The stretch between the lowest and the highest held fret grows hard
  // faster than it grows wide (squared), and frets narrow up the neck: the
  // same stretch costs half as much at the twelfth fret as at the nut.
  double stretch = 0.45;
  double stretchAtTwelfth = 0.5;
  // A muted string between sounding ones has to be damped by a finger's side.
  double innerMute = 3.0;
  // Each string left out makes a thinner chord than the ones songbooks
  // print; leaving out the top strings (the melody's) is rarer than the bass.
  double silentString = 0.6;
  double silentTopString = 1.0;
  // Higher positions are less familiar and harder to find without looking:
  // the open-string shapes near the nut come first.
  double position = 0.3;
};
inline constexpr DifficultyWeights kDifficultyWeights{};

// The difficulty of a fingering on any number of strings.
double Difficulty(const Fingering& fingering);

// The word a diagram's tooltip and the info box use.
enum class DifficultyWord { Easy, Medium, Hard };
DifficultyWord WordForDifficulty(double difficulty);
const char* DifficultyText(DifficultyWord word);  // "easy", "medium", "hard"

// The order the fingerings are shown in: by position (the search's own,
// the default) or by ease (ascending difficulty, ties in the search's order;
// a promoted shape stays first in both).
enum class VoicingOrderChoice { Position, Ease };
void OrderVoicings(std::vector<Voicing>& voicings, VoicingOrderChoice order);

}  // namespace corvanta
