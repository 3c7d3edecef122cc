// The spelling step's modifiers: alt, omissions, added and altered tones.
#include "symbols/chord_spelling.h"
#include "symbols/spelling_cursor.h"
#include "symbols/symbol_words.h"

namespace corvanta::spelling {
namespace {

// What "alt" stands for: the dominant seventh with every altered tension
// players colour it with (b9, #9, b13) and no fifth; six notes, one to a string.
constexpr std::array<std::string_view, 3> kAlteredTensions{"b9", "9+", "b13"};

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
  // "add3" beside a suspension: the major third (see ResolveAddedThird).
  if (sign.empty() && after.Take("3") && (after.AtEnd() || !IsAsciiDigit(after.Rest()[0]))) {
    cursor = after;
    return std::string(kAddedThird);
  }
  std::optional<int> number = after.TakeNumber();
  if (!number) return std::nullopt;
  std::string word = *number == 2 && sign.empty() ? "2" : "add" + std::to_string(*number) + sign;
  if (DegreeItemExactly(word) < 0) return std::nullopt;
  cursor = after;
  return word;
}

// The degree an omission names: "3", "5", "1", "root" or "r" (the root).
// A run of digits is read whole, so "13" is no root followed by a 3.
bool TakeOmittedDegree(Cursor& cursor, Spelled& out) {
  RequestedOmissions& omit = out.omit;
  Cursor after = cursor;
  if (after.TakeFolded("root") || after.TakeFolded("r")) {
    omit.root = true;
    out.omittedRootBegin = out.omissionStart;
    out.omittedRootEnd = out.wordStart + after.Position();
    cursor = after;
    return true;
  }
  const std::string_view rest = cursor.Rest();
  std::size_t digits = 0;
  while (digits < rest.size() && IsAsciiDigit(rest[digits])) ++digits;
  const std::string_view number = rest.substr(0, digits);
  if (number == "3") {
    omit.third = true;
  } else if (number == "5") {
    omit.fifth = true;
  } else if (number == "1") {
    omit.root = true;
    out.omittedRootBegin = out.omissionStart;
    out.omittedRootEnd = out.wordStart + cursor.Position() + 1;
  } else {
    return false;
  }
  cursor.Take(number);
  return true;
}

// "no3", "omit5", "noroot", "no1": a tone to leave out; "omit" or "no" at
// the end of a word opens a list of them ("omit 3 5").
bool TakeOmission(Cursor& cursor, Spelled& out) {
  Cursor after = cursor;
  if (!after.TakeFolded("omit") && !after.TakeFolded("no")) return false;
  const std::string_view head = cursor.Rest().substr(0, after.Position() - cursor.Position());
  out.omissionStart = out.wordStart + cursor.Position();
  if (after.AtEnd()) {
    cursor = after;
    out.omissionList = true;
    out.omissionHead = head;
    return true;
  }
  if (!TakeOmittedDegree(after, out)) return false;
  cursor = after;
  out.omissionList = true;
  out.omissionHead.clear();
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

}  // namespace

// A number with the sign the check list writes after it ("7+", "5-", "9+")
// when no digit follows the sign, or "7M" for the major seventh.
std::string NumberWord(Cursor& cursor, int number) {
  std::string digits = std::to_string(number);
  if (number == 7 && cursor.AheadBeforeNumber("M") && cursor.Take("M")) return "7+";
  for (std::string_view sign : {"+", "-"}) {
    if (!cursor.Ahead(sign)) continue;
    std::string word = digits + std::string(sign);
    if (DegreeItemExactly(word) >= 0) {
      Cursor after = cursor;
      after.Take(sign);
      if (after.AtEnd() || !IsAsciiDigit(after.Rest()[0])) {
        cursor = after;
        return word;
      }
    }
  }
  return digits;
}

// One alteration, suspension, addition, omission or further number; false
// when the cursor stands at nothing this reader knows.
bool SpellModifier(Cursor& cursor, Spelled& out) {
  // "sus9": a ninth chord suspended (9sus4) to most libraries, the
  // suspended second to some (and to the program's own words).
  if (out.standard && cursor.AheadBeforeNumber("sus9") && cursor.Take("sus9")) {
    AddExtension(9, out);
    out.Add("sus4");
    out.ambiguous.emplace_back("sus9 as 9sus4");
    return true;
  }
  for (auto take : {TakeAlteration, TakeSuspension, TakeAddition}) {
    if (auto word = take(cursor)) {
      out.Add(*word);
      return true;
    }
  }
  // An augmented fifth written after the seventh ("C7aug", "CM7+"); a "+"
  // before a number raised that degree above.
  if (cursor.TakeFolded("aug") ||
      (cursor.Ahead("+") && !cursor.AheadBeforeNumber("+") && cursor.AheadBeforeWord("+") &&
       cursor.Take("+")) ||
      (cursor.Rest() == "+" && cursor.Take("+"))) {
    out.Add("5+");
    return true;
  }
  if (TakeOmission(cursor, out) || TakeAltered(cursor, out)) return true;
  if (std::optional<int> number = cursor.TakeNumber()) {
    // A 9, 11 or 13 after other words is still the chord's own extension
    // ("C(#9)13b9" is a thirteenth chord), with its seventh.
    std::string word = NumberWord(cursor, *number);
    if (out.standard && *number >= 9 && word == std::to_string(*number)) {
      AddExtension(*number, out);
    } else {
      out.Add(word);
    }
    return true;
  }
  return false;
}

bool SpellListedOmission(std::string_view word, Spelled& out) {
  if (!out.omissionList || word.empty()) return false;
  if (!IsAsciiDigit(word[0]) && !StartsWithFolded(word, "root")) return false;
  Cursor cursor(word);
  if (TakeOmittedDegree(cursor, out) && cursor.AtEnd()) {
    out.omissionHead.clear();
    return true;
  }
  // A degree the reader cannot leave out: said so, and the list goes on.
  out.Add(std::string(1, kUnusedMark).append(word));
  out.omissionList = true;
  return true;
}

void EndOmissionList(Spelled& out) {
  if (out.omissionList && !out.omissionHead.empty()) {
    out.Add(std::string(1, kUnusedMark).append(out.omissionHead));
  }
  out.omissionList = false;
}

}  // namespace corvanta::spelling
