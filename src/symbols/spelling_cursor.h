// The cursor and pieces the spelling step reads a typed word with.
#pragma once

// The pieces the spelling step reads a typed word with: a cursor over the
// word, the words the symbol is respelled into, and the readers of the
// modifiers that may follow a chord's quality in any word.
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "symbols/chord_spelling.h"
#include "theory/text_util.h"

namespace corvanta::spelling {

// The program's own diminished-seventh word, "º" (U+00BA).
inline constexpr std::string_view kDiminishedSeventh = "\xC2\xBA";
inline constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // −
inline constexpr std::string_view kAddedThird = "add3";

// The numbers a chord symbol writes, longest first so "13" is not "1" "3".
inline constexpr std::array<int, 8> kSymbolNumbers{13, 11, 9, 7, 6, 5, 4, 2};
// Their texts, in the same order: every word read asks for a number, and
// making each text anew would cost more than the whole match.
inline constexpr std::array<std::string_view, 8> kSymbolNumberTexts{"13", "11", "9", "7",
                                                                    "6",  "5",  "4", "2"};
static_assert([] {
  for (std::size_t i = 0; i < kSymbolNumbers.size(); ++i) {
    int value = 0;
    for (char digit : kSymbolNumberTexts[i]) value = value * 10 + (digit - '0');
    if (value != kSymbolNumbers[i]) return false;
  }
  return true;
}());

// A read position in one word of the typed symbol.
class Cursor {
 public:
  explicit Cursor(std::string_view word) : word_(word) {}

  bool AtEnd() const { return at_ >= word_.size(); }
  std::size_t Position() const { return at_; }
  std::string_view Rest() const { return word_.substr(at_); }
  bool Ahead(std::string_view token) const { return Rest().starts_with(token); }
  // The token in any letter case (token written in lowercase).
  bool AheadFolded(std::string_view token) const { return StartsWithFolded(Rest(), token); }
  // The token, followed by the end, a digit or an alteration sign.
  bool AheadBeforeNumber(std::string_view token) const {
    if (!Ahead(token)) return false;
    std::string_view after = Rest().substr(token.size());
    return after.empty() || IsAsciiDigit(after[0]) || after[0] == '#' || after[0] == 'b';
  }
  // The token, followed by what AheadBeforeNumber allows or by a word
  // that may follow a quality ("majadd9", "Msus4", "oM7"): hand-written
  // symbols run their words together.
  bool AheadBeforeWord(std::string_view token) const {
    if (AheadBeforeNumber(token)) return true;
    if (!Ahead(token)) return false;
    std::string_view after = Rest().substr(token.size());
    for (std::string_view word : {"add", "sus", "omit", "no", "aug", "alt", "M", "maj"}) {
      if (StartsWithFolded(after, word) || after.starts_with(word)) return true;
    }
    return false;
  }
  bool Take(std::string_view token) {
    if (!Ahead(token)) return false;
    at_ += token.size();
    return true;
  }
  bool TakeFolded(std::string_view token) {
    if (!AheadFolded(token)) return false;
    at_ += token.size();
    return true;
  }
  template <std::size_t N>
  bool TakeAny(const std::array<std::string_view, N>& tokens) {
    return std::any_of(tokens.begin(), tokens.end(), [&](std::string_view t) { return Take(t); });
  }
  std::optional<int> TakeNumber() {
    for (std::size_t i = 0; i < kSymbolNumbers.size(); ++i) {
      if (Take(kSymbolNumberTexts[i])) return kSymbolNumbers[i];
    }
    return std::nullopt;
  }
  // A 9, 11 or 13 next, with no sign of its own after it.
  bool ExtensionAhead() const {
    Cursor after = *this;
    std::optional<int> number = after.TakeNumber();
    return number && *number >= 9;
  }

