// Detects a song's key and spells notes in it.
#include "song/song_key.h"

#include <algorithm>

#include "song/song_text.h"

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

// The signed semitones, -6..5, from one pitch class to another.
int NearestShiftOf(int from, int to) {
  const int up = WrapPitchClass(to - from);
  return up > 5 ? up - 12 : up;
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

}  // namespace corvanta
