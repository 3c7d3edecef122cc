// Diagram names for screen readers: the symbol's parts said as words, the
// strings named as players name them.
#include "session/spoken_diagram.h"

#include <array>
#include <map>

namespace corvanta {
namespace {

struct Word {
  std::string_view written;
  std::string_view english;
  std::string_view chinese;
};

// Longest first, so "maj" is read before "m" and "sus" before "s".
constexpr std::array<Word, 12> kWords{{
    {"maj", "major", "大"},
    {"min", "minor", "小"},
    {"dim", "diminished", "减"},
    {"aug", "augmented", "增"},
    {"sus", "suspended ", "挂"},
    {"add", "add ", "加"},
    {"no", "no ", "无"},
    {"m", "minor", "小"},
    {"+", "augmented", "增"},
    {"º", "diminished", "减"},
    {"ø", "half-diminished", "半减"},
    {"Δ", "major", "大"},
}};

bool IsLetter(char c) { return c >= 'A' && c <= 'G'; }

// A note name at the text's start said in words: "C#" "C sharp".
std::size_t SayNote(std::string_view text, std::string& out, SpokenLanguage language) {
  if (text.empty() || !IsLetter(text[0])) return 0;
  out += text[0];
  std::size_t at = 1;
  while (at < text.size() && (text[at] == '#' || text[at] == 'b')) {
    if (language == SpokenLanguage::English)
      out += text[at] == '#' ? " sharp" : " flat";
    else
      out += text[at] == '#' ? "升" : "降";
    ++at;
  }
  return at;
}

void Separate(std::string& out) {
  if (!out.empty() && out.back() != ' ') out += ' ';
}

}  // namespace

std::string SpokenChordName(std::string_view symbol, SpokenLanguage language) {
  const bool english = language == SpokenLanguage::English;
  std::string out;
  std::size_t at = SayNote(symbol, out, language);
  if (at == 0) return std::string(symbol);
  const std::string_view rest = symbol.substr(at);
  const std::size_t slash = rest.rfind('/');
  std::string_view quality = slash == std::string_view::npos ? rest : rest.substr(0, slash);
  // A bare root or one with only a bass is the major triad.
  if (quality.empty()) {
    out += english ? " major" : " 大三和弦";
  } else {
    bool firstWord = true;
    for (std::size_t i = 0; i < quality.size();) {
      const char c = quality[i];
      if (c == '#' || c == 'b') {
        // An altered degree: "b5", "#9".
        Separate(out);
        out += english ? (c == '#' ? "sharp " : "flat ") : (c == '#' ? "升" : "降");
        ++i;
        continue;
      }
      if (c >= '0' && c <= '9') {
        if (english) Separate(out);
        while (i < quality.size() && quality[i] >= '0' && quality[i] <= '9') out += quality[i++];
        firstWord = false;
        continue;
      }
      if (c == '(' || c == ')' || c == ',' || c == ' ') {
        ++i;
        continue;
      }
      bool said = false;
      for (const Word& word : kWords) {
        // "m" means minor only as the first word ("m7", not "maj7"'s m).
        if (word.written == "m" && !firstWord) continue;
        if (quality.substr(i, word.written.size()) == word.written) {
          if (english) Separate(out);
          out += english ? word.english : word.chinese;
          i += word.written.size();
          said = true;
          break;
        }
      }
      if (!said) {
        Separate(out);
        out += c;
        ++i;
      }
      firstWord = false;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  if (slash != std::string_view::npos) {
    out += english ? " over " : " 低音";
    if (SayNote(rest.substr(slash + 1), out, language) == 0) out += rest.substr(slash + 1);
  }
  return out;
}

std::vector<std::string> SpokenStringNames(const Instrument& instrument, SpokenLanguage language) {
  const std::vector<int> pitches = instrument.StandardPitches();
  std::vector<std::string> names;
  std::map<std::string, std::vector<std::size_t>> byName;
  for (std::size_t s = 0; s < pitches.size(); ++s) {
    std::string name = PitchName(pitches[s]);
    while (!name.empty() && (name.back() == '-' || (name.back() >= '0' && name.back() <= '9')))
      name.pop_back();
    names.push_back(name);
    byName[name].push_back(s);
  }
  const bool english = language == SpokenLanguage::English;
  for (const auto& [name, strings] : byName) {
    if (strings.size() == 1) continue;
    if (strings.size() > 2) {
      for (std::size_t s : strings) names[s] = PitchName(pitches[s]);
      continue;
    }
    const bool firstLower = pitches[strings[0]] < pitches[strings[1]];
    const std::size_t low = firstLower ? strings[0] : strings[1];
    const std::size_t high = firstLower ? strings[1] : strings[0];
    names[low] = (english ? "low " : "低音") + name;
    names[high] = (english ? "high " : "高音") + name;
  }
  return names;
}

std::string SpokenDiagram(std::string_view symbol, const Fingering& frets,
                          const Instrument& instrument, SpokenLanguage language) {
  const bool english = language == SpokenLanguage::English;
  const std::vector<std::string> names = SpokenStringNames(instrument, language);
  std::string out = SpokenChordName(symbol, language);
  std::string text;
  for (StringStop stop : frets) {
    if (!text.empty()) text += ' ';
    text += stop.IsMuted() ? std::string("x") : std::to_string(stop.Fret());
  }
  out += (english ? ", " : "，") + text + (english ? ": " : "：");
  for (std::size_t s = 0; s < frets.size() && s < names.size(); ++s) {
    const StringStop stop = frets[s];
    if (s > 0) out += english ? ", " : "，";
    if (stop.IsMuted())
      out += english ? "muted " + names[s] : names[s] + "弦不弹";
    else if (stop.IsOpen())
      out += english ? names[s] + " open" : names[s] + "弦空弦";
    else
      out += english ? names[s] + " string fret " + std::to_string(stop.Fret())
                     : names[s] + "弦" + std::to_string(stop.Fret()) + "品";
  }
  for (const Barre& barre : frets.Barres())
    out += english ? ", barre at fret " + std::to_string(barre.fret)
                   : "，" + std::to_string(barre.fret) + "品横按";
  return out;
}

}  // namespace corvanta
