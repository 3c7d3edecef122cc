// Reads a typed symbol as the Chord it names.
#include "symbols/symbol_query.h"

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "symbols/chord_fitting.h"
#include "symbols/symbol_words.h"
#include "theory/degree_code.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

bool HasFlatSign(std::string_view text) { return text.find('b') != std::string_view::npos; }

Accidentals AccidentalsOf(std::string_view text) {
  return HasFlatSign(text) ? Accidentals::Flats : Accidentals::Sharps;
}

using DegreeTicks = std::array<bool, kDegreeItemCount>;
// How many typed words equal each item's text exactly; the formula passes
// need only this, so the word list itself is never searched. The items
// typed are also kept as one bit each: a symbol names a few of the 51, and
// the passes visit only those, without a look at the other counts.
class ExactWords {
 public:
  static_assert(kDegreeItemCount <= 64);
  void Add(int item) {
    ++count_[item];
    typed_ |= Bit(item);
  }
  void Remove(int item) {
    if (--count_[item] == 0) typed_ &= ~Bit(item);
  }
  std::uint64_t Typed() const { return typed_; }

 private:
  static std::uint64_t Bit(int item) { return std::uint64_t{1} << item; }
  std::array<int, kDegreeItemCount> count_{};
  std::uint64_t typed_ = 0;
};

// What the scan of the typed text found.
struct Scanned {
  int root = kNoPitchClass;
  std::size_t rootLength = 0;  // characters of the root as typed
  Accidentals rootNames = Accidentals::Sharps;
  std::string echo;
  std::string typeName;
  bool anyRecognisedWord = false;
  std::string lastWord;
  bool hasWords = false;
  ExactWords exactWords{};
  DegreeTicks ticked{true};  // the major item, and every item a word names
  std::vector<std::string> unrecognised;
  bool lastWordUnrecognised = false;
  bool firstWordGlued = false;  // the first word starts right after the root
};

void TakeWord(std::string_view word, char separator, Scanned& scanned) {
  scanned.hasWords = true;
  int item = DegreeItemNamed(word);
  // The item texts are lowercase (symbol_words.cpp), so the item named in
  // any case is the one typed exactly, if any.
  if (item >= 0 && kDegreeItems[item].text == word) scanned.exactWords.Add(item);
  scanned.lastWordUnrecognised = item < 0;
  if (item < 0) {
    scanned.unrecognised.emplace_back(word);
    return;
  }
  // A "b" word is written after a slash so that 'C/b9' does not read "Cb9";
  // after a slash that ended a previous recognised word one is enough.
  bool slashEnded = scanned.anyRecognisedWord && scanned.echo.back() == '/';
  if (word.front() == 'b' && !slashEnded) scanned.echo += '/';
  scanned.echo.append(word).push_back(separator);
  scanned.anyRecognisedWord = true;
  scanned.ticked[item] = true;
  scanned.typeName.append("/").append(word);
}

Scanned Scan(std::string s) {
  Scanned scanned;
  TypedRoot root = ReadTypedRoot(s);
  scanned.root = root.pitchClass;
  scanned.rootLength = root.length;
  scanned.echo = s.substr(0, root.length);
  std::size_t p = root.length;  // 0-based index of the first character after the root
  // Minor shorthand: 'Cm7' is read as 'Cm/7'.
  if (p + 1 < s.size() && s[p] == 'm' && !IsSymbolSeparator(s[p + 1])) s.insert(p + 1, "/");
  scanned.firstWordGlued = p < s.size() && !IsSymbolSeparator(s[p]);
  std::string_view text(s);
  std::size_t wordStart = p;
  std::string_view lastWord;
  for (std::size_t j = p; j < s.size(); ++j) {
    if (!IsSymbolSeparator(s[j])) continue;
    if (j > wordStart) {
      lastWord = text.substr(wordStart, j - wordStart);
      TakeWord(lastWord, s[j], scanned);
    }
    wordStart = j + 1;
  }
  scanned.lastWord = lastWord;
  // The root as typed and the character after it decide the root's spelling.
  scanned.rootNames = AccidentalsOf(std::string_view(s).substr(0, p + 1));
  return scanned;
}

