// The one voicing search, as named stages over any instrument's strings.
#include "search/instrument_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "instrument/capo.h"
#include "search/finger_count.h"
#include "search/fret_window.h"
#include "search/key_text.h"
#include "search/practical_search.h"
#include "search/value_rank.h"
#include "theory/note_names.h"

namespace corvanta {
namespace {

static_assert(kMaxInstrumentStrings * key_facts::kRankBits <= 64,
              "a fingering's value ranks must fit one 64-bit set key");

// The free strings may reach four frets above the last bass fret; with the
// most frets searched (25) that is fret 29, the last of the tables.
constexpr int kWindowReach = enumeration::kWindowWidth;
static_assert(kMaxFretCount - 1 + kWindowReach < kFretSlots,
              "every fret a window reaches has a pitch");

using Values = std::array<int, kMaxInstrumentStrings>;

// The first windows over an open bass, the only ones that remember their
// candidates, meet at most a hundred or so: the table starts that small
// (clearing a larger one would cost more than the walk) and grows.
constexpr std::size_t kTypicalCandidates = 128;
// The largest common searches (24 frets on seven strings) keep under three
// thousand voicings: one block that size, small enough for the allocator to
// keep between searches, is never regrown or handed back on the way.
constexpr std::size_t kTypicalVoicings = 3072;

// The candidates already met under one bass placement, by their value
// ranks: an open-addressed table of keys (a node per key would cost an
// allocation per candidate). Two placements never give the same fingering
// (they differ on the bass string or below it), so each starts afresh: a
// new round, marked in the top bits of every slot it fills, empties the
// table without touching it. A key holds at most 48 bits.
class MetCandidates {
 public:
  void NewRound() {
    ++round_;
    count_ = 0;
  }

  // Whether the key is new this round; it is remembered either way.
  bool Insert(std::uint64_t key) {
    // Made on first use: most searches have no open bass to remember under.
    if (slots_.empty()) slots_.assign(kTypicalCandidates * 2, 0);
    if (2 * (count_ + 1) > slots_.size()) Grow();
    return Place(slots_, Stored(key));
  }

 private:
  static constexpr int kKeyBits = 48;
  static_assert(kMaxInstrumentStrings * key_facts::kRankBits <= kKeyBits);

  std::uint64_t Stored(std::uint64_t key) const { return round_ << kKeyBits | key; }
  bool Current(std::uint64_t stored) const { return (stored >> kKeyBits) == round_; }

  bool Place(std::vector<std::uint64_t>& slots, std::uint64_t stored) {
    const std::size_t mask = slots.size() - 1;
    // Fibonacci hashing spreads the ranks' low bits over the table.
    std::size_t at = static_cast<std::size_t>((stored * 0x9E3779B97F4A7C15ull) >> 40) & mask;
    while (Current(slots[at])) {
      if (slots[at] == stored) return false;
      at = (at + 1) & mask;
    }
    slots[at] = stored;
    ++count_;
    return true;
  }

  void Grow() {
    std::vector<std::uint64_t> larger(slots_.size() * 2, 0);
    count_ = 0;
    for (std::uint64_t stored : slots_)
      if (Current(stored)) Place(larger, stored);
    slots_ = std::move(larger);
  }

