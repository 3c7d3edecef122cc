// The window's fonts, chosen among those the system has.
#include "app/app_fonts.h"

#include <QStringList>

namespace corvanta {

QFont ChineseFont(int pixelSize) {
  QFont font;
  font.setFamilies(
      {"SimSun", "宋体", "WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC"});
  font.setPixelSize(pixelSize);
  return font;
}

QFont ArialFont(int pixelSize) {
  QFont font;
  font.setFamilies({"Arial", "Liberation Sans", "DejaVu Sans", "WenQuanYi Micro Hei"});
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace corvanta