// A text with no root passes over its first character; the report names it,
// joined to the word it begins.
void ReportPassedOverCharacter(std::string_view text, bool firstWordGlued,
                               std::vector<std::string>& unrecognised) {
  if (text.empty() || IsSymbolSeparator(text.front())) return;
  std::string first(text.substr(0, CharacterLength(text, 0)));
  if (firstWordGlued && !unrecognised.empty() &&
      text.substr(first.size()).starts_with(unrecognised.front())) {
    unrecognised.front().insert(0, first);
  } else {
    unrecognised.insert(unrecognised.begin(), first);
  }
}

// The base and degree passes: the formula the exactly typed words compose,
// a degree beyond noteLimit refused and unticked.
void ComposeFormula(const ExactWords& exactWords, int noteLimit, DegreeTicks& ticked,
                    std::string& base, std::string& additions) {
  base = "00 04 07";
  additions.clear();
  const std::uint64_t typed = exactWords.Typed();
  // The last base named wins; then the degrees apply in item order, so the
  // order typed does not matter.
  for (std::uint64_t left = typed; left != 0; left &= left - 1) {
    int k = std::countr_zero(left);
    if (IsBaseFormulaCode(kDegreeItems[k].code)) base = kDegreeItems[k].code;
  }
  for (std::uint64_t left = typed & ~std::uint64_t{1}; left != 0; left &= left - 1) {
    int l = std::countr_zero(left);
    std::string_view code = kDegreeItems[l].code;
    if (!IsBaseFormulaCode(code) && !ApplyDegreeCode(code, base, additions, noteLimit))
      ticked[l] = false;
  }
}

// What a symbol's words composed, besides the chord read: the items they
// ticked before the note limit (for the typed path, which fits the chord
// itself).
struct WordsRead {
  ExactWords exactWords{};
  DegreeTicks tickedBeforeLimit{};
  std::string base;  // the formula composed within the note limit
  std::string additions;
  bool refused = false;  // a degree did not fit the limit
};

// "/" and the bass as its spelling names it, or nothing without a slash bass.
std::string BassSuffix(const Chord& chord) {
  if (chord.bass == chord.root) return {};
  return "/" + std::string(NoteNameOf(chord.bassSpelling, chord.bass));
}

// A symbol read as the check list reads it into read, a default
// SymbolChord the caller returns: the chord is built once, where it is
// answered, and never moved from a working copy.
WordsRead ReadWords(std::string_view text, SymbolChord& read) {
  Scanned scanned = Scan(std::string(text) + " ");
  WordsRead words;
  Chord& chord = read.chord;
  SymbolReading& result = read.reading;
  result.searches = 1;
  result.namesRoot = scanned.root != kNoPitchClass;
  chord.spelling = scanned.rootNames;
  if (scanned.hasWords) read.bassNames = AccidentalsOf(scanned.lastWord);
  chord.bassSpelling = read.bassNames.value_or(Accidentals::Sharps);

  int bass = scanned.hasWords ? PitchClassOfName(scanned.lastWord) : kNoPitchClass;
  if (bass == kNoPitchClass) {
    bass = scanned.root;
  } else {
    if (int exact = DegreeItemExactly(scanned.lastWord); exact >= 0)
      scanned.exactWords.Remove(exact);
    if (scanned.lastWordUnrecognised) scanned.unrecognised.pop_back();
    // 'C/E': with no recognised word the bass still follows a slash.
    if (!scanned.anyRecognisedWord && !scanned.echo.empty() && scanned.echo.back() != '/') {
      scanned.echo += '/';
    }
    scanned.echo += NoteNameOf(chord.bassSpelling, bass);
  }
  chord.symbol = std::move(scanned.echo);
  chord.bass = bass;
  chord.root = scanned.root;

  words.exactWords = scanned.exactWords;
  words.tickedBeforeLimit = scanned.ticked;
  read.ticked = scanned.ticked;
  ComposeFormula(scanned.exactWords, FormulaLimit(bass != scanned.root), read.ticked, words.base,
                 words.additions);
  chord.formula.assign(words.base).append(words.additions);
  // A degree refused at the limit is unticked: it is reported. Most
  // symbols fit, so the ticks are compared whole before item by item.
  if (words.tickedBeforeLimit != read.ticked) {
    for (int item = 0; item < kDegreeItemCount; ++item) {
      if (words.tickedBeforeLimit[item] && !read.ticked[item]) {
        result.omitted.emplace_back(kDegreeItems[item].text);
        words.refused = true;
      }
    }
  }
  if (!scanned.typeName.empty()) scanned.typeName.erase(0, 1);
  read.typeName = std::move(scanned.typeName);
  result.unrecognised = std::move(scanned.unrecognised);
  if (!result.namesRoot)
    ReportPassedOverCharacter(text, scanned.firstWordGlued, result.unrecognised);
  return words;
}

