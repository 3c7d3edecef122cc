// Song information in plain lines: the labels chords sites use, to and from
// the directives they stand for.
#include "song/info_lines.h"

#include <array>

#include "song/song_key.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

struct InfoLabel {
  std::string_view label;      // lowercase, as a line starts
  std::string_view directive;  // the directive it stands for
  std::string_view written;    // the label written back
};

// The one table of plain labels; the first of a directive's is written.
constexpr std::array<InfoLabel, 14> kLabels{{
    {"title", "title", "Title"},
    {"song", "title", "Title"},
    {"artist", "artist", "Artist"},
    {"by", "artist", "Artist"},
    {"composer", "composer", "Composer"},
    {"lyricist", "lyricist", "Lyricist"},
    {"album", "album", "Album"},
    {"year", "year", "Year"},
    {"capo", "capo", "Capo"},
    {"key", "key", "Key"},
    {"tuning", "tuning", "Tuning"},
    {"tempo", "tempo", "Tempo"},
    {"bpm", "tempo", "Tempo"},
    {"time", "time", "Time"},
}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "2", "2nd", "3rd fret", "on 4th fret", "none": the fret; nullopt otherwise.
std::optional<std::string> CapoFret(std::string_view value) {
  std::string lower = song_text::Lowercase(song_text::Trim(value));
  if (lower == "none" || lower == "no" || lower == "0" || lower == "no capo") return "0";
  std::string_view text = lower;
  for (std::string_view skip : {"on the ", "on ", "at "})
    if (text.substr(0, skip.size()) == skip) text.remove_prefix(skip.size());
  std::size_t digits = 0;
  while (digits < text.size() && digits < 2 && IsDigit(text[digits])) ++digits;
  if (digits == 0) return std::nullopt;
  const std::string fret(text.substr(0, digits));
  std::string_view rest = text.substr(digits);
  for (std::string_view ordinal : {"st", "nd", "rd", "th"})
    if (rest.substr(0, 2) == ordinal) rest.remove_prefix(2);
  rest = song_text::Trim(rest);
  if (!rest.empty() && rest != "fret" && rest != "fr" && rest != "fr." && rest != "frets")
    return std::nullopt;
  return fret;
}

// "120", "120 bpm": the number; nullopt otherwise.
std::optional<std::string> TempoValue(std::string_view value) {
  std::string lower = song_text::Lowercase(song_text::Trim(value));
  if (lower.size() > 3 && lower.substr(lower.size() - 3) == "bpm") lower.resize(lower.size() - 3);
  const std::string_view number = song_text::Trim(lower);
  if (number.empty() || number.size() > 3) return std::nullopt;
  for (char c : number)
    if (!IsDigit(c)) return std::nullopt;
  return std::string(number);
}

// The value a label's line gives, or nullopt when the line is no such
// information after all ("Key to my heart" is a lyric).
std::optional<std::string> ValueOf(std::string_view directive, std::string_view value) {
  value = song_text::Trim(value);
  if (directive == "capo") return CapoFret(value);
  if (directive == "tempo") return TempoValue(value);
  if (directive == "key") {
    if (!ParseSongKey(value)) return std::nullopt;
    return std::string(value);
  }
  if (value.empty() || value.size() > 200) return std::nullopt;
  return std::string(value);
}

}  // namespace

std::optional<Directive> ReadInfoLine(std::string_view line) {
  const std::string_view text = song_text::Trim(line);
  const std::string lower = song_text::Lowercase(text);
  for (const InfoLabel& label : kLabels) {
    if (lower.compare(0, label.label.size(), label.label) != 0) continue;
    std::size_t at = label.label.size();
    const bool colon = at < text.size() && text[at] == ':';
    if (colon) ++at;
    // "Capo 2" and "Key of G" need no colon; the rest do ("By the river" is a lyric).
    const bool bare = at < text.size() && song_text::IsBlank(text[at]);
    if (!colon && !bare) continue;
    std::string_view value = song_text::Trim(text.substr(at));
    if (!colon && label.directive == "key" && value.substr(0, 3) == "of ") value.remove_prefix(3);
    if (!colon && label.directive != "capo" && label.directive != "key") continue;
    const std::optional<std::string> normal = ValueOf(label.directive, value);
    if (!normal) continue;
    Directive directive;
    directive.name = std::string(label.directive);
    directive.written = std::string(label.written);
    directive.value = *normal;
    directive.readValue = *normal;
    directive.before = std::string(label.written) + ": ";
    directive.known = true;
    directive.plain = true;
    return directive;
  }
  return std::nullopt;
}

TitleLine ReadTitleLine(std::string_view line) {
  const std::string_view text = song_text::Trim(line);
  for (std::string_view separator : {" - ", " \u2013 ", " by "}) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos || at == 0) continue;
    return {std::string(song_text::Trim(text.substr(0, at))),
            std::string(song_text::Trim(text.substr(at + separator.size())))};
  }
  return {std::string(text), {}};
}

bool PlainInfoLine(const Directive& directive, std::string& out) {
  if (directive.name == "title") return false;  // a title is its own line, written plainly
  for (const InfoLabel& label : kLabels) {
    if (directive.name != label.directive) continue;
    out = std::string(label.written) + ": " + directive.value;
    return !directive.value.empty();
  }
  return false;
}

}  // namespace corvanta
