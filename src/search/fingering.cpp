#include "search/fingering.h"

#include <charconv>

#include "theory/text_util.h"

namespace corvanta {

std::optional<Frets> ParseKeyFrets(std::string_view key) {
  if (key.size() <= kKeyPrefixLength) return std::nullopt;
  std::string_view text =
      TrimBlanks(key.substr(kKeyPrefixLength, key.size() - kKeyPrefixLength - 1));
  Frets frets{};
  for (int string = 0; string < kStringCount; ++string) {
    std::size_t blank = text.find(' ');
    std::string_view token = text.substr(0, blank);
    const char* end = token.data() + token.size();
    auto [parsed, error] = std::from_chars(token.data(), end, frets[string]);
    if (error != std::errc{} || parsed != end || token.empty()) return std::nullopt;
    // Only values a fingering can hold: muted, or a fret on the 30-fret tables.
    int fret = frets[string];
    if (fret != kMuted && (fret <= -kFretSlots || fret >= kFretSlots)) return std::nullopt;
    bool last = string == kStringCount - 1;
    if (last != (blank == std::string_view::npos)) return std::nullopt;
    if (!last) text.remove_prefix(blank + 1);
  }
  return frets;
}

std::string FretText(const Frets& frets) {
  std::string text;
  for (int value : frets) {
    text += std::to_string(value);
    text += ' ';
  }
  return text;
}

}  // namespace corvanta
