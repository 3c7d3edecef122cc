// Texts the main window's rooms share: the core tables' captions in the
// window's language, the caption-fitting rule and the symbol box's looks.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "instrument/instrument.h"
#include "search/difficulty.h"

namespace corvanta {

// Whether a caption fits a button of this width in this font.
bool CaptionFits(const QString& text, const QFont& font, int width);
inline constexpr int kSmallestCaptionPixels = 8;
// The status bar's reading panel at its narrowest, and the symbol box's look
// plain and with a typed text it could not take whole.
inline constexpr int kReadingPanelWidth = 200;
inline constexpr const char* kSymbolStyle = "QLineEdit { background: palette(button); }";
inline constexpr const char* kMarkedSymbolStyle =
    "QLineEdit { background: #ffd9a0; color: black; }";
// A tuning preset's caption and an instrument item of the core's tables, in
// the window's language.
QString TuningText(std::string_view coreText);
QString InstrumentText(std::string_view coreText);
// "easy", "medium", "hard" in the window's language.
QString DifficultyWordText(DifficultyWord word);
// An instrument's title in the window's language; a custom one says its pitches.
QString InstrumentTitle(const Instrument& instrument);

}  // namespace corvanta
