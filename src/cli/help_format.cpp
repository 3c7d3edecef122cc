// Lays out corvanta-cli's help text for the terminal and the man page.
#include "cli/help_format.h"

#include <sstream>

namespace corvanta::cli {
namespace {

// Options' names stand in a column this wide; a longer name puts its
// description on the next line.
constexpr std::size_t kNameColumn = 26;

std::size_t Characters(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

}  // namespace

std::string WrapText(std::string_view text, std::size_t width) {
  std::string wrapped;
  std::size_t lineLength = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] == ' ' || text[at] == '\n') {
      ++at;
      continue;
    }
    std::size_t end = text.find_first_of(" \n", at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(at, end - at);
    const std::size_t length = Characters(word);
    if (lineLength > 0 && lineLength + 1 + length > width) {
      wrapped += '\n';
      lineLength = 0;
    } else if (lineLength > 0) {
      wrapped += ' ';
      ++lineLength;
    }
    wrapped += word;
    lineLength += length;
    at = end;
  }
  return wrapped;
}

HelpFormatter::HelpFormatter() { column_width(kNameColumn); }

std::string HelpFormatter::WrapDescription(const std::string& text) const {
  return WrapText(text, kHelpColumns - get_column_width());
}

std::string HelpFormatter::make_option_desc(const CLI::Option* option) const {
  return WrapDescription(CLI::Formatter::make_option_desc(option));
}

std::string HelpFormatter::make_subcommand(const CLI::App* command) const {
  std::stringstream out;
  CLI::detail::format_help(out, command->get_display_name(true),
                           WrapDescription(command->get_description()), get_column_width());
  return out.str();
}

std::string HelpFormatter::make_description(const CLI::App* app) const {
  const std::string description = CLI::Formatter::make_description(app);
  if (description.empty()) return {};
  return WrapText(description, kHelpColumns) + "\n";
}

std::string HelpFormatter::make_footer(const CLI::App* app) const {
  const std::string footer = app->get_footer();
  if (footer.empty()) return {};
  return WrapText(footer, kHelpColumns) + "\n";
}

}  // namespace corvanta::cli
