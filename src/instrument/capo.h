// The capo: the fret it clamps and how chord names read under it.
#pragma once

namespace corvanta {

// A capo clamps every string at one fret: the open strings sound that many
// semitones higher and nothing below it can be fretted. Fingerings under a
// capo count their frets from it (0 = the capo), as capo charts do.
inline constexpr int kMaxCapo = 12;

// The capo fret a setting may take (0 = no capo), clamped to 0..kMaxCapo.
constexpr int ClampCapo(int capo) { return capo < 0 ? 0 : capo > kMaxCapo ? kMaxCapo : capo; }

// What a chord name means under a capo. Sounding: the chord that sounds (the
// fingerings count their frets from the capo). Shapes: the shape fingered
// above the capo, as songbooks write "Capo 2: G D Em C" for G shapes that
// sound A.
enum class CapoNames { Sounding, Shapes };

}  // namespace corvanta
