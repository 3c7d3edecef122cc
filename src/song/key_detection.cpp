// Finding a song's key from its chords: key profiles, the edges' evidence,
// an honest confidence, and the sections' own keys.
#include "song/key_detection.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "theory/formula.h"

namespace corvanta {
namespace {

using Profile = std::array<double, kPitchClassCount>;

// Krumhansl & Kessler (1982): how well each pitch class, from the tonic up,
// fits a major and a minor key, as listeners rated it.
constexpr Profile kMajorProfile{6.35, 2.23, 3.48, 2.33, 4.38, 4.09,
                                2.52, 5.19, 2.39, 3.66, 2.29, 2.88};
constexpr Profile kMinorProfile{6.33, 2.68, 3.52, 5.38, 2.60, 3.53,
                                2.54, 4.75, 3.98, 2.69, 3.34, 3.17};

// Evidence beyond the profiles, in units of correlation (which runs -1..1;
// keys of one song differ by a few hundredths to a few tenths). A song
// ends on its tonic chord far more often than it starts on it: the last
// chord weighs three times the first. A key whose tonic chord is never played is
// rarely the song's (the profile alone reads a song in E with a D as A).
constexpr double kLastChordIsTonic = 0.15;
constexpr double kFirstChordIsTonic = 0.05;
constexpr double kTonicNeverPlayed = 0.10;

// A song in one key correlates with its profile at 0.8 to 0.9; the
// twelve notes alike, or a whole-tone row, at 0.5 or less with every key.
constexpr double kLeastFit = 0.4, kGoodFit = 0.8;

// A key's lead over the next is clear at about this much (to 0.83 of
// full confidence; a tie leaves 0.3 of it).
constexpr double kClearLead = 0.07;

// The share of what sounds on the key's scale (the minor's with both its
// sixths and sevenths): a song in a key keeps nine tenths or more there; a
// chromatic run half.
constexpr double kLeastInScale = 0.5;
constexpr std::array<bool, kPitchClassCount> kMajorScale{true,  false, true,  false, true,  true,
                                                         false, true,  false, true,  false, true};
constexpr std::array<bool, kPitchClassCount> kMinorScale{true,  false, true, true, false, true,
                                                         false, true,  true, true, true,  true};

// A chord over words lasts about a bar for every this many characters; one
// alone on its line or in a bar of a grid counts a bar. Held within limits
// so that a long line's one chord does not outweigh the song.
constexpr double kCharactersPerBar = 16.0;
constexpr double kShortestWeight = 0.5, kLongestWeight = 2.0;

constexpr double kMostConfidence = 0.99;

// A chord's root is the tone a listener hears it by (its most salient
// tone): counted again beyond the chord's tones, so that the dominant's
// chords in a minor song (E, E7 and Em in A minor share E, G and B with
// E minor) do not outweigh the tonic they lead to.
constexpr double kRootWeight = 1.0;

// A section needs this many chords to have a key of its own.
constexpr std::size_t kSectionChords = 4;

struct Weighted {
  const SongChord* chord;
  double weight;
  int segment;  // chords of one section or paragraph share it
};

bool IsMinorChord(const Chord& chord) {
  bool minorThird = false, majorThird = false;
  for (int offset : FormulaOffsets(chord.formula)) {
    minorThird |= offset % 12 == 3;
    majorThird |= offset % 12 == 4;
  }
  return minorThird && !majorThird;
}

// A chord on the tonic of the key's quality; a dominant seventh on it
// (C7 in C) leads away to IV rather than rests.
bool IsTonicChord(const Chord& chord, const SongKey& key) {
  if (chord.root != key.tonic || IsMinorChord(chord) != key.minor) return false;
  bool majorThird = false, minorSeventh = false;
  for (int offset : FormulaOffsets(chord.formula)) {
    majorThird |= offset % 12 == 4;
    minorSeventh |= offset % 12 == 10;
  }
  return !(majorThird && minorSeventh);
}

double ScaleShare(const std::array<double, kPitchClassCount>& heard, const SongKey& key) {
  const std::array<bool, kPitchClassCount>& scale = key.minor ? kMinorScale : kMajorScale;
  double on = 0, all = 0;
  for (int pc = 0; pc < kPitchClassCount; ++pc) {
    all += heard[std::size_t(pc)];
    if (scale[std::size_t(WrapPitchClass(pc - key.tonic))]) on += heard[std::size_t(pc)];
  }
  return all > 0 ? on / all : 0.0;
}

double Correlation(const Profile& a, const Profile& b) {
  double meanA = 0, meanB = 0;
  for (int i = 0; i < kPitchClassCount; ++i) meanA += a[std::size_t(i)], meanB += b[std::size_t(i)];
  meanA /= kPitchClassCount, meanB /= kPitchClassCount;
  double ab = 0, aa = 0, bb = 0;
  for (std::size_t i = 0; i < kPitchClassCount; ++i) {
    ab += (a[i] - meanA) * (b[i] - meanB);
    aa += (a[i] - meanA) * (a[i] - meanA);
    bb += (b[i] - meanB) * (b[i] - meanB);
  }
  return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0.0;
}

std::string Percent(double value) { return std::to_string(std::lround(value * 100)) + "%"; }

DetectedKey Detect(const std::vector<Weighted>& chords) {
  DetectedKey detected;
  if (chords.empty()) {
    detected.reason = "no chord was read";
    return detected;
  }
  Profile heard{};
  std::array<bool, kPitchClassCount> rooted{};
  for (const Weighted& item : chords) {
    const Chord& chord = item.chord->chord;
    std::array<bool, kPitchClassCount> tones{};
    for (int offset : FormulaOffsets(chord.formula))
      tones[std::size_t(WrapPitchClass(chord.root + offset))] = true;
    tones[std::size_t(WrapPitchClass(chord.bass))] = true;
    for (std::size_t pc = 0; pc < tones.size(); ++pc)
      if (tones[pc]) heard[pc] += item.weight;
    heard[std::size_t(WrapPitchClass(chord.root))] += item.weight * kRootWeight;
    rooted[std::size_t(WrapPitchClass(chord.root))] = true;
  }
  const Chord& first = chords.front().chord->chord;
  const Chord& last = chords.back().chord->chord;
  // Each key's correlation, and with the edges' evidence its score.
  std::array<double, 2 * kPitchClassCount> raw{}, scored{};
  std::size_t chosen = 0;
  for (std::size_t k = 0; k < raw.size(); ++k) {
    const bool minor = k >= kPitchClassCount;
    const int tonic = static_cast<int>(k % kPitchClassCount);
    const SongKey key = KeyAt(tonic, minor);
    Profile rotated{};
    const Profile& profile = minor ? kMinorProfile : kMajorProfile;
    for (int pc = 0; pc < kPitchClassCount; ++pc)
      rotated[std::size_t(pc)] = profile[std::size_t(WrapPitchClass(pc - tonic))];
    raw[k] = Correlation(heard, rotated);
    scored[k] = raw[k];
    if (IsTonicChord(last, key)) scored[k] += kLastChordIsTonic;
    if (IsTonicChord(first, key)) scored[k] += kFirstChordIsTonic;
    if (!rooted[std::size_t(tonic)]) scored[k] -= kTonicNeverPlayed;
    if (scored[k] > scored[chosen]) chosen = k;
  }
  detected.key = KeyAt(static_cast<int>(chosen % kPitchClassCount), chosen >= kPitchClassCount);
  double second = -2;
  for (std::size_t k = 0; k < raw.size(); ++k)
    if (k != chosen) second = std::max(second, scored[k]);
  int distinctChords = 0;
  {
    std::vector<std::string> seen;
    for (const Weighted& item : chords)
      if (std::find(seen.begin(), seen.end(), item.chord->text) == seen.end())
        seen.push_back(item.chord->text), ++distinctChords;
  }
  int heardCount = 0;
  for (double weight : heard) heardCount += weight > 0;
  // A clear key leads the next by a tenth or more; a chord or two leave
  // the key open (C and G are in three keys), four distinct settle it.
  const double fit = std::clamp((raw[chosen] - kLeastFit) / (kGoodFit - kLeastFit), 0.0, 1.0);
  const double lead = 1.0 - 0.7 * std::exp(-std::max(0.0, scored[chosen] - second) / kClearLead);
  const double inScale = std::clamp(
      (ScaleShare(heard, detected.key) - kLeastInScale) / (1.0 - kLeastInScale), 0.0, 1.0);
  const double evidence =
      std::min(1.0, heardCount / 6.0) * std::min(1.0, (distinctChords - 1) / 3.0);
  // Never quite sure: a chord sequence is always some other key's too.
  detected.confidence =
      std::min(kMostConfidence, std::round(fit * inScale * lead * evidence * 100) / 100);
  detected.found = detected.confidence >= kKeyConfidenceFloor;
  if (!detected.found)
    detected.reason = "the chords do not settle a key: " + KeyName(detected.key) + " at best, " +
                      Percent(detected.confidence) + " sure";
  return detected;
}

// How long each chord lasts, in bars, and the segment it is in.
std::vector<Weighted> WeighChords(const Song& song) {
  std::vector<Weighted> weighted;
  std::vector<int> paragraphOfLine(song.lines.size(), 0);
  int paragraph = 0;
  for (std::size_t i = 0; i < song.lines.size(); ++i) {
    if (song.lines[i].kind == LineKind::Blank && i > 0 && song.lines[i - 1].kind != LineKind::Blank)
      ++paragraph;
    paragraphOfLine[i] = paragraph;
  }
  for (const SongChord& chord : song.chords) {
    if (!chord.read) continue;
    double weight = 1.0;
    int segment = 0;
    if (chord.line >= 0 && static_cast<std::size_t>(chord.line) < song.lines.size()) {
      const SongLine& line = song.lines[std::size_t(chord.line)];
      segment = line.section >= 0 ? -1 - line.section : paragraphOfLine[std::size_t(chord.line)];
      if (line.kind == LineKind::Lyrics && !line.lyrics.empty()) {
        for (std::size_t p = 0; p < line.chords.size(); ++p) {
          if (&song.chords[std::size_t(line.chords[p].chord)] != &chord) continue;
          const std::size_t end =
              p + 1 < line.chords.size() ? line.chords[p + 1].lyricOffset : line.lyrics.size();
          const double span = static_cast<double>(end - std::min(end, line.chords[p].lyricOffset));
          weight = std::clamp(span / kCharactersPerBar, kShortestWeight, kLongestWeight);
        }
      }
    }
    weighted.push_back({&chord, weight, segment});
  }
  return weighted;
}

int IndexOf(const Song& song, const SongChord* chord) {
  return static_cast<int>(chord - song.chords.data());
}

std::string LabelOf(const Song& song, const SongChord& chord) {
  if (chord.line < 0 || static_cast<std::size_t>(chord.line) >= song.lines.size()) return {};
  const int section = song.lines[std::size_t(chord.line)].section;
  if (section < 0 || static_cast<std::size_t>(section) >= song.sections.size()) return {};
  const SongSection& found = song.sections[std::size_t(section)];
  return found.label.empty() ? found.kind : found.label;
}

// Each segment long enough gets its own key; one too short or doubtful
// goes with the one before. Adjacent segments in one key are one.
std::vector<SectionKey> SectionKeys(const Song& song, const std::vector<Weighted>& chords) {
  std::vector<SectionKey> sections;
  for (std::size_t start = 0; start < chords.size();) {
    std::size_t end = start;
    while (end < chords.size() && chords[end].segment == chords[start].segment) ++end;
    const std::vector<Weighted> part(chords.begin() + std::ptrdiff_t(start),
                                     chords.begin() + std::ptrdiff_t(end));
    const DetectedKey key = part.size() >= kSectionChords ? Detect(part) : DetectedKey{};
    const int first = IndexOf(song, chords[start].chord);
    const int lastChord = IndexOf(song, chords[end - 1].chord);
    if (!sections.empty() && (!key.found || key.key == sections.back().key)) {
      sections.back().lastChord = lastChord;
    } else if (key.found) {
      sections.push_back(
          {first, lastChord, key.key, key.confidence, LabelOf(song, *chords[start].chord)});
    }
    start = end;
  }
  if (!sections.empty()) sections.front().firstChord = IndexOf(song, chords.front().chord);
  if (sections.size() < 2) sections.clear();
  return sections;
}

}  // namespace

DetectedKey DetectKey(const Song& song) {
  const std::vector<Weighted> chords = WeighChords(song);
  DetectedKey detected = Detect(chords);
  detected.sections = SectionKeys(song, chords);
  if (!detected.found && !detected.sections.empty()) {
    detected.reason = "the song changes key:";
    for (const SectionKey& section : detected.sections)
      detected.reason += " " + KeyName(section.key);
  }
  return detected;
}

DetectedKey DetectKeyOfChords(const std::vector<SongChord>& chords) {
  std::vector<Weighted> weighted;
  for (const SongChord& chord : chords)
    if (chord.read) weighted.push_back({&chord, 1.0, 0});
  return Detect(weighted);
}

}  // namespace corvanta