 private:
  std::string_view word_;
  std::size_t at_ = 0;
};

// The words the whole symbol is respelled into, typed word by typed word.
// An implied ninth (standard notation) gives way to an altered ninth
// written anywhere in the symbol ("C13(b9)").
struct Spelled {
  bool standard = false;
  std::vector<std::string> words;
  std::optional<std::size_t> impliedNinth;
  RequestedOmissions omit;
  // Where the word being spelled starts in the symbol, where the last
  // omission ("omit", "no") starts, and the omitted root's omission as
  // typed ("no root", "omit 3 root"): positions in the symbol.
  std::size_t wordStart = 0;
  std::size_t omissionStart = 0;
  std::size_t omittedRootBegin = 0;
  std::size_t omittedRootEnd = 0;
  std::vector<std::string> ambiguous;  // readings taken where libraries differ
  bool seventh = false;                // a seventh (or the sixth in its place) is written
  // An omission was the last thing read: the degrees after it, set apart
  // by blanks or commas only, are left out too ("omit 3 5", "no3,5").
  bool omissionList = false;
  // "omit" or "no" typed as a word of its own, before any degree: reported
  // unused if no degree follows.
  std::string omissionHead;

  void Add(std::string_view word) {
    omissionList = false;
    omissionHead.clear();
    words.emplace_back(word);
    // A word of the reader's own may carry the minor shorthand ("m6", "m7").
    if (word.size() > 1 && word[0] == 'm') word.remove_prefix(1);
    seventh = seventh || word == "7" || word == "7+" || word == kDiminishedSeventh ||
              word == "dim" || word == "6";
  }
  void AddImpliedNinth() {
    impliedNinth = words.size();
    Add("9");
  }
  bool Has(std::string_view word) const {
    return std::find(words.begin(), words.end(), word) != words.end();
  }
  bool HasSeventh() const { return seventh; }
  // The ninth sounds only because an 11 or 13 implies it.
  bool NinthOnlyImplied() const {
    return impliedNinth && !words[*impliedNinth].empty() &&
           std::count(words.begin(), words.end(), "9") == 1;
  }
  // The check list cannot add a third beside a suspension, which takes the
  // third's place; the same notes are the major triad with the suspended
  // tone added ("Csus4add3" is C E F G, "Csus2add3" C D E G).
  void ResolveAddedThird() {
    if (!Has(kAddedThird)) return;
    for (std::string& word : words) {
      if (word == kAddedThird) word.clear();
      if (word == "sus4" || word == "sus11") word = "add4";
      if (word == "sus2" || word == "sus9") word = "2";
    }
  }
  void DropImpliedNinthIfAltered() {
    if (impliedNinth && (Has("b9") || Has("9-") || Has("9+"))) words[*impliedNinth].clear();
  }
};

// A 9, 11 or 13 written as the chord's own extension: in the standard
// notation it implies the seventh and, above the ninth, the ninth too (the
// eleventh of a 13 is left out, as players leave it out of a dominant 13).
inline void AddExtension(int number, Spelled& out) {
  if (out.standard && number >= 9) {
    if (!out.HasSeventh()) out.Add("7");
    if (number > 9) out.AddImpliedNinth();
  }
  out.Add(std::to_string(number));
}

// A number with the sign the check list writes after it ("7+", "5-", "9+")
// when no digit follows the sign, or "7M" for the major seventh.
std::string NumberWord(Cursor& cursor, int number);

// One alteration, suspension, addition, omission, "alt" or further number
// into out; false when the cursor stands at nothing this reader knows.
bool SpellModifier(Cursor& cursor, Spelled& out);

// A typed word after an omission that continues its list: a degree to leave
// out ("5" in "omit3,5"), or a number that names none, reported unused
// ("13" in "omit 13"), never read as a chord word. False when the word is
// no degree: the list has ended.
bool SpellListedOmission(std::string_view word, Spelled& out);

// Ends an omission list: an "omit" that no degree followed is reported.
void EndOmissionList(Spelled& out);

}  // namespace corvanta::spelling
