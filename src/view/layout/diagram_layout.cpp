#include "view/layout/diagram_layout.h"

#include <algorithm>
#include <cstdlib>

#include "view/layout/barre.h"

namespace corvanta {
namespace {

constexpr int kStringSpacing = kDiagramStringSpacing;
constexpr int kMarkRowY = 91;
constexpr int kGridX = 24;
constexpr int kGridY = 3;
constexpr int kFirstRowDotY = 11;
constexpr int kRowHeight = 16;
constexpr int kBarreOffsetX = 18;

int StringX(int position) { return kDiagramMarkOriginX + kStringSpacing * position; }

Sprite FingerSprite(int finger) {
  return static_cast<Sprite>(static_cast<int>(Sprite::Finger1) + finger - 1);
}

}  // namespace

bool DiagramShowsEveryNote(std::span<const int> frets) {
  // The first fret shown as LayOutDiagram finds it.
  int low = 100, high = 0;
  for (int value : frets) {
    const int fret = std::abs(value);
    if (fret == kMuted || fret == 0) continue;
    low = std::min(low, fret);
    high = std::max(high, fret);
  }
  if (high <= kFirstPositionHighestFret) return true;
  return high < low + kDiagramRows;
}

int BassString(std::span<const int> frets, std::span<const int> openPitches,
               std::span<const int> stringStarts) {
  int bass = -1, lowest = 1000;
  for (std::size_t string = 0; string < frets.size() && string < openPitches.size(); ++string) {
    const int fret = std::abs(frets[string]);
    if (fret == kMuted) continue;
    const int start = string < stringStarts.size() ? stringStarts[string] : 0;
    const int pitch = openPitches[string] + (fret == 0 ? 0 : fret - start);
    if (pitch < lowest) lowest = pitch, bass = static_cast<int>(string);
  }
  return bass;
}

DiagramLayout LayOutDiagram(std::span<const int> frets, DiagramVariant variant, bool leftHanded,
                            int bassString) {
  const int strings = static_cast<int>(frets.size());
  DiagramLayout layout;
  layout.strings = strings;
  layout.fingers.assign(frets.size(), kNoFinger);
  auto& out = layout.placements;
  // Position k holds the string drawn k-th from the left; a scan always
  // visits the strings from the lowest-pitched one.
  std::vector<int> values(frets.begin(), frets.end());
  int first = 0, last = strings, step = 1;
  if (leftHanded) {
    std::reverse(values.begin(), values.end());
    first = strings - 1, last = -1, step = -1;
  }
  auto at = [&](int k) -> int& { return values[static_cast<std::size_t>(k)]; };

  int minFret = 100, maxFret = 0;
  bool lowest = true;
  auto stringAt = [&](int k) { return static_cast<std::size_t>(leftHanded ? strings - 1 - k : k); };
  for (int k = first; k != last; k += step) {
    int a = std::abs(at(k));
    layout.fingers[stringAt(k)] = a == kMuted ? kNoFinger : a == 0 ? 0 : kNoFinger;
    if (a == kMuted) {
      out.push_back({Sprite::MutedMark, StringX(k), kMarkRowY});
      continue;
    }
    if (a != 0 && a < minFret) minFret = a;
    if (a > maxFret) maxFret = a;
    const bool bass = bassString < 0 ? lowest : static_cast<int>(stringAt(k)) == bassString;
    out.push_back({bass ? Sprite::BassMark : Sprite::SoundingMark, StringX(k), kMarkRowY});
    lowest = false;
  }
  if (maxFret <= kFirstPositionHighestFret) minFret = 1;
  layout.firstFret = minFret;
  out.push_back({variant == DiagramVariant::Plain ? Sprite::PlainGrid : Sprite::HighlightedGrid,
                 kGridX, kGridY});

  int finger = 0;
  for (int row = 0; row < kDiagramRows; ++row) {
    int fret = minFret + row;
    int y = kFirstRowDotY + kRowHeight * row;
    for (int k = first; k != last; k += step) {
      if (at(k) == fret) {
        ++finger;
        if (finger <= 4) {
          out.push_back({FingerSprite(finger), StringX(k), y});
          layout.fingers[stringAt(k)] = finger;
        }
      } else if (at(k) == -fret) {
        ++finger;  // the barre takes a finger number but shows no digit
        for (int covered : CoverBarre(values, k, step, fret)) {
          out.push_back({Sprite::BarreSegment, kBarreOffsetX + kStringSpacing * covered, y});
          // Strings the barre passes over at a higher fret keep their own finger.
          if (std::abs(frets[stringAt(covered)]) == fret)
            layout.fingers[stringAt(covered)] = finger;
        }
      }
    }
  }
  return layout;
}

}  // namespace corvanta
