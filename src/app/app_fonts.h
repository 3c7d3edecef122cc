// The window's fonts: the Chinese captions' and the grids' Arial-like one.
#pragma once

#include <QFont>

namespace corvanta {

// The window's font, "宋体" where it exists and a CJK font that does
// otherwise, so the Chinese captions never show as boxes.
QFont ChineseFont(int pixelSize);
// Arial for chord names and note grids, with metric-compatible fallbacks.
QFont ArialFont(int pixelSize);

}  // namespace corvanta