  std::vector<std::uint64_t> slots_;  // empty, or a power of two in size
  std::size_t count_ = 0;
  std::uint64_t round_ = 1;  // slots of 0 (round 0) are empty in every round
};

// The walk of one search: bass placements (or, for instruments played in
// any inversion, the whole neck), fret windows, and each window's odometer
// of the free strings, pruned where the strings left cannot complete the
// chord. Accepted fingerings are recorded once, in discovery order.
class InstrumentWalk {
 public:
  InstrumentWalk(const Instrument& instrument, const VoicingRules& rules,
                 const SearchSettings& settings, const std::vector<int>& chordTones, int bass)
      : rules_(rules),
        settings_(settings),
        strings_(instrument.StringCount()),
        bass_(bass),
        slashBass_(bass != settings.rootPitchClass),
        shapes_(instrument.shapes) {
    const int lastFret = std::min(settings.fretCount + kWindowReach, kFretSlots - 1);
    std::uint16_t tones = 0;
    for (int tone : chordTones) tones |= ToneBit(tone);
    for (int string = 0; string < strings_; ++string) {
      for (int fret = 0; fret <= lastFret; ++fret) {
        const int pitch = PitchAt(instrument, string, fret);
        pitch_[string][fret] = pitch;
        // Pitches here are MIDI notes, never negative where they exist.
        toneBitAt_[string][fret] = pitch < 0 ? 0 : ToneBit(pitch % kPitchClassCount);
        if (tones & toneBitAt_[string][fret]) chordFrets_[string] |= 1u << fret;
      }
    }
    for (int string = 0; string < strings_; ++string) {
      mutedRank_[string] = key_facts::RankOf(kMuted) << RankShift(string);
      mutedStop_[string] = StopBits(string, -1);
    }
    triadRequired_ = RequiredTones(chordTones);
    required_ = triadRequired_ & static_cast<std::uint16_t>(~settings.optionalTones);
  }

  std::vector<Voicing> Run() {
    voicings_.reserve(kTypicalVoicings);
    if (rules_.anyInversion) {
      // No bass string: windows slide over the whole neck as they do above
      // an open bass, up to the highest fret a fretted bass could reach.
      for (int top = 0; top < settings_.fretCount + kWindowReach; ++top)
        WalkWindow(0, {top - kWindowReach, top}, 0, top);
    } else {
      WalkBassPlacements();
    }
    return std::move(voicings_);
  }

 private:
  // What the walk knows of the free strings chosen so far: enough to
  // prune. The rest of a voicing's facts is gathered once per run of the
  // last string's values, from the choices made (see FactsBelowLast).
  struct Level {
    std::uint16_t sounded = 0;  // pitch classes of the free strings
    int playing = 0;            // sounding free strings
    int high = -1;              // highest fret of the free strings
    bool newBelowTop = false;   // a string at the fret below the top makes it new

    Level With(std::uint16_t toneBit, int fret, bool makesNew) const {
      return {static_cast<std::uint16_t>(sounded | toneBit), playing + 1, std::max(high, fret),
              newBelowTop || makesNew};
    }
  };

  // A string's choice while the walk stands on it: one of its frets, or
  // muted.
  static constexpr std::int8_t kMutedChoice = -1;

  // Where a string's rank lies in ValueRanks: the first string the most
  // significant.
  int RankShift(int string) const { return key_facts::kRankBits * (strings_ - 1 - string); }

  static std::uint16_t ToneBit(int tone) {
    return static_cast<std::uint16_t>(1u << std::clamp(tone, 0, kNoPitchClass));
  }

  // Bass-built: the tones after the root that are not the bass (the bass
  // string sounds the bass, and the root is not looked for beside another
  // bass). Any inversion: every tone, as no string is set apart for the
  // bass; with a slash bass, the bass too (it must be the lowest pitch).
  std::uint16_t RequiredTones(const std::vector<int>& chordTones) const {
    std::uint16_t required = 0;
    const bool anyInversion = rules_.anyInversion;
    for (std::size_t i = 0; i < chordTones.size(); ++i) {
      const int tone = chordTones[i];
      if (anyInversion && !slashBass_) {
        required |= ToneBit(tone);
      } else if (i > 0 && tone != bass_) {
        required |= ToneBit(tone);
      }
    }
    if (anyInversion && slashBass_) required |= ToneBit(bass_);
    return required;
  }

