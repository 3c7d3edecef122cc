// A fingering's stops, barres and readable text.
#include "instrument/fingering.h"

#include <algorithm>

namespace corvanta {

Fingering::Fingering(std::initializer_list<StringStop> stops) : Fingering(stops.size()) {
  std::copy_n(stops.begin(), count_, stops_.begin());
}

std::vector<Barre> Fingering::Barres() const {
  std::vector<Barre> barres;
  if (barreStarts_ == 0) return barres;
  unsigned covered = 0;
  for (int fret = LowestHeldFret(); fret <= HighestFret(); ++fret) {
    for (std::size_t first = 0; first < count_; ++first) {
      if (!StartsBarre(first) || stops_[first].Fret() != fret || (covered >> first & 1u)) continue;
      Barre barre{fret, static_cast<int>(first), static_cast<int>(first)};
      for (std::size_t string = first; string < count_; ++string) {
        const StringStop stop = stops_[string];
        if ((covered >> string & 1u) || (stop.Sounds() && stop.Fret() < fret)) break;
        barre.last = static_cast<int>(string);
        if (stop.Fret() == fret) covered |= 1u << string;
      }
      barres.push_back(barre);
    }
  }
  return barres;
}

bool Fingering::SameStops(const Fingering& other) const {
  return std::equal(begin(), end(), other.begin(), other.end());
}

int Fingering::HeldCount() const {
  return static_cast<int>(std::count_if(begin(), end(), [](StringStop s) { return s.IsHeld(); }));
}

int Fingering::LowestHeldFret() const {
  int low = 0;
  for (StringStop stop : *this)
    if (stop.IsHeld() && (low == 0 || stop.Fret() < low)) low = stop.Fret();
  return low;
}

int Fingering::HighestFret() const {
  int high = 0;
  for (StringStop stop : *this) high = std::max(high, stop.Fret());
  return high;
}

std::vector<int> StringPitches(const Fingering& fingering, const Instrument& instrument) {
  std::vector<int> pitches;
  pitches.reserve(fingering.size());
  for (std::size_t string = 0; string < fingering.size(); ++string) {
    const StringStop stop = fingering[string];
    pitches.push_back(stop.IsMuted() ? -1
                                     : PitchAt(instrument, static_cast<int>(string), stop.Fret()));
  }
  return pitches;
}

std::string ReadableFrets(const Fingering& fingering) {
  std::string text;
  for (StringStop stop : fingering) {
    if (!text.empty()) text += ' ';
    text += stop.IsMuted() ? "X" : std::to_string(stop.Fret());
  }
  return text;
}

std::vector<int> FingerNumbers(const Fingering& fingering) {
  std::vector<int> fingers(fingering.size(), -1);
  for (std::size_t string = 0; string < fingering.size(); ++string)
    if (fingering[string].IsOpen()) fingers[string] = 0;
  const std::vector<Barre> barres = fingering.Barres();
  auto barreAt = [&](int fret, std::size_t string) {
    for (const Barre& barre : barres)
      if (barre.fret == fret && static_cast<int>(string) >= barre.first &&
          static_cast<int>(string) <= barre.last)
        return &barre;
    return static_cast<const Barre*>(nullptr);
  };
  int finger = 0;
  for (int fret = fingering.LowestHeldFret(); fret > 0 && fret <= fingering.HighestFret(); ++fret) {
    for (std::size_t string = 0; string < fingering.size(); ++string) {
      if (fingering[string].Fret() != fret) continue;
      const Barre* barre = barreAt(fret, string);
      if (barre == nullptr) {
        fingers[string] = ++finger;
      } else if (barre->first == static_cast<int>(string)) {
        ++finger;  // one finger for every string the barre holds at its fret
        for (int covered = barre->first; covered <= barre->last; ++covered)
          if (fingering[static_cast<std::size_t>(covered)].Fret() == fret)
            fingers[static_cast<std::size_t>(covered)] = finger;
      }
    }
  }
  return fingers;
}

}  // namespace corvanta
