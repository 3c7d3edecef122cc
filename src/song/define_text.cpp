// Reads and writes ChordPro {define} values.
#include "song/define_text.h"

#include <charconv>

#include "search/fingering.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end || value < 0 || value > 99) return std::nullopt;
  return value;
}

}  // namespace

std::string DefineValue(const std::string& name, const Fingering& frets,
                        const std::vector<int>& fingers) {
  const int lowest = frets.LowestHeldFret();
  const int base = frets.HighestFret() <= kDefineDiagramFrets || lowest == 0 ? 1 : lowest;
  std::string value = name + " base-fret " + std::to_string(base) + " frets";
  for (StringStop stop : frets)
    value +=
        stop.IsMuted() ? " x" : " " + std::to_string(stop.IsHeld() ? stop.Fret() - base + 1 : 0);
  if (!fingers.empty()) {
    value += " fingers";
    for (int finger : fingers) value += " " + std::to_string(finger);
  }
  return value;
}

std::optional<Fingering> ReadDefineFrets(const std::vector<std::string_view>& words,
                                         std::vector<int>& fingers, std::string* problem) {
  const auto refuse = [&](const std::string& why) -> std::optional<Fingering> {
    if (problem != nullptr) *problem = why;
    return std::nullopt;
  };
  int base = 1;
  std::vector<int> frets;  // -1 muted
  std::vector<int>* list = nullptr;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string word = song_text::Lowercase(words[i]);
    if (word == "base-fret" && i + 1 < words.size()) {
      const std::string given(words[++i]);
      const std::optional<int> number = Number(given);
      if (!number || *number < 1 || *number > kNeckFrets)
        return refuse("base-fret " + given + " is not a fret 1.." + std::to_string(kNeckFrets));
      base = *number, list = nullptr;
    } else if (word == "frets" || word == "fingers") {
      list = word == "frets" ? &frets : &fingers;
    } else if (list == &frets) {
      const std::optional<int> number = Number(word);
      if (word != "x" && word != "n" && word != "-1" && !number)
        return refuse("'" + std::string(words[i]) + "' is not a fret (a number, or x for muted)");
      frets.push_back(number ? *number : -1);
    } else if (list == &fingers) {
      fingers.push_back(Number(word).value_or(0));  // a letter ("T", the thumb): none
    }
  }
  if (frets.empty()) return refuse("it gives no frets");
  if (frets.size() > kMaxInstrumentStrings)
    return refuse(std::to_string(frets.size()) + " frets are more strings than an instrument has");
  Fingering fingering(frets.size());
  for (std::size_t s = 0; s < frets.size(); ++s) {
    const int fret = frets[s];
    if (fret + base - 1 > kNeckFrets)
      return refuse("fret " + std::to_string(fret + base - 1) + " is past the neck's " +
                    std::to_string(kNeckFrets) + " frets");
    fingering.Set(s, fret < 0    ? StringStop::Muted()
                     : fret == 0 ? StringStop::Open()
                                 : StringStop::AtFret(fret + base - 1));
  }
  return fingering;
}

}  // namespace corvanta
