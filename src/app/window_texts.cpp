// The core tables' texts in the window's language, through the translation
// contexts that hold them (the tables live in the Qt-free core as data).
#include "app/window_texts.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include "view/chord_text.h"

namespace corvanta {
namespace {

constexpr const char* kPresetContext = "TuningPresets";
constexpr const char* kInstrumentContext = "Instruments";
constexpr const char* kTitleContext = "InstrumentTitles";

// The main window's own texts, in its translation context.
struct MainWindowTexts {
  Q_DECLARE_TR_FUNCTIONS(corvanta::TForm1)
};

}  // namespace

bool CaptionFits(const QString& text, const QFont& font, int width) {
  constexpr int kTextMargin = 1;  // a pixel clear of each edge
  return QFontMetrics(font).horizontalAdvance(text) <= width - 2 * kTextMargin;
}

QString TuningText(std::string_view coreText) {
  return QCoreApplication::translate(kPresetContext, ToQString(coreText).toUtf8().constData());
}

QString DifficultyWordText(DifficultyWord word) {
  switch (word) {
    case DifficultyWord::Easy:
      return QCoreApplication::translate("Difficulty", "容易");
    case DifficultyWord::Medium:
      return QCoreApplication::translate("Difficulty", "中等");
    case DifficultyWord::Hard:
      return QCoreApplication::translate("Difficulty", "困难");
  }
  return {};
}

QString InstrumentText(std::string_view coreText) {
  return QCoreApplication::translate(kInstrumentContext, ToQString(coreText).toUtf8().constData());
}

QString InstrumentTitle(const Instrument& instrument) {
  // The captions are the instrument table's; their translations are kept
  // in the translation file by hand, as lupdate cannot read the table.
  if (!instrument.caption.empty())
    return QCoreApplication::translate(kTitleContext, instrument.caption.c_str());
  if (instrument.name != "custom") return QString::fromStdString(instrument.title);
  return MainWindowTexts::tr("自定义") + " (" +
         QString::fromStdString(PitchNames(instrument.StandardPitches())) + ")";
}

}  // namespace corvanta
