// The costs a song's voicings are chosen by, each with its reason.
#pragma once

namespace corvanta {

// The costs a song's voicings are chosen by, each with its reason. A path's
// cost in the default mode is the sum of its voicings' difficulties, the
// movement of every change, and `otherShape` for each occurrence played in
// a shape other than the one its chord name keeps through the song.
struct SongCostWeights {
  // Difficulty (search/difficulty.h) counts as it is: it is the measure of
  // a shape the rest is weighed against. The shape `query` lists first for
  // a chord (the instrument's own shape for it, else the easiest) counts as
  // the easiest of its chord: it is the one every player of the instrument
  // reaches for (the ukulele's C 0 0 0 3, not 0 0 0 X with a string left
  // silent), so a chord alone in a song gets it.
  double difficulty = 1.0;
  // Each string a voicing mutes beyond the first listed shape's: a thinner
  // chord, taken in a song only when clearly easier or the next chords ask
  // for it (the ukulele's four strings, the guitar's six where its shape
  // has them ring).
  double mutedString = 1.0;
  // Movement is a fraction of a difficulty point per finger: players'
  // choices follow the shapes' ease far more than the shortest move (a
  // path minimising movement alone matches what they play for under 2% of
  // chords), so movement only settles near-ties.
  double placed = 0.3;  // a finger put down on a string it was not on
  double lifted = 0.1;  // a finger taken off: quicker than putting one down
  double slid = 0.15;   // a finger staying on its string, moved along it
  // The hand moving along the neck, per fret the lowest held fret moves;
  // a shape moved whole (every string shifted alike) pays only this, as
  // players up the neck move the same shape rather than go back to the nut.
  double shift = 0.2;
  // Players keep one shape per chord name through a song (about 95% of
  // chord events): a deviation must save more than a barre to be taken.
  double otherShape = 4.0;
  // Where the hand is (the default mode only; PlaceCost in hand_move.h).
  // Players up the neck keep the next chord there about 85% of the time,
  // mostly the same shape moved, but a chord's difficulty prices each shape
  // as if the hand came to it from the nut. So the same closed shape (no
  // open string) moved whole by one to `withinReach` frets is credited what
  // the hand keeps: its fingers, barre and stretch are formed already
  // (`keptForming`), and the reach up the neck both positions pay (the
  // smaller position term: climbing further still pays the rest). A barre
  // moved from F to G to A so keeps the barre. A shape kept in place is
  // credited nothing: a repeat costs the same open or closed.
  int withinReach = 2;
  double keptForming = 1.0;
  double keptReach = 1.0;
  // Leaving a closed shape up the neck (lowest fret `upTheNeck` or more)
  // for an open shape at the nut: the hand travels the neck and the sound
  // changes colour, so staying there, with the same shape moved or another
  // closed shape, is taken unless the open shape is easier by more than
  // this.
  int upTheNeck = 3;
  double backToNut = 2.0;
  // The credit of a change is at most the arriving shape's own forming and
  // reach (StayCredit), and only a shape moved whole earns it: the path
  // search finds those pairs once and keeps its pruning exact.
};
inline constexpr SongCostWeights kSongCostWeights{};

// How a player decides on a capo. A capo is a thing to put on and it
// raises the song's register, so it must save real difficulty: a capo is
// worth suggesting only when, against no capo, its song has fewer hard
// chords, or it makes most of the distinct chords open shapes where no capo
// does not. A hard chord is one a player has to work at, counted honestly
// whatever the difficulty figure says: a barre chord (a barre over four
// strings or more, or over every string of a smaller instrument), a
// stretch (fingers further apart in frets than fingers: x 1 0 3 3 1's
// second finger on the first fret and third on the third, which the
// figure rates near an open chord), or a shape past the "hard" word.
// Barres and hard shapes count together, so trading one for the other
// saves nothing. Capos worth it and no capo are ranked by the song's cost
// plus the capo's own cost; the rest follow no capo. So a song playable in
// open shapes keeps capo 0 first (C Am G is not moved to G Em D),
// Eb Bb Cm Ab goes to capo 3 (C G Am F), and F C Dm Bb (the F barre and
// the stretched Bb) to capo 5 (C G Am F: the F barre alone).
struct CapoWeights {
  // The capo put on: about a finger and a half of difficulty, so that a
  // capo that saves less than that is not worth it.
  double put = 1.5;
  // Each fret up: the register rises a semitone (at 7 the song sounds a
  // fifth higher than the player may sing) and the frets narrow; among
  // capos that save alike, the lower one (Eb Bb Cm Ab at 3 as C G Am F,
  // not at 6 as A E F#m D, which is half a point easier).
  double perFret = 0.3;
  // An open shape: an open string sounds and no finger is above this fret.
  int openUpToFret = 4;
  // A barre counts from this many strings (or every string of a smaller
  // instrument): the small F's two-string barre is no barre chord.
  int barreStrings = 4;
};
inline constexpr CapoWeights kCapoWeights{};

// A chord no fingering plays at some capo counts, in that capo's ranking,
// as a chord at the hard end of the difficulty scale: a capo never looks
// easier for dropping chords.
inline constexpr double kUnplayableCost = 20.0;

// The work the default mode's exact search may do, in pairs of candidates
// compared: about a second; the 64-chord jazz song needs a small part of it.
inline constexpr long long kPathWorkBudget = 40'000'000;

// The capo positions --capo suggest tries.
inline constexpr int kMostSuggestedCapo = 7;

}  // namespace corvanta
