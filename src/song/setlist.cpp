// Setlists: songs one a line with the settings they are played with.
#include "song/setlist.h"

#include <charconv>

#include "instrument/capo.h"
#include "song/song_key.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

constexpr int kMostTranspose = 24;

std::optional<int> Number(std::string_view text) {
  int value = 0;
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end || text.empty()) return std::nullopt;
  return value;
}

// One name=value word into the entry; an error text when it is not one.
std::string TakeSetting(std::string_view name, std::string_view value, SetlistEntry& entry) {
  const std::string lower = song_text::Lowercase(name);
  const std::string quoted = "'" + std::string(name) + "=" + std::string(value) + "'";
  if (lower == "key") {
    if (!ParseSongKey(value)) return quoted + ": not a key (\"Bb\", \"F#m\")";
    entry.key = std::string(value);
  } else if (lower == "capo") {
    const std::optional<int> capo = Number(value);
    if (!capo || *capo < 0 || *capo > kMaxCapo)
      return quoted + ": not a fret 0.." + std::to_string(kMaxCapo);
    entry.capo = *capo;
  } else if (lower == "transpose") {
    const std::optional<int> semitones = Number(value);
    if (!semitones || *semitones < -kMostTranspose || *semitones > kMostTranspose)
      return quoted + ": not -24..24 semitones";
    entry.transpose = *semitones;
  } else if (lower == "instrument") {
    entry.instrument = std::string(value);
  } else if (lower == "mode") {
    if (value != "default" && value != "least-movement" && value != "easiest")
      return quoted + ": not default, least-movement or easiest";
    entry.mode = std::string(value);
  } else {
    return quoted + ": not a setting (key, capo, instrument, transpose, mode)";
  }
  return {};
}

bool IsSetting(std::string_view word) {
  const std::size_t equals = word.find('=');
  return equals != std::string_view::npos && equals > 0 && equals + 1 < word.size();
}

}  // namespace

Setlist ReadSetlist(std::string_view text) {
  Setlist setlist;
  const std::vector<song_text::TextLine> lines = song_text::SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = song_text::Trim(lines[i].text);
    if (i == 0 && line.substr(0, 3) == "\xEF\xBB\xBF") line = song_text::Trim(line.substr(3));
    if (line.empty() || line.front() == '#') continue;
    const int number = static_cast<int>(i) + 1;
    std::vector<song_text::Word> words = song_text::SplitWords(line);
    std::size_t firstSetting = words.size();
    // Settings are the last words; the first word is always the path's.
    while (firstSetting > 1 && IsSetting(words[firstSetting - 1].text)) --firstSetting;
    SetlistEntry entry;
    entry.line = number;
    const std::size_t pathEnd =
        firstSetting < words.size() ? words[firstSetting].offset : line.size();
    entry.path = std::string(song_text::Trim(line.substr(0, pathEnd)));
    for (std::size_t w = firstSetting; w < words.size(); ++w) {
      const std::string_view word = words[w].text;
      const std::size_t equals = word.find('=');
      const std::string problem =
          TakeSetting(word.substr(0, equals), word.substr(equals + 1), entry);
      if (!problem.empty()) setlist.problems.push_back({number, problem});
    }
    setlist.entries.push_back(std::move(entry));
  }
  return setlist;
}

std::string SetlistLine(const SetlistEntry& entry) {
  std::string line = entry.path;
  if (entry.key) line += " key=" + *entry.key;
  if (entry.capo) line += " capo=" + std::to_string(*entry.capo);
  if (entry.instrument) line += " instrument=" + *entry.instrument;
  if (entry.transpose) line += " transpose=" + std::to_string(*entry.transpose);
  if (entry.mode) line += " mode=" + *entry.mode;
  return line;
}

}  // namespace corvanta
