// Tells chord symbols from words in a song's lines.
#include "song/chord_words.h"

#include <array>

#include "song/song_text.h"
#include "symbols/chord_of_symbol.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

bool IsRepeatWord(std::string_view word) {
  if (word.size() >= 2 && word.front() == '(' && word.back() == ')')
    word = word.substr(1, word.size() - 2);
  if (word.size() < 2) return false;
  std::string_view digits;
  if (word.front() == 'x' || word.front() == 'X') {
    digits = word.substr(1);
  } else if (word.back() == 'x' || word.back() == 'X') {
    digits = word.substr(0, word.size() - 1);
  }
  if (digits.empty() || digits.size() > 3) return false;
  for (char c : digits)
    if (!IsAsciiDigit(c)) return false;
  return true;
}

}  // namespace

bool IsNoChordWord(std::string_view word) {
  std::string lower = song_text::Lowercase(word);
  return lower == "n.c." || lower == "n.c" || lower == "nc" || lower == "(n.c.)";
}

bool IsBarWord(std::string_view word) {
  static constexpr std::array<std::string_view, 14> kMarks{
      "|", "||", "|.", "|:", ":|", ":|:", ":||", "||:", "%", "%%", ".", "/", "-", "~"};
  for (std::string_view mark : kMarks)
    if (word == mark) return true;
  return IsRepeatWord(word);
}

ReadSymbol ReadSongSymbol(std::string_view utf8) {
  ReadSymbol read;
  if (IsNoChordWord(utf8)) {
    read.noChord = true;
    return read;
  }
  // Every chord symbol starts with its root's letter; anything else is no
  // chord, and is not handed to the reader at all.
  if (song_text::LeadingNoteName(utf8) == 0) {
    read.problem = "no root note";
    return read;
  }
  const SymbolChord symbol = ChordOfSymbol(Utf8ToBytes(utf8), ChordNotation::Standard);
  const SymbolReading& reading = symbol.reading;
  if (reading.noChord) {
    read.noChord = true;
  } else if (!reading.namesRoot) {
    read.problem = "no root note";
  } else if (!reading.unrecognised.empty()) {
    read.problem = "unknown word '" + BytesToUtf8(reading.unrecognised.front()) + "'";
  } else if (reading.tooManyNotes > 0) {
    read.problem = "too many notes";
  } else {
    read.read = true;
    read.chord = symbol.chord;
  }
  return read;
}

ChordLineCount CountChordWords(std::string_view line) {
  ChordLineCount count;
  for (const song_text::Word& word : song_text::SplitWords(line)) {
    if (IsBarWord(word.text)) {
      ++count.marks;
    } else {
      const ReadSymbol read = ReadSongSymbol(word.text);
      if (read.read || read.noChord) {
        ++count.chords;
      } else {
        ++count.others;
      }
    }
  }
  return count;
}

bool IsChordLine(const ChordLineCount& count) {
  if (count.chords == 0) return false;
  return count.others == 0 || count.chords > count.others + 1;
}

}  // namespace corvanta
