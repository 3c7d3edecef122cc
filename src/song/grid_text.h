// The shape and label a ChordPro grid asks for in its start_of_grid line.
#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// ChordPro's {start_of_grid} arguments: `shape="4x3"` (4 bars of 3 cells a
// row) or `shape="1+4x3+2"` (with a left and a right margin, in cells), and
// `label="Intro"`; an older file gives the shape bare ("1+4x3+2", "4x3")
// and any other bare text is the label.
struct GridArguments {
  std::string label;
  int left = 0;   // margin cells before the bars (0: none asked)
  int bars = 0;   // bars a row (0: as each line has them)
  int cells = 0;  // cells a bar (0: as each bar has them)
  int right = 0;  // margin cells after the bars
};

GridArguments ReadGridArguments(std::string_view value);

}  // namespace corvanta
