// The costs a song's voicings are chosen by, each with its reason.
#pragma once

namespace corvanta {

// The costs a song's voicings are chosen by, each with its reason. A path's
// cost in the default mode is the sum of its voicings' difficulties, the
// movement of every change, and `otherShape` for each occurrence played in
// a shape other than the one its chord name keeps through the song.
struct SongCostWeights {
  // Difficulty (search/difficulty.h) counts as it is: it is the measure of
  // a shape the rest is weighed against.
  double difficulty = 1.0;
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
};
inline constexpr SongCostWeights kSongCostWeights{};

// A capo is ranked above no capo only when its song is easier by more than
// this (one finger's worth), so that a near-tie keeps the capo off.
inline constexpr double kCapoMargin = 1.0;

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
