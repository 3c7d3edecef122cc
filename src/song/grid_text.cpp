// ChordPro's grid arguments: its shape and its label.
#include "song/grid_text.h"

#include <charconv>
#include <vector>

#include "song/song_text.h"

namespace corvanta {
namespace {

bool ReadCount(std::string_view text, int& count) {
  if (text.empty() || text.size() > 3) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  return error == std::errc() && end == text.data() + text.size() && count >= 0;
}

// "4x3", "1+4x3+2", "4" (bars alone): false for anything else.
bool ReadShape(std::string_view text, GridArguments& grid) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t plus = text.find('+', from);
    parts.push_back(text.substr(from, plus == std::string_view::npos ? plus : plus - from));
    if (plus == std::string_view::npos) break;
    from = plus + 1;
  }
  if (parts.size() != 1 && parts.size() != 3) return false;
  GridArguments read = grid;
  const std::string_view middle = parts.size() == 3 ? parts[1] : parts[0];
  const std::size_t by = middle.find_first_of("xX");
  if (!ReadCount(middle.substr(0, by), read.bars)) return false;
  if (by != std::string_view::npos && !ReadCount(middle.substr(by + 1), read.cells)) return false;
  if (parts.size() == 3 && (!ReadCount(parts[0], read.left) || !ReadCount(parts[2], read.right)))
    return false;
  grid = read;
  return true;
}

// `name="value"` at `at`; the value's end past the closing quote.
bool ReadAttribute(std::string_view text, std::size_t& at, std::string_view& name,
                   std::string_view& value) {
  const std::size_t equals = text.find('=', at);
  if (equals == std::string_view::npos || equals + 1 >= text.size()) return false;
  const char quote = text[equals + 1];
  if (quote != '"' && quote != '\'') return false;
  const std::size_t close = text.find(quote, equals + 2);
  if (close == std::string_view::npos) return false;
  name = song_text::Trim(text.substr(at, equals - at));
  value = text.substr(equals + 2, close - equals - 2);
  at = close + 1;
  return true;
}

}  // namespace

GridArguments ReadGridArguments(std::string_view value) {
  GridArguments grid;
  value = song_text::Trim(value);
  if (value.find('=') == std::string_view::npos) {
    if (!ReadShape(value, grid)) grid.label = std::string(value);
    return grid;
  }
  std::size_t at = 0;
  std::string_view name, text;
  while (ReadAttribute(value, at, name, text)) {
    if (name == "label") grid.label = std::string(text);
    if (name == "shape") ReadShape(song_text::Trim(text), grid);
    while (at < value.size() && song_text::IsBlank(value[at])) ++at;
  }
  return grid;
}

}  // namespace corvanta
