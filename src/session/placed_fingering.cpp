// Names and plays what a fingering placed on the neck sounds.
#include "session/placed_fingering.h"

#include <algorithm>
#include <cstdlib>

#include "instrument/capo.h"
#include "search/finger_count.h"
#include "search/key_text.h"
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

SoundingNotes NotesOnInstrument(const Fingering& fingering, const Instrument& instrument) {
  std::vector<std::pair<int, int>> sounding;
  for (int note : StrumNotes(fingering, instrument))
    sounding.emplace_back(note, WrapPitchClass(note));
  return FromLowest(std::move(sounding));
}

ChordNameList NameSoundingNotes(const SoundingNotes& notes, Accidentals names) {
  if (notes.pitchClasses.empty()) return {};
  return ListChordNames(notes.pitchClasses, notes.bass, names);
}

Fingering PlaceFinger(Fingering placed, int string, int fret) {
  if (string < 0 || string >= static_cast<int>(placed.size()) || fret < 0 || fret >= kFretSlots)
    return placed;
  const std::size_t at = static_cast<std::size_t>(string);
  const StringStop stop = placed[at];
  const bool fingerThere = fret > 0 && stop.IsHeld() && stop.Fret() == fret;
  if (fret == 0 || fingerThere) {
    placed.Set(at, stop.IsOpen() ? StringStop::Muted() : StringStop::Open());
  } else {
    placed.Set(at, StringStop::AtFret(fret));
  }
  return placed;
}

Fingering PlaceFingerUnderCapo(Fingering fingering, int string, int neckFret, int capo,
                               int stringStart) {
  const int fret = neckFret - capo;
  return PlaceFinger(std::move(fingering), string, fret <= stringStart ? 0 : fret);
}

Fingering WithBarres(Fingering placed) {
  // The finger count marks its barres in the search's key values.
  std::vector<int> values;
  for (StringStop stop : placed) values.push_back(stop.IsMuted() ? kMuted : stop.Fret());
  CountFingers(values, false);
  return FingeringOfKeyValues(values).value_or(placed);
}

int FindVoicing(const std::vector<Voicing>& voicings, const Fingering& fingering) {
  for (std::size_t i = 0; i < voicings.size(); ++i) {
    if (voicings[i].frets.SameStops(fingering)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<int> StrumNotes(const Fingering& fingering, const Instrument& sounding) {
  std::vector<int> notes = StringPitches(fingering, sounding);
  std::erase(notes, -1);
  return notes;
}

namespace {

std::optional<int> FretWord(std::string_view word) {
  if (word == "x" || word == "X" || word == "99") return kMuted;
  // "-f": the lowest string of a barre at fret f, as the key texts write it
  // (FingeringOfKeyValues reads them).
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

std::optional<Fingering> ParseFretList(std::string_view text, int strings) {
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
  return FingeringOfKeyValues(frets);
}

}  // namespace corvanta
