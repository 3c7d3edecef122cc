// A player's choices for a song kept in its ChordPro {meta} lines.
#include "song/saved_choices.h"

#include <algorithm>
#include <charconv>

#include "instrument/capo.h"
#include "song/define_text.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

constexpr std::string_view kPrefix = "corvanta.";

// "corvanta.capo 2" -> {"capo", "2"}; nothing for another program's meta.
std::optional<std::pair<std::string, std::string_view>> ChoiceOf(const SongLine& line) {
  if (line.kind != LineKind::Directive || line.directive.name != "meta") return std::nullopt;
  const std::string_view value = line.directive.value;
  if (value.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
  const std::size_t end = value.find_first_of(" \t");
  const std::string name(value.substr(kPrefix.size(), end - kPrefix.size()));
  const std::string_view rest =
      end == std::string_view::npos ? std::string_view() : song_text::Trim(value.substr(end));
  return std::make_pair(song_text::Lowercase(name), rest);
}

std::optional<SavedPin> ReadPin(std::string_view text) {
  const std::vector<song_text::Word> words = song_text::SplitWords(text);
  if (words.size() < 2) return std::nullopt;
  std::vector<std::string_view> rest;
  for (std::size_t i = 1; i < words.size(); ++i) rest.push_back(words[i].text);
  std::vector<int> fingers;
  const std::optional<Fingering> frets = ReadDefineFrets(rest, fingers);
  if (!frets) return std::nullopt;
  return SavedPin{std::string(words.front().text), *frets};
}

}  // namespace

SavedChoices ReadSavedChoices(const Song& song) {
  SavedChoices choices;
  for (const SongLine& line : song.lines) {
    const auto choice = ChoiceOf(line);
    if (!choice || choice->second.empty()) continue;
    const auto& [name, value] = *choice;
    if (name == "instrument") {
      choices.instrument = std::string(value);
    } else if (name == "capo") {
      int capo = -1;
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), capo);
      if (error == std::errc() && end == value.data() + value.size() && capo >= 0 &&
          capo <= kMaxCapo)
        choices.capo = capo;
    } else if (name == "mode") {
      if (value == "default" || value == "least-movement" || value == "easiest")
        choices.mode = std::string(value);
    } else if (name == "pin") {
      if (std::optional<SavedPin> pin = ReadPin(value)) {
        auto same = [&](const SavedPin& kept) { return kept.name == pin->name; };
        choices.pins.erase(std::remove_if(choices.pins.begin(), choices.pins.end(), same),
                           choices.pins.end());
        choices.pins.push_back(std::move(*pin));
      }
    }
  }
  return choices;
}

std::vector<std::string> SavedChoiceLines(const SavedChoices& choices) {
  std::vector<std::string> lines;
  const std::string meta = "{meta: " + std::string(kPrefix);
  if (choices.instrument) lines.push_back(meta + "instrument " + *choices.instrument + "}");
  if (choices.capo) lines.push_back(meta + "capo " + std::to_string(*choices.capo) + "}");
  if (choices.mode) lines.push_back(meta + "mode " + *choices.mode + "}");
  for (const SavedPin& pin : choices.pins)
    lines.push_back(meta + "pin " + DefineValue(pin.name, pin.frets) + "}");
  return lines;
}

void DropSavedChoices(Song& song) {
  for (SongLine& line : song.lines)
    if (ChoiceOf(line)) line.kind = LineKind::Dropped;
}

}  // namespace corvanta
