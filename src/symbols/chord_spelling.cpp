#include "symbols/chord_spelling.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "symbols/symbol_text.h"
#include "symbols/symbol_words.h"
#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

// The program's own diminished-seventh word, the single byte of "º".
constexpr std::string_view kDiminishedSeventh = "\xBA";

constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // −

// Spellings of the major seventh that need a number or the end after them
// ("maj7", "M9", "Cmaj", "CMA7") and signs that stand for it alone ("CΔ").
constexpr std::array<std::string_view, 7> kMajorWords{"maj", "Maj", "MAJ", "ma", "Ma", "MA", "M"};
constexpr std::array<std::string_view, 4> kMajorSigns{"\xCE\x94" /* Δ */, "\xE2\x96\xB3" /* △ */,
                                                      "\xE2\x88\x86" /* ∆ */, "^"};
// Minor as printed: "m" is lowercase only, the longer words in any case.
constexpr std::array<std::string_view, 6> kMinorWords{"min", "Min", "MIN", "mi", "Mi", "MI"};
constexpr std::array<std::string_view, 3> kHalfDiminished{"\xC3\xB8" /* ø */, "\xC3\x98" /* Ø */,
                                                          "\xE2\x88\x85" /* ∅ */};
constexpr std::array<std::string_view, 2> kDegreeSigns{"\xC2\xB0" /* ° */, "o"};

// The numbers a chord symbol writes, longest first so "13" is not "1" "3".
constexpr std::array<int, 8> kSymbolNumbers{13, 11, 9, 7, 6, 5, 4, 2};

