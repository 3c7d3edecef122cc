#include "view/layout/diagram_layout.h"

#include <cstdlib>

#include "view/layout/barre.h"

namespace corvanta {
namespace {

constexpr int kStringOriginX = 21;
constexpr int kStringSpacing = 11;
constexpr int kMarkRowY = 91;
constexpr int kGridX = 24;
constexpr int kGridY = 3;
constexpr int kFirstRowDotY = 11;
constexpr int kRowHeight = 16;
constexpr int kBarreOffsetX = 18;
constexpr int kRowsShown = 5;

int StringX(int position) { return kStringOriginX + kStringSpacing * position; }

Sprite FingerSprite(int finger) {
  return static_cast<Sprite>(static_cast<int>(Sprite::Finger1) + finger - 1);
}

}  // namespace

DiagramLayout LayOutDiagram(const Frets& frets, DiagramVariant variant, bool leftHanded) {
  DiagramLayout layout;
  auto& out = layout.placements;
  // Position k holds the string drawn k-th from the left; a scan always
  // visits the strings from the lowest-pitched one.
  Frets values = frets;
  int first = 0, last = kStringCount, step = 1;
  if (leftHanded) {
    for (int k = 0; k < kStringCount; ++k) values[k] = frets[kStringCount - 1 - k];
    first = kStringCount - 1, last = -1, step = -1;
  }

  int minFret = 100, maxFret = 0;
  bool lowest = true;
  auto stringAt = [&](int k) { return leftHanded ? kStringCount - 1 - k : k; };
  for (int k = first; k != last; k += step) {
    int a = std::abs(values[k]);
    layout.fingers[stringAt(k)] = a == kMuted ? kNoFinger : a == 0 ? 0 : kNoFinger;
    if (a == kMuted) {
      out.push_back({Sprite::MutedMark, StringX(k), kMarkRowY});
      continue;
    }
    if (a != 0 && a < minFret) minFret = a;
    if (a > maxFret) maxFret = a;
    out.push_back({lowest ? Sprite::BassMark : Sprite::SoundingMark, StringX(k), kMarkRowY});
    lowest = false;
  }
  if (maxFret <= kFirstPositionHighestFret) minFret = 1;
  layout.firstFret = minFret;
  out.push_back({variant == DiagramVariant::Plain ? Sprite::PlainGrid : Sprite::HighlightedGrid,
                 kGridX, kGridY});

  int finger = 0;
  for (int row = 0; row < kRowsShown; ++row) {
    int fret = minFret + row;
    int y = kFirstRowDotY + kRowHeight * row;
    for (int k = first; k != last; k += step) {
      if (values[k] == fret) {
        ++finger;
        if (finger <= 4) {
          out.push_back({FingerSprite(finger), StringX(k), y});
          layout.fingers[stringAt(k)] = finger;
        }
      } else if (values[k] == -fret) {
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