  // As on the guitar: strings 0..bassStrings-1 in turn, frets ascending; a
  // fretted bass opens five windows ending at its fret and the four above,
  // an open one slides the window over every fret searched. A triad on
  // three strings may have its bass on any string with two above it.
  void WalkBassPlacements() {
    const int triad = settings_.triadFreeStrings;
    // Without triads the bass strings are the instrument's own.
    const int bassStrings = std::min(
        triad > 0 ? std::max(rules_.bassStrings, strings_ - triad) : rules_.bassStrings, strings_);
    if (triad > 0) minFree_ = std::min(minFree_, triad);
    // No string sounds a bass outside the twelve.
    const std::uint16_t bassBit =
        bass_ >= 0 && bass_ < kPitchClassCount ? static_cast<std::uint16_t>(1u << bass_) : 0;
    for (int string = 0; string < bassStrings; ++string) {
      triadOnly_ = string >= rules_.bassStrings;
      maxFree_ = triadOnly_ ? triad : settings_.maxFreeSounding;
      for (int fret = 0; fret < settings_.fretCount; ++fret) {
        if ((toneBitAt_[string][fret] & bassBit) == 0) continue;
        candidate_.fill(kMuted);
        candidate_[string] = fret;
        bassPitch_ = pitch_[string][fret];
        std::uint64_t ranks = 0;
        for (int below = 0; below <= string; ++below)
          ranks |= key_facts::RankOf(candidate_[below]) << RankShift(below);
        const bool held = fret > 0;
        fixed_ = {(kAllMuted & ~mutedStop_[string]) | StopBits(string, fret),
                  1u << string,
                  ranks,
                  held ? fret : VoicingFacts::kNoHeldFret,
                  fret,
                  held ? 1 : 0};
        seen_.NewRound();
        const int windows = fret > 0 ? enumeration::kFrettedBassWindows : settings_.fretCount;
        for (int window = 0; window < windows; ++window)
          WalkWindow(string + 1, {fret + window - kWindowReach, fret + window}, fret, window);
      }
    }
  }

  // A window's candidates are every combination of its strings' choices, so
  // one whose free strings all lie below the fret under its top was met in
  // an earlier window of the same bass, which held all its values (the
  // first window, and for an open bass the second, where open strings first
  // become choices, excepted): such runs are not walked again.
  static int LowestNewHigh(int bassFret, int window) {
    const bool everyOtherHeld = window > (bassFret == 0 ? 1 : 0);
    return everyOtherHeld ? bassFret + window - 1 : -1;
  }

  // Where earlier windows' repeats are pruned, a candidate is new exactly
  // when its highest free fret is the top of the window, or the fret below
  // it held by a string with no first choice below that fret (open, or up to
  // four frets lower): the window ending there could not give it.
  bool NewBelowTop(int string, int top) const {
    const int below = top - 1;
    const std::uint32_t firsts =
        enumeration::FretRange(std::max(1, below - kWindowReach), below - 1) | 1u;
    return (chordFrets_[string] & firsts) == 0;
  }

  bool NewToWindow(const Level& level) const {
    return lowestNewHigh_ < 0 || level.high >= top_ ||
           (level.high == top_ - 1 && level.newBelowTop);
  }

