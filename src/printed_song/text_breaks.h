// Where printed lyrics may break and where their letters end, in UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// Where a printed line may break and where one letter ends, in UTF-8 byte
// offsets. The rules are the ones a lyric needs: a line breaks after
// blanks, on either side of a CJK character (never before closing
// punctuation nor after opening), and after a hyphen between letters; a
// letter is a code point with the combining marks, joiners and variation
// selectors that follow it. A byte that is not UTF-8 is a letter of its own.

// The offsets strictly inside the text where a line may break, ascending.
std::vector<std::size_t> LineBreaks(std::string_view text);
// The offsets where each letter after the first starts, then the text's
// size: the ends of the letters, ascending. Empty for an empty text.
std::vector<std::size_t> LetterEnds(std::string_view text);
// How many letters (as above) the text holds.
std::size_t LetterCount(std::string_view text);
// The text without the blanks (Unicode white space) at either end.
std::string_view TrimWhiteSpace(std::string_view text);
bool IsWhiteSpace(std::string_view text);

}  // namespace corvanta
