// The options every shell reads (the CLI's flags, the page's controls and
// links), as NUL-separated texts and any numbers: each refused with a
// message naming its option, or read into a session the search can use.
#include <cstring>

#include "cli/commands.h"
#include "fuzz_input.h"
#include "instrument/capo.h"
#include "session/option_reader.h"

namespace {

// The part at `index`, or nothing when the input is shorter.
std::optional<std::string> Part(const std::vector<std::string>& parts, std::size_t index) {
  if (index < parts.size()) return parts[index];
  return std::nullopt;
}

// A number as a shell may hand one over unchecked: a link's "capo=-7".
int Number(const std::optional<std::string>& part, int fallback) {
  if (!part || part->empty()) return fallback;
  int value = 0;
  std::memcpy(&value, part->data(), std::min(part->size(), sizeof value));
  return value;
}

bool Playable(const corvanta::Instrument& instrument) {
  if (instrument.StringCount() < 4 || instrument.StringCount() > 8) return false;
  for (int pitch : instrument.StandardPitches())
    if (pitch < 0 || pitch > 127) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  const std::vector<std::string> parts = fuzz::SplitAtNul(fuzz::AsText(data, size));
  SessionOptionTexts texts;
  texts.instrument = Part(parts, 0).value_or("guitar");
  texts.tuning = Part(parts, 1);
  texts.order = Part(parts, 2).value_or("ease");
  texts.capo = Number(Part(parts, 3), 0);
  texts.frets = Number(Part(parts, 4), kDefaultFretCount);
  texts.span = Number(Part(parts, 5), kDefaultSpan);
  texts.capoShapes = size % 2 == 1;
  try {
    const Session session = ReadSession(texts);
    if (!Playable(session.instrument) || session.capo < 0 || session.capo > kMaxCapo)
      __builtin_trap();
  } catch (const BadOption& bad) {
    if (std::strchr(bad.what(), ':') == nullptr) __builtin_trap();  // names its option
  }
  for (const std::string& text : parts) {
    try {
      if (!Playable(ReadInstrument(texts.instrument, text))) __builtin_trap();
    } catch (const BadOption&) {
    }
    try {
      const Tuning tuning = ReadGuitarTuning(text);
      for (int pitchClass : tuning)
        if (pitchClass < 0 || pitchClass >= 12) __builtin_trap();
    } catch (const BadOption&) {
    }
    try {
      const std::optional<int> capo = ReadSongCapo(text);
      if (capo && (*capo < 0 || *capo > kMaxCapo)) __builtin_trap();
    } catch (const BadOption&) {
    }
    if (const std::optional<int> number = ReadSmallInteger(text)) {
      if (*number < 0 || *number > 999) __builtin_trap();
    }
    try {
      ReadNotation(text);
    } catch (const BadOption&) {
    }
    if (const auto pitches = ParseCustomPitches(text)) {
      const auto custom = CustomInstrument(*pitches);
      if (custom && !Playable(*custom)) __builtin_trap();
    }
    // A fingering typed for the guitar under a capo (the CLI's --pin and
    // `name`): one stop per string, or refused.
    try {
      const Fingering frets = cli::ParseInstrumentFrets(text, *FindInstrument("guitar"),
                                                        static_cast<int>(size % 13), "--pin");
      if (frets.size() != 6) __builtin_trap();
    } catch (const cli::BadArgument&) {
    }
  }
  return 0;
}