// What "alt" stands for: the dominant seventh with every altered tension
// players colour it with (b9, #9, b13) and no fifth; six notes, one to a string.
constexpr std::array<std::string_view, 3> kAlteredTensions{"b9", "9+", "b13"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A read position in one word of the typed symbol.
class Cursor {
 public:
  explicit Cursor(std::string_view word) : word_(word) {}

  bool AtEnd() const { return at_ >= word_.size(); }
  std::size_t Position() const { return at_; }
  std::string_view Rest() const { return word_.substr(at_); }
  bool Ahead(std::string_view token) const { return Rest().starts_with(token); }
  // The token in any letter case (token written in lowercase).
  bool AheadFolded(std::string_view token) const {
    std::string_view rest = Rest();
    if (rest.size() < token.size()) return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
      if (AsciiLower(rest[i]) != token[i]) return false;
    }
    return true;
  }
  // The token, followed by the end, a digit or an alteration sign.
  bool AheadBeforeNumber(std::string_view token) const {
    if (!Ahead(token)) return false;
    std::string_view after = Rest().substr(token.size());
    return after.empty() || IsDigit(after[0]) || after[0] == '#' || after[0] == 'b';
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
    for (int number : kSymbolNumbers) {
      if (Take(std::to_string(number))) return number;
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
  std::vector<std::string> unused;

  void Add(std::string_view word) { words.emplace_back(word); }
  void AddImpliedNinth() {
    impliedNinth = words.size();
    Add("9");
  }
  bool Has(std::string_view word) const {
    return std::find(words.begin(), words.end(), word) != words.end();
  }
  // A seventh (or the sixth that stands in its place) is already written.
  bool HasSeventh() const {
    return Has("7") || Has("7+") || Has(kDiminishedSeventh) || Has("dim") || Has("6");
  }
  void DropImpliedNinthIfAltered() {
    if (impliedNinth && (Has("b9") || Has("9-") || Has("9+"))) words[*impliedNinth].clear();
  }
};

// A 9, 11 or 13 written as the chord's own extension: in the standard
// notation it implies the seventh and, above the ninth, the ninth too (the
// eleventh of a 13 is left out, as players leave it out of a dominant 13).
void AddExtension(int number, Spelled& out) {
  if (out.standard && number >= 9) {
    if (!out.HasSeventh()) out.Add("7");
    if (number > 9) out.AddImpliedNinth();
  }
  out.Add(std::to_string(number));
}

// A number with the sign the check list writes after it ("7+", "5-", "9+")
// when no digit follows the sign, or "7M" for the major seventh.
std::string NumberWord(Cursor& cursor, int number) {
  std::string digits = std::to_string(number);
  if (number == 7 && cursor.AheadBeforeNumber("M") && cursor.Take("M")) return "7+";
  for (std::string_view sign : {"+", "-"}) {
    std::string word = digits + std::string(sign);
    if (cursor.Ahead(sign) && DegreeItemExactly(word) >= 0) {
      Cursor after = cursor;
      after.Take(sign);
      if (after.AtEnd() || !IsDigit(after.Rest()[0])) {
        cursor = after;
        return word;
      }
    }
  }
  return digits;
}

// "maj", "M", "Δ": true, and whether the spelling alone means the seventh.
bool TakeMajorSeventh(Cursor& cursor, bool& aloneMeansSeventh) {
  if (cursor.TakeAny(kMajorSigns)) {
    aloneMeansSeventh = true;
    return true;
  }
  for (std::string_view word : kMajorWords) {
    if (cursor.AheadBeforeNumber(word) && cursor.Take(word)) {
      aloneMeansSeventh = false;
      return true;
    }
  }
  return false;
}

// "maj7", "maj9", "Δ", "M13": the major seventh and what its number adds.
void SpellMajorSeventh(Cursor& cursor, bool aloneMeansSeventh, Spelled& out) {
  std::optional<int> number = cursor.TakeNumber();
  if (number == 6) return out.Add("6");
  if (!number && !aloneMeansSeventh) return;  // "Cmaj": the major triad
  out.Add("7+");
  if (!number || *number == 7) return;
  if (*number > 9 && out.standard) out.AddImpliedNinth();
  out.Add(std::to_string(*number));
}

// The number right after the root or the quality: the chord's own extension.
// In the standard notation a sign right after a 9, 11 or 13 alters the fifth
// ("D#9+" is a ninth chord with a raised fifth).
void SpellQualityNumber(Cursor& cursor, Spelled& out) {
  std::optional<int> number = cursor.TakeNumber();
  if (!number) return;
  if (out.standard && *number >= 9) {
    AddExtension(*number, out);
    for (std::string_view sign : {"+", "-"}) {
      Cursor after = cursor;
      if (after.Take(sign) && (after.AtEnd() || !IsDigit(after.Rest()[0]))) {
        cursor = after;
        out.Add(sign == "+" ? "5+" : "5-");
      }
    }
    return;
  }
  out.Add(NumberWord(cursor, *number));
}

bool TakeMinor(Cursor& cursor) {
  if (cursor.TakeAny(kMinorWords)) return true;
  if (cursor.Ahead("m")) {
    if (cursor.Ahead("maj") || cursor.AheadBeforeNumber("ma")) return false;
    return cursor.Take("m");
  }
  for (std::string_view minus : {std::string_view("-"), kMinusSign}) {
    Cursor after = cursor;
    if (!after.Take(minus)) continue;
    if (after.Ahead("5")) return false;  // "C-5": the flat fifth, not minor
    bool seventh = false;
    if (after.AtEnd() || IsDigit(after.Rest()[0]) || TakeMajorSeventh(after, seventh))
      return cursor.Take(minus);
  }
  return false;
}

// A 9, 11 or 13 right after a quality that already holds its seventh
// ("Gø13", "Bdim9"): the extension, with the ninth below it.
void SpellExtensionAfterQuality(Cursor& cursor, Spelled& out) {
  if (!out.standard || !cursor.ExtensionAhead()) return;
  AddExtension(*cursor.TakeNumber(), out);
}

// Diminished spellings: "dim", "°", "o", "º" with or without 7.
bool SpellDiminished(Cursor& cursor, Spelled& out) {
  bool ownSign = cursor.Take(kDiminishedSeventh);
  bool dimWord = !ownSign && cursor.TakeFolded("dim");
  bool sign = !ownSign && !dimWord &&
              std::any_of(kDegreeSigns.begin(), kDegreeSigns.end(),
                          [&](std::string_view s) { return cursor.AheadBeforeNumber(s); }) &&
              cursor.TakeAny(kDegreeSigns);
  if (!ownSign && !dimWord && !sign) return false;
  // A ninth or above stands on the diminished seventh ("Bdim9").
  if (cursor.Take("7") || ownSign || (out.standard && cursor.ExtensionAhead())) {
    out.Add(kDiminishedSeventh);
  } else if (out.standard) {
    out.Add("m");
    out.Add("b5");
  } else {
    // The program's own reading: "dim" is the diminished seventh.
    out.Add(dimWord ? "dim" : kDiminishedSeventh);
  }
  SpellExtensionAfterQuality(cursor, out);
  return true;
}

// "dom", "dom7", "dom9": the dominant seventh, whatever the notation.
bool SpellDominant(Cursor& cursor, Spelled& out) {
  if (!cursor.TakeFolded("dom")) return false;
  std::optional<int> number = cursor.TakeNumber();
  out.Add("7");
  if (number && *number > 9) out.AddImpliedNinth();
  if (number && *number >= 9) out.Add(std::to_string(*number));
  return true;
}

// The quality at the start of the symbol: half-diminished, diminished,
// dominant, augmented, minor, major seventh, and its number.
void SpellQuality(Cursor& cursor, Spelled& out) {
  // "h" is half-diminished as some printed books write it ("Ch7").
  bool halfDiminished =
      cursor.TakeAny(kHalfDiminished) || (cursor.AheadBeforeNumber("h") && cursor.Take("h"));
  if (halfDiminished) {
    cursor.Take("7");
    for (std::string_view word : {"m", "7", "b5"}) out.Add(word);
    return SpellExtensionAfterQuality(cursor, out);
  }
  if (SpellDiminished(cursor, out) || SpellDominant(cursor, out)) return;
  // "+" is augmented unless it raises the degree after it ("C+5", "C+11").
  if (cursor.TakeFolded("aug") ||
      (cursor.Ahead("+") && !cursor.Ahead("+5") && !cursor.Ahead("+11") && cursor.Take("+"))) {
    out.Add("aug");
  } else if (TakeMinor(cursor)) {
    out.Add("m");
  }
  bool aloneMeansSeventh = false;
  if (TakeMajorSeventh(cursor, aloneMeansSeventh)) {
    return SpellMajorSeventh(cursor, aloneMeansSeventh, out);
  }
  SpellQualityNumber(cursor, out);
}

// "b9", "#11", "+5", "-9": the check-list word of the altered degree.
std::optional<std::string> TakeAlteration(Cursor& cursor) {
  for (std::string_view sign : {std::string_view("b"), std::string_view("#"), std::string_view("+"),
                                std::string_view("-"), kMinusSign}) {
    Cursor after = cursor;
    if (!after.Take(sign)) continue;
    std::optional<int> number = after.TakeNumber();
    if (!number || *number == 7 || *number == 2) continue;
    cursor = after;
    std::string digits = std::to_string(*number);
    if (sign == "b") return "b" + digits;
    return digits + (sign == "#" || sign == "+" ? "+" : "-");
  }
  return std::nullopt;
}

// "sus", "sus2", "sus4", "SUS": the suspension, a fourth when no number is given.
std::optional<std::string> TakeSuspension(Cursor& cursor) {
  Cursor after = cursor;
  if (!after.TakeFolded("sus")) return std::nullopt;
  Cursor withNumber = after;
  std::optional<int> number = withNumber.TakeNumber();
  std::string word = "sus" + std::to_string(number.value_or(4));
  if (number && DegreeItemExactly(word) >= 0) {
    after = withNumber;
  } else {
    word = "sus4";
  }
  cursor = after;
  return word;
}

// "add9", "add2", "add#11", "ADD9": the added degree as the check list writes it.
std::optional<std::string> TakeAddition(Cursor& cursor) {
  Cursor after = cursor;
  if (!after.TakeFolded("add")) return std::nullopt;
  std::string sign = after.Take("b") || after.Take("-")   ? "-"
                     : after.Take("#") || after.Take("+") ? "+"
                                                          : "";
  std::optional<int> number = after.TakeNumber();
  if (!number) return std::nullopt;
  std::string word = *number == 2 && sign.empty() ? "2" : "add" + std::to_string(*number) + sign;
  if (DegreeItemExactly(word) < 0) return std::nullopt;
  cursor = after;
  return word;
}

// "no3", "omit5", "noroot", "no1": a tone to leave out.
bool TakeOmission(Cursor& cursor, RequestedOmissions& omit) {
  Cursor after = cursor;
  if (!after.TakeFolded("omit") && !after.TakeFolded("no")) return false;
  if (after.Take("3")) {
    omit.third = true;
  } else if (after.Take("5")) {
    omit.fifth = true;
  } else if (after.TakeFolded("root") || after.Take("1") || after.TakeFolded("r")) {
    omit.root = true;
  } else {
    return false;
  }
  cursor = after;
  return true;
}

// "alt", "7alt", "alt7": the altered dominant, with its seventh.
bool TakeAltered(Cursor& cursor, Spelled& out) {
  if (!cursor.TakeFolded("alt")) return false;
  cursor.Take("7");
  if (!out.HasSeventh()) out.Add("7");
  for (std::string_view tension : kAlteredTensions) out.Add(tension);
  out.omit.fifth = true;
  return true;
}

// One alteration, suspension, addition, omission or further number; false
// when the cursor stands at nothing this reader knows.
bool SpellModifier(Cursor& cursor, Spelled& out) {
  for (auto take : {TakeAlteration, TakeSuspension, TakeAddition}) {
    if (auto word = take(cursor)) {
      out.Add(*word);
      return true;
    }
  }
  if (TakeOmission(cursor, out.omit) || TakeAltered(cursor, out)) return true;
  if (std::optional<int> number = cursor.TakeNumber()) {
    out.Add(NumberWord(cursor, *number));
    return true;
  }
  return false;
}

// One typed word respelled into out; false when it starts with nothing this
// reader knows (it is then left as typed). What follows the known part is
// reported unused.
bool SpellWord(std::string_view word, bool quality, Spelled& out) {
  Cursor cursor(word);
  std::size_t before = out.words.size();
  bool aloneMeansSeventh = false;
  if (quality) {
    SpellQuality(cursor, out);
  } else if (Cursor major = cursor; TakeMajorSeventh(major, aloneMeansSeventh)) {
    // A lone "M" or "maj" in a later word says nothing: it is not taken.
    SpellMajorSeventh(major, aloneMeansSeventh, out);
    if (out.words.size() > before) cursor = major;
  }
  while (!cursor.AtEnd() && SpellModifier(cursor, out)) {
  }
  if (cursor.Position() == 0) return false;
  if (!cursor.AtEnd()) out.unused.emplace_back(cursor.Rest());
  return true;
}

// Words the reader already knows exactly, with the minor shorthand of the
// word right after the root ("m7" is "m" and "7").
bool ReaderKnows(std::string_view word, bool quality) {
  if (quality && word.size() > 1 && word[0] == 'm') return DegreeItemExactly(word.substr(1)) >= 0;
  return DegreeItemExactly(word) >= 0;
}

// Words right after the root that the two notations read differently.
bool NotationsDiffer(std::string_view word) {
  if (word == "dim") return true;
  if (word.size() > 1 && word[0] == 'm') word.remove_prefix(1);
  if (word.ends_with("+") || word.ends_with("-")) word.remove_suffix(1);
  return word == "9" || word == "11" || word == "13";
}

bool IsPlainExtension(std::string_view word) { return word == "9" || word == "11" || word == "13"; }

// One typed word in the reader's words. In the standard notation a bare 9,
// 11 or 13 glued after a closing parenthesis ("C(#5)9") is still the
// chord's own extension.
void SpellTypedWord(std::string_view word, bool quality, bool afterParenthesis, Spelled& out) {
  bool differs = out.standard && quality && NotationsDiffer(word);
  bool extension = out.standard && afterParenthesis && IsPlainExtension(word) && !out.HasSeventh();
  if (extension) {
    Cursor cursor(word);
    return AddExtension(*cursor.TakeNumber(), out);
  }
  if (!differs && ReaderKnows(word, quality)) return out.Add(word);
  if (!SpellWord(word, quality, out)) out.Add(word);
}

struct WordSpan {
  std::size_t start;
  std::size_t end;
};

// The words after the root; the last one is left out when it names the bass.
std::vector<WordSpan> ChordWords(std::string_view text, std::size_t root) {
  std::vector<WordSpan> words;
  for (std::size_t at = root; at < text.size();) {
    std::size_t end = at;
    while (end < text.size() && !IsSymbolSeparator(text[end])) ++end;
    if (end > at) words.push_back({at, end});
    at = end + 1;
  }
  if (!words.empty()) {
    auto [start, end] = words.back();
    if (PitchClassOfName(text.substr(start, end - start)) != kNoPitchClass) words.pop_back();
  }
  return words;
}

std::string Joined(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) {
    if (words[i].empty()) continue;
    text.append(text.empty() ? "" : "/").append(words[i]);
  }
  return text;
}

}  // namespace

