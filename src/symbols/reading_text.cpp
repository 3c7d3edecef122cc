// Writes a reading as a chord symbol in either notation.
#include "symbols/reading_text.h"

#include <algorithm>

#include "theory/chord_defaults.h"
#include "theory/note_names.h"
#include "theory/note_spelling.h"

namespace corvanta {
namespace {

// The program's own diminished-seventh word, "º" (U+00BA).
constexpr std::string_view kOwnDiminished = "\xC2\xBA";
constexpr std::string_view kDegreeSign = "\xC2\xB0";  // °

template <typename List>
bool Holds(const List& values, int value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

bool SeventhChord(const ChordReading& reading) {
  return reading.seventh == SeventhKind::Minor || reading.seventh == SeventhKind::Major;
}

// Whether an 11 or 13 may stand for a chord with no ninth: it implies one
// (C13 is read C E G Bb D A), which the reader leaves out again to fit six
// notes only after the unaltered fifth. Where the fifth sounds beside five
// other notes, the implied ninth would push it out: the chord is then
// written as a seventh with its tensions (Am7(11,13)/G), so that its name
// reads back as the notes that sound.
bool MayImplyTheNinth(const ChordReading& reading) {
  if (Holds(reading.tensions, 2)) return true;  // no ninth to imply
  return reading.fifth != FifthKind::Perfect ||
         reading.Tones().size() < static_cast<std::size_t>(kMostChordNotes);
}

// The natural tension a seventh chord is named by: 13 over 11 over 9.
int ExtensionNumber(const ChordReading& reading) {
  if (!SeventhChord(reading)) return 0;
  // Beside an altered ninth the natural one is written as a tension (C7(b9,9)).
  bool alteredNinth = Holds(reading.tensions, 1) || Holds(reading.tensions, 3);
  // An altered ninth replaces the one an 11 or 13 implies (C13b9).
  const bool mayImply = alteredNinth || MayImplyTheNinth(reading);
  if (Holds(reading.tensions, 9) && mayImply) return 13;
  if (Holds(reading.tensions, 5) && reading.third != ThirdKind::Major && mayImply) return 11;
  if (Holds(reading.tensions, 2) && !alteredNinth) return 9;
  return 7;
}

// A natural tension written as one (an added 9, 11 or 13 beside a seventh):
// in parentheses, as "C711" would read as an eleventh chord.
bool NaturalTension(std::string_view text) { return text == "9" || text == "11" || text == "13"; }

// Tensions a seventh chord's number does not name, as written after it.
std::string_view TensionText(int tension) {
  switch (tension) {
    case 1:
      return "b9";
    case 2:
      return "9";
    case 3:
      return "#9";
    case 5:
      return "11";
    case 6:
      return "#11";
    case 8:
      return "b13";
    case 9:
      return "13";
    default:
      return "maj7";
  }
}

// The natural tensions added to a chord with no seventh.
std::string_view AddedText(int tension) {
  return tension == 2 ? "add9" : tension == 5 ? "add11" : "add13";
}

bool Flats(std::string_view rootName) { return rootName.find('b') != std::string_view::npos; }

std::string WriteStandard(const ChordReading& reading, std::string_view root) {
  std::string name(root);
  const int extension = ExtensionNumber(reading);
  SmallList<std::string_view, 10> alterations;
  SmallList<std::string_view, 8> additions;
  bool plainFifth = true;
  if (reading.Diminished() && reading.seventh == SeventhKind::None) {
    name.append(kDegreeSign);
  } else if (reading.Diminished() && reading.seventh == SeventhKind::Diminished) {
    name.append(kDegreeSign).append("7");
  } else if (reading.Augmented() && reading.seventh == SeventhKind::None) {
    name += "+";
  } else {
    plainFifth = false;
    if (reading.third == ThirdKind::Minor) name += "m";
  }
  if (reading.Power()) return name + "5";
  // The seventh and the number that names the chord's extensions.
  std::string number = extension > 0 ? std::to_string(extension) : "";
  if (reading.seventh == SeventhKind::Major) {
    name += reading.third == ThirdKind::Minor ? "(maj" + number + ")" : "maj" + number;
  } else if (reading.seventh == SeventhKind::Minor) {
    name += number;
  } else if (reading.seventh == SeventhKind::Sixth) {
    name += "6";
  }
  if (!plainFifth && reading.fifth == FifthKind::Flat) alterations.push_back("b5");
  if (!plainFifth && reading.fifth == FifthKind::Sharp) alterations.push_back("#5");
  const bool sixNine = reading.seventh == SeventhKind::Sixth && Holds(reading.tensions, 2);
  if (sixNine) name += "/9";
  for (int tension : reading.tensions) {
    // A 13 implies the ninth but not the eleventh (players leave it out of
    // a dominant 13), so an eleventh beside a 13 is written.
    // Beside an altered ninth the natural one is written too: a 9, 11 or 13
    // then reads as implying only the altered one (C13b9).
    const bool alteredNinth = Holds(reading.tensions, 1) || Holds(reading.tensions, 3);
    bool named = (tension == 2 && !alteredNinth && (extension >= 9 || sixNine)) ||
                 (tension == 5 && extension == 11) || (tension == 9 && extension == 13);
    if (named) continue;
    bool natural = tension == 2 || tension == 5 || tension == 9;
    if (!SeventhChord(reading) && natural) {
      additions.push_back(AddedText(tension));
    } else {
      alterations.push_back(TensionText(tension));
    }
  }
  if (reading.third == ThirdKind::Sus4) name += "sus4";
  if (reading.third == ThirdKind::Sus2) name += "sus2";
  for (std::string_view addition : additions) name += addition;
  if (alterations.size() == 1 && !NaturalTension(alterations.front()) &&
      (SeventhChord(reading) || reading.seventh == SeventhKind::Sixth)) {
    name += alterations.front();
  } else if (!alterations.empty()) {
    name += "(";
    for (std::size_t i = 0; i < alterations.size(); ++i) {
      if (i > 0) name += ',';
      name += alterations[i];
    }
    name += ")";
  }
  if (reading.third == ThirdKind::None && !reading.Power()) name += "(no3)";
  return name;
}

// Semitones of the seventh (or the sixth in its place) above the root; -1 for none.
int SeventhSemitones(const ChordReading& reading) {
  switch (reading.seventh) {
    case SeventhKind::Minor:
      return 10;
    case SeventhKind::Major:
      return 11;
    case SeventhKind::Sixth:
      return 9;
    default:
      return -1;
  }
}

// The degree list holds six notes, five beside a bass of its own even when
// the bass is a chord tone, and its words always bring the fifth. A chord
// that would pass that limit leaves to the bass the tone the bass sounds:
// its word is not written (Am/11/13/G: the G of the seventh is the bass)
// or, for a third or fifth, which every word brings, it is said
// ("(no5)", "(no3)"); an unsounding fifth is said so too. Its words then
// read back as its notes.
struct ClassicFit {
  int unwritten = -1;       // semitones above the root of the tone left to the bass
  std::string omissions{};  // "(no5)", "(no3)" or empty
};

ClassicFit FitClassicWords(const ChordReading& reading) {
  ClassicFit fit;
  const std::size_t limit = static_cast<std::size_t>(
      reading.bass == reading.root ? kMostChordNotes : kMostChordNotes - 1);
  std::size_t notes = reading.Tones().size() - (reading.bassOutside ? 1 : 0);
  const bool impliedFifth = reading.fifth == FifthKind::Omitted && !reading.Power();
  if (impliedFifth) ++notes;
  std::vector<std::string_view> said;
  if (notes > limit && impliedFifth) {
    said.push_back("no5");
    --notes;
  }
  if (notes > limit && !reading.bassOutside) {
    for (ChordReading::Tone tone : reading.Tones()) {
      if (tone.degree == 1 || WrapPitchClass(reading.root + tone.semitones) != reading.bass)
        continue;
      if (tone.degree == 3) {
        said.insert(said.begin(), "no3");
      } else if (tone.degree == 5) {
        said.push_back("no5");
      } else if (reading.seventh != SeventhKind::Diminished) {
        fit.unwritten = tone.semitones;
      }
      break;
    }
  }
  if (said.empty()) return fit;
  fit.omissions = "(";
  for (std::size_t i = 0; i < said.size(); ++i)
    fit.omissions.append(i > 0 ? "," : "").append(said[i]);
  fit.omissions += ")";
  return fit;
}

// The program's words: each readable by its symbol reader.
std::string WriteClassic(const ChordReading& reading, std::string_view root) {
  const ClassicFit fit = FitClassicWords(reading);
  std::vector<std::string> words;
  if (reading.Power()) words.emplace_back("5");
  if (reading.seventh == SeventhKind::Diminished && reading.Diminished()) {
    words.emplace_back(kOwnDiminished);
  } else if (!reading.Power()) {
    if (reading.third == ThirdKind::Minor) words.emplace_back("m");
    if (reading.third == ThirdKind::Sus4) words.emplace_back("sus4");
    if (reading.third == ThirdKind::Sus2) words.emplace_back("sus2");
    if (reading.third == ThirdKind::None) words.emplace_back("5");
    const bool seventhWritten = fit.unwritten < 0 || fit.unwritten != SeventhSemitones(reading);
    if (seventhWritten && reading.seventh == SeventhKind::Minor) words.emplace_back("7");
    if (seventhWritten && reading.seventh == SeventhKind::Major) words.emplace_back("7+");
    if (seventhWritten && reading.seventh == SeventhKind::Sixth) words.emplace_back("6");
    if (reading.fifth == FifthKind::Flat) words.emplace_back("b5");
    if (reading.fifth == FifthKind::Sharp) words.emplace_back("5+");
  }
  static constexpr std::pair<int, std::string_view> kWords[] = {
      {1, "b9"}, {2, "9"}, {3, "9+"}, {5, "11"}, {6, "11+"}, {8, "b13"}, {9, "13"}, {11, "7+"}};
  for (int tension : reading.tensions) {
    if (tension == fit.unwritten) continue;
    for (auto [semitones, word] : kWords) {
      if (semitones != tension) continue;
      // Without a seventh a natural ninth is the added one ("add9").
      bool added = tension == 2 && !SeventhChord(reading) && reading.seventh != SeventhKind::Sixth;
      words.emplace_back(added ? "add9" : word);
    }
  }
  std::string name(root);
  for (std::size_t i = 0; i < words.size(); ++i) {
    // A "b" word is written after a slash so that "C/b9" does not read "Cb9".
    if (i > 0 || words[i].front() == 'b') name += "/";
    name += words[i];
  }
  return name + fit.omissions;
}

// The bass is spelled as the first of the chord's tones on its pitch class.
bool IsBass(const ChordReading& reading, ChordReading::Tone tone) {
  return WrapPitchClass(reading.root + tone.semitones) == reading.bass;
}

}  // namespace

std::string ReadingRootName(const ChordReading& reading, std::string_view rootName) {
  if (!rootName.empty() && PitchClassOfName(rootName) == reading.root) return std::string(rootName);
  return std::string(PreferredRootName(reading.root, reading.third == ThirdKind::Minor));
}

namespace {

std::string BassNameOnRoot(const ChordReading& reading, const ChordReading::ToneList& tones,
                           std::string_view root) {
  for (ChordReading::Tone tone : tones) {
    // A bass outside the chord (degree 0) is named in the root's accidentals.
    if (IsBass(reading, tone)) return SpellDegree(root, tone.semitones, tone.degree, Flats(root));
  }
  return {};
}

}  // namespace

std::vector<std::string> ReadingNotes(const ChordReading& reading, std::string_view rootName) {
  const std::string root = ReadingRootName(reading, rootName);
  const ChordReading::ToneList tones = reading.Tones();
  std::vector<std::string> notes;
  notes.reserve(tones.size());
  notes.push_back(BassNameOnRoot(reading, tones, root));
  bool bassSeen = false;
  for (ChordReading::Tone tone : tones) {
    if (!bassSeen && IsBass(reading, tone)) {
      bassSeen = true;
      continue;
    }
    notes.push_back(SpellDegree(root, tone.semitones, tone.degree, Flats(root)));
  }
  return notes;
}

std::string ReadingBassName(const ChordReading& reading, std::string_view rootName) {
  return BassNameOnRoot(reading, reading.Tones(), ReadingRootName(reading, rootName));
}

std::string WriteReading(const ChordReading& reading, ChordNotation notation,
                         std::string_view rootName) {
  const std::string root = ReadingRootName(reading, rootName);
  if (reading.SingleNote()) return root;
  std::string name = notation == ChordNotation::Standard ? WriteStandard(reading, root)
                                                         : WriteClassic(reading, root);
  if (reading.rootless) name += "(no root)";
  if (reading.bass != reading.root) {
    name += '/';
    name += BassNameOnRoot(reading, reading.Tones(), root);
  }
  return name;
}

}  // namespace corvanta
