// The help's layout: option columns, wrapped descriptions.
#pragma once

#include <CLI/CLI.hpp>
#include <cstddef>
#include <string>
#include <string_view>

namespace corvanta::cli {

// The help's width: the man page (made from it) indents each command's help
// by seven columns and must fit 80.
inline constexpr std::size_t kHelpColumns = 72;

// corvanta-cli's --help within kHelpColumns: each option's and command's
// description wrapped at blanks under its column, the footer as a paragraph.
class HelpFormatter : public CLI::Formatter {
 public:
  HelpFormatter();
  std::string make_option_desc(const CLI::Option* option) const override;
  std::string make_subcommand(const CLI::App* command) const override;
  std::string make_footer(const CLI::App* app) const override;
  std::string make_description(const CLI::App* app) const override;

 private:
  std::string WrapDescription(const std::string& text) const;
};

// The text's words in lines of at most width characters (UTF-8 characters,
// not bytes), joined by '\n'; a word longer than that stands on a line of
// its own. Blanks between words become one.
std::string WrapText(std::string_view text, std::size_t width);

}  // namespace corvanta::cli
