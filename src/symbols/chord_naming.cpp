// Names a Chord's notes and writes its symbol in either notation.
#include "symbols/chord_naming.h"

#include "symbols/reading_text.h"
#include "theory/formula.h"
#include "theory/note_spelling.h"
#include "theory/text_util.h"

namespace corvanta {

ChordReading ChordReadingOnRoot(const Chord& chord) {
  std::vector<int> intervals = FormulaOffsets(TrimBlanks(chord.formula));
  return ReadChordOnRoot(intervals, chord.root, chord.bass);
}

std::vector<std::string> ChordNoteNames(const Chord& chord) {
  if (chord.root >= kPitchClassCount) return {};  // no root, no chord to spell
  const ChordReading reading = ChordReadingOnRoot(chord);
  std::vector<std::string> names = ReadingNotes(reading, ChordRootName(chord));
  if (reading.bassOutside && chord.bass < kPitchClassCount)
    names.front() = NoteNameOf(chord.bassSpelling, chord.bass);
  return names;
}

std::array<std::string, kPitchClassCount> ChordSpelling(const Chord& chord) {
  std::array<std::string, kPitchClassCount> names;
  for (int pitchClass = 0; pitchClass < kPitchClassCount; ++pitchClass)
    names[pitchClass] = NoteNameOf(chord.spelling, pitchClass);
  for (const std::string& name : ChordNoteNames(chord)) {
    int pitchClass = PitchClassOfSpelling(name);
    if (pitchClass != kNoPitchClass) names[pitchClass] = name;
  }
  return names;
}

std::vector<ChordReading> ChordReadingsOf(const Chord& chord) {
  if (chord.root >= kPitchClassCount || chord.bass >= kPitchClassCount) return {};
  std::vector<int> pitchClasses;
  for (int offset : FormulaOffsets(TrimBlanks(chord.formula)))
    pitchClasses.push_back(WrapPitchClass(chord.root + offset));
  return ReadChord(pitchClasses, chord.bass);
}

std::string_view ChordRootName(const Chord& chord) {
  return NoteNameOf(chord.spelling, chord.root);
}

std::string BestChordName(const Chord& chord, ChordNotation notation) {
  const std::vector<ChordReading> readings = ChordReadingsOf(chord);
  return readings.empty() ? std::string()
                          : WriteReading(readings.front(), notation, ChordRootName(chord));
}

std::string ChordSymbolText(const Chord& chord, ChordNotation notation) {
  const bool named = chord.root < kPitchClassCount && chord.bass < kPitchClassCount;
  if (notation == ChordNotation::Classic || !named) return chord.symbol;
  const ChordReading reading = ChordReadingOnRoot(chord);
  std::string text = WriteReading(reading, notation, ChordRootName(chord));
  // The box says what its chord leaves out, so that reading it again gives
  // the same chord ("C7(no5)").
  if (reading.fifth == FifthKind::Omitted && !reading.Power()) {
    std::size_t slash = reading.bass != reading.root ? text.rfind('/') : std::string::npos;
    text.insert(slash == std::string::npos ? text.size() : slash, "(no5)");
  }
  return text;
}

}  // namespace corvanta
