#include "symbols/chord_spelling.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "symbols/symbol_words.h"
#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

// The program's own diminished-seventh word, the single byte of "º".
constexpr std::string_view kDiminishedSeventh = "\xBA";

constexpr std::string_view kSharpSign = "\xE2\x99\xAF";  // ♯
constexpr std::string_view kFlatSign = "\xE2\x99\xAD";   // ♭
constexpr std::string_view kMinusSign = "\xE2\x88\x92";  // −

// Spellings of the major seventh that need a number or the end after them
// ("maj7", "M9", "Cmaj") and signs that stand for it alone ("CΔ", "C^").
constexpr std::array<std::string_view, 5> kMajorWords{"maj", "Maj", "MAJ", "ma", "M"};
constexpr std::array<std::string_view, 4> kMajorSigns{"\xCE\x94" /* Δ */, "\xE2\x96\xB3" /* △ */,
                                                      "\xE2\x88\x86" /* ∆ */, "^"};
constexpr std::array<std::string_view, 3> kHalfDiminished{"\xC3\xB8" /* ø */, "\xC3\x98" /* Ø */,
                                                          "\xE2\x88\x85" /* ∅ */};
constexpr std::array<std::string_view, 2> kDegreeSigns{"\xC2\xB0" /* ° */, "o"};

// The numbers a chord symbol writes, longest first so "13" is not "1" "3".
constexpr std::array<int, 8> kSymbolNumbers{13, 11, 9, 7, 6, 5, 4, 2};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A read position in one word of the typed symbol.
class Cursor {
 public:
  explicit Cursor(std::string_view word) : word_(word) {}

  bool AtEnd() const { return at_ >= word_.size(); }
  std::size_t Position() const { return at_; }
  std::string_view Rest() const { return word_.substr(at_); }
  bool Ahead(std::string_view token) const { return Rest().starts_with(token); }
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

 private:
  std::string_view word_;
  std::size_t at_ = 0;
};

// The words a piece of the typed symbol is respelled into. An implied ninth
// (standard notation) gives way to an altered ninth written in the same word.
struct Spelled {
  std::vector<std::string> words;
  std::optional<std::size_t> impliedNinth;

  void Add(std::string_view word) { words.emplace_back(word); }
  void AddImpliedNinth() {
    impliedNinth = words.size();
    Add("9");
  }
  void DropImpliedNinthIfAltered() {
    if (!impliedNinth) return;
    for (const std::string& word : words) {
      if (word == "b9" || word == "9-" || word == "9+") {
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(*impliedNinth));
        return;
      }
    }
  }
};

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
void SpellMajorSeventh(Cursor& cursor, bool aloneMeansSeventh, bool standard, Spelled& out) {
  std::optional<int> number = cursor.TakeNumber();
  if (number == 6) return out.Add("6");
  if (!number && !aloneMeansSeventh) return;  // "Cmaj": the major triad
  out.Add("7+");
  if (!number || *number == 7) return;
  if (*number > 9 && standard) out.AddImpliedNinth();
  out.Add(std::to_string(*number));
}

// The number right after the root or the quality: the chord's own extension.
void SpellQualityNumber(Cursor& cursor, bool standard, Spelled& out) {
  std::optional<int> number = cursor.TakeNumber();
  if (!number) return;
  std::string word = NumberWord(cursor, *number);
  if (standard && word == std::to_string(*number) && *number >= 9) {
    // Jazz and pop notation: a 9, 11 or 13 implies the seventh and the ninth
    // below it; the eleventh of a 13 is left out so six strings suffice.
    out.Add("7");
    if (*number > 9) out.AddImpliedNinth();
  }
  out.Add(word);
}

bool TakeMinor(Cursor& cursor) {
  if (cursor.Take("min") || cursor.Take("mi")) return true;
  if (cursor.Ahead("m")) {
    if (cursor.Ahead("maj") || cursor.AheadBeforeNumber("ma")) return false;
    return cursor.Take("m");
  }
  for (std::string_view minus : {std::string_view("-"), kMinusSign}) {
    Cursor after = cursor;
    if (!after.Take(minus)) continue;
    bool seventh = false;
    if (after.AtEnd() || IsDigit(after.Rest()[0]) || TakeMajorSeventh(after, seventh))
      return cursor.Take(minus);
  }
  return false;
}

// Diminished spellings: "dim", "°", "o", "º" with or without 7.
bool SpellDiminished(Cursor& cursor, bool standard, Spelled& out) {
  bool ownSign = cursor.Take(kDiminishedSeventh);
  bool dimWord = !ownSign && cursor.Take("dim");
  bool sign = !ownSign && !dimWord &&
              std::any_of(kDegreeSigns.begin(), kDegreeSigns.end(),
                          [&](std::string_view s) { return cursor.AheadBeforeNumber(s); }) &&
              cursor.TakeAny(kDegreeSigns);
  if (!ownSign && !dimWord && !sign) return false;
  if (cursor.Take("7") || ownSign) {
    out.Add(kDiminishedSeventh);
  } else if (standard) {
    out.Add("m");
    out.Add("b5");
  } else {
    // The program's own reading: "dim" is the diminished seventh.
    out.Add(dimWord ? "dim" : kDiminishedSeventh);
  }
  return true;
}