  void WalkWindow(int firstFree, enumeration::FretWindow window, int bassFret, int windowIndex) {
    lowestNewHigh_ = LowestNewHigh(bassFret, windowIndex);
    rememberMet_ = bassFret == 0 && windowIndex <= 1;
    top_ = window.hi;
    firstFree_ = firstFree;
    // The free strings' bytes are cleared for their stops; those past the
    // last string stay muted.
    freeStops_ = fixed_.stops & ~(BytesFrom(firstFree) & ~BytesFrom(strings_));
    available_[strings_] = 0;
    withChoices_[strings_] = 0;
    highestFrom_[strings_] = -1;
    bool belowBass = false;
    for (int string = strings_ - 1; string >= firstFree; --string) {
      choices_[string] = enumeration::ChoicesOf(chordFrets_[string], window);
      std::uint16_t bits = 0;
      for (int i = 0; i < choices_[string].count; ++i) {
        const int fret = choices_[string].frets[i];
        toneBit_[string][i] = toneBitAt_[string][fret];
        rank_[string][i] = key_facts::RankOf(fret) << RankShift(string);
        stopBits_[string][i] = StopBits(string, fret);
        bits |= toneBit_[string][i];
        belowBass = belowBass || pitch_[string][fret] < bassPitch_;
      }
      available_[string] = available_[string + 1] | bits;
      withChoices_[string] = withChoices_[string + 1] + (choices_[string].count > 0 ? 1 : 0);
      const int highest =
          choices_[string].count > 0 ? choices_[string].frets[choices_[string].count - 1] : -1;
      highestFrom_[string] = std::max(highestFrom_[string + 1], highest);
      newBelowTop_[string] = NewBelowTop(string, window.hi);
    }
    // Over its own root, a bass string that no choice sounds below keeps the
    // practical rules' bass in every candidate of the window.
    bassKeptByWindow_ = !rules_.anyInversion && !slashBass_ && !belowBass;
    if (firstFree >= strings_) {
      // The bass on the last string: nothing is free.
      if (Viable(strings_, Level{})) {
        Candidate candidate = FactsBelowLast(Level{});
        Finish(candidate, Level{});
      }
      return;
    }
    MaskLastString();
    if (!Viable(firstFree, Level{})) return;
    if (firstFree == strings_ - 1) {
      WalkLastString(Level{});
    } else {
      Walk(firstFree, Level{});
    }
  }

  // The last string's choices by what they sound and where they lie (bit
  // i: choice i), so that its values are tested all at once.
  void MaskLastString() {
    const int last = strings_ - 1;
    const enumeration::StringChoices& choices = choices_[last];
    lastAll_ = 0;
    lastNew_ = 0;
    lastSounding_.fill(0);
    for (int i = 0; i < choices.count; ++i) {
      const int fret = choices.frets[i];
      lastAll_ |= 1u << i;
      lastSounding_[static_cast<std::size_t>(std::countr_zero(toneBit_[last][i]))] |= 1u << i;
      if (fret == top_ || (fret == top_ - 1 && newBelowTop_[last])) lastNew_ |= 1u << i;
    }
  }

  // Whether the strings from `string` on can still complete the chord:
  // supply every missing tone, one string each, and sound enough strings.
  // One branch for all the tests: their outcomes follow no pattern the
  // processor could learn.
  bool Viable(int string, const Level& level) const {
    const std::uint16_t missing = required_ & ~level.sounded;
    const bool suppliable = (missing & ~available_[string]) == 0;
    const bool enoughStrings = enumeration::ToneCount(missing) <= withChoices_[string];
    const bool enoughSounding = level.playing + withChoices_[string] >= minFree_;
    const bool notTooMany = level.playing <= maxFree_;
    const bool reachesNew = std::max(level.high, highestFrom_[string]) >= lowestNewHigh_;
    return suppliable & enoughStrings & enoughSounding & notTooMany & reachesNew;
  }

  // The odometer's order: the lowest free string the most significant digit,
  // each string through its choices and then muted. Only viable levels are
  // entered; the last string is its own loop.
  void Walk(int string, const Level& level) {
    const int next = string + 1;
    const bool beforeLast = next == strings_ - 1;
    const enumeration::StringChoices& choices = choices_[string];
    for (int i = 0; i < choices.count; ++i) {
      const int fret = choices.frets[i];
      candidate_[string] = fret;
      at_[string] = static_cast<std::int8_t>(i);
      const Level chosen =
          level.With(toneBit_[string][i], fret, fret == top_ - 1 && newBelowTop_[string]);
      if (!Viable(next, chosen)) continue;
      if (beforeLast) {
        WalkLastString(chosen);
      } else {
        Walk(next, chosen);
      }
    }
    candidate_[string] = kMuted;
    at_[string] = kMutedChoice;
    if (!Viable(next, level)) return;
    if (beforeLast) {
      WalkLastString(level);
    } else {
      Walk(next, level);
    }
  }

