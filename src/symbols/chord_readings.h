// The readings of a chord: root, third, fifth, seventh, tensions, bass.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace corvanta {

// A list of at most N values held in place: every reading of a chord is
// built and written many times, and its few tones need no allocation.
template <typename T, std::size_t N>
class SmallList {
 public:
  SmallList() = default;
  SmallList(std::initializer_list<T> values) {
    for (const T& value : values) push_back(value);
  }
  void push_back(const T& value) { values_[size_++] = value; }  // never more than N
  const T* begin() const { return values_.data(); }
  const T* end() const { return values_.data() + size_; }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T& front() const { return values_[0]; }
  const T& operator[](std::size_t i) const { return values_[i]; }
  friend bool operator==(const SmallList& a, const SmallList& b) {
    if (a.size_ != b.size_) return false;
    for (std::size_t i = 0; i < a.size_; ++i) {
      if (!(a.values_[i] == b.values_[i])) return false;
    }
    return true;
  }

 private:
  std::array<T, N> values_{};
  std::size_t size_ = 0;
};

// One way to read a set of sounding pitch classes as a chord: a root, what
// stands on it (third, fifth, seventh or sixth, tensions) and the bass.
enum class ThirdKind { Major, Minor, Sus2, Sus4, None };
enum class FifthKind { Perfect, Flat, Sharp, Omitted };
enum class SeventhKind { None, Minor, Major, Diminished, Sixth };

struct ChordReading {
  int root = 0;  // pitch classes
  int bass = 0;
  ThirdKind third = ThirdKind::Major;
  FifthKind fifth = FifthKind::Perfect;
  SeventhKind seventh = SeventhKind::None;
  // Tensions in semitones above the root, low to high by degree: 1 (b9),
  // 2 (9), 3 (#9), 5 (11), 6 (#11), 8 (b13), 9 (13).
  SmallList<int, 8> tensions;
  // The bass stands under the chord as a tone of its own (C/D), not one of
  // the chord's tones (C/E).
  bool bassOutside = false;
  // The root does not sound: a rootless voicing (E G Bb D as C9), read only
  // where a third, a seventh and a tension stand on it.
  bool rootless = false;
  double cost = 0;  // lower reads as a musician would name it first

  bool Diminished() const { return third == ThirdKind::Minor && fifth == FifthKind::Flat; }
  bool Augmented() const { return third == ThirdKind::Major && fifth == FifthKind::Sharp; }
  bool Power() const {
    return third == ThirdKind::None && fifth == FifthKind::Perfect &&
           seventh == SeventhKind::None && tensions.empty();
  }
  // One note alone (every string on the same pitch class): no chord, and
  // named by its note name, not as a power chord or a chord without its third.
  bool SingleNote() const {
    return third == ThirdKind::None && fifth == FifthKind::Omitted &&
           seventh == SeventhKind::None && tensions.empty() && !bassOutside && !rootless;
  }
  // Every tone of the chord: semitones above the root and the degree it is
  // (1, 3, 5, 7, 6, 9, 11, 13; 2 and 4 for a suspension), root first, then
  // third, fifth, seventh and tensions; the bass only when outside (degree 0).
  struct Tone {
    int semitones;
    int degree;
  };
  // Root, third, fifth, seventh, eight tensions and a bass at the most.
  using ToneList = SmallList<Tone, 12>;
  ToneList Tones() const;
  std::vector<int> Intervals() const;
  // The tones a chord of this kind would have that do not sound: "root",
  // "3" (neither third nor suspension), "5".
  std::vector<std::string> Omitted() const;
};

// Every reading of the sounding pitch classes over the bass, ranked as a
// musician would name the chord. The ranking, each rule with its reason:
// - the bass as root first: a chord is heard from its bass (G before Bm/5+/G);
// - plain triads and the common sevenths (7, maj7, m7) before sixths, sus
//   and diminished or augmented chords (C6 before Am7/C, Am7 before C6/A);
// - fewer and natural tensions before altered ones: 9 before b9 or #9, one
//   alteration before two (E7#9 reads as such, not as a slash chord);
// - a reading with its third before one without (sus2/sus4 where the
//   second or fourth stands in for it, "(no3)" last);
// - a bass that is not the root reads as the simplest chord over it, the
//   bass a chord tone where one fits (G/B, Am7/G, D/F#), else outside (C/D);
// - a plain triad over a bass outside it is the commonest slash chord
//   (Eb/Ab before Absus2 with a major seventh), and a tension in the bass
//   of a chord with no seventh reads as that triad over it (Bb/C, not
//   Bbadd9/C, beside C9sus4);
// - the 6/9 is a chord of its own (C6/9/G before Am11/G), and an augmented
//   triad takes no added tone (Cm(maj7)/G before G+ with an eleventh);
// - a missing fifth costs little: players leave it out;
// - rootless readings (a third, a seventh and a tension over a root that
//   does not sound) come after every reading with its root.
// Ties keep the root order from the bass up. pitchClasses holds 0..11
// values in any order (repeats ignored); an empty set has no readings.
std::vector<ChordReading> ReadChord(std::span<const int> pitchClasses, int bass);

// The readings as the players of an instrument name the chord it sounds.
// Players of an instrument with no bass string (ukulele, mandolin, banjo)
// name the chord, not its inversion: there, when the lowest pitch is not
// the best reading's root, the best reading standing on its own root comes
// first (the ukulele's 2 0 1 0, A C F over C, is "F"), the readings over
// the sounding bass after it ("F/C" second). Elsewhere ReadChord's list.
std::vector<ChordReading> ReadChordAsPlayed(std::span<const int> pitchClasses, int bass,
                                            bool anyInversion);

// The reading of a chord whose root is known (a typed symbol, the grids):
// its tones in semitones above the root (0..11, the root need not be among
// them) and the bass, outside the chord when none of its tones.
ChordReading ReadChordOnRoot(std::span<const int> intervals, int root, int bass);

}  // namespace corvanta
