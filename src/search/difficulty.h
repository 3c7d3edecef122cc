// A fingering's difficulty: its score, its reasons and its word.
#pragma once

#include <vector>

#include "search/hand.h"
#include "search/voicing.h"

namespace corvanta {

// How hard a fingering is to play, as a number: 0 for open strings alone,
// the open chords of a songbook about 2 to 5, barre chords about 6 to 9,
// wide stretches, barres of other fingers and far positions above. The
// figure is a sum of terms, each a weight times what the hand does (its
// HandPlacement); the weights, each with the reason for it, are kept together
// here, and tools/calibrate-difficulty.sh checks them against published
// shapes.
//
// Fitted (the script's --fit from reasoned starting weights, then scaled by
// 1.8 so that the words keep their meaning: open C easy, the F barre
// medium) on 442 chords of the MIT-licensed chords-db (guitar.json 0.5.1)
// and the 33 shapes of tests/search/songbook_shapes.h: the source's first
// shape is among the first three by ease for 77.0% of its chords (the
// position order: 63.9%), a printed shape comes before one no source
// prints in 92.1% of pairs, and every songbook shape is first or second.
// chords-db lists by neck position, so its order is not the target: the
// pairs and the songbook table weigh as much as its first shapes.
struct DifficultyWeights {
  // Every finger put down is one more thing to place; a barre is one finger.
  double finger = 0.56;
  // More than four fingers: no hand plays it as written.
  double overFingered = 18.0;
  // The first finger laid across strings: a partial barre (the A-shape's
  // five strings) tires the hand, the full one (every string) more.
  double partialBarre = 0.45;
  double fullBarre = 1.93;
  // A barre of another finger, behind the lowest fret's finger, is hard for
  // every string it presses (the ring finger across four strings of
  // 5 3 5 5 5 5), and hardest when it is the only barre.
  double otherBarreString = 2.16;
  // The stretch between the lowest and the highest held fret: one fret
  // apart is a hand's natural reach and costs nothing, then the cost grows
  // with the square of each fret more (x 3 2 0 1 0's two frets are easy,
  // four are hard), the same anywhere on the neck: the narrower frets up
  // the neck are offset by the hand's worse angle there.
  double stretch = 2.52;
  // Each fret of the hand up the neck: players reach for the open and first
  // position shapes first, and an open shape beats the same chord higher
  // unless it is much harder (8 7 8 0 8 0 is no songbook's C7).
  double position = 1.44;
  // Open strings ring while the hand reaches past the third fret: the shape
  // mixes the nut with a far position (8 7 8 0 8 0, x 2 0 4 0 2), which
  // songbooks print only where nothing plainer exists. Each fret past the
  // third.
  double openReach = 3.89;
  // Each string left out makes a thinner chord than the ones songbooks
  // print; leaving out the top strings (the melody's) is rarer than the
  // bass, and a muted string between sounding ones has to be damped by a
  // finger's side.
  double leftOut = 1.04;
  double leftOutTop = 1.73;
  double mutedInner = 10.5;
  // The fifth sounding on the lowest string beneath a full barre (the
  // A-shape B as 2 2 4 4 4 2): players call it the chord, but the shape
  // over its root comes first (kept above the fit's smaller figure, which
  // the barre's own cost already nearly did).
  double fifthInBass = 1.8;
};
inline constexpr DifficultyWeights kDifficultyWeights{};

// The terms that make a figure, each a weight times what the hand does;
// their sum is the figure.
struct DifficultyReasons {
  double fingers = 0;      // fingers put down (and more than a hand has)
  double barre = 0;        // the first finger's barre and other fingers' barres
  double stretch = 0;      // frets between the lowest and highest held
  double position = 0;     // how far up the neck the hand is, and open strings far from it
  double mutedInner = 0;   // muted strings between sounding ones
  double leftOut = 0;      // strings left out, the top ones more
  double fifthInBass = 0;  // the fifth under a barre on the lowest string
  double Total() const {
    return fingers + barre + stretch + position + mutedInner + leftOut + fifthInBass;
  }
};

// The difficulty of a fingering, any number of strings.
double Difficulty(const Fingering& fingering);
DifficultyReasons DifficultyReasonsOf(const Fingering& fingering, bool fifthInBass = false);
DifficultyReasons DifficultyReasonsOf(const HandPlacement& hand, bool fifthInBass,
                                      const DifficultyWeights& weights = kDifficultyWeights);
// A voicing's difficulty: its fingering, and the fifth below a barre where
// the practical rules put it there.
double Difficulty(const Voicing& voicing);
DifficultyReasons DifficultyReasonsOf(const Voicing& voicing);

// The word a diagram's tooltip and the info box use.
enum class DifficultyWord { Easy, Medium, Hard };
DifficultyWord WordForDifficulty(double difficulty);
const char* DifficultyText(DifficultyWord word);  // "easy", "medium", "hard"

// The order the fingerings are shown in: by position (the search's own,
// the default) or by ease (ascending difficulty, ties in the search's order;
// a promoted shape stays first in both). By ease, a shape and the same
// shape with one string left out are not two of the first three while
// another shape is as easy (of the same word, and not much harder).
// Returns the figures it ordered by, in the new order (the hints show them;
// none by position).
enum class VoicingOrderChoice { Position, Ease };
std::vector<double> OrderVoicings(std::vector<Voicing>& voicings, VoicingOrderChoice order);

}  // namespace corvanta
