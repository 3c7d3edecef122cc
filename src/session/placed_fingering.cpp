#include "session/placed_fingering.h"

#include <algorithm>
#include <cstdlib>

#include "instrument/capo.h"
#include "search/finger_count.h"
#include "symbols/chord_names.h"

namespace corvanta {

namespace {

// The distinct pitch classes from the lowest note up.
SoundingNotes FromLowest(std::vector<std::pair<int, int>> sounding) {
  std::stable_sort(sounding.begin(), sounding.end());
  SoundingNotes notes;
  std::vector<int> ordered;
  for (auto [note, pitchClass] : sounding) ordered.push_back(pitchClass);
  notes.pitchClasses = DistinctInOrder(ordered);
  if (!notes.pitchClasses.empty()) notes.bass = notes.pitchClasses.front();
  return notes;
}

}  // namespace

SoundingNotes NotesOfFingering(const Frets& frets, const Tuning& tuning, int capo) {
  PitchTable pitches = PitchTableWithCapo(BuildPitchTable(tuning), capo);
  std::vector<std::pair<int, int>> sounding;  // MIDI note, pitch class
  for (int string = 0; string < kStringCount; ++string) {
    if (frets[string] == kMuted) continue;
    int fret = std::min(std::abs(frets[string]), kFretSlots - 1);
    int note = pitches[string][fret];
    sounding.emplace_back(note, WrapPitchClass(note));
  }
  return FromLowest(std::move(sounding));
}

SoundingNotes NotesOnInstrument(std::span<const int> frets, const Instrument& instrument) {
  std::vector<std::pair<int, int>> sounding;
  for (int note : StrumNotes(frets, instrument)) sounding.emplace_back(note, WrapPitchClass(note));
  return FromLowest(std::move(sounding));
}

ChordNameList NameFingering(const Frets& frets, const Tuning& tuning, int capo, Accidentals names) {
  return NameSoundingNotes(NotesOfFingering(frets, tuning, capo), names);
}

ChordNameList NameSoundingNotes(const SoundingNotes& notes, Accidentals names) {
  if (notes.pitchClasses.empty()) return {};
  return ListChordNames(notes.pitchClasses, notes.bass, names);
}

std::vector<int> PlaceFinger(std::vector<int> placed, int string, int fret) {
  if (string < 0 || string >= static_cast<int>(placed.size()) || fret < 0 || fret >= kFretSlots)
    return placed;
  int& value = placed[static_cast<std::size_t>(string)];
  bool fingerThere = fret > 0 && std::abs(value) == fret && value != kMuted;
  if (fret == 0 || fingerThere) {
    value = value == 0 ? kMuted : 0;
  } else {
    value = fret;
  }
  return placed;
}

std::vector<int> PlaceFingerUnderCapo(std::vector<int> frets, int string, int neckFret, int capo,
                                      int stringStart) {
  const int fret = neckFret - capo;
  return PlaceFinger(std::move(frets), string, fret <= stringStart ? 0 : fret);
}

std::vector<int> WithBarreMarks(std::vector<int> marked) {
  for (int& value : marked) value = value == kMuted ? kMuted : std::abs(value);
  CountFingers(marked, false);
  return marked;
}

int FindVoicing(const std::vector<Voicing>& voicings, std::span<const int> frets) {
  auto same = [&](const FretValues& other) {
    if (other.size() != frets.size()) return false;
    for (std::size_t string = 0; string < frets.size(); ++string) {
      if (std::abs(other[string]) != std::abs(frets[string])) return false;
    }
    return true;
  };
  for (std::size_t i = 0; i < voicings.size(); ++i) {
    if (same(voicings[i].frets)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<int> StrumNotes(std::span<const int> frets, const Instrument& sounding) {
  std::vector<int> notes = StringPitches(frets, sounding);
  std::erase(notes, -1);
  return notes;
}

namespace {

std::optional<int> FretWord(std::string_view word) {
  if (word == "x" || word == "X" || word == "99") return kMuted;
  // "-f": the lowest string of a barre at fret f, as the key texts write it.
  bool barre = word.size() > 1 && word.front() == '-';
  if (barre) word.remove_prefix(1);
  if (word.empty() || word.size() > 2) return std::nullopt;
  int value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value >= kFretSlots || (barre && value == 0)) return std::nullopt;
  return barre ? -value : value;
}

}  // namespace

std::optional<Frets> ParseTypedFrets(std::string_view text) {
  auto values = ParseFretList(text, kStringCount);
  if (!values) return std::nullopt;
  Frets frets{};
  std::copy(values->begin(), values->end(), frets.begin());
  return frets;
}

std::optional<std::vector<int>> ParseFretList(std::string_view text, int strings) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find(' ', at);
    if (end == std::string_view::npos) end = text.size();
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  // "x32010": one character a string.
  if (words.size() == 1 && words[0].size() == static_cast<std::size_t>(strings)) {
    std::string_view compact = words[0];
    words.clear();
    for (std::size_t i = 0; i < compact.size(); ++i) words.push_back(compact.substr(i, 1));
  }
  if (words.size() != static_cast<std::size_t>(strings)) return std::nullopt;
  std::vector<int> frets;
  for (std::string_view word : words) {
    auto value = FretWord(word);
    if (!value) return std::nullopt;
    frets.push_back(*value);
  }
  return frets;
}

}  // namespace corvanta