  // The deepest (and largest) level of the walk: which of the last string's
  // values complete the chord and are new to the window is a matter of bit
  // masks. A sounding value supplies one missing tone at most.
  void WalkLastString(const Level& level) {
    const std::uint16_t missing = required_ & ~level.sounded;
    std::uint32_t values = lastAll_;
    if (missing != 0) {
      const bool oneMissing = (missing & (missing - 1)) == 0;
      values &=
          oneMissing ? lastSounding_[static_cast<std::size_t>(std::countr_zero(missing))] : 0u;
    }
    if (level.playing + 1 < minFree_ || level.playing + 1 > maxFree_) values = 0;
    // Where repeats are pruned, a candidate whose lower strings are not new
    // is new only by a last value at the top, or at the fret below it on a
    // string that makes it new (see NewBelowTop).
    const bool newAlready = NewToWindow(level);
    if (!newAlready) values &= lastNew_;
    const bool muted =
        missing == 0 && level.playing >= minFree_ && level.playing <= maxFree_ && newAlready;
    if (values == 0 && !muted) return;
    // The strings below are the same for every value here: their facts once.
    const int last = strings_ - 1;
    const Candidate below = FactsBelowLast(level);
    for (; values != 0; values &= values - 1) {
      const int i = std::countr_zero(values);
      const int fret = choices_[last].frets[i];
      candidate_[last] = fret;
      // Field by field: a copy of the whole would read back memory just
      // written in pieces, which stalls.
      const bool held = fret > 0;
      const Candidate candidate{
          below.stops | stopBits_[last][i], below.sounding | 1u << last,
          below.ranks | rank_[last][i],     held ? std::min(below.low, fret) : below.low,
          std::max(below.high, fret),       below.held + (held ? 1 : 0)};
      Finish(candidate, level.With(toneBit_[last][i], fret, false));
    }
    if (muted) {
      candidate_[last] = kMuted;
      const Candidate candidate{below.stops | mutedStop_[last],
                                below.sounding,
                                below.ranks | mutedRank_[last],
                                below.low,
                                below.high,
                                below.held};
      Finish(candidate, level);
    }
  }

  // A candidate's facts as the walk gathers them, and how many strings it
  // holds at a fret. The stops are one word, byte s for string s: an array
  // written a byte at a time and then copied whole stalls the processor,
  // which cannot forward the bytes to the wider read.
  struct Candidate {
    std::uint64_t stops = kAllMuted;
    std::uint32_t sounding = 0;
    std::uint64_t ranks = 0;
    int low = VoicingFacts::kNoHeldFret;
    int high = 0;
    int held = 0;
  };
  static constexpr std::uint64_t kAllMuted = ~std::uint64_t{0};
  static_assert(sizeof(StringStop) == 1 && StringStop::Muted() == StringStop{} &&
                    kMaxInstrumentStrings * 8 == 64,
                "a stop is one byte, all ones when muted, and every string's fits the word");

  // A string's stop in its byte of the word (a muted one, -1, all ones).
  static std::uint64_t StopBits(int string, int fret) {
    return std::uint64_t{static_cast<std::uint8_t>(fret)} << (8 * string);
  }
  // The bytes of the strings from `string` on.
  static std::uint64_t BytesFrom(int string) {
    return string >= kMaxInstrumentStrings ? 0 : kAllMuted << (8 * string);
  }

  static std::array<StringStop, kMaxInstrumentStrings> StopsOf(std::uint64_t stops) {
    std::array<StringStop, kMaxInstrumentStrings> array;
    if constexpr (std::endian::native == std::endian::little) {
      static_assert(std::is_trivially_copyable_v<StringStop>);
      std::memcpy(static_cast<void*>(array.data()), &stops, sizeof stops);  // one store
      return array;
    }
    for (int string = 0; string < kMaxInstrumentStrings; ++string) {
      const int fret = static_cast<std::int8_t>(stops >> (8 * string) & 0xFF);
      array[static_cast<std::size_t>(string)] =
          fret < 0 ? StringStop::Muted() : StringStop::AtFret(fret);
    }
    return array;
  }

