// Chords as Nashville numbers and Roman numerals, relative to a key:
// written from chord symbols and read back into them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "song/song.h"
#include "song/song_key.h"

namespace corvanta {

enum class ChordNumbers { Letters, Nashville, Roman };

// "nashville", "roman", "letters" (or "standard"); nullopt for anything else.
std::optional<ChordNumbers> ParseChordNumbers(std::string_view text);

// A chord symbol ("Bb", "Dm7", "F/G", "G/B") as a number in `key`: Nashville
// "b7", "2m7", "4/5", "5/7"; Roman "bVII", "ii7", "IV/V", "V/vii"... the
// bass a degree too. Quality and extensions are kept as written after the
// root ("maj7", "sus4"); a Roman minor or diminished chord is lowercase with
// its "m" dropped ("ii7", "vii°"). The symbol as it is when it has no root.
std::string NumberedSymbol(std::string_view symbol, const SongKey& key, ChordNumbers numbers);

// A number read back as a chord symbol in `key`, spelled as the key spells
// ("b7" in C is "Bb", "ii7" is "Dm7", "IV/V" is "F/G"); nullopt when the
// text is no number.
std::optional<std::string> SymbolOfNumber(std::string_view text, const SongKey& key);

// A song written in numbers with a {key}: its chords read as the letters
// they stand for (texts, written forms and chords), so that it is voiced,
// transposed and written like any other. A song is taken as numbers when
// it has a key and more than half its chords read as numbers. Returns how
// many chords were read so.
int ReadNumberedChords(Song& song);

}  // namespace corvanta
