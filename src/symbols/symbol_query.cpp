#include "symbols/symbol_query.h"

#include <array>
#include <string>
#include <vector>

#include "symbols/symbol_words.h"
#include "theory/formula.h"
#include "theory/text_util.h"

namespace corvanta {
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
  reading.lastWord = word;
  if (int exact = DegreeItemExactly(word); exact >= 0) ++reading.exactWords[exact];
  int item = DegreeItemNamed(word);
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
  std::string word;
  for (std::size_t j = p; j < s.size(); ++j) {
    if (!IsSymbolSeparator(s[j])) {
      word += s[j];
      continue;
    }
    if (!word.empty()) TakeWord(word, s[j], entry, reading);
    word.clear();
  }
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

}  // namespace

SymbolReading ReadChordSymbol(ChordEntry& entry, std::string_view text) {
  ChordEntryState& state = entry.state;
  ResetForQuery(state);
  Reading reading = Scan(std::string(text) + " ", entry);
  SymbolReading result;
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

  std::string base = "00 04 07";
  std::string additions;
  for (int k = 0; k < kDegreeItemCount; ++k) {
    if (reading.exactWords[k] > 0 && IsBaseFormulaCode(kDegreeItems[k].code))
      base = kDegreeItems[k].code;
  }
  // Degrees apply in item order, so the order typed does not matter.
  for (int l = 1; l < kDegreeItemCount; ++l) {
    std::string_view code = kDegreeItems[l].code;
    if (reading.exactWords[l] > 0 && !IsBaseFormulaCode(code))
      entry.ApplyDegreeCode(l, code, base, additions);
  }
  state.chordFormula = base + additions;
  if (!reading.typeName.empty()) reading.typeName.erase(0, 1);
  state.typeName = reading.typeName;
  result.unrecognised = std::move(reading.unrecognised);
  if (!result.namesRoot)
    ReportPassedOverCharacter(text, reading.firstWordGlued, result.unrecognised);
  return result;
}

SymbolReading ReadTypedChord(ChordEntry& entry, std::string_view text, ChordNotation notation) {
  return ReadChordSymbol(entry, RespellChordSymbol(text, notation));
}

std::vector<std::string> ChordNoteNames(const ChordEntryState& state) {
  std::vector<int> pitchClasses{state.bassPitchClass};
  for (int offset : FormulaOffsets(TrimBlanks(state.chordFormula)))
    pitchClasses.push_back(WrapPitchClass(state.rootPitchClass + offset));
  std::vector<std::string> names;
  for (int pitchClass : DistinctInOrder(pitchClasses)) {
    // A separate bass is spelled as the bass grid shows it ("C/Eb"), the
    // chord's own notes as the root grid.
    bool separateBass = names.empty() && state.bassPitchClass != state.rootPitchClass;
    Accidentals spelling = separateBass ? state.bassGridNames : state.rootGridNames;
    if (pitchClass < kPitchClassCount) names.emplace_back(NoteGridText(spelling, pitchClass));
  }
  return names;
}

}  // namespace corvanta
