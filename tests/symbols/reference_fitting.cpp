// The plain reference chord fitting.
#include "reference_fitting.h"

#include <algorithm>
#include <set>

#include "theory/chord_defaults.h"
#include "theory/formula.h"
#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta::reference {
namespace {

constexpr int kRootOffset = 0;
constexpr int kPerfectFifthOffset = 7;
constexpr int kNinthOffset = 2;

struct Tones {
  std::vector<int> base;
  std::vector<int> additions;
};

bool Holds(const std::vector<int>& offsets, int offset) {
  return std::find(offsets.begin(), offsets.end(), offset) != offsets.end();
}

bool Erase(std::vector<int>& offsets, int offset) {
  auto at = std::find(offsets.begin(), offsets.end(), offset);
  if (at == offsets.end()) return false;
  offsets.erase(at);
  return true;
}

int SoundingNotes(const Tones& tones, int root, int bass) {
  std::set<int> pitchClasses{bass};
  for (const std::vector<int>* part : {&tones.base, &tones.additions}) {
    for (int offset : *part) pitchClasses.insert(WrapPitchClass(root + offset));
  }
  return static_cast<int>(pitchClasses.size());
}

std::string FormulaText(const Tones& tones) {
  std::string text;
  for (const std::vector<int>* part : {&tones.base, &tones.additions}) {
    for (int offset : *part) {
      if (!text.empty()) text += ' ';
      text += static_cast<char>('0' + offset / 10);
      text += static_cast<char>('0' + offset % 10);
    }
  }
  return text;
}

// A thirteenth chord: any 13 among the words (13, b13, add13, 13+).
bool NamesAThirteenth(const std::array<bool, kDegreeItemCount>& ticked) {
  for (int item = 0; item < kDegreeItemCount; ++item) {
    if (ticked[item] && kDegreeItems[item].text.find("13") != std::string_view::npos) return true;
  }
  return false;
}

// The eleventh written as added degrees (4, 5 or 6 semitones): b11, 11, #11.
void OmitElevenths(Tones& tones, std::vector<std::string>& omitted) {
  static constexpr std::array<std::pair<int, std::string_view>, 3> kElevenths{
      {{5, "11"}, {6, "#11"}, {4, "b11"}}};
  for (auto [offset, name] : kElevenths) {
    if (Erase(tones.additions, offset)) omitted.emplace_back(name);
  }
}

void OmitAsked(Tones& tones, RequestedOmissions omit, bool otherBass,
               std::vector<std::string>& omitted) {
  // The third is the base's: major, or minor in a minor or diminished chord.
  if (omit.third && (Erase(tones.base, kMajorThird) || Erase(tones.base, kMinorThird)))
    omitted.emplace_back("3");
  if (omit.fifth && Erase(tones.base, kPerfectFifthOffset)) omitted.emplace_back("5");
  if (omit.root && otherBass && Erase(tones.base, kRootOffset)) omitted.emplace_back("root");
}

}  // namespace

FittedChord FitChord(const ComposedChord& chord, RequestedOmissions omit) {
  Tones tones{FormulaOffsets(chord.base), FormulaOffsets(TrimBlanks(chord.additions))};
  const bool otherBass = chord.bass != chord.root;
  FittedChord fitted;
  OmitAsked(tones, omit, otherBass, fitted.omitted);
  fitted.asked = fitted.omitted.size();
  auto tooMany = [&] { return SoundingNotes(tones, chord.root, chord.bass) > kMostChordNotes; };

  if (tooMany() && Erase(tones.base, kPerfectFifthOffset)) fitted.omitted.emplace_back("5");
  if (tooMany() && chord.impliedNinth && Erase(tones.additions, kNinthOffset))
    fitted.omitted.emplace_back("9");
  if (tooMany() && NamesAThirteenth(chord.ticked)) OmitElevenths(tones, fitted.omitted);
  bool alteredNinth = Holds(tones.additions, 1) || Holds(tones.additions, 3);
  if (tooMany() && alteredNinth && Erase(tones.additions, kNinthOffset))
    fitted.omitted.emplace_back("9");
  if (tooMany() && otherBass && Erase(tones.base, kRootOffset)) fitted.omitted.emplace_back("root");

  fitted.formula = FormulaText(tones);
  fitted.notes = SoundingNotes(tones, chord.root, chord.bass);
  return fitted;
}

}  // namespace corvanta::reference
