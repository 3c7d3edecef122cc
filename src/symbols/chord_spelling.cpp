// The spelling step: a typed symbol's extensions read in either notation.
#include "symbols/chord_spelling.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "symbols/spelling_cursor.h"
#include "symbols/symbol_text.h"
#include "symbols/symbol_words.h"
#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

using namespace spelling;

// Spellings of the major seventh that need a number or the end after them
// ("maj7", "M9", "Cmaj", "CMA7") and signs that stand for it alone ("CΔ").
constexpr std::array<std::string_view, 7> kMajorWords{"maj", "Maj", "MAJ", "ma", "Ma", "MA", "M"};
constexpr std::array<std::string_view, 4> kMajorSigns{"\xCE\x94" /* Δ */, "\xE2\x96\xB3" /* △ */,
                                                      "\xE2\x88\x86" /* ∆ */, "^"};
// Minor as printed: "m" is lowercase only, the longer words in any case.
constexpr std::array<std::string_view, 6> kMinorWords{"min", "Min", "MIN", "mi", "Mi", "MI"};
constexpr std::array<std::string_view, 3> kHalfDiminished{"\xC3\xB8" /* ø */, "\xC3\x98" /* Ø */,
                                                          "\xE2\x88\x85" /* ∅ */};
constexpr std::string_view kDegreeSign = "\xC2\xB0";  // °

// "maj", "M", "Δ": true, and whether the spelling alone means the seventh.
// Every major word begins with an m of either case, and no sign does: the
// first byte says which list may match (most words typed are neither).
constexpr bool BeginsWithM(std::string_view word) {
  return !word.empty() && (word[0] == 'm' || word[0] == 'M');
}
static_assert(std::all_of(kMajorWords.begin(), kMajorWords.end(), BeginsWithM) &&
              std::none_of(kMajorSigns.begin(), kMajorSigns.end(), BeginsWithM));

