// Fits a composed chord into the note limit, leaving out what players leave out.
#include "symbols/chord_fitting.h"

#include <cstdint>

#include "theory/chord_defaults.h"
#include "theory/note_names.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

// Semitones above the root, or pitch classes, as the bits 0..11 of a mask:
// fitting runs on every typed symbol, and a mask needs no allocation.
using ToneMask = std::uint16_t;
constexpr ToneMask kAllTones = 0xFFF;

constexpr ToneMask Bit(int tone) { return static_cast<ToneMask>(1u << tone); }

constexpr int CountTones(ToneMask mask) {
  int count = 0;
  for (; mask != 0; mask = static_cast<ToneMask>(mask & (mask - 1))) ++count;
  return count;
}

// The intervals moved up by root semitones: the pitch classes they sound.
constexpr ToneMask Transposed(ToneMask intervals, int root) {
  unsigned wide = static_cast<unsigned>(intervals) << root;
  return static_cast<ToneMask>((wide | (wide >> kPitchClassCount)) & kAllTones);
}

constexpr int kRootOffset = 0;
constexpr int kPerfectFifthOffset = 7;
constexpr int kNinthOffset = 2;

// Each two-digit entry of a formula text, in order (as FormulaOffsets reads it).
template <typename Visit>
void ForEachOffset(std::string_view formula, Visit visit) {
  for (std::size_t at = 0; at + 1 < formula.size(); at += 3) {
    if (IsAsciiDigit(formula[at]) && IsAsciiDigit(formula[at + 1]))
      visit((formula[at] - '0') * 10 + (formula[at + 1] - '0'));
  }
}

ToneMask MaskOf(std::string_view formula) {
  ToneMask mask = 0;
  ForEachOffset(formula, [&](int offset) { mask |= Bit(WrapPitchClass(offset)); });
  return mask;
}

// The base formula's tones and the added ones; a tone is never in both,
// since the check list adds no entry the formula already holds.
struct Tones {
  ToneMask base = 0;
  ToneMask additions = 0;
};

bool Erase(ToneMask& part, int offset) {
  if ((part & Bit(offset)) == 0) return false;
  part = static_cast<ToneMask>(part & ~Bit(offset));
  return true;
}

int SoundingNotes(const Tones& tones, int root, int bass) {
  return CountTones(Transposed(tones.base | tones.additions, WrapPitchClass(root)) | Bit(bass));
}

// The kept entries of the composed formula, in the order it wrote them.
std::string FormulaText(const ComposedChord& chord, const Tones& tones) {
  std::string text;
  auto keep = [&](ToneMask part) {
    return [&text, part](int offset) {
      if ((part & Bit(WrapPitchClass(offset))) == 0) return;
      if (!text.empty()) text += ' ';
      text += static_cast<char>('0' + offset / 10);
      text += static_cast<char>('0' + offset % 10);
    };
  };
  ForEachOffset(chord.base, keep(tones.base));
  ForEachOffset(TrimBlanks(chord.additions), keep(tones.additions));
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
  Tones tones{MaskOf(chord.base), MaskOf(TrimBlanks(chord.additions))};
  const bool otherBass = chord.bass != chord.root;
  FittedChord fitted;
  OmitAsked(tones, omit, otherBass, fitted.omitted);
  fitted.asked = fitted.omitted.size();
  auto tooMany = [&] { return SoundingNotes(tones, chord.root, chord.bass) > kMostChordNotes; };

  if (tooMany() && Erase(tones.base, kPerfectFifthOffset)) fitted.omitted.emplace_back("5");
  if (tooMany() && chord.impliedNinth && Erase(tones.additions, kNinthOffset))
    fitted.omitted.emplace_back("9");
  if (tooMany() && NamesAThirteenth(chord.ticked)) OmitElevenths(tones, fitted.omitted);
  bool alteredNinth = (tones.additions & (Bit(1) | Bit(3))) != 0;
  if (tooMany() && alteredNinth && Erase(tones.additions, kNinthOffset))
    fitted.omitted.emplace_back("9");
  if (tooMany() && otherBass && Erase(tones.base, kRootOffset)) fitted.omitted.emplace_back("root");

  fitted.formula = FormulaText(chord, tones);
  fitted.notes = SoundingNotes(tones, chord.root, chord.bass);
  return fitted;
}

}  // namespace corvanta
