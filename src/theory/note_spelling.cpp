// Spells chord tones by their degrees.
#include "theory/note_spelling.h"

#include <array>

#include "theory/note_names.h"

namespace corvanta {
namespace {

constexpr std::string_view kLetters = "CDEFGAB";
constexpr std::array<int, 7> kLetterPitchClasses{0, 2, 4, 5, 7, 9, 11};

// The letter's place in kLetters, asked for every note a reading spells.
constexpr std::size_t LetterIndex(char letter) {
  constexpr std::array<std::size_t, 7> kFromA{5, 6, 0, 1, 2, 3, 4};  // A..G
  return letter >= 'A' && letter <= 'G' ? kFromA[static_cast<std::size_t>(letter - 'A')]
                                        : std::string_view::npos;
}
static_assert(LetterIndex('C') == 0 && LetterIndex('B') == 6 &&
              LetterIndex('H') == std::string_view::npos);

}  // namespace

std::string SpellDegree(std::string_view rootName, int semitones, int degree, bool flats) {
  const int rootPitchClass = PitchClassOfName(rootName);
  const int target = WrapPitchClass(rootPitchClass + semitones);
  auto plain = [&] {
    return std::string(NoteNamesFor(flats ? Accidentals::Flats : Accidentals::Sharps)[target]);
  };
  std::size_t letter = rootName.empty() ? std::string_view::npos : LetterIndex(rootName[0]);
  if (rootPitchClass == kNoPitchClass || letter == std::string_view::npos || degree < 1)
    return plain();
  std::size_t degreeLetter = (letter + static_cast<std::size_t>(degree - 1)) % kLetters.size();
  int natural = kLetterPitchClasses[degreeLetter];
  int shift = WrapPitchClass(target - natural);
  if (shift > 6) shift -= kPitchClassCount;  // -5..6: below or above the letter
  std::string name(1, kLetters[degreeLetter]);
  if (shift == 1) return name + "#";
  if (shift == -1) return name + "b";
  if (shift == 0) return name;
  return plain();
}

int LetterPitchClass(char letter) {
  std::size_t at = LetterIndex(letter);
  return at == std::string_view::npos ? kNoPitchClass : kLetterPitchClasses[at];
}

int PitchClassOfSpelling(std::string_view note) {
  int pitchClass = note.empty() ? kNoPitchClass : LetterPitchClass(note[0]);
  if (pitchClass == kNoPitchClass) return kNoPitchClass;
  for (char sign : note.substr(1)) {
    if (sign != '#' && sign != 'b') return kNoPitchClass;
    pitchClass += sign == '#' ? 1 : -1;
  }
  return WrapPitchClass(pitchClass);
}

std::string_view PreferredRootName(int pitchClass, bool minor) {
  // Major keys: Db (5 flats) before C# (7 sharps), Ab before G#, F# by habit.
  static constexpr NoteNameRow kMajorRoots{"C",  "Db", "D",  "Eb", "E",  "F",
                                           "F#", "G",  "Ab", "A",  "Bb", "B"};
  // Minor keys: C#m (4 sharps) before Dbm, G#m before Abm, Bbm before A#m.
  static constexpr NoteNameRow kMinorRoots{"C",  "C#", "D",  "Eb", "E",  "F",
                                           "F#", "G",  "G#", "A",  "Bb", "B"};
  if (pitchClass < 0 || pitchClass >= kPitchClassCount) return {};
  return (minor ? kMinorRoots : kMajorRoots)[pitchClass];
}

}  // namespace corvanta
