// The song view's calls: a song read, voiced and laid out as corvanta-cli
// song does it, answered as JSON for the page.
#pragma once

#include <emscripten/val.h>

#include <string>

#include "song/candidate_cache.h"

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

// The page's song view as one session: the same calls, each distinct
// chord's search kept between them (a keystroke in the song box then
// re-runs only the choice of voicings). Each answer is the one the calls
// above give.
class SongSession {
 public:
  std::string Answer(const std::string& text, const emscripten::val& options);
  std::string Alternatives(const std::string& text, const emscripten::val& options, int distinct);
  std::string Written(const std::string& text, const emscripten::val& options,
                      const std::string& form, bool defines);
  int Searches() const { return cache_.Searches(); }

 private:
  CandidateCache cache_;
};

}  // namespace corvanta
