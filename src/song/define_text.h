// A {define} value in ChordPro's base-fret form.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "instrument/fingering.h"

namespace corvanta {

// A {define} value in ChordPro's base-fret form, "Am7 base-fret 1 frets x 0
// 2 0 1 0" (fingers after it when given): a shape within the first
// kDefineDiagramFrets frets counts from the nut, any other from its lowest
// held fret, so that a ChordPro diagram of that many frets draws it.
inline constexpr int kDefineDiagramFrets = 4;
std::string DefineValue(const std::string& name, const Fingering& frets,
                        const std::vector<int>& fingers = {});

// The frets of a define's words after its name ("base-fret 3 frets x 1 3 3
// 2 1"), counted from the nut; nullopt when they hold no frets or a word
// that is none, with what is wrong in `problem` when given. `fingers`
// receives the fingers given (0 for a letter).
std::optional<Fingering> ReadDefineFrets(const std::vector<std::string_view>& words,
                                         std::vector<int>& fingers, std::string* problem = nullptr);

}  // namespace corvanta
