// Reads the window's command line (--language, --instrument) into WindowArguments.
#include "app/command_line.h"

#include <QCommandLineParser>

#include "instrument/instrument.h"

namespace corvanta {
namespace {

void DescribeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription("Corvanta, a guitar chord finder");
  parser.addOption({"lang", "The window's language for this run: en or zh.", "language"});
  parser.addOption(
      {"instrument",
       "The instrument for this run: " + QString::fromStdString(InstrumentNames()) + ".", "name"});
  parser.addOption({{"v", "version"}, "Print the version and exit."});
  parser.addOption({{"h", "help"}, "Print this help and exit."});
}

}  // namespace

WindowArguments ParseWindowArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  DescribeOptions(parser);
  WindowArguments result;
  if (!parser.parse(arguments)) {
    result.error = parser.errorText();
    return result;
  }
  if (!parser.positionalArguments().isEmpty()) {
    result.error = "unexpected argument '" + parser.positionalArguments().front() + "'";
    return result;
  }
  result.showVersion = parser.isSet("version");
  result.showHelp = parser.isSet("help");
  if (parser.isSet("lang")) {
    QString language = parser.value("lang");
    if (language == "en") {
      result.language = UiLanguage::English;
    } else if (language == "zh") {
      result.language = UiLanguage::Chinese;
    } else {
      result.error = "--lang: '" + language + "' is not en or zh";
    }
  }
  if (parser.isSet("instrument")) {
    const std::string name = parser.value("instrument").toStdString();
    if (FindInstrument(name) == nullptr) {
      result.error =
          QString::fromStdString("--instrument: '" + name + "' is not one of " + InstrumentNames());
    } else {
      result.instrument = name;
    }
  }
  return result;
}

QString WindowUsage() {
  QCommandLineParser parser;
  DescribeOptions(parser);
  // Without an application object the parser cannot know the program's name.
  return parser.helpText().replace("<executable_name>", "corvanta");
}

}  // namespace corvanta
