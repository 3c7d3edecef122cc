// The reading of a typed symbol through the chord controls' state, as the
// program first read every symbol: the plain reference the reader without
// that state is checked against.
#include "reference_entry_reading.h"

#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "symbols/chord_fitting.h"
#include "symbols/symbol_words.h"
#include "theory/formula.h"
#include "theory/note_spelling.h"
#include "theory/text_util.h"

namespace corvanta::reference {
namespace {

bool HasFlatSign(std::string_view text) { return text.find('b') != std::string_view::npos; }

// What the scan of the typed text found.
struct Reading {
  int root = kNoPitchClass;
  std::size_t rootLength = 0;  // characters of the root as typed
  std::string echo;
  std::string typeName;
  bool anyRecognisedWord = false;
  std::string lastWord;
  bool hasWords = false;
  // How many typed words equal each item's text exactly; the formula passes
  // need only this, so the word list itself is never searched.
  std::array<int, kDegreeItemCount> exactWords{};
  std::vector<std::string> unrecognised;
  bool lastWordUnrecognised = false;
  bool firstWordGlued = false;  // the first word starts right after the root
};

void ReadRoot(const std::string& s, Reading& reading) {
  TypedRoot root = ReadTypedRoot(s);
  reading.root = root.pitchClass;
  reading.rootLength = root.length;
  reading.echo = s.substr(0, reading.rootLength);
}

void TakeWord(std::string_view word, char separator, ChordEntry& entry, Reading& reading) {
  reading.hasWords = true;
  int item = DegreeItemNamed(word);
  // The item texts are lowercase (symbol_words.cpp), so the item named in
  // any case is the one typed exactly, if any.
  if (item >= 0 && kDegreeItems[item].text == word) ++reading.exactWords[item];
  reading.lastWordUnrecognised = item < 0;
  if (item < 0) {
    reading.unrecognised.emplace_back(word);
    return;
  }
  // A "b" word is written after a slash so that 'C/b9' does not read "Cb9";
  // after a slash that ended a previous recognised word one is enough.
  bool slashEnded = reading.anyRecognisedWord && reading.echo.back() == '/';
  if (word.front() == 'b' && !slashEnded) reading.echo += '/';
  reading.echo.append(word).push_back(separator);
  reading.anyRecognisedWord = true;
  entry.state.ticked[item] = true;
  reading.typeName.append("/").append(word);
}

Reading Scan(std::string s, ChordEntry& entry) {
  Reading reading;
  ReadRoot(s, reading);
  std::size_t p = reading.rootLength;  // 0-based index of the first character after the root
  // Minor shorthand: 'Cm7' is read as 'Cm/7'.
  if (p + 1 < s.size() && s[p] == 'm' && !IsSymbolSeparator(s[p + 1])) s.insert(p + 1, "/");
  reading.firstWordGlued = p < s.size() && !IsSymbolSeparator(s[p]);
  std::string_view text(s);
  std::size_t wordStart = p;
  std::string_view lastWord;
  for (std::size_t j = p; j < s.size(); ++j) {
    if (!IsSymbolSeparator(s[j])) continue;
    if (j > wordStart) {
      lastWord = text.substr(wordStart, j - wordStart);
      TakeWord(lastWord, s[j], entry, reading);
    }
    wordStart = j + 1;
  }
  reading.lastWord = lastWord;
  // The root as typed and the character after it decide the root grid's spelling.
  bool flats = HasFlatSign(std::string_view(s).substr(0, p + 1));
  entry.state.rootGridNames = flats ? Accidentals::Flats : Accidentals::Sharps;
  return reading;
}

void ResetForQuery(ChordEntryState& state) {
  state.typeName.clear();
  state.bassGridEnabled = true;
  state.ticked.fill(false);
  state.ticked[kMajorItem] = true;
  state.enabled.fill(true);
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
// with ApplyDegreeCode refusing degrees beyond noteLimit.
using ExactWords = std::array<int, kDegreeItemCount>;

// The items typed, one bit each: a symbol names a few of the 51, and the
// passes visit only those.
std::uint64_t TypedItems(const ExactWords& exactWords) {
  static_assert(kDegreeItemCount <= 64);
  std::uint64_t items = 0;
  for (int k = 0; k < kDegreeItemCount; ++k)
    items |= static_cast<std::uint64_t>(exactWords[k] > 0) << k;
  return items;
}

void ComposeFormula(ChordEntry& entry, const ExactWords& exactWords, int noteLimit,
                    std::string& base, std::string& additions) {
  base = "00 04 07";
  additions.clear();
  const std::uint64_t typed = TypedItems(exactWords);
  // The last base named wins; then the degrees apply in item order, so the
  // order typed does not matter.
  for (std::uint64_t left = typed; left != 0; left &= left - 1) {
    int k = std::countr_zero(left);
    if (IsBaseFormulaCode(kDegreeItems[k].code)) base = kDegreeItems[k].code;
  }
  for (std::uint64_t left = typed & ~std::uint64_t{1}; left != 0; left &= left - 1) {
    int l = std::countr_zero(left);
    std::string_view code = kDegreeItems[l].code;
    if (!IsBaseFormulaCode(code)) entry.ApplyDegreeCode(l, code, base, additions, noteLimit);
  }
}

// A symbol read as the check list reads it, with the words it composed
// and the items they ticked before the note limit (for the typed path,
// which fits the chord itself).
struct WordsRead {
  SymbolReading result;
  ExactWords exactWords{};
  std::array<bool, kDegreeItemCount> ticked{};
  std::string base;  // the formula composed within the note limit
  std::string additions;
  bool refused = false;  // a degree did not fit the limit
};

WordsRead ReadSymbolWords(ChordEntry& entry, std::string_view text) {
  ChordEntryState& state = entry.state;
  ResetForQuery(state);
  Reading reading = Scan(std::string(text) + " ", entry);
  WordsRead read;
  SymbolReading& result = read.result;
  result.searches = 1;
  result.namesRoot = reading.root != kNoPitchClass;

  if (reading.hasWords) {
    state.bassGridNames = HasFlatSign(reading.lastWord) ? Accidentals::Flats : Accidentals::Sharps;
  }
  int bass = reading.hasWords ? PitchClassOfName(reading.lastWord) : kNoPitchClass;
  if (bass == kNoPitchClass) {
    bass = reading.root;
  } else {
    if (int exact = DegreeItemExactly(reading.lastWord); exact >= 0) --reading.exactWords[exact];
    if (reading.lastWordUnrecognised) reading.unrecognised.pop_back();
    // 'C/E': with no recognised word the bass still follows a slash.
    if (!reading.anyRecognisedWord && !reading.echo.empty() && reading.echo.back() != '/') {
      reading.echo += '/';
    }
    reading.echo += entry.BassGridText(bass);
  }
  state.chordSymbol = reading.echo;
  state.bassPitchClass = bass;
  state.rootPitchClass = reading.root;
  // The note grids follow the chord read (with no search of their own), so
  // a later click composes its symbol from the chord shown: Am7, then the
  // bass G, is Am/7/G, never the grids' old root over G.
  if (result.namesRoot) {
    state.rootGridRow = reading.root;
    state.rootName = entry.BassGridText(reading.root);
    state.bassGridRow = bass;
    state.bassSuffix =
        bass == reading.root ? std::string() : "/" + std::string(entry.BassGridText(bass));
  }

  read.exactWords = reading.exactWords;
  read.ticked = state.ticked;
  ComposeFormula(entry, reading.exactWords, entry.NoteLimit(), read.base, read.additions);
  state.chordFormula.assign(read.base).append(read.additions);
  // A degree refused at the limit is unticked: it is reported.
  if (read.ticked != state.ticked) {
    for (int item = 0; item < kDegreeItemCount; ++item) {
      if (read.ticked[item] && !state.ticked[item]) {
        result.omitted.emplace_back(kDegreeItems[item].text);
        read.refused = true;
      }
    }
  }
  if (!reading.typeName.empty()) reading.typeName.erase(0, 1);
  state.typeName = reading.typeName;
  result.unrecognised = std::move(reading.unrecognised);
  if (!result.namesRoot)
    ReportPassedOverCharacter(text, reading.firstWordGlued, result.unrecognised);
  return read;
}

// The echo with the tones asked to be left out, before the bass:
// "C7+(no3)/G", so that typing it again reads the same chord.
void EchoOmissions(ChordEntryState& state, std::span<const std::string> asked) {
  if (asked.empty()) return;
  std::string& echo = state.chordSymbol;
  std::string bass;
  if (state.bassPitchClass != state.rootPitchClass && !state.bassSuffix.empty()) {
    bass = state.bassSuffix.substr(1);
    if (echo.ends_with(bass)) echo.erase(echo.size() - bass.size());
  }
  while (!echo.empty() && IsSymbolSeparator(echo.back())) echo.pop_back();
  echo += "(";
  for (std::size_t i = 0; i < asked.size(); ++i)
    echo += (i > 0 ? "," : "") + ("no" + (asked[i] == "root" ? " root" : asked[i]));
  echo += ")";
  if (!bass.empty()) echo += "/" + bass;
}

SymbolReading ReadNoChord(ChordEntry& entry) {
  ResetForQuery(entry.state);
  entry.state.rootPitchClass = entry.state.bassPitchClass = kNoPitchClass;
  entry.state.chordFormula = "00";
  entry.state.chordSymbol = "N.C.";
  SymbolReading reading;
  reading.searches = 1;
  reading.noChord = true;
  return reading;
}

// The typed chord, composed with no note limit, fitted to six notes with
// the bass as players fit it.
void FitTypedChord(ChordEntry& entry, const ChordEntryState& before, WordsRead& read,
                   const SpelledSymbol& spelled, SymbolReading& reading) {
  ComposedChord chord;
  chord.ticked = read.ticked;
  chord.root = entry.state.rootPitchClass;
  chord.bass = entry.state.bassPitchClass;
  chord.impliedNinth = spelled.impliedNinth;
  // With no limit nothing is refused, so no tick changes; where nothing was
  // refused at the limit either, the formula is the one already composed.
  if (read.refused) {
    ComposeFormula(entry, read.exactWords, std::numeric_limits<int>::max(), chord.base,
                   chord.additions);
  } else {
    chord.base = std::move(read.base);
    chord.additions = std::move(read.additions);
  }
  FittedChord fitted = FitChord(chord, spelled.omit);
  if (!fitted.fits()) {
    entry.state = before;
    reading.searches = 0;
    reading.tooManyNotes = fitted.notes;
    return;
  }
  entry.state.chordFormula = std::move(fitted.formula);
  entry.state.ticked = chord.ticked;
  reading.omitted = fitted.omitted;
  EchoOmissions(entry.state, std::span(fitted.omitted).first(fitted.asked));
  // No root to leave out where the root itself is the bass.
  // Said as typed ("no root", "omit 1").
  if (spelled.omit.root && chord.bass == chord.root)
    reading.unrecognised.push_back(spelled.omittedRoot);
}

}  // namespace

SymbolReading ReadChordSymbol(ChordEntry& entry, std::string_view text) {
  return ReadSymbolWords(entry, text).result;
}

SymbolReading ReadTypedChord(ChordEntry& entry, std::string_view text, ChordNotation notation) {
  SpelledSymbol spelled = SpellChordSymbol(text, notation);
  if (spelled.noChord) return ReadNoChord(entry);
  const ChordEntryState before = entry.state;
  WordsRead read = ReadSymbolWords(entry, spelled.text);
  SymbolReading& reading = read.result;
  reading.ambiguous = spelled.ambiguous;
  for (std::string& word : reading.unrecognised) {
    if (word.starts_with(kUnusedMark)) word.erase(0, 1);
  }
  // The program's own words read exactly as the check list reads them, in
  // its notation; in the standard one a chord past the check list's limit
  // is fitted as every standard symbol is (C7(11,13)/Bb keeps its 13 and
  // leaves out the fifth), so that no written tension is refused.
  const bool asTheCheckListReads =
      spelled.ownWords && (notation == ChordNotation::Classic || !read.refused);
  if (asTheCheckListReads || !reading.namesRoot) return std::move(reading);
  FitTypedChord(entry, before, read, spelled, reading);
  return std::move(reading);
}

}  // namespace corvanta::reference
