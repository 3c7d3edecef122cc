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

}  // namespace

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
  if (TakeOmission(cursor, out.omit) || TakeAltered(cursor, out)) return true;
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

}  // namespace corvanta::spelling