// The quality at the start of the symbol: half-diminished, diminished,
// augmented, minor, major seventh, and its number.
void SpellQuality(Cursor& cursor, bool standard, Spelled& out) {
  if (cursor.TakeAny(kHalfDiminished)) {
    cursor.Take("7");
    for (std::string_view word : {"m", "7", "b5"}) out.Add(word);
    return;
  }
  if (SpellDiminished(cursor, standard, out)) return;
  if (cursor.Take("aug") || (cursor.Ahead("+") && !cursor.Ahead("+5") && cursor.Take("+"))) {
    out.Add("aug");
  } else if (TakeMinor(cursor)) {
    out.Add("m");
  }
  bool aloneMeansSeventh = false;
  if (TakeMajorSeventh(cursor, aloneMeansSeventh)) {
    return SpellMajorSeventh(cursor, aloneMeansSeventh, standard, out);
  }
  SpellQualityNumber(cursor, standard, out);
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

// "sus", "sus2", "sus4": the suspension, a fourth when no number is given.
std::optional<std::string> TakeSuspension(Cursor& cursor) {
  Cursor after = cursor;
  if (!after.Take("sus")) return std::nullopt;
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

// "add9", "add2", "add#11": the added degree as the check list writes it.
std::optional<std::string> TakeAddition(Cursor& cursor) {
  Cursor after = cursor;
  if (!after.Take("add")) return std::nullopt;
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

// One alteration, suspension, addition or further number; false when the
// cursor stands at nothing this reader knows.
bool SpellModifier(Cursor& cursor, Spelled& out) {
  for (auto take : {TakeAlteration, TakeSuspension, TakeAddition}) {
    if (auto word = take(cursor)) {
      out.Add(*word);
      return true;
    }
  }
  if (std::optional<int> number = cursor.TakeNumber()) {
    out.Add(NumberWord(cursor, *number));
    return true;
  }
  return false;
}

// One word of the typed symbol respelled, or nothing when it starts with
// nothing this reader knows (it is then left as typed).
std::optional<std::vector<std::string>> SpellWord(std::string_view word, bool quality,
                                                  bool standard) {
  Cursor cursor(word);
  Spelled out;
  bool aloneMeansSeventh = false;
  if (quality) {
    SpellQuality(cursor, standard, out);
  } else if (TakeMajorSeventh(cursor, aloneMeansSeventh)) {
    SpellMajorSeventh(cursor, aloneMeansSeventh, false, out);
  }
  while (!cursor.AtEnd() && SpellModifier(cursor, out)) {
  }
  if (cursor.Position() == 0) return std::nullopt;
  if (!cursor.AtEnd()) out.Add(cursor.Rest());
  out.DropImpliedNinthIfAltered();
  return out.words;
}

// Words the reader already knows, with the minor shorthand of the word right
// after the root ("m7" is "m" and "7").
bool ReaderKnows(std::string_view word, bool quality) {
  if (quality && word.size() > 1 && word[0] == 'm') return DegreeItemNamed(word.substr(1)) >= 0;
  return DegreeItemNamed(word) >= 0;
}

// Words right after the root that the two notations read differently.
bool NotationsDiffer(std::string_view word) {
  if (word == "dim") return true;
  if (word.size() > 1 && word[0] == 'm') word.remove_prefix(1);
  return word == "9" || word == "11" || word == "13";
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text.append(text.empty() ? "" : "/").append(word);
  return text;
}

std::string Respelled(std::string_view word, bool quality, ChordNotation notation) {
  bool standard = notation == ChordNotation::Standard;
  bool differs = standard && quality && NotationsDiffer(word);
  if (!differs && ReaderKnows(word, quality)) return std::string(word);
  auto spelled = SpellWord(word, quality, standard);
  return spelled ? Joined(*spelled) : std::string(word);
}

}  // namespace

std::string RespellChordSymbol(std::string_view typed, ChordNotation notation) {
  std::string text = ReplaceAll(ReplaceAll(typed, kSharpSign, "#"), kFlatSign, "b");
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'g')
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  TypedRoot typedRoot = ReadTypedRoot(text);
  if (typedRoot.pitchClass == kNoPitchClass) return text;
  const std::size_t root = typedRoot.length;

  // The words after the root, each with where it starts; the last one is
  // the bass when it names a note.
  std::vector<std::pair<std::size_t, std::size_t>> words;
  for (std::size_t at = root; at < text.size();) {
    std::size_t end = at;
    while (end < text.size() && !IsSymbolSeparator(text[end])) ++end;
    if (end > at) words.emplace_back(at, end);
    at = end + 1;
  }
  if (!words.empty()) {
    auto [start, end] = words.back();
    if (PitchClassOfName(std::string_view(text).substr(start, end - start)) != kNoPitchClass)
      words.pop_back();
  }

  std::string out = text.substr(0, root);
  std::size_t copied = root;
  for (auto [start, end] : words) {
    out.append(text, copied, start - copied);
    out.append(
        Respelled(std::string_view(text).substr(start, end - start), start == root, notation));
    copied = end;
  }
  out.append(text, copied, std::string::npos);
  return out;
}

}  // namespace corvanta
