// Nashville numbers and Roman numerals: chords named by their degree in the key.
#include "song/chord_numbers.h"

#include <array>
#include <cctype>
#include <vector>

#include "song/chord_words.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

// Each semitone above the tonic as a degree: its accidental and number, as
// musicians write the chromatic ones (b2, b3, b5, b6, b7).
struct Degree {
  const char* accidental;
  int number;  // 1..7
};
constexpr std::array<Degree, 12> kDegrees{{{"", 1},
                                           {"b", 2},
                                           {"", 2},
                                           {"b", 3},
                                           {"", 3},
                                           {"", 4},
                                           {"b", 5},
                                           {"", 5},
                                           {"b", 6},
                                           {"", 6},
                                           {"b", 7},
                                           {"", 7}}};
constexpr std::array<int, 7> kMajorSteps{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<const char*, 7> kRoman{"I", "II", "III", "IV", "V", "VI", "VII"};

std::string DegreeText(int semitones, ChordNumbers numbers, bool lower) {
  const Degree& degree = kDegrees[static_cast<std::size_t>(WrapPitchClass(semitones))];
  std::string text = degree.accidental;
  if (numbers == ChordNumbers::Nashville) return text + std::to_string(degree.number);
  std::string roman = kRoman[static_cast<std::size_t>(degree.number - 1)];
  if (lower)
    for (char& c : roman) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text + roman;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The root and slash bass of a symbol: their lengths and the quality between.
struct Parts {
  std::string_view root, quality, bass;
};
std::optional<Parts> Split(std::string_view symbol) {
  const std::size_t root = song_text::LeadingNoteName(symbol);
  if (root == 0) return std::nullopt;
  Parts parts{symbol.substr(0, root), symbol.substr(root), {}};
  const std::size_t slash = parts.quality.rfind('/');
  if (slash != std::string_view::npos && slash + 1 < parts.quality.size() &&
      song_text::LeadingNoteName(parts.quality.substr(slash + 1)) ==
          parts.quality.size() - slash - 1) {
    parts.bass = parts.quality.substr(slash + 1);
    parts.quality = parts.quality.substr(0, slash);
  }
  return parts;
}

// A degree at the start of `text` (an accidental, then a digit 1..7 or a
// Roman numeral): its semitones above the tonic, its length, and whether the
// numeral was lowercase.
struct ReadDegree {
  int semitones = 0;
  std::size_t length = 0;
  bool lower = false;
};
std::optional<ReadDegree> ReadDegreeAt(std::string_view text) {
  ReadDegree read;
  int shift = 0;
  if (!text.empty() && (text[0] == 'b' || text[0] == '#')) {
    shift = text[0] == 'b' ? -1 : 1;
    read.length = 1;
  }
  const std::string_view rest = text.substr(read.length);
  int number = 0;
  if (!rest.empty() && rest[0] >= '1' && rest[0] <= '7') {
    number = rest[0] - '0';
    read.length += 1;
  } else {
    for (int n = 7; n >= 1 && number == 0; --n) {
      const std::string upper = kRoman[static_cast<std::size_t>(n - 1)];
      std::string lower = upper;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (StartsWith(rest, upper) || StartsWith(rest, lower)) {
        number = n;
        read.lower = StartsWith(rest, lower);
        read.length += upper.size();
      }
    }
  }
  if (number == 0) return std::nullopt;
  read.semitones = kMajorSteps[static_cast<std::size_t>(number - 1)] + shift;
  return read;
}

}  // namespace

std::optional<ChordNumbers> ParseChordNumbers(std::string_view text) {
  if (text == "nashville") return ChordNumbers::Nashville;
  if (text == "roman") return ChordNumbers::Roman;
  if (text == "letters" || text == "standard") return ChordNumbers::Letters;
  return std::nullopt;
}

std::string NumberedSymbol(std::string_view symbol, const SongKey& key, ChordNumbers numbers) {
  const std::optional<Parts> parts = Split(symbol);
  if (numbers == ChordNumbers::Letters || !parts) return std::string(symbol);
  const int root = PitchClassOfName(parts->root);
  if (root == kNoPitchClass) return std::string(symbol);
  std::string quality(parts->quality);
  bool lower = false;
  if (numbers == ChordNumbers::Roman) {
    // A Roman numeral shows minor and diminished by its case.
    if (StartsWith(quality, "m7b5")) {
      lower = true, quality = "\u00f87" + quality.substr(4);
    } else if (StartsWith(quality, "dim")) {
      lower = true, quality = "\u00b0" + quality.substr(3);
    } else if (StartsWith(quality, "m") && !StartsWith(quality, "maj")) {
      lower = true, quality = quality.substr(1);
    }
  }
  std::string text = DegreeText(root - key.tonic, numbers, lower) + quality;
  if (!parts->bass.empty()) {
    const int bass = PitchClassOfName(parts->bass);
    if (bass != kNoPitchClass) text += "/" + DegreeText(bass - key.tonic, numbers, false);
  }
  return text;
}

std::optional<std::string> SymbolOfNumber(std::string_view text, const SongKey& key) {
  const std::optional<ReadDegree> root = ReadDegreeAt(text);
  if (!root) return std::nullopt;
  const NoteNameRow names = KeyNoteNames(key);
  auto name = [&](int semitones) {
    return std::string(names[static_cast<std::size_t>(WrapPitchClass(key.tonic + semitones))]);
  };
  std::string_view rest = text.substr(root->length);
  std::string bass;
  if (const std::size_t slash = rest.rfind('/'); slash != std::string_view::npos) {
    const std::optional<ReadDegree> degree = ReadDegreeAt(rest.substr(slash + 1));
    if (!degree || degree->length != rest.size() - slash - 1) return std::nullopt;
    bass = "/" + name(degree->semitones);
    rest = rest.substr(0, slash);
  }
  std::string quality(rest);
  if (StartsWith(quality, "-")) quality = "m" + quality.substr(1);  // Nashville's minor
  if (root->lower) {
    if (StartsWith(quality, "\u00b0")) {
      quality = "dim" + quality.substr(2);
    } else if (StartsWith(quality, "\u00f8")) {
      quality = "m7b5" + quality.substr(3);
    } else {
      quality = "m" + quality;
    }
  }
  const std::string symbol = name(root->semitones) + quality + bass;
  if (!ReadSongSymbol(symbol).read) return std::nullopt;
  return symbol;
}

int ReadNumberedChords(Song& song) {
  const std::optional<SongKey> key = ParseSongKey(song.key);
  if (!key || song.chords.empty()) return 0;
  std::vector<std::optional<std::string>> letters;
  std::size_t numbered = 0;
  for (const SongChord& chord : song.chords) {
    letters.push_back(chord.noChord ? std::nullopt : SymbolOfNumber(chord.written, *key));
    numbered += letters.back().has_value();
  }
  if (2 * numbered <= song.chords.size()) return 0;
  for (std::size_t i = 0; i < song.chords.size(); ++i) {
    if (!letters[i]) continue;
    SongChord& chord = song.chords[i];
    const ReadSymbol read = ReadSongSymbol(*letters[i]);
    chord.written = chord.text = *letters[i];
    chord.read = read.read;
    chord.chord = read.chord;
    chord.problem.clear();
  }
  return static_cast<int>(numbered);
}

}  // namespace corvanta