SpelledSymbol SpellChordSymbol(std::string_view typed, ChordNotation notation) {
  SpelledSymbol result;
  if (IsNoChordText(typed)) {
    result.noChord = true;
    return result;
  }
  std::string text = PlainSymbolText(typed);
  TypedRoot typedRoot = ReadTypedRoot(text);
  if (typedRoot.pitchClass == kNoPitchClass) {
    result.text = text;
    result.ownWords = text == typed;
    return result;
  }
  const std::size_t root = typedRoot.length;
  const std::vector<WordSpan> words = ChordWords(text, root);

  Spelled spelled;
  spelled.standard = notation == ChordNotation::Standard;
  std::vector<std::size_t> firsts;  // where each typed word's words begin
  for (auto [start, end] : words) {
    firsts.push_back(spelled.words.size());
    bool afterParenthesis = start > root && text[start - 1] == ')';
    SpellTypedWord(std::string_view(text).substr(start, end - start), start == root,
                   afterParenthesis, spelled);
  }
  firsts.push_back(spelled.words.size());
  spelled.DropImpliedNinthIfAltered();

  std::string out = text.substr(0, root);
  std::size_t copied = root;
  for (std::size_t i = 0; i < words.size(); ++i) {
    out.append(text, copied, words[i].start - copied);
    out.append(Joined(spelled.words, firsts[i], firsts[i + 1]));
    copied = words[i].end;
  }
  out.append(text, copied, std::string::npos);
  result.text = std::move(out);
  result.unused = std::move(spelled.unused);
  result.omit = spelled.omit;
  result.ownWords = result.text == typed && result.unused.empty() && !result.omit.any();
  return result;
}

std::string RespellChordSymbol(std::string_view typed, ChordNotation notation) {
  return SpellChordSymbol(typed, notation).text;
}

}  // namespace corvanta