// The echo with the tones asked to be left out, before the bass:
// "C7+(no3)/G", so that typing it again reads the same chord.
void EchoOmissions(Chord& chord, std::span<const std::string> asked) {
  if (asked.empty()) return;
  std::string& echo = chord.symbol;
  std::string bass = BassSuffix(chord);
  if (!bass.empty()) {
    bass.erase(0, 1);
    if (echo.ends_with(bass)) echo.erase(echo.size() - bass.size());
  }
  while (!echo.empty() && IsSymbolSeparator(echo.back())) echo.pop_back();
  echo += "(";
  for (std::size_t i = 0; i < asked.size(); ++i)
    echo += (i > 0 ? "," : "") + ("no" + (asked[i] == "root" ? " root" : asked[i]));
  echo += ")";
  if (!bass.empty()) echo += "/" + bass;
}

void ReadNoChord(SymbolChord& read) {
  read.chord.root = read.chord.bass = kNoPitchClass;
  read.chord.formula = "00";
  read.chord.symbol = "N.C.";
  read.reading.searches = 1;
  read.reading.noChord = true;
}

// The typed chord, composed with no note limit, fitted to six notes with
// the bass as players fit it; refused, the default chord.
void FitTypedChord(WordsRead& words, const SpelledSymbol& spelled, SymbolChord& read) {
  SymbolReading& reading = read.reading;
  ComposedChord chord;
  chord.ticked = words.tickedBeforeLimit;
  chord.root = read.chord.root;
  chord.bass = read.chord.bass;
  chord.impliedNinth = spelled.impliedNinth;
  // With no limit nothing is refused, so no tick changes; where nothing was
  // refused at the limit either, the formula is the one already composed.
  if (words.refused) {
    DegreeTicks unlimited = chord.ticked;
    ComposeFormula(words.exactWords, std::numeric_limits<int>::max(), unlimited, chord.base,
                   chord.additions);
  } else {
    chord.base = std::move(words.base);
    chord.additions = std::move(words.additions);
  }
  FittedChord fitted = FitChord(chord, spelled.omit);
  if (!fitted.fits()) {
    SymbolChord refused;
    refused.reading = std::move(reading);
    refused.reading.searches = 0;
    refused.reading.tooManyNotes = fitted.notes;
    read = std::move(refused);
    return;
  }
  read.chord.formula = std::move(fitted.formula);
  read.ticked = chord.ticked;
  reading.omitted = fitted.omitted;
  EchoOmissions(read.chord, std::span(fitted.omitted).first(fitted.asked));
  // No root to leave out where the root itself is the bass.
  // Said as typed ("no root", "omit 1").
  if (spelled.omit.root && chord.bass == chord.root)
    reading.unrecognised.push_back(spelled.omittedRoot);
}

}  // namespace

SymbolChord ReadOwnWords(std::string_view text) {
  SymbolChord read;
  ReadWords(text, read);
  return read;
}

SymbolChord ChordOfSymbol(std::string_view text, ChordNotation notation) {
  SymbolChord read;  // the one answer, filled where it is returned
  SpelledSymbol spelled = SpellChordSymbol(text, notation);
  if (spelled.noChord) {
    ReadNoChord(read);
    return read;
  }
  WordsRead words = ReadWords(spelled.text, read);
  SymbolReading& reading = read.reading;
  reading.ambiguous = std::move(spelled.ambiguous);
  for (std::string& word : reading.unrecognised) {
    if (word.starts_with(kUnusedMark)) word.erase(0, 1);
  }
  // The program's own words read exactly as the check list reads them, in
  // its notation; in the standard one a chord past the check list's limit
  // is fitted as every standard symbol is (C7(11,13)/Bb keeps its 13 and
  // leaves out the fifth), so that no written tension is refused.
  const bool asTheCheckListReads =
      spelled.ownWords && (notation == ChordNotation::Classic || !words.refused);
  if (!asTheCheckListReads && reading.namesRoot) FitTypedChord(words, spelled, read);
  return read;
}

}  // namespace corvanta
