// Tells chord symbols from words in a song's lines.
#include "song/chord_words.h"

#include <array>

#include "song/song_text.h"
#include "symbols/symbol_query.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

// The words that name a song's parts, as website song sheets head them.
constexpr std::array<std::string_view, 18> kSectionWords{
    "verse",        "chorus", "bridge",    "intro",   "outro", "pre-chorus",
    "prechorus",    "solo",   "interlude", "refrain", "coda",  "tag",
    "instrumental", "hook",   "break",     "ending",  "riff",  "post-chorus"};

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

bool IsSectionWord(std::string_view word) {
  while (!word.empty() && (word.back() == ':' || (word.back() >= '0' && word.back() <= '9')))
    word.remove_suffix(1);
  const std::string lower = song_text::Lowercase(word);
  for (std::string_view known : kSectionWords)
    if (lower == known) return true;
  return false;
}

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

namespace {

ReadSymbol ReadPlainSymbol(std::string_view utf8) {
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
  const SymbolChord symbol = ChordOfSymbol(utf8, ChordNotation::Standard);
  const SymbolReading& reading = symbol.reading;
  if (reading.noChord) {
    read.noChord = true;
  } else if (!reading.namesRoot) {
    read.problem = "no root note";
  } else if (!reading.unrecognised.empty()) {
    read.problem = "unknown word '" + ValidUtf8(reading.unrecognised.front()) + "'";
  } else if (reading.tooManyNotes > 0) {
    read.problem = "too many notes";
  } else {
    read.read = true;
    read.chord = symbol.chord;
  }
  return read;
}

// "H", "Hm7", "C/H": B natural as German players write it.
std::string WithoutGermanH(std::string_view text) {
  std::string out(text);
  if (!out.empty() && out[0] == 'H') out[0] = 'B';
  const std::size_t slash = out.rfind("/H");
  if (slash != std::string::npos && slash + 2 == out.size()) out[slash + 1] = 'B';
  return out;
}

// The symbol before a player's mark: trailing "*$'!?^~" and one trailing
// parenthesised group; empty when there is no such mark.
std::string_view BeforeMark(std::string_view text) {
  static constexpr std::string_view kMarks = "*$'!?^~";
  const std::size_t size = text.size();
  if (!text.empty() && text.back() == ')') {
    const std::size_t open = text.rfind('(');
    if (open != std::string_view::npos && open > 0) text = text.substr(0, open);
  }
  while (!text.empty() && kMarks.find(text.back()) != std::string_view::npos) text.remove_suffix(1);
  return text.size() == size ? std::string_view() : text;
}

}  // namespace

ReadSymbol ReadSongSymbol(std::string_view utf8) {
  ReadSymbol read = ReadPlainSymbol(utf8);
  if (read.read || read.noChord) return read;
  const std::string german = WithoutGermanH(utf8);
  if (german != utf8) {
    ReadSymbol asB = ReadSongSymbol(german);
    asB.germanH = true;
    if (asB.read) return asB;
  }
  const std::string_view before = BeforeMark(utf8);
  if (!before.empty()) {
    ReadSymbol marked = ReadSongSymbol(before);
    if (marked.read) return marked;
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
