// Reads a chord as played: ranked readings by root, quality and tensions.
#include "symbols/chord_readings.h"

#include <algorithm>
#include <array>
#include <optional>

#include "theory/note_names.h"

namespace corvanta {
namespace {

// The costs a reading adds up; see ReadChord for the rules they serve.
struct ReadingCosts {
  double minor = 0.2;
  double sus4 = 1.4;
  double sus2 = 1.8;
  double noThird = 4.0;
  double power = 0.8;
  double diminishedTriad = 1.5;
  double augmentedTriad = 1.8;
  double alteredFifth = 1.4;  // b5 or #5 beside a major or minor third
  double omittedFifth = 0.3;
  double dominantSeventh = 0.5;
  double minorSeventh = 0.5;  // m7: the minor third is already counted
  double majorSeventh = 0.7;
  double minorMajorSeventh = 2.0;
  double diminishedSeventh = 0.3;  // on top of the diminished triad
  double sixth = 1.0;
  double naturalTension = 0.6;  // 9, 11 or 13 over a seventh
  double addedTension = 0.8;    // add9 and add13 (the sixth), with no seventh
  double addedEleventh = 1.2;   // add11: rarer than add9
  // The 9 of a 6/9 chord: a chord of its own, named before the minor
  // eleventh it shares its notes with (C6/9/G, not Am11/G).
  double sixNine = 0.2;
  double majorEleventh = 1.6;   // an 11 against a major third clashes
  double alteredTension = 1.5;  // b9, #9, #11, b13 over a seventh
  double addedAltered = 2.0;    // the same with no seventh: rarely a chord's own name
  double slashChordTone = 1.2;  // a fifth or seventh in the bass
  double slashThird = 1.0;      // the commonest inversion (G/B, D/F#)
  double slashTension = 2.0;    // a ninth or other tension in the bass
  // The same with no seventh (Bbadd9/C): the triad over that bass says it
  // plainer (Bb/C), beside C9sus4.
  double slashAddedTension = 0.5;
  double slashMajorSeventh = 1.8;  // the major seventh a semitone under the root
  double bassOutside = 2.6;        // a bass that belongs to no reading of the chord
  // A plain major or minor triad over a bass outside it: the commonest
  // slash chord (Eb/Ab, C/F), before a suspension with a major seventh.
  double triadOverBass = 2.0;
  // An added tone on an augmented triad: hardly ever a chord's name
  // (Cm(maj7)/G, not G+ with an eleventh).
  double augmentedAddition = 1.0;
  double rootless = 20;  // after every reading whose root sounds
};
constexpr ReadingCosts kCosts;

class Tones {
 public:
  explicit Tones(const std::array<bool, kPitchClassCount>& present) : left_(present) {}
  bool Has(int interval) const { return left_[static_cast<std::size_t>(interval)]; }
  // Takes the interval as explained; true when it was there.
  bool Take(int interval) {
    bool had = Has(interval);
    left_[static_cast<std::size_t>(interval)] = false;
    return had;
  }

