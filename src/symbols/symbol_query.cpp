#include "symbols/symbol_query.h"

#include <array>
#include <string>
#include <vector>

namespace corvanta {
namespace {

constexpr std::string_view kSeparators = "/\\,(). ";

bool IsSeparator(char c) { return kSeparators.find(c) != std::string_view::npos; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// The first item whose text equals the word, letter case ignored; -1 if none.
int ItemNamed(std::string_view word) {
  for (int item = 0; item < kDegreeItemCount; ++item) {
    if (EqualIgnoringCase(kDegreeItems[item].text, word)) return item;
  }
  return -1;
}

// The first item whose text equals the word exactly; -1 if none.
int ItemExactly(std::string_view word) {
  for (int item = 0; item < kDegreeItemCount; ++item) {
    if (kDegreeItems[item].text == word) return item;
  }
  return -1;
}

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
};

void ReadRoot(const std::string& s, Reading& reading) {
  reading.root = PitchClassOfName(std::string_view(s).substr(0, 2));
  reading.rootLength = 2;
  if (reading.root == kNoPitchClass) {
    reading.root = PitchClassOfName(std::string_view(s).substr(0, 1));
    reading.rootLength = 1;
  }
  reading.echo = s.substr(0, reading.rootLength);
}

void TakeWord(std::string_view word, char separator, ChordEntry& entry, Reading& reading) {
  reading.hasWords = true;
  reading.lastWord = word;
  if (int exact = ItemExactly(word); exact >= 0) ++reading.exactWords[exact];
  int item = ItemNamed(word);
  if (item < 0) return;
  // A "b" word is written after a slash so that 'C/b9' does not read "Cb9";
  // after a slash that ended the previous word one is enough.
  if (word.front() == 'b' && (reading.echo.empty() || reading.echo.back() != '/'))
    reading.echo += '/';
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
  if (p + 1 < s.size() && s[p] == 'm' && !IsSeparator(s[p + 1])) s.insert(p + 1, "/");
  std::string word;
  for (std::size_t j = p; j < s.size(); ++j) {
    if (!IsSeparator(s[j])) {
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

}  // namespace

EntryOutcome ReadChordSymbol(ChordEntry& entry, std::string_view text) {
  ChordEntryState& state = entry.state;
  ResetForQuery(state);
  Reading reading = Scan(std::string(text) + " ", entry);

  if (reading.hasWords) {
    state.bassGridNames = HasFlatSign(reading.lastWord) ? Accidentals::Flats : Accidentals::Sharps;
  }
  int bass = reading.hasWords ? PitchClassOfName(reading.lastWord) : kNoPitchClass;
  if (bass == kNoPitchClass) {
    bass = reading.root;
  } else {
    if (int exact = ItemExactly(reading.lastWord); exact >= 0) --reading.exactWords[exact];
    // 'C/E': with no recognised word the bass still follows a slash.
    if (!reading.anyRecognisedWord && !reading.echo.empty() && reading.echo.back() != '/') {
      reading.echo += '/';
    }
    reading.echo += entry.BassGridText(bass);
  }
  state.chordSymbol = reading.echo;
  state.bassPitchClass = bass;
  state.rootPitchClass = reading.root;

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
  return {1};
}

}  // namespace corvanta
