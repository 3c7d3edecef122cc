// corvanta-cli strum: the messages of a strum with their times, and the
// sound of it rendered offline by the built-in synthesizer.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/synth_request.h"
#include "files/output_file.h"
#include "modules/module_loader.h"
#include "search/instrument_search.h"
#include "session/placed_fingering.h"
#include "sound/fluidsynth/soundfont.h"
#include "sound/midi_messages.h"
#include "sound/strum.h"

namespace corvanta::cli {
namespace {

constexpr int kTailMs = 2000;

int ParsePatch(const std::string& text) {
  if (auto program = PatchProgram(text)) return *program;
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '8')
    return kPatchItems[text[0] - '0'].program;
  throw BadArgument("--patch: '" + text + "' is not an instrument (尼龙吉他 .. 合唱钢琴, or 0..8)");
}

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%02X", value);
  return text;
}

void PrintMessages(const std::vector<MidiCall>& calls, std::ostream& out) {
  int time = 0;
  for (const MidiCall& call : calls) {
    out << time << ' ' << (call.kind == MidiCall::Kind::SetVolume ? "volume " : "")
        << Hex(call.value) << '\n';
    time += call.pauseAfterMs;
  }
}

}  // namespace

int RunStrum(const StrumCommandText& command, std::ostream& out) {
  const Instrument instrument = ParseInstrument(command.instrument, command.tuning);
  const int capo = ParseCapo(command.capo);
  const Fingering frets = ParseInstrumentFrets(command.frets, instrument, capo, "strum");
  if (command.speed < kMinStrumSpeed || command.speed > kMaxStrumSpeed) {
    throw BadArgument("--speed: " + std::to_string(command.speed) + " is not 0..5");
  }
  std::vector<MidiCall> calls;
  if (!command.patch.empty()) calls = PlanPatchChange(ParsePatch(command.patch));
  const Instrument sounding = InstrumentWithCapo(instrument, capo);
  const std::vector<int> notes = StrumNotes(frets, sounding);
  if (const std::vector<int> beyond = NotesBeyondMidi(notes); !beyond.empty()) {
    std::cerr << "corvanta-cli: warning: left out, above MIDI note " << kHighestMidiNote
              << " (the highest a synthesizer plays), MIDI notes";
    for (int note : beyond) std::cerr << " " << note;
    std::cerr << "\n";
  }
  for (const MidiCall& call : PlanStrumNotes(notes, command.speed)) calls.push_back(call);

  if (!command.wav) {
    if (command.soundfont) throw BadArgument("--soundfont: it renders the --wav file; give one");
    PrintMessages(calls, out);
    return 0;
  }
  const std::string& path = *command.wav;
  if (path.empty()) throw BadArgument("--wav: the file name is empty");
  if (path == "-" && command.messages)
    throw BadArgument("--messages with --wav -: both would go to standard output");
  // A target that cannot be written is refused before the sound is
  // rendered, and the sound goes to the target checked then.
  OutputFile file(path);
  if (!file.Failure().empty()) throw CommandFailure(file.Failure());
  if (command.messages) PrintMessages(calls, out);
  out.flush();
  auto soundfont = command.soundfont ? command.soundfont : FindGeneralMidiSoundfont();
  if (!soundfont) {
    throw CommandFailure("no General MIDI soundfont is installed (fluid-soundfont-gm)");
  }
  // The window's sound unless --patch names another: its first item for the
  // guitar, the instrument's own General MIDI program for the others.
  std::vector<MidiCall> rendered = calls;
  if (command.patch.empty()) {
    rendered = PlanPatchChange(instrument.midiProgram);
    rendered.insert(rendered.end(), calls.begin(), calls.end());
  }
  std::string error;
  const RenderModule* module = LoadModule<RenderModule>(kSynthModuleName, error);
  if (module == nullptr) throw CommandFailure(error);
  std::string wav;
  if (!module->render({rendered, *soundfont, kTailMs}, wav))
    throw CommandFailure("the soundfont '" + *soundfont + "' cannot be loaded");
  if (!file.Write(wav)) throw CommandFailure(file.Failure());
  if (std::string failure = file.Commit(); !failure.empty()) throw CommandFailure(failure);
  return 0;
}

}  // namespace corvanta::cli
