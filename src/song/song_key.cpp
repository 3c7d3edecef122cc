// Detects a song's key and spells notes in it.
#include "song/song_key.h"

#include <algorithm>
#include <cmath>

#include "song/song_text.h"
#include "theory/formula.h"

namespace corvanta {
namespace {

// Every note name by letter (C D E F G A B) and accidental (flat, none,
// sharp). E# and B# are left out: chord symbols do not use them.
constexpr std::array<std::array<std::string_view, 3>, 7> kLetterNames{{{"Cb", "C", "C#"},
                                                                       {"Db", "D", "D#"},
                                                                       {"Eb", "E", ""},
                                                                       {"Fb", "F", "F#"},
                                                                       {"Gb", "G", "G#"},
                                                                       {"Ab", "A", "A#"},
                                                                       {"Bb", "B", ""}}};
constexpr std::array<int, 7> kLetterPitches{0, 2, 4, 5, 7, 9, 11};

// The letter (steps above the tonic's) each semitone above the tonic is
// written on: the scale's own notes, and for the others the spelling of
// the chords that bring them (a major key's V of ii has its #1, V of V its
// #4, the flat side bIII, bVI, bVII; a minor key's V its #7, its IV and V
// of V the #6 and #4, the Neapolitan its b2).
constexpr std::array<int, kPitchClassCount> kMajorLetters{0, 0, 1, 2, 2, 3, 3, 4, 5, 5, 6, 6};
constexpr std::array<int, kPitchClassCount> kMinorLetters{0, 1, 1, 2, 2, 3, 3, 4, 5, 5, 6, 6};

// Whether the major key at each pitch class is written with flats (F, Bb,
// Eb, Ab, Db; Gb only when asked).
constexpr std::array<bool, kPitchClassCount> kMajorFlats{false, true,  false, true,  false, true,
                                                         false, false, true,  false, true,  false};

// Scale degrees (semitones from the tonic) and the quality of the triad on
// each, for the diatonic chords of a major and a minor key (the minor with
// the harmonic V).
enum class Quality { Major, Minor, Diminished, Other };
struct Degree {
  int offset;
  Quality quality;
};
constexpr std::array<Degree, 7> kMajorDegrees{{{0, Quality::Major},
                                               {2, Quality::Minor},
                                               {4, Quality::Minor},
                                               {5, Quality::Major},
                                               {7, Quality::Major},
                                               {9, Quality::Minor},
                                               {11, Quality::Diminished}}};
constexpr std::array<Degree, 8> kMinorDegrees{{{0, Quality::Minor},
                                               {2, Quality::Diminished},
                                               {3, Quality::Major},
                                               {5, Quality::Minor},
                                               {7, Quality::Minor},
                                               {7, Quality::Major},
                                               {8, Quality::Major},
                                               {10, Quality::Major}}};

// A chord of the key on its own quality scores 1, on the key's note but
// another quality 0.3, and the tonic chord first or last 1.5 more.
constexpr double kDiatonic = 1.0;
constexpr double kOnScale = 0.3;
constexpr double kTonicAtEdge = 1.5;

// The signed semitones, -6..5, from one pitch class to another.
int NearestShiftOf(int from, int to) {
  const int up = WrapPitchClass(to - from);
  return up > 5 ? up - 12 : up;
}

Quality QualityOf(const Chord& chord) {
  std::uint16_t tones = 0;
  for (int offset : FormulaOffsets(chord.formula)) tones |= std::uint16_t(1u << (offset % 12));
  const bool minorThird = tones & (1u << 3), majorThird = tones & (1u << 4);
  if (majorThird) return Quality::Major;
  if (minorThird && (tones & (1u << 6)) && !(tones & (1u << 7))) return Quality::Diminished;
  if (minorThird) return Quality::Minor;
  return Quality::Other;
}

template <std::size_t N>
double ChordScore(const std::array<Degree, N>& degrees, int offset, Quality quality) {
  double best = 0;
  for (const Degree& degree : degrees) {
    if (degree.offset != offset) continue;
    best = std::max(best,
                    degree.quality == quality || quality == Quality::Other ? kDiatonic : kOnScale);
  }
  return best;
}

double KeyScore(const SongKey& key, const std::vector<const Chord*>& chords) {
  double score = 0;
  for (std::size_t i = 0; i < chords.size(); ++i) {
    const int offset = WrapPitchClass(chords[i]->root - key.tonic);
    const Quality quality = QualityOf(*chords[i]);
    score += key.minor ? ChordScore(kMinorDegrees, offset, quality)
                       : ChordScore(kMajorDegrees, offset, quality);
    const bool edge = i == 0 || i + 1 == chords.size();
    const Quality tonic = key.minor ? Quality::Minor : Quality::Major;
    if (edge && offset == 0 && quality == tonic) score += kTonicAtEdge;
  }
  return score;
}

}  // namespace

std::optional<SongKey> ParseSongKey(std::string_view text) {
  text = song_text::Trim(text);
  const std::size_t noteLength = song_text::LeadingNoteName(text);
  if (noteLength == 0) return std::nullopt;
  const int tonic = PitchClassOfName(text.substr(0, noteLength));
  if (tonic == kNoPitchClass) return std::nullopt;
  const std::string rest = song_text::Lowercase(song_text::Trim(text.substr(noteLength)));
  bool minor = false;
  if (rest == "m" || rest == "min" || rest == "minor" || rest == "-") {
    minor = true;
  } else if (!(rest.empty() || rest == "maj" || rest == "major")) {
    return std::nullopt;
  }
  return KeyAt(tonic, minor, noteLength == 2 && text[1] == 'b');
}

SongKey KeyAt(int tonic, bool minor, bool preferFlats) {
  SongKey key;
  key.tonic = WrapPitchClass(tonic);
  key.minor = minor;
  // A minor key is spelled as its relative major.
  const int major = minor ? WrapPitchClass(key.tonic + 3) : key.tonic;
  key.flats = major == 6 ? preferFlats : kMajorFlats[static_cast<std::size_t>(major)];
  return key;
}

NoteNameRow KeyNoteNames(const SongKey& key) {
  const NoteNameRow& plain = key.flats ? kFlatNoteNames : kSharpNoteNames;
  // The tonic's letter: its name in the key's own accidentals.
  const int tonicLetter =
      std::string_view("CDEFGAB").find(plain[static_cast<std::size_t>(key.tonic)][0]);
  const std::array<int, kPitchClassCount>& letters = key.minor ? kMinorLetters : kMajorLetters;
  NoteNameRow names{};
  for (int degree = 0; degree < kPitchClassCount; ++degree) {
    const int pitchClass = WrapPitchClass(key.tonic + degree);
    const int letter = (tonicLetter + letters[static_cast<std::size_t>(degree)]) % 7;
    const int accidental =
        NearestShiftOf(kLetterPitches[static_cast<std::size_t>(letter)], pitchClass);
    std::string_view name;
    if (accidental >= -1 && accidental <= 1)
      name =
          kLetterNames[static_cast<std::size_t>(letter)][static_cast<std::size_t>(accidental + 1)];
    // A double accidental or E#/B#: the key's plain name.
    names[static_cast<std::size_t>(pitchClass)] =
        name.empty() ? plain[static_cast<std::size_t>(pitchClass)] : name;
  }
  return names;
}

std::string KeyName(const SongKey& key) {
  const NoteNameRow& names = key.flats ? kFlatNoteNames : kSharpNoteNames;
  return std::string(names[static_cast<std::size_t>(key.tonic)]) + (key.minor ? "m" : "");
}

SongKey TransposedKey(const SongKey& key, int semitones) {
  if (WrapPitchClass(semitones) == 0) return key;
  return KeyAt(key.tonic + semitones, key.minor, key.flats);
}

DetectedKey DetectKey(const std::vector<SongChord>& chords) {
  std::vector<const Chord*> read;
  for (const SongChord& chord : chords)
    if (chord.read) read.push_back(&chord.chord);
  DetectedKey detected;
  if (read.empty()) return detected;
  double best = -1, second = -1;
  for (int minor = 0; minor < 2; ++minor) {
    for (int tonic = 0; tonic < kPitchClassCount; ++tonic) {
      const SongKey key = KeyAt(tonic, minor == 1);
      const double score = KeyScore(key, read);
      if (score > best) {
        second = best, best = score, detected.key = key;
      } else if (score > second) {
        second = score;
      }
    }
  }
  detected.found = true;
  // How much of the song the key explains, and by how much it beats the next.
  const double explained = std::min(1.0, best / (kDiatonic * static_cast<double>(read.size())));
  const double margin = best > 0 ? (best - std::max(0.0, second)) / best : 0;
  detected.confidence = std::round((0.5 * explained + 0.5 * margin) * 100) / 100;
  return detected;
}

}  // namespace corvanta
