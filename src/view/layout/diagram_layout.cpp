// Lays out a chord diagram: the first fret shown, dots, barres, marks.
#include "view/layout/diagram_layout.h"

#include <algorithm>
#include <cstdlib>

namespace corvanta {
namespace {

constexpr int kStringSpacing = kDiagramStringSpacing;
constexpr int kMarkRowY = 91;
constexpr int kChartMarkY = 4;  // above the chart's nut
constexpr int kBassRingMargin = 2;
constexpr int kBarreRingRaise = 2;  // a bar is 4 high, a dot 9
constexpr int kGridX = 24;
constexpr int kGridY = 3;
constexpr int kFirstRowDotY = 11;
constexpr int kRowHeight = 16;
constexpr int kBarreOffsetX = 18;

int StringX(int position) { return kDiagramMarkOriginX + kStringSpacing * position; }

Sprite FingerSprite(int finger) {
  return static_cast<Sprite>(static_cast<int>(Sprite::Finger1) + finger - 1);
}

const Barre* BarreFrom(const std::vector<Barre>& barres, int fret, int string) {
  for (const Barre& barre : barres)
    if (barre.fret == fret && barre.first == string) return &barre;
  return nullptr;
}

bool BarreOver(const std::vector<Barre>& barres, int fret, int string) {
  return std::any_of(barres.begin(), barres.end(), [&](const Barre& barre) {
    return barre.fret == fret && string >= barre.first && string <= barre.last;
  });
}

}  // namespace

bool DiagramShowsEveryNote(const Fingering& frets) {
  // The first fret shown as LayOutDiagram finds it.
  const int low = frets.LowestHeldFret(), high = frets.HighestFret();
  if (high <= kFirstPositionHighestFret) return true;
  return high < low + kDiagramRows;
}

int BassString(const Fingering& frets, std::span<const int> openPitches,
               std::span<const int> stringStarts) {
  int bass = -1, lowest = 1000;
  for (std::size_t string = 0; string < frets.size() && string < openPitches.size(); ++string) {
    if (frets[string].IsMuted()) continue;
    const int fret = frets[string].Fret();
    const int start = string < stringStarts.size() ? stringStarts[string] : 0;
    const int pitch = openPitches[string] + (fret == 0 ? 0 : fret - start);
    if (pitch < lowest) lowest = pitch, bass = static_cast<int>(string);
  }
  return bass;
}

DiagramLayout LayOutDiagram(const Fingering& frets, DiagramVariant variant, bool leftHanded,
                            int bassString, DiagramMarks marks) {
  const int strings = static_cast<int>(frets.size());
  const bool chart = marks == DiagramMarks::Chart;
  DiagramLayout layout;
  layout.strings = strings;
  layout.shift = chart ? kChartMarkRoom : 0;
  const int markY = chart ? kChartMarkY : kMarkRowY;
  int bassFretted = -1;  // the chart rings this string's finger
  layout.fingers.assign(frets.size(), kNoFinger);
  auto& out = layout.placements;
  // Strings are visited from the lowest-listed; a left-handed diagram draws
  // them from the right.
  auto positionOf = [&](int string) { return leftHanded ? strings - 1 - string : string; };

  bool lowest = true;
  for (int string = 0; string < strings; ++string) {
    const StringStop stop = frets[static_cast<std::size_t>(string)];
    const int x = StringX(positionOf(string));
    if (stop.IsMuted()) {
      out.push_back({Sprite::MutedMark, x, markY});
      continue;
    }
    if (stop.IsOpen()) layout.fingers[static_cast<std::size_t>(string)] = 0;
    const bool bass = bassString < 0 ? lowest : string == bassString;
    lowest = false;
    if (chart && !stop.IsOpen()) {
      if (bass) bassFretted = string;
      continue;
    }
    out.push_back({bass ? Sprite::BassMark : Sprite::SoundingMark, x, markY});
  }
  const int minFret = frets.HighestFret() <= kFirstPositionHighestFret ? 1 : frets.LowestHeldFret();
  layout.firstFret = minFret;
  out.push_back({variant == DiagramVariant::Plain ? Sprite::PlainGrid : Sprite::HighlightedGrid,
                 kGridX, kGridY + layout.shift});

  const std::vector<int> fingers = FingerNumbers(frets);
  const std::vector<Barre> barres = frets.Barres();
  for (int row = 0; row < kDiagramRows; ++row) {
    const int fret = minFret + row;
    const int y = kFirstRowDotY + kRowHeight * row + layout.shift;
    for (int string = 0; string < strings; ++string) {
      const std::size_t at = static_cast<std::size_t>(string);
      if (const Barre* barre = BarreFrom(barres, fret, string)) {
        // A barre shows no digit; the strings it holds at its fret take its
        // number, those it passes over at a higher fret keep their own.
        for (int covered = barre->first; covered <= barre->last; ++covered) {
          out.push_back(
              {Sprite::BarreSegment, kBarreOffsetX + kStringSpacing * positionOf(covered), y});
          const std::size_t c = static_cast<std::size_t>(covered);
          if (frets[c].Fret() == fret) layout.fingers[c] = fingers[c];
        }
      } else if (frets[at].IsHeld() && frets[at].Fret() == fret &&
                 !BarreOver(barres, fret, string) && fingers[at] <= 4) {
        out.push_back({FingerSprite(fingers[at]), StringX(positionOf(string)), y});
        layout.fingers[at] = fingers[at];
      }
      // The fretted bass: its dot (or its barre's bar, whose middle lies
      // higher than a dot's) ringed where it lies.
      if (string == bassFretted && frets[at].Fret() == fret) {
        const int barreRaise = BarreOver(barres, fret, string) ? kBarreRingRaise : 0;
        out.push_back({Sprite::BassRing, StringX(positionOf(string)) - kBassRingMargin,
                       y - kBassRingMargin - barreRaise});
      }
    }
  }
  return layout;
}

}  // namespace corvanta
