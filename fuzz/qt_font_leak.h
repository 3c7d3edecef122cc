// The leak checker's suppression of Qt's fontconfig leak, for fuzz targets that lay out text.
#pragma once

// Qt 6.4 keeps the fontconfig pattern of every fallback font it matches
// for a character (QFontEngineMultiFontConfig), never freed: the leak
// checker would report Qt's leak as ours. The fast unwinder stops inside
// fontconfig, so the library is named. Include in one file of a target.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:QFontEngineMultiFontConfig::getMatchPatternForFallback\n"
         "leak:libfontconfig.so\n";
}
