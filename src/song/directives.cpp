// The ChordPro directives the reader knows, with their short forms, and
// what their values mean for the song's metadata and shapes.
#include <array>
#include <charconv>
#include <optional>
#include <utility>

#include "instrument/capo.h"
#include "instrument/instrument.h"
#include "song/define_text.h"
#include "song/song_building.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

struct KnownDirective {
  std::string_view name;
  std::string_view shortName;  // empty when it has none
};

// The one table of directive names.
constexpr std::array<KnownDirective, 40> kDirectives{{
    {"title", "t"},
    {"subtitle", "st"},
    {"artist", ""},
    {"composer", ""},
    {"lyricist", ""},
    {"album", ""},
    {"year", ""},
    {"key", ""},
    {"capo", ""},
    {"tempo", ""},
    {"time", ""},
    {"duration", ""},
    {"copyright", ""},
    {"comment", "c"},
    {"comment_italic", "ci"},
    {"comment_box", "cb"},
    {"highlight", ""},
    {"start_of_chorus", "soc"},
    {"end_of_chorus", "eoc"},
    {"start_of_verse", "sov"},
    {"end_of_verse", "eov"},
    {"start_of_bridge", "sob"},
    {"end_of_bridge", "eob"},
    {"start_of_tab", "sot"},
    {"end_of_tab", "eot"},
    {"start_of_grid", "sog"},
    {"end_of_grid", "eog"},
    {"chorus", ""},
    {"define", ""},
    {"chord", ""},
    {"new_page", "np"},
    {"new_physical_page", "npp"},
    {"column_break", "colb"},
    {"transpose", ""},
    {"meta", ""},
    {"sorttitle", ""},
    {"new_song", "ns"},
    {"columns", "col"},
    {"grid", "g"},
    {"no_grid", "ng"},
}};

std::optional<int> SmallNumber(std::string_view text) {
  text = song_text::Trim(text);
  int value = 0;
  const char* end = text.data() + text.size();
  auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end || value < -99 || value > 99) return std::nullopt;
  return value;
}

void TakeMeta(Song& song, std::string_view value) {
  const std::vector<song_text::Word> words = song_text::SplitWords(value);
  if (words.empty()) return;
  Directive inner;
  inner.name = LongDirectiveName(words.front().text).name;
  inner.value = std::string(song_text::Trim(value.substr(words.front().text.size())));
  if (inner.name != "meta") TakeMetadata(song, inner);
}

}  // namespace

DirectiveName LongDirectiveName(std::string_view written) {
  const std::string lower = song_text::Lowercase(written);
  for (const KnownDirective& known : kDirectives)
    if (lower == known.name || (!known.shortName.empty() && lower == known.shortName))
      return {std::string(known.name), true};
  // ChordPro's own sections: start_of_X and end_of_X for any X.
  const bool section = lower.rfind("start_of_", 0) == 0 || lower.rfind("end_of_", 0) == 0;
  return {lower, section};
}

void TakeMetadata(Song& song, const Directive& directive) {
  const std::string& name = directive.name;
  const std::string& value = directive.value;
  std::pair<std::string_view, std::string*> texts[] = {
      {"title", &song.title},       {"subtitle", &song.subtitle}, {"artist", &song.artist},
      {"composer", &song.composer}, {"album", &song.album},       {"year", &song.year},
      {"key", &song.key},           {"tempo", &song.tempo},       {"time", &song.time},
      {"duration", &song.duration}, {"tuning", &song.tuning}};
  for (auto& [field, target] : texts) {
    if (name == field) {
      *target = value;
      return;
    }
  }
  if (name == "capo") {
    const std::optional<int> capo = SmallNumber(value);
    if (capo && *capo >= 0 && *capo <= kMaxCapo) {
      song.capo = *capo;
    } else {
      song.notes.push_back("{capo: " + value + "} is not a fret 0.." + std::to_string(kMaxCapo) +
                           "; no capo is assumed");
    }
  } else if (name == "meta") {
    TakeMeta(song, value);
  }
}

std::optional<int> TransposeValue(Song& song, const std::string& value) {
  if (song_text::Trim(value).empty()) return 0;
  const std::optional<int> semitones = SmallNumber(value);
  if (!semitones)
    song.notes.push_back("{transpose: " + value + "} is not a number of semitones; ignored");
  return semitones;
}

std::string ReadDefine(std::string_view value, SongDefine& define) {
  const std::vector<song_text::Word> words = song_text::SplitWords(value);
  if (words.empty()) return "it names no chord";
  std::string_view name = words.front().text;
  if (!name.empty() && name.back() == ':') name.remove_suffix(1);
  define.name = std::string(name);
  std::vector<std::string_view> rest;
  for (std::size_t i = 1; i < words.size(); ++i) rest.push_back(words[i].text);
  if (rest.empty()) return std::string(kNameOnly);
  std::string problem;
  const std::optional<Fingering> frets = ReadDefineFrets(rest, define.fingers, &problem);
  if (!frets) return problem;
  define.frets = *frets;
  return {};
}

}  // namespace corvanta
