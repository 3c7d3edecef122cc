// Makes typed text plain for the spelling step.
#include "symbols/symbol_text.h"

#include <algorithm>
#include <array>
#include <utility>

#include "symbols/symbol_words.h"
#include "theory/note_names.h"
#include "theory/note_spelling.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kSignSpellings{{
    {"\xF0\x9D\x84\xAA", "##"},  // double sharp
    {"\xF0\x9D\x84\xAB", "bb"},  // double flat
    {"\xE2\x99\xAF", "#"},       // sharp
    {"\xE2\x99\xAD", "b"},       // flat
}};

// A note written with a double accidental or as B#, E#: its plain name and
// how many bytes it took; nothing for a note the grids already spell.
struct RespelledNote {
  std::string name;
  std::size_t length = 0;
};

RespelledNote RespellNote(std::string_view text) {
  int pitchClass = text.empty() ? kNoPitchClass : LetterPitchClass(text[0]);
  if (pitchClass == kNoPitchClass) return {};
  std::string_view rest = text.substr(1);
  int shift = 0;
  std::size_t length = 1;
  // "x" is a double sharp only where no word could begin with it.
  bool doubleSharpX = rest.starts_with("x") && (rest.size() == 1 || IsAsciiDigit(rest[1]) ||
                                                IsSymbolSeparator(rest[1]) || rest[1] == 'm');
  if (rest.starts_with("##")) {
    shift = 2, length = 3;
  } else if (doubleSharpX) {
    shift = 2, length = 2;
  } else if (rest.starts_with("bb") && !(rest.size() > 2 && IsAsciiDigit(rest[2]))) {
    // "Gbb6" is G flat with a flat sixth, the check list's own "b6".
    shift = -2, length = 3;
  } else if ((text[0] == 'B' || text[0] == 'E') && rest.starts_with("#")) {
    shift = 1, length = 2;
  } else {
    return {};
  }
  Accidentals spelling = shift > 0 ? Accidentals::Sharps : Accidentals::Flats;
  return {std::string(NoteNamesFor(spelling)[WrapPitchClass(pitchClass + shift)]), length};
}

// The blank after "add" goes when a degree follows. "omit" and "no" keep
// theirs: the degrees after them are read as their list, each as typed.
std::string JoinedOmitAndAddWords(std::string typed) {
  if (typed.find(' ') == std::string::npos) return typed;  // no blank to join
  const std::string_view text(typed);
  static constexpr std::array<std::string_view, 1> kJoinedWords{"add"};
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    bool wordStart = at == 0 || IsSymbolSeparator(text[at - 1]) || IsAsciiDigit(text[at - 1]);
    std::size_t joined = 0;
    for (std::string_view word : kJoinedWords) {
      if (!wordStart) break;
      if (!StartsWithFolded(text.substr(at), word)) continue;
      std::size_t after = at + word.size();
      std::size_t next = after;
      while (next < text.size() && text[next] == ' ') ++next;
      if (next == after || next >= text.size()) continue;
      char c = text[next];
      if (IsAsciiDigit(c) || c == '#' || c == 'b' || c == '+' || c == '-' ||
          StartsWithFolded(text.substr(next), "root")) {
        out.append(text.substr(at, word.size()));
        joined = next - at;
        break;
      }
    }
    if (joined > 0) {
      at += joined;
    } else {
      out.push_back(text[at++]);
    }
  }
  return out;
}

}  // namespace

std::string PlainSymbolText(std::string_view typed) {
  std::string text(typed);
  // The signs are UTF-8: a plain ASCII symbol has none to replace.
  bool ascii = std::all_of(typed.begin(), typed.end(), [](char c) { return (c & 0x80) == 0; });
  for (auto [sign, plain] : kSignSpellings) {
    if (!ascii) text = ReplaceAll(text, sign, plain);
  }
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'g')
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  if (RespelledNote root = RespellNote(text); root.length > 0)
    text.replace(0, root.length, root.name);
  // The bass: the word after the last slash, when it is a whole note name,
  // in either case ("C/e", "Am7/g", "D/f#").
  std::size_t slash = text.find_last_of("/\\");
  if (slash != std::string::npos && slash + 1 < text.size() && text[slash + 1] >= 'a' &&
      text[slash + 1] <= 'g') {
    std::string upper = text.substr(slash + 1);
    upper[0] = static_cast<char>(upper[0] - 'a' + 'A');
    if (PitchClassOfName(upper) != kNoPitchClass) text[slash + 1] = upper[0];
  }
  if (slash != std::string::npos) {
    RespelledNote bass = RespellNote(std::string_view(text).substr(slash + 1));
    if (bass.length > 0 && slash + 1 + bass.length == text.size())
      text.replace(slash + 1, bass.length, bass.name);
  }
  return JoinedOmitAndAddWords(std::move(text));
}

bool IsNoChordText(std::string_view typed) {
  // "nc" or "n/c" once blanks and dots are passed over, in any case.
  std::size_t matched = 0;
  bool slash = false;
  for (char c : typed) {
    if (c == ' ' || c == '.') continue;
    char lower = AsciiLower(c);
    if (matched == 0 && lower == 'n') {
      matched = 1;
    } else if (matched == 1 && lower == '/' && !slash) {
      slash = true;
    } else if (matched == 1 && lower == 'c') {
      matched = 2;
    } else {
      return false;
    }
  }
  return matched == 2;
}

}  // namespace corvanta