  // The candidate so far: the bass string's part and the free strings'
  // choices below the last string (which adds its own part).
  Candidate FactsBelowLast(const Level& level) const {
    Candidate candidate = fixed_;
    candidate.stops = freeStops_;
    candidate.high = std::max({0, fixed_.high, level.high});
    const int last = strings_ - 1;
    for (int string = firstFree_; string < last; ++string) {
      const int i = at_[string];
      if (i == kMutedChoice) {
        candidate.stops |= mutedStop_[string];
        candidate.ranks |= mutedRank_[string];
        continue;
      }
      const int fret = choices_[string].frets[i];
      candidate.stops |= stopBits_[string][i];
      candidate.sounding |= 1u << string;
      candidate.ranks |= rank_[string][i];
      if (fret > 0) candidate.low = std::min(candidate.low, fret), ++candidate.held;
    }
    return candidate;
  }

  // A complete candidate's last tests: fewer strings than the instrument's
  // rule sound only as a triad, every tone.
  void Finish(const Candidate& candidate, const Level& level) {
    const bool triad = triadOnly_ || level.playing < rules_.minSounding;
    if (triad &&
        (level.playing != settings_.triadFreeStrings || (triadRequired_ & ~level.sounded) != 0))
      return;
    Check(candidate);
  }

  // On a re-entrant or inverting instrument the bass is the lowest pitch
  // sounding, wherever its string lies (ukulele C/E: 0 0 0 3 is no C/E, as
  // the open C string sounds below the E).
  bool LowestPitchIsBass() const {
    int lowest = -1;
    for (int string = 0; string < strings_; ++string) {
      if (candidate_[string] == kMuted) continue;
      const int pitch = pitch_[string][candidate_[string]];
      if (lowest < 0 || pitch < lowest) lowest = pitch;
    }
    return lowest >= 0 && WrapPitchClass(lowest) == bass_;
  }

  // The practical rules' bass (SearchSettings::bassLowest): the lowest
  // pitch is the bass wherever a bass is kept, and over another bass the
  // root sounds on a string of its own (G/B: x 2 0 0 3 x, not x 2 0 4 0 x).
  bool KeepsThePracticalBass() const {
    int lowest = -1, lowestPitch = 0;
    for (int string = 0; string < strings_; ++string) {
      if (candidate_[string] == kMuted) continue;
      const int pitch = pitch_[string][candidate_[string]];
      if (lowest < 0 || pitch < lowestPitch) lowest = string, lowestPitch = pitch;
    }
    if (lowest < 0) return false;
    if ((!rules_.anyInversion || slashBass_) && WrapPitchClass(lowestPitch) != bass_) return false;
    if (!slashBass_) return true;
    for (int string = 0; string < strings_; ++string) {
      if (string == lowest || candidate_[string] == kMuted) continue;
      if (WrapPitchClass(pitch_[string][candidate_[string]]) == settings_.rootPitchClass)
        return true;
    }
    return false;
  }

  static std::uint8_t BarreStarts(std::span<const int> values) {
    std::uint8_t starts = 0;
    for (std::size_t string = 0; string < values.size(); ++string)
      if (values[string] < 0) starts |= static_cast<std::uint8_t>(1u << string);
    return starts;
  }

