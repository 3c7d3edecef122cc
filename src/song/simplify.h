// Chords played simpler for beginners: each as a plainer chord of the same
// function, which more often has an open shape.
#pragma once

#include <string>
#include <string_view>

#include "song/song.h"

namespace corvanta {

// The chord as a beginner plays it: a major chord's sixth, major seventh and
// added tones dropped (Cmaj7, C6, Cadd9 as C), a minor's too (Am7, Am9, Am6
// as Am), a dominant's extensions to its seventh (C9, C13 as C7), a
// suspended chord's seventh and extensions to its sus (G7sus4 as Gsus4),
// and a slash chord without its bass (C/G as C). Diminished, half
// diminished, augmented and power chords stay: their sound is their
// function. The root keeps its spelling. `text` is returned as it is when
// nothing is simpler.
std::string SimplifiedSymbol(std::string_view text, const Chord& chord);

// Every read chord of the song simplified (texts and chords); how many changed.
int SimplifySong(Song& song);

}  // namespace corvanta
