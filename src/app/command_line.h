// The window's command-line options.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "app/preferences.h"

namespace corvanta {

// What the window's command line asks for.
struct WindowArguments {
  std::optional<UiLanguage> language;     // --lang en|zh: this run only
  std::optional<std::string> instrument;  // --instrument NAME: this run only
  QString error;                          // a line for stderr when the arguments are bad
  bool showVersion = false;
  bool showHelp = false;
};

WindowArguments ParseWindowArguments(const QStringList& arguments);
QString WindowUsage();

}  // namespace corvanta
