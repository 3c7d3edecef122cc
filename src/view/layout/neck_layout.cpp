// Lays out the neck picture's frets, strings and markers.
#include "view/layout/neck_layout.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace corvanta {
namespace {

constexpr std::array<int, 26> kNeckFretX{10,  50,  93,  134, 171, 206, 239, 270, 298,
                                         325, 350, 373, 396, 419, 439, 460, 481, 501,
                                         521, 541, 559, 576, 591, 604, 618, 628};
constexpr int kMarkerBack = 10;
constexpr int kStringStep = 14;
// The guitar's six string lines, the lowest string at the bottom.
constexpr std::array<int, 6> kSixStringLineY{76, 62, 48, 34, 20, 7};
constexpr int kSixStrings = static_cast<int>(kSixStringLineY.size());

Sprite NeckFinger(int finger) {
  return static_cast<Sprite>(static_cast<int>(Sprite::NeckFinger1) + finger - 1);
}

// Markers for frets the picture has no space for (above 25) stand at its
// right edge, like any marker that would cross it.
int MarkerX(int fret) {
  int x = NeckFretX(fret) - kMarkerBack;
  return std::clamp(x, 0, kNeckPictureWidth - kNeckMarkerWidth);
}

// The six guitar strings' markers sit 14 px apart from the top; others
// centre on their lines, inside the picture.
int MarkerY(int string, int strings) {
  if (strings == kSixStrings) return kStringStep * (kSixStrings - 1 - string);
  constexpr int kMarkerHeight = 12;
  return std::clamp(NeckStringY(string, strings) - kMarkerHeight / 2, 0,
                    kNeckPictureHeight - kMarkerHeight);
}

}  // namespace

int NeckFretX(int fret) {
  return kNeckFretX[std::clamp(fret, 0, static_cast<int>(kNeckFretX.size()) - 1)];
}

int NeckStringY(int string, int strings) {
  if (strings == kSixStrings) return kSixStringLineY[std::clamp(string, 0, kSixStrings - 1)];
  strings = std::max(strings, 2);
  const int top = kSixStringLineY.back(), bottom = kSixStringLineY.front();
  const int span = bottom - top;
  string = std::clamp(string, 0, strings - 1);
  return bottom - (span * string + (strings - 1) / 2) / (strings - 1);
}

std::vector<Placement> LayOutNeck(const Fingering& frets, int capo,
                                  std::span<const int> stringStarts) {
  std::vector<Placement> out;
  const int strings = static_cast<int>(frets.size());
  for (int s = strings - 1; s >= 0; --s) {
    // An open string sounds at the nut, at the capo when there is one, or at
    // a short string's first fret.
    if (!frets[static_cast<std::size_t>(s)].IsOpen()) continue;
    int start = capo;
    if (static_cast<std::size_t>(s) < stringStarts.size())
      start = std::max(start, stringStarts[static_cast<std::size_t>(s)]);
    out.push_back({Sprite::NeckOpen, start > 0 ? MarkerX(start) : 0, MarkerY(s, strings)});
  }
  // The fretted positions low to high; walking only these (not every fret
  // between) keeps any values cheap.
  std::vector<int> fretted;
  for (StringStop stop : frets)
    if (stop.IsHeld()) fretted.push_back(stop.Fret());
  std::sort(fretted.begin(), fretted.end());
  fretted.erase(std::unique(fretted.begin(), fretted.end()), fretted.end());
  // A fingering placed on the neck may need more than four fingers: its
  // further notes are drawn as plain discs, so that every note shows.
  auto marker = [](int finger) { return finger <= 4 ? NeckFinger(finger) : Sprite::NeckOpen; };
  const std::vector<int> fingers = FingerNumbers(frets);
  const std::vector<Barre> barres = frets.Barres();
  for (int fret : fretted) {
    for (int s = 0; s < strings; ++s) {
      const std::size_t at = static_cast<std::size_t>(s);
      auto barre = std::find_if(barres.begin(), barres.end(), [&](const Barre& b) {
        return b.fret == fret && b.first <= s && s <= b.last;
      });
      if (barre != barres.end()) {
        if (barre->first != s) continue;
        for (int covered = barre->first; covered <= barre->last; ++covered)
          out.push_back({marker(fingers[at]), MarkerX(fret), MarkerY(covered, strings)});
      } else if (frets[at].Fret() == fret) {
        out.push_back({marker(fingers[at]), MarkerX(fret), MarkerY(s, strings)});
      }
    }
  }
  return out;
}

std::optional<NeckPosition> NeckPositionAt(int x, int y, int strings) {
  if (x < 0 || y < 0 || x >= kNeckPictureWidth || y >= kNeckPictureHeight) return std::nullopt;
  NeckPosition position;
  int nearest = kNeckPictureHeight;
  for (int string = 0; string < strings; ++string) {
    int distance = std::abs(y - NeckStringY(string, strings));
    if (distance < nearest) {
      nearest = distance;
      position.string = string;
    }
  }
  position.fret = kNeckFretWires;
  for (int fret = 0; fret <= kNeckFretWires; ++fret) {
    if (x <= kNeckFretX[fret]) {
      position.fret = fret;
      break;
    }
  }
  return position;
}

Fingering AbsoluteFrets(Fingering frets, int capo) {
  for (std::size_t string = 0; string < frets.size(); ++string) {
    const StringStop stop = frets[string];
    if (!stop.IsHeld()) continue;
    const bool barre = frets.StartsBarre(string);
    frets.Set(string, StringStop::AtFret(stop.Fret() + capo));
    if (barre) frets.StartBarre(string);
  }
  return frets;
}

}  // namespace corvanta