bool TakeMajorSeventh(Cursor& cursor, bool& aloneMeansSeventh) {
  if (!BeginsWithM(cursor.Rest())) {
    if (!cursor.TakeAny(kMajorSigns)) return false;
    aloneMeansSeventh = true;
    return true;
  }
  for (std::string_view word : kMajorWords) {
    if (cursor.AheadBeforeWord(word) && cursor.Take(word)) {
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
  // "C74": the suspended fourth on the seventh, as 7sus4.
  if (*number == 7 && cursor.Ahead("4") && !cursor.AheadBeforeNumber("41") && cursor.Take("4")) {
    out.Add("7");
    out.Add("sus4");
    return;
  }
  if (out.standard && *number >= 9) {
    AddExtension(*number, out);
    for (std::string_view sign : {"+", "-"}) {
      Cursor after = cursor;
      if (after.Take(sign) && (after.AtEnd() || !IsAsciiDigit(after.Rest()[0]))) {
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
    // "C-#5": minor with a raised fifth.
    if (after.AtEnd() || IsAsciiDigit(after.Rest()[0]) || after.Ahead("#") ||
        TakeMajorSeventh(after, seventh))
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
  // "°" is always the diminished sign; "o" only before a number or the end,
  // where no word ("omit") can begin with it.
  bool sign = !ownSign && !dimWord &&
              (cursor.Take(kDegreeSign) || (cursor.AheadBeforeWord("o") && cursor.Take("o")));
  if (!ownSign && !dimWord && !sign) return false;
  // A major seventh on the diminished triad ("EoM7", "Cdimmaj7").
  if (Cursor major = cursor; !ownSign) {
    bool aloneMeansSeventh = false;
    if (TakeMajorSeventh(major, aloneMeansSeventh)) {
      out.Add("m");
      out.Add("b5");
      cursor = major;
      SpellMajorSeventh(cursor, aloneMeansSeventh, out);
      if (!out.Has("7+")) out.Add("7+");  // "dimmaj" says the seventh too
      return true;
    }
  }
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
  } else if (bool minus = cursor.Ahead("-11"); TakeMinor(cursor)) {
    out.Add("m");
    // "C-11": the minor eleventh to most libraries, a flat eleventh to some.
    if (minus && out.standard) out.ambiguous.emplace_back("-11 as m11");
  }
  bool aloneMeansSeventh = false;
  if (TakeMajorSeventh(cursor, aloneMeansSeventh)) {
    return SpellMajorSeventh(cursor, aloneMeansSeventh, out);
  }
  SpellQualityNumber(cursor, out);
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
  if (!cursor.AtEnd()) out.Add(std::string(1, kUnusedMark).append(cursor.Rest()));
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
  if (word == "dim" || word == "sus9") return true;
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
  std::size_t first = 0;  // where its words begin among the spelled ones
};

// The words after the root; the last one is left out when it names the bass.
std::vector<WordSpan> ChordWords(std::string_view text, std::size_t root) {
  std::vector<WordSpan> words;
  words.reserve(8);
  for (std::size_t at = root; at < text.size();) {
    std::size_t end = at;
    while (end < text.size() && !IsSymbolSeparator(text[end])) ++end;
    if (end > at) words.push_back({at, end, 0});
    at = end + 1;
  }
  if (!words.empty()) {
    const WordSpan& last = words.back();
    if (PitchClassOfName(text.substr(last.start, last.end - last.start)) != kNoPitchClass)
      words.pop_back();
  }
  return words;
}

// Orders of writing that say another chord's words, in the standard
// notation: "dim." before a number is "dim"; a bare "9/6" after the root (or "m") is the 6/9 chord,
// as most libraries read it (said so), and "7/4" is 7sus4.
void RewriteWrittenOrders(std::string& text, std::size_t root, bool standard,
                          std::vector<std::string>& ambiguous) {
  if (!standard) return;  // the program's own words keep their reading
  for (std::size_t at = text.find("dim.", root); at != std::string::npos;
       at = text.find("dim.", at + 3)) {
    if (at + 4 < text.size() && IsAsciiDigit(text[at + 4])) text.erase(at + 3, 1);
  }
  std::size_t quality = root < text.size() && text[root] == 'm' ? root + 1 : root;
  auto bare = [&](std::string_view written) {
    if (text.compare(quality, written.size(), written) != 0) return false;
    std::size_t end = quality + written.size();
    if (end == text.size()) return true;
    // Only the bass may follow.
    return text[end] == '/' &&
           PitchClassOfName(std::string_view(text).substr(end + 1)) != kNoPitchClass;
  };
  if (bare("9/6")) {
    text.replace(quality, 3, "6/9");
    ambiguous.emplace_back("9/6 as 6/9");
  } else if (bare("7/4")) {
    text.replace(quality, 3, "7sus4");
  }
}

// Whether every word after the root is one the reader takes as typed (the
// bass last), so that spelling would give the text back unchanged: most
// symbols typed are, and they are read with no words built.
bool ReadAsTyped(std::string_view text, std::size_t root, bool standard) {
  for (std::size_t at = root; at < text.size();) {
    std::size_t end = at;
    while (end < text.size() && !IsSymbolSeparator(text[end])) ++end;
    if (end > at) {
      std::string_view word = text.substr(at, end - at);
      bool quality = at == root;
      bool afterParenthesis = at > root && text[at - 1] == ')';
      bool asTyped = !(standard && quality && NotationsDiffer(word)) &&
                     !(standard && afterParenthesis && IsPlainExtension(word)) &&
                     ReaderKnows(word, quality);
      bool lastWord = text.find_first_not_of(kSymbolSeparators, end) == std::string_view::npos;
      if (!asTyped && !(lastWord && PitchClassOfName(word) != kNoPitchClass)) return false;
    }
    at = end + 1;
  }
  return true;
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

namespace {

SpelledSymbol Spell(std::string_view typed, ChordNotation notation, bool shortcut) {
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
  RewriteWrittenOrders(text, root, notation == ChordNotation::Standard, result.ambiguous);
  if (shortcut && ReadAsTyped(text, root, notation == ChordNotation::Standard)) {
    result.ownWords = text == typed;
    result.text = std::move(text);
    return result;
  }
  std::vector<WordSpan> words = ChordWords(text, root);

  Spelled spelled;
  spelled.standard = notation == ChordNotation::Standard;
  spelled.words.reserve(2 * words.size() + 4);
  for (std::size_t i = 0; i < words.size(); ++i) {
    WordSpan& word = words[i];
    word.first = spelled.words.size();
    const std::string_view typed = std::string_view(text).substr(word.start, word.end - word.start);
    // An omission's list goes on across blanks and commas only.
    const bool listed = i > 0 && text.find_first_not_of(" ,", words[i - 1].end) >= word.start;
    spelled.wordStart = word.start;
    if (listed && SpellListedOmission(typed, spelled)) continue;
    EndOmissionList(spelled);
    bool afterParenthesis = word.start > root && text[word.start - 1] == ')';
    SpellTypedWord(typed, word.start == root, afterParenthesis, spelled);
  }
  EndOmissionList(spelled);
  spelled.DropImpliedNinthIfAltered();
  spelled.ResolveAddedThird();

  std::string out = text.substr(0, root);
  std::size_t copied = root;
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::size_t last = i + 1 < words.size() ? words[i + 1].first : spelled.words.size();
    out.append(text, copied, words[i].start - copied);
    out.append(Joined(spelled.words, words[i].first, last));
    copied = words[i].end;
  }
  out.append(text, copied, std::string::npos);
  result.text = std::move(out);
  result.omit = spelled.omit;
  if (spelled.omit.root)
    result.omittedRoot =
        text.substr(spelled.omittedRootBegin, spelled.omittedRootEnd - spelled.omittedRootBegin);
  result.impliedNinth = spelled.NinthOnlyImplied();
  result.ambiguous.insert(result.ambiguous.end(), spelled.ambiguous.begin(),
                          spelled.ambiguous.end());
  result.ownWords = result.text == typed && !result.omit.any();
  return result;
}

}  // namespace

SpelledSymbol SpellChordSymbol(std::string_view typed, ChordNotation notation) {
  return Spell(typed, notation, true);
}

SpelledSymbol SpellChordSymbolWordByWord(std::string_view typed, ChordNotation notation) {
  return Spell(typed, notation, false);
}

std::string RespellChordSymbol(std::string_view typed, ChordNotation notation) {
  return SpellChordSymbol(typed, notation).text;
}

}  // namespace corvanta