  void Check(const Candidate& candidate) {
    if (pitchTests_) {
      if (rules_.anyInversion && slashBass_ && !LowestPitchIsBass()) return;
      if (settings_.bassLowest && !bassKeptByWindow_ && !KeepsThePracticalBass()) return;
    }
    VoicingFacts facts{
        StopsOf(candidate.stops), 0, candidate.low, candidate.high, candidate.sounding,
        candidate.ranks};
    // Where the walk cannot prune earlier windows' repeats (the first two
    // windows over an open bass, where open strings first become choices),
    // a candidate met before is passed over here: the tests below would
    // decide alike again. Elsewhere every candidate is new to its window.
    if (rememberMet_ && !seen_.Insert(facts.ranks)) return;
    // Four held strings or fewer need no barre, and CountFingers would leave
    // them as they are; where it marks one, the ranks change with its sign.
    if (candidate.held > kFingerCount) {
      Values values = candidate_;
      std::span<int> marked(values.data(), static_cast<std::size_t>(strings_));
      if (CountFingers(marked, settings_.noFullBarres, settings_.barres) > kFingerCount) return;
      facts.barreStarts = BarreStarts(marked);
      if (facts.barreStarts != 0) facts.ranks = ValueRanks(marked);
    }
    const auto strings = static_cast<std::size_t>(strings_);
    if (!KeptVoicing(facts, strings, settings_.simpleChords, settings_.span)) return;
    Voicing& voicing = voicings_.emplace_back();
    SetVoicing(voicing, facts, strings);
    if (!promoted_ && shapes_.Holds(strings, facts.ranks)) {
      MarkPreferred(voicing);
      promoted_ = true;
    }
  }

