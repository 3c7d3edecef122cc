// The remembered choices, kept with QSettings, with the first start's defaults.
#include "app/preferences.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "view/layout/picture_geometry.h"

namespace corvanta::preferences {
namespace {

constexpr const char* kNotationKey = "symbols/notation";
constexpr const char* kStandardValue = "standard";
constexpr const char* kLanguageKey = "ui/language";
constexpr const char* kEnglishValue = "en";

QSettings Store() { return QSettings("Corvanta", "Corvanta"); }

}  // namespace

ChordNotation Notation() {
  if (!NotationChosen()) return NotationForLanguage(Language());
  return Store().value(kNotationKey).toString() == kStandardValue ? ChordNotation::Standard
                                                                  : ChordNotation::Classic;
}

bool NotationChosen() { return Store().contains(kNotationKey); }

ChordNotation NotationForLanguage(UiLanguage language) {
  // An English songbook writes C9 for the ninth chord; the program's own
  // words are the Chinese window's.
  return language == UiLanguage::English ? ChordNotation::Standard : ChordNotation::Classic;
}

void SetNotation(ChordNotation notation) {
  Store().setValue(kNotationKey, notation == ChordNotation::Standard ? kStandardValue : "classic");
}

// One of the sizes offered (a size edited into the file counts as the
// first), so that every window shows the diagrams at the same size.
int Zoom() { return kZoomSteps[ZoomStepIndex(Store().value("view/zoom", 100).toInt())]; }

void SetZoom(int percent) { Store().setValue("view/zoom", percent); }

CapoNames CapoNaming() {
  return Store().value("capo/names").toString() == "shapes" ? CapoNames::Shapes
                                                            : CapoNames::Sounding;
}

void SetCapoNaming(CapoNames names) {
  Store().setValue("capo/names", names == CapoNames::Shapes ? "shapes" : "sounding");
}

std::string InstrumentName() {
  return Store().value("instrument/name", "guitar").toString().toStdString();
}

std::string CustomPitches() { return Store().value("instrument/custom").toString().toStdString(); }

void SetInstrument(const std::string& name, const std::string& pitches) {
  QSettings store = Store();
  store.setValue("instrument/name", QString::fromStdString(name));
  if (name == "custom") store.setValue("instrument/custom", QString::fromStdString(pitches));
}

// An English player starts with the shapes players use, easiest first; the
// Chinese window (and the C locale's) starts as the program always has.
bool ModernForLanguage() { return Language() == UiLanguage::English; }

bool VoicingOrderByEase() {
  QSettings store = Store();
  if (!store.contains("view/order")) return ModernForLanguage();
  return store.value("view/order").toString() == "ease";
}

void SetVoicingOrder(bool byEase) { Store().setValue("view/order", byEase ? "ease" : "position"); }

bool Practical() {
  QSettings store = Store();
  if (!store.contains("search/practical")) return ModernForLanguage();
  return store.value("search/practical").toBool();
}

void SetPractical(bool practical) { Store().setValue("search/practical", practical); }

int StringLabelChoice() {
  constexpr int kMarks = 0, kChart = 3;
  QSettings store = Store();
  if (!store.contains("view/labels")) return ModernForLanguage() ? kChart : kMarks;
  return std::clamp(store.value("view/labels").toInt(), kMarks, kChart);
}

void SetStringLabels(int choice) { Store().setValue("view/labels", choice); }

std::string ExportFolder() {
  const QString remembered = Store().value("export/folder").toString();
  if (!remembered.isEmpty() && QDir(remembered).exists()) return remembered.toStdString();
  for (auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DocumentsLocation}) {
    const QString folder = QStandardPaths::writableLocation(location);
    if (!folder.isEmpty() && QDir(folder).exists()) return folder.toStdString();
  }
  return QDir::homePath().toStdString();
}

void SetExportFolder(const std::string& folder) {
  Store().setValue("export/folder", QString::fromStdString(folder));
}

UiLanguage Language() {
  QSettings store = Store();
  if (!store.contains(kLanguageKey))
    return LanguageForLocale(QLocale::system().name().toStdString());
  return store.value(kLanguageKey).toString() == kEnglishValue ? UiLanguage::English
                                                               : UiLanguage::Chinese;
}

UiLanguage LanguageForLocale(const std::string& localeName) {
  return localeName.rfind("en", 0) == 0 ? UiLanguage::English : UiLanguage::Chinese;
}

void SetLanguage(UiLanguage language) {
  Store().setValue(kLanguageKey, language == UiLanguage::English ? kEnglishValue : "zh");
}

}  // namespace corvanta::preferences
