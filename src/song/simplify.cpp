// Simpler chords of the same function for a beginner.
#include "song/simplify.h"

#include "song/chord_words.h"
#include "song/song_text.h"
#include "theory/formula.h"

namespace corvanta {
namespace {

// The chord's tones above its root, as a set of semitones 0..11.
struct Tones {
  bool has[12] = {};
  explicit Tones(const Chord& chord) {
    for (int offset : FormulaOffsets(chord.formula)) has[offset % 12] = true;
  }
};

// The suffix after the root of the plainer chord, or nullptr when the chord
// keeps its own (diminished, half diminished, augmented, power chords).
const char* PlainerSuffix(const Chord& chord) {
  const Tones t(chord);
  const bool major3 = t.has[4], minor3 = t.has[3] && !t.has[4];
  const bool flat5 = t.has[6] && !t.has[7], sharp5 = t.has[8] && !t.has[7];
  const bool flat7 = t.has[10];
  if (minor3 && flat5) return nullptr;             // dim, m7b5, dim7
  if (major3 && sharp5 && !flat7) return nullptr;  // aug
  if (major3) return flat7 ? "7" : "";
  if (minor3) return "m";
  if (t.has[5]) return "sus4";
  if (t.has[2]) return "sus2";
  return nullptr;  // a power chord, or the root alone
}

}  // namespace

std::string SimplifiedSymbol(std::string_view text, const Chord& chord) {
  const std::size_t root = song_text::LeadingNoteName(text);
  const char* suffix = PlainerSuffix(chord);
  if (root == 0) return std::string(text);
  std::string plainer = std::string(text.substr(0, root));
  if (suffix) {
    plainer += suffix;
  } else {
    // Its own quality kept; only a slash bass dropped.
    const std::string_view rest = text.substr(root);
    const std::size_t slash = rest.rfind('/');
    const bool bass =
        slash != std::string_view::npos &&
        song_text::LeadingNoteName(rest.substr(slash + 1)) == rest.size() - slash - 1 &&
        slash + 1 < rest.size();
    plainer += bass ? rest.substr(0, slash) : rest;
  }
  // A symbol that does not read back as a chord stays as written.
  return ReadSongSymbol(plainer).read ? plainer : std::string(text);
}

int SimplifySong(Song& song) {
  int changed = 0;
  for (SongChord& chord : song.chords) {
    if (!chord.read) continue;
    const std::string plainer = SimplifiedSymbol(chord.text, chord.chord);
    if (plainer == chord.text) continue;
    const ReadSymbol read = ReadSongSymbol(plainer);
    chord.text = plainer;
    chord.chord = read.chord;
    ++changed;
  }
  return changed;
}

}  // namespace corvanta