  const VoicingRules rules_;
  const SearchSettings& settings_;
  const int strings_;
  const int bass_;
  const bool slashBass_;
  const KnownShapes& shapes_;
  // Whether a candidate's pitches are tested (most searches need not).
  const bool pitchTests_ = (rules_.anyInversion && slashBass_) || settings_.bassLowest;
  std::uint16_t required_ = 0;
  std::uint16_t triadRequired_ = 0;   // required_ with the optional tones too
  int minFree_ = rules_.minSounding;  // free strings that must sound
  int maxFree_ = settings_.maxFreeSounding;
  bool triadOnly_ = false;  // a bass placement only a triad may use
  std::array<std::array<int, kFretSlots>, kMaxInstrumentStrings> pitch_{};
  std::array<std::uint32_t, kMaxInstrumentStrings> chordFrets_{};
  std::array<enumeration::StringChoices, kMaxInstrumentStrings> choices_{};
  std::array<std::uint16_t, kMaxInstrumentStrings + 1> available_{};
  std::array<int, kMaxInstrumentStrings + 1> withChoices_{};
  std::array<int, kMaxInstrumentStrings + 1> highestFrom_{};
  int lowestNewHigh_ = -1;
  int top_ = 0;  // the window's highest fret
  // The bass string's part in the voicing's facts (none over any inversion).
  Candidate fixed_;              // the bass string's stop, the rest muted
  std::uint64_t freeStops_ = 0;  // fixed_.stops with the free strings' bytes clear
  std::array<bool, kMaxInstrumentStrings> newBelowTop_{};
  // Each string's tone at each fret (0 where the string has no such fret),
  // and the tone and rank of its choices in the window.
  std::array<std::array<std::uint16_t, kFretSlots>, kMaxInstrumentStrings> toneBitAt_{};
  // (Written for every window before the walk reads them: not cleared.)
  std::array<std::array<std::uint16_t, kFretSlots + 1>, kMaxInstrumentStrings> toneBit_;
  std::array<std::array<std::uint64_t, kFretSlots + 1>, kMaxInstrumentStrings> rank_;
  std::array<std::uint64_t, kMaxInstrumentStrings> mutedRank_{};
  // Each choice's stop in its byte (see Candidate), and a muted string's.
  std::array<std::array<std::uint64_t, kFretSlots + 1>, kMaxInstrumentStrings> stopBits_;
  std::array<std::uint64_t, kMaxInstrumentStrings> mutedStop_{};
  Values candidate_{};
  int firstFree_ = 0;
  // Each free string's choice as the walk stands (kMutedChoice: muted).
  std::array<std::int8_t, kMaxInstrumentStrings> at_{};
  // The last string's choices as bits: all, those sounding each pitch
  // class, and those that make a candidate new to its window.
  std::uint32_t lastAll_ = 0;
  std::uint32_t lastNew_ = 0;
  std::array<std::uint32_t, kNoPitchClass + 1> lastSounding_{};
  MetCandidates seen_;
  bool rememberMet_ = false;
  int bassPitch_ = 0;              // the bass string's pitch (none over any inversion)
  bool bassKeptByWindow_ = false;  // see WalkWindow
  bool promoted_ = false;
  std::vector<Voicing> voicings_;
};

void RemoveFirst(std::vector<int>& tones, int tone) {
  auto found = std::find(tones.begin(), tones.end(), tone);
  if (found != tones.end()) tones.erase(found);
}

SearchSettings Sanitized(SearchSettings settings, const Instrument& instrument) {
  settings.fretCount =
      std::clamp(settings.fretCount, 1, std::clamp(instrument.neckFrets, 1, kMaxFretCount));
  settings.rootPitchClass = WrapPitchClass(settings.rootPitchClass);
  settings.bassPitchClass = WrapPitchClass(settings.bassPitchClass);
  return settings;
}

}  // namespace

std::vector<int> ChordTonesOf(const std::vector<int>& argumentNumbers,
                              const SearchSettings& settings) {
  std::size_t first = settings.bassPitchClass != settings.rootPitchClass ? 1 : 0;
  // A tone named twice is still one tone to cover.
  std::vector<int> tones = DistinctInOrder(std::vector<int>(
      argumentNumbers.begin() + std::min(first, argumentNumbers.size()), argumentNumbers.end()));
  if (settings.omitThird) {
    RemoveFirst(tones, WrapPitchClass(settings.thirdInterval + settings.rootPitchClass));
  }
  if (settings.omitFifth) {
    RemoveFirst(tones, WrapPitchClass(settings.fifthInterval + settings.rootPitchClass));
  }
  return tones;
}

InstrumentSearchResult SearchAnyInstrument(const Instrument& instrument,
                                           const std::vector<int>& argumentNumbers,
                                           const SearchSettings& raw) {
  return SearchAnyInstrument(instrument, argumentNumbers, raw, instrument.rules);
}

InstrumentSearchResult SearchAnyInstrument(const Instrument& instrument,
                                           const std::vector<int>& argumentNumbers,
                                           const SearchSettings& raw, const VoicingRules& rules) {
  InstrumentSearchResult result;
  const int strings = instrument.StringCount();
  if (argumentNumbers.empty() || strings < kMinInstrumentStrings || strings > kMaxInstrumentStrings)
    return result;
  const SearchSettings settings = Sanitized(raw, instrument);
  result.chordTones = ChordTonesOf(argumentNumbers, settings);
  InstrumentWalk walk(instrument, rules, settings, result.chordTones, argumentNumbers[0]);
  result.voicings = walk.Run();
  std::sort(result.voicings.begin(), result.voicings.end(),
            [](const Voicing& a, const Voicing& b) { return VoicingBefore(a, b); });
  return result;
}

InstrumentSearchResult SearchOnInstrument(const Instrument& instrument,
                                          const std::vector<int>& argumentNumbers,
                                          const SearchSettings& settings) {
  if (settings.practical) return SearchPractical(instrument, argumentNumbers, settings);
  return SearchAnyInstrument(instrument, argumentNumbers, settings);
}

Instrument InstrumentWithCapo(Instrument instrument, int capo) {
  capo = ClampCapo(capo);
  for (OpenString& string : instrument.strings) {
    string.pitch += capo;
    string.firstFret = std::max(0, string.firstFret - capo);
  }
  return instrument;
}

Instrument InstrumentUnderCapo(const Instrument& instrument, int capo, CapoNames names) {
  Instrument under = InstrumentWithCapo(instrument, capo);
  if (names == CapoNames::Shapes) {
    for (OpenString& string : under.strings) string.pitch -= ClampCapo(capo);
  }
  return under;
}

}  // namespace corvanta
