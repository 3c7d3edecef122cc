// The shapes songbooks print first for the common chords.
#pragma once

#include <vector>

#include "search/fingering.h"

namespace corvanta::songbook {

// The shapes songbooks print first for the common chords, as a guitarist
// knows them (open chords, the open sevenths, the E- and A-shape barres,
// the power chords): low E string first, 99 muted. The ease order must put
// each first or second among its chord's practical voicings.
struct Shape {
  const char* symbol;  // standard notation
  std::vector<int> frets;
};

inline const std::vector<Shape>& GuitarShapes() {
  constexpr int x = kMuted;
  static const std::vector<Shape> shapes{
      {"C", {x, 3, 2, 0, 1, 0}},     {"A", {x, 0, 2, 2, 2, 0}},     {"G", {3, 2, 0, 0, 0, 3}},
      {"E", {0, 2, 2, 1, 0, 0}},     {"D", {x, x, 0, 2, 3, 2}},     {"Am", {x, 0, 2, 2, 1, 0}},
      {"Em", {0, 2, 2, 0, 0, 0}},    {"Dm", {x, x, 0, 2, 3, 1}},    {"C7", {x, 3, 2, 3, 1, 0}},
      {"A7", {x, 0, 2, 0, 2, 0}},    {"D7", {x, x, 0, 2, 1, 2}},    {"E7", {0, 2, 0, 1, 0, 0}},
      {"G7", {3, 2, 0, 0, 0, 1}},    {"F", {1, 3, 3, 2, 1, 1}},     {"Bm", {x, 2, 4, 4, 3, 2}},
      {"B", {x, 2, 4, 4, 4, 2}},     {"F#m", {2, 4, 4, 2, 2, 2}},   {"C5", {x, 3, 5, 5, x, x}},
      {"G5", {3, 5, 5, x, x, x}},    {"Am7", {x, 0, 2, 0, 1, 0}},   {"Em7", {0, 2, 0, 0, 0, 0}},
      {"Dm7", {x, x, 0, 2, 1, 1}},   {"Cmaj7", {x, 3, 2, 0, 0, 0}}, {"B7", {x, 2, 1, 2, 0, 2}},
      {"Gm", {3, 5, 5, 3, 3, 3}},    {"Cm", {x, 3, 5, 5, 4, 3}},    {"Asus4", {x, 0, 2, 2, 3, 0}},
      {"Dsus4", {x, x, 0, 2, 3, 3}}, {"Esus4", {0, 2, 2, 2, 0, 0}}, {"Asus2", {x, 0, 2, 2, 0, 0}},
      {"Dsus2", {x, x, 0, 2, 3, 0}}, {"E5", {0, 2, 2, x, x, x}},    {"A5", {x, 0, 2, 2, x, x}},
  };
  return shapes;
}

}  // namespace corvanta::songbook