 private:
  std::array<bool, kPitchClassCount> left_;
};

void ReadThirdAndFifth(Tones& tones, ChordReading& reading) {
  bool major = tones.Take(4);
  bool minor = !major && tones.Take(3);
  if (tones.Take(7)) {
    reading.fifth = FifthKind::Perfect;
  } else if (minor && tones.Take(6)) {
    reading.fifth = FifthKind::Flat;  // the diminished triad
  } else if (major && tones.Take(8)) {
    reading.fifth = FifthKind::Sharp;  // the augmented triad
  } else if (major && !tones.Has(5) && !tones.Has(11) && tones.Take(6)) {
    // 7b5: no perfect fifth or eleventh beside it; over a major seventh the
    // same tone is the Lydian #11 (Cmaj7#11).
    reading.fifth = FifthKind::Flat;
  } else {
    reading.fifth = FifthKind::Omitted;
  }
  if (major) {
    reading.third = ThirdKind::Major;
  } else if (minor) {
    reading.third = ThirdKind::Minor;
  } else if (tones.Take(5)) {
    reading.third = ThirdKind::Sus4;
  } else if (tones.Take(2)) {
    reading.third = ThirdKind::Sus2;
  } else {
    reading.third = ThirdKind::None;
  }
}

void ReadSeventh(Tones& tones, ChordReading& reading) {
  if (tones.Take(10)) {
    reading.seventh = SeventhKind::Minor;
  } else if (tones.Take(11)) {
    reading.seventh = SeventhKind::Major;
  } else if (reading.Diminished() && tones.Take(9)) {
    reading.seventh = SeventhKind::Diminished;
  } else if (tones.Take(9)) {
    reading.seventh = SeventhKind::Sixth;
  }
}

void ReadTensions(Tones& tones, ChordReading& reading) {
  // #9 only beside a major third: otherwise 3 semitones were the third.
  for (int tension : {1, 2, 3, 5, 6, 8, 9, 11}) {
    if (tones.Take(tension)) reading.tensions.push_back(tension);
  }
}

double TensionCost(int tension, const ChordReading& reading) {
  const bool seventh =
      reading.seventh == SeventhKind::Minor || reading.seventh == SeventhKind::Major;
  switch (tension) {
    case 2:
      if (reading.seventh == SeventhKind::Sixth) return kCosts.sixNine;
      return seventh ? kCosts.naturalTension : kCosts.addedTension;
    case 9:
      return seventh ? kCosts.naturalTension : kCosts.addedTension;
    case 5:
      if (reading.third == ThirdKind::Major) return kCosts.majorEleventh;
      return seventh ? kCosts.naturalTension : kCosts.addedEleventh;
    case 11:  // a major seventh beside the minor one: hardly a chord
      return 3 * kCosts.alteredTension;
    default:
      return seventh ? kCosts.alteredTension : kCosts.addedAltered;
  }
}

double QualityCost(const ChordReading& reading) {
  double cost = 0;
  if (reading.Power()) return kCosts.power;
  if (reading.Diminished()) {
    cost += kCosts.diminishedTriad;
  } else if (reading.Augmented()) {
    // Over a seventh the raised fifth is one alteration (C7#5), not a triad of its own.
    bool seventh = reading.seventh == SeventhKind::Minor || reading.seventh == SeventhKind::Major;
    cost += seventh ? kCosts.alteredFifth : kCosts.augmentedTriad;
  } else {
    switch (reading.third) {
      case ThirdKind::Major:
        break;
      case ThirdKind::Minor:
        cost += kCosts.minor;
        break;
      case ThirdKind::Sus4:
        cost += kCosts.sus4;
        break;
      case ThirdKind::Sus2:
        cost += kCosts.sus2;
        break;
      case ThirdKind::None:
        cost += kCosts.noThird;
        break;
    }
    if (reading.fifth == FifthKind::Flat || reading.fifth == FifthKind::Sharp)
      cost += kCosts.alteredFifth;
  }
  if (reading.fifth == FifthKind::Omitted) cost += kCosts.omittedFifth;
  switch (reading.seventh) {
    case SeventhKind::None:
      break;
    case SeventhKind::Minor:
      cost += reading.third == ThirdKind::Minor ? kCosts.minorSeventh : kCosts.dominantSeventh;
      break;
    case SeventhKind::Major:
      cost += reading.third == ThirdKind::Minor ? kCosts.minorMajorSeventh : kCosts.majorSeventh;
      break;
    case SeventhKind::Diminished:
      cost += kCosts.diminishedSeventh;
      break;
    case SeventhKind::Sixth:
      cost += kCosts.sixth;
      break;
  }
  for (int tension : reading.tensions) cost += TensionCost(tension, reading);
  if (reading.Augmented() && reading.seventh == SeventhKind::None)
    cost += kCosts.augmentedAddition * static_cast<double>(reading.tensions.size());
  return cost;
}

double BassCost(const ChordReading& reading) {
  if (reading.bass == reading.root) return 0;
  if (reading.bassOutside) {
    bool triad = (reading.third == ThirdKind::Major || reading.third == ThirdKind::Minor) &&
                 reading.fifth == FifthKind::Perfect && reading.seventh == SeventhKind::None &&
                 reading.tensions.empty();
    return triad ? kCosts.triadOverBass : kCosts.bassOutside;
  }
  int interval = WrapPitchClass(reading.bass - reading.root);
  bool tension = std::find(reading.tensions.begin(), reading.tensions.end(), interval) !=
                 reading.tensions.end();
  if (tension)
    return kCosts.slashTension +
           (reading.seventh == SeventhKind::None ? kCosts.slashAddedTension : 0.0);
  if (interval == 11 && reading.seventh == SeventhKind::Major) return kCosts.slashMajorSeventh;
  bool third = interval == 3 || interval == 4;
  return third && reading.third != ThirdKind::None ? kCosts.slashThird : kCosts.slashChordTone;
}

ChordReading ReadOnRoot(const std::array<bool, kPitchClassCount>& present, int root, int bass,
                        bool bassOutside) {
  std::array<bool, kPitchClassCount> intervals{};
  for (int pitchClass = 0; pitchClass < kPitchClassCount; ++pitchClass) {
    if (present[static_cast<std::size_t>(pitchClass)])
      intervals[static_cast<std::size_t>(WrapPitchClass(pitchClass - root))] = true;
  }
  Tones tones(intervals);
  tones.Take(0);
  ChordReading reading;
  reading.root = root;
  reading.bass = bass;
  reading.bassOutside = bassOutside;
  ReadThirdAndFifth(tones, reading);
  ReadSeventh(tones, reading);
  ReadTensions(tones, reading);
  reading.cost = QualityCost(reading) + BassCost(reading);
  return reading;
}

bool IsTensionOrSixth(const ChordReading& reading, int interval) {
  for (ChordReading::Tone tone : reading.Tones()) {
    if (tone.semitones == interval) return tone.degree == 6 || tone.degree >= 9;
  }
  return false;
}

}  // namespace

ChordReading::ToneList ChordReading::Tones() const {
  ToneList tones;
  if (!rootless) tones.push_back({0, 1});
  if (third == ThirdKind::Major) tones.push_back({4, 3});
  if (third == ThirdKind::Minor) tones.push_back({3, 3});
  if (third == ThirdKind::Sus2) tones.push_back({2, 2});
  if (third == ThirdKind::Sus4) tones.push_back({5, 4});
  if (fifth == FifthKind::Perfect) tones.push_back({7, 5});
  if (fifth == FifthKind::Flat) tones.push_back({6, 5});
  if (fifth == FifthKind::Sharp) tones.push_back({8, 5});
  if (seventh == SeventhKind::Minor) tones.push_back({10, 7});
  if (seventh == SeventhKind::Major) tones.push_back({11, 7});
  if (seventh == SeventhKind::Diminished) tones.push_back({9, 7});
  if (seventh == SeventhKind::Sixth) tones.push_back({9, 6});
  for (int tension : tensions) {
    int degree = tension <= 3 ? 9 : tension <= 6 ? 11 : tension <= 9 ? 13 : 7;
    tones.push_back({tension, degree});
  }
  if (bassOutside) tones.push_back({WrapPitchClass(bass - root), 0});
  return tones;
}

std::vector<int> ChordReading::Intervals() const {
  std::vector<int> intervals;
  for (Tone tone : Tones()) intervals.push_back(tone.semitones);
  return intervals;
}

std::vector<std::string> ChordReading::Omitted() const {
  std::vector<std::string> omitted;
  if (rootless) omitted.emplace_back("root");
  if (third == ThirdKind::None && !Power()) omitted.emplace_back("3");
  if (fifth == FifthKind::Omitted) omitted.emplace_back("5");
  return omitted;
}

ChordReading ReadChordOnRoot(std::span<const int> intervals, int root, int bass) {
  std::array<bool, kPitchClassCount> present{};
  for (int interval : intervals) {
    if (interval >= 0 && interval < kPitchClassCount)
      present[static_cast<std::size_t>(WrapPitchClass(root + interval))] = true;
  }
  root = WrapPitchClass(root);
  bass = WrapPitchClass(bass);
  const bool outside = !present[static_cast<std::size_t>(bass)];
  ChordReading reading = ReadOnRoot(present, root, bass, outside);
  reading.rootless = !present[static_cast<std::size_t>(root)];
  return reading;
}

std::vector<ChordReading> ReadChord(std::span<const int> pitchClasses, int bass) {
  std::array<bool, kPitchClassCount> present{};
  for (int pitchClass : pitchClasses) {
    if (pitchClass >= 0 && pitchClass < kPitchClassCount)
      present[static_cast<std::size_t>(pitchClass)] = true;
  }
  std::vector<ChordReading> readings;
  if (bass < 0 || bass >= kPitchClassCount) return readings;
  readings.reserve(2 * kPitchClassCount);  // a root and a bass outside for each note, rootless ones
  present[static_cast<std::size_t>(bass)] = true;
  std::array<bool, kPitchClassCount> upper = present;  // the chord above a bass outside it
  upper[static_cast<std::size_t>(bass)] = false;
  for (int step = 0; step < kPitchClassCount; ++step) {
    int root = WrapPitchClass(bass + step);
    if (!present[static_cast<std::size_t>(root)]) continue;
    readings.push_back(ReadOnRoot(present, root, bass, false));
    // Over a bass the chord holds only as a tension or a sixth, the chord
    // may be the one above it (C/D beside Cadd9/D); a bass that is its
    // third, fifth or seventh already reads as that inversion.
    if (root != bass && IsTensionOrSixth(readings.back(), WrapPitchClass(bass - root)))
      readings.push_back(ReadOnRoot(upper, root, bass, true));
  }
  for (int root = 0; root < kPitchClassCount; ++root) {
    if (present[static_cast<std::size_t>(root)]) continue;
    ChordReading reading = ReadOnRoot(present, root, bass, false);
    bool voicing =
        (reading.third == ThirdKind::Major || reading.third == ThirdKind::Minor) &&
        (reading.seventh == SeventhKind::Minor || reading.seventh == SeventhKind::Major) &&
        !reading.tensions.empty();
    if (!voicing) continue;
    reading.rootless = true;
    reading.cost += kCosts.rootless;
    readings.push_back(reading);
  }
  std::stable_sort(readings.begin(), readings.end(),
                   [](const ChordReading& a, const ChordReading& b) { return a.cost < b.cost; });
  return readings;
}

std::vector<ChordReading> ReadChordAsPlayed(std::span<const int> pitchClasses, int bass,
                                            bool anyInversion) {
  std::vector<ChordReading> readings = ReadChord(pitchClasses, bass);
  if (!anyInversion || readings.empty() || readings.front().root == readings.front().bass)
    return readings;
  // Each sounding pitch class as the bass: its best reading, when that
  // stands on its own root, is the chord in root position.
  std::optional<ChordReading> rootPosition;
  for (int pitchClass : pitchClasses) {
    if (pitchClass == bass) continue;
    const std::vector<ChordReading> over = ReadChord(pitchClasses, pitchClass);
    if (over.empty() || over.front().root != pitchClass || over.front().rootless) continue;
    if (!rootPosition || over.front().cost < rootPosition->cost) rootPosition = over.front();
  }
  if (!rootPosition) return readings;
  readings.insert(readings.begin(), *rootPosition);
  return readings;
}

}  // namespace corvanta
