// The song view's calls: a song read, voiced and laid out as corvanta-cli
// song does it, answered as JSON for the page.
#pragma once

#include <emscripten/val.h>

#include <string>

namespace corvanta {

// The song voiced under the page's options and the song's own (format,
// transpose or key, capo or "suggest", mode, pins): its chords, their
// diagrams, the capo suggestions, the printed sheet and what went wrong.
std::string SongAnswer(const std::string& text, const emscripten::val& options);

// The ranked alternatives of the song's distinct chord `distinct`, as
// `corvanta-cli song --alternatives` lists them for its first occurrence.
std::string SongAlternatives(const std::string& text, const emscripten::val& options, int distinct);

// The voiced song written as ChordPro ("chordpro", with {define} lines
// for the chosen voicings when `defines`) or chords over words ("text").
std::string SongWritten(const std::string& text, const emscripten::val& options,
                        const std::string& form, bool defines);

}  // namespace corvanta
