// Makes voicings of the fingerings a song pins.
#include "song/song_pins.h"

#include "search/finger_count.h"
#include "search/key_text.h"
#include "session/placed_fingering.h"

namespace corvanta {

Voicing PinVoicing(const Fingering& frets, const Session& session, const std::string& what) {
  const Instrument& instrument = session.instrument;
  const std::size_t strings = static_cast<std::size_t>(instrument.StringCount());
  if (frets.size() != strings)
    throw BadPin(what + ": " + std::to_string(frets.size()) + " fret values for the " +
                 std::to_string(strings) + " strings of the " + instrument.name);
  for (StringStop stop : frets) {
    if (stop.Fret() + session.capo > instrument.neckFrets)
      throw BadPin(what + ": fret " + std::to_string(stop.Fret()) + " is past the neck's " +
                   std::to_string(instrument.neckFrets) + " frets" +
                   (session.capo > 0 ? " above the capo" : ""));
  }
  // The barres where the search lays them, and as many fingers as a hand has.
  const Fingering placed = WithBarres(frets);
  std::vector<int> values = KeyValues(placed);
  std::vector<int> counted;
  for (StringStop stop : frets) counted.push_back(stop.IsMuted() ? kMuted : stop.Fret());
  const int fingers = CountFingers(counted, false);
  if (fingers > kFingerCount)
    throw BadPin(what + ": needs " + std::to_string(fingers) + " fingers; a hand has " +
                 std::to_string(kFingerCount));
  const std::optional<Voicing> voicing = MakeVoicing(values, false, kNeckFrets + 1);
  if (!voicing) throw BadPin(what + ": no fingering a hand can hold");
  return *voicing;
}

std::string PinMismatch(const Voicing& pin, const Session& session, const std::vector<int>& needed,
                        const std::vector<int>& tones, const NoteNameRow& names) {
  // The shapes' notes: the strings as tuned, the capo not counted.
  const SoundingNotes notes = NotesOnInstrument(pin.frets, session.instrument);
  std::uint16_t sounded = 0, wanted = 0, allowed = 0;
  for (int pitchClass : notes.pitchClasses) sounded |= std::uint16_t(1u << pitchClass);
  for (int tone : needed) wanted |= std::uint16_t(1u << WrapPitchClass(tone));
  for (int tone : tones) allowed |= std::uint16_t(1u << WrapPitchClass(tone));
  std::string missing, extra;
  for (int pc = 0; pc < kPitchClassCount; ++pc) {
    const std::string name(names[static_cast<std::size_t>(pc)]);
    if ((wanted & (1u << pc)) && !(sounded & (1u << pc)))
      missing += (missing.empty() ? "" : " ") + name;
    if ((sounded & (1u << pc)) && !(allowed & (1u << pc)))
      extra += (extra.empty() ? "" : " ") + name;
  }
  std::string text;
  if (!missing.empty()) text = "sounds no " + missing;
  if (!extra.empty()) text += (text.empty() ? "adds " : "; adds ") + extra;
  return text;
}

}  // namespace corvanta
