// corvanta-cli diagram and sheet: chord diagrams as PNG, SVG or PDF files,
// drawn by the window's own painter in a module loaded for these commands.
#include <algorithm>
#include <iostream>

#include "cli/commands.h"
#include "cli/drawing_request.h"
#include "cli/output.h"
#include "modules/module_loader.h"
#include "search/instrument_search.h"
#include "session/placed_fingering.h"
#include "session/session.h"
#include "session/sheet_heading.h"
#include "session/sheet_model.h"
#include "session/sounding_symbol.h"
#include "song/song_reader.h"
#include "symbols/reading_text.h"
#include "symbols/symbol_query.h"
#include "theory/text_util.h"
#include "view/layout/diagram_layout.h"

namespace corvanta::cli {
namespace {

// Exactly one of --png, --svg, --pdf: the format and the path.
void ChooseOutput(const DrawCommandText& command, DrawingRequest& request) {
  int given = !command.png.empty() + !command.svg.empty() + !command.pdf.empty();
  if (given != 1)
    throw BadArgument("name exactly one output: --png FILE, --svg FILE or --pdf FILE");
  if (!command.png.empty()) request.format = "png", request.path = command.png;
  if (!command.svg.empty()) request.format = "svg", request.path = command.svg;
  if (!command.pdf.empty()) request.format = "pdf", request.path = command.pdf;
  if (command.scale < 1 || command.scale > 8) {
    throw BadArgument("--scale: " + std::to_string(command.scale) + " is not 1..8");
  }
  request.scale = command.scale;
}

std::string TuningHeading(const Instrument& instrument, const std::optional<std::string>& tuning) {
  std::string text;
  if (tuning) {
    text = *tuning;
  } else if (instrument.classicTuning) {
    text = "E A D G B E";
  } else {
    text = instrument.title;
  }
  return text;
}

// The symbols of a sheet: each argument, or one argument holding several
// ("G D Em C", bar lines and repeats as a progression has them), or "-"
// for a progression on standard input.
std::vector<std::string> SheetSymbols(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) return arguments;
  std::string text = arguments.front();
  if (text == "-") {
    text = ReadStandardInput(kMaxSongBytes + 1);
  } else if (text.find_first_of(" \t|") == std::string::npos) {
    return arguments;
  }
  const Song song = ReadSong(text, SongFormat::Progression);
  for (const std::string& note : song.notes)
    std::cerr << "corvanta-cli: note: " << PrintableText(note) << "\n";
  std::vector<std::string> symbols;
  for (const SongChord& chord : song.chords) symbols.push_back(chord.written);
  return symbols;
}

// Each chord once, in order of first appearance: a sheet shows how to play
// the chords of a song, and a chord played twice is fingered the same.
std::vector<std::string> DistinctSymbols(const std::vector<std::string>& symbols) {
  std::vector<std::string> distinct;
  for (const std::string& symbol : symbols)
    if (std::find(distinct.begin(), distinct.end(), symbol) == distinct.end())
      distinct.push_back(symbol);
  return distinct;
}

}  // namespace

int RunDrawing(const DrawingRequest& request) {
  std::string error;
  const DrawingModule* module = LoadModule<DrawingModule>(kDrawingModuleName, error);
  if (module == nullptr) throw CommandFailure(error);
  std::string failure = module->draw(request);
  if (!failure.empty()) throw CommandFailure(failure);
  return 0;
}

int RunDiagram(const DrawCommandText& command, std::ostream&) {
  DrawingRequest request;
  ChooseOutput(command, request);
  const Instrument instrument = ParseInstrument(command.options.instrument, command.options.tuning);
  int capo = ParseCapo(command.options.capo);
  const Fingering frets = ParseInstrumentFrets(command.frets, instrument, capo, "diagram");
  if (!DiagramShowsEveryNote(frets)) {
    throw BadArgument("diagram: " + QuotedEcho(command.frets) + " spans more than the " +
                      std::to_string(kDiagramRows) + " frets a diagram shows");
  }
  // The caption is the name a musician would say for what the diagram sounds.
  const SoundingNotes notes = NotesOnInstrument(frets, InstrumentWithCapo(instrument, capo));
  const std::vector<ChordReading> readings =
      ReadChordAsPlayed(notes.pitchClasses, notes.bass, instrument.rules.anyInversion);
  request.sheet.heading = readings.empty()
                              ? std::string()
                              : WriteReading(readings.front(), ParseNotation(command.notation));
  request.sheet.diagrams.push_back({frets, std::string(), false});
  request.sheet.leftHanded = command.leftHanded;
  DescribeStrings(request.sheet, instrument, capo);
  return RunDrawing(request);
}

int RunSheet(const DrawCommandText& command, std::ostream&) {
  DrawingRequest request;
  ChooseOutput(command, request);
  std::vector<std::string> symbols = SheetSymbols(command.symbols);
  if (!command.all) symbols = DistinctSymbols(symbols);
  if (symbols.empty()) throw BadArgument("sheet: name at least one chord symbol");
  if (command.perChord < 1 || command.perChord > 100) {
    throw BadArgument("--per-chord: " + std::to_string(command.perChord) + " is not 1..100");
  }
  const Session session = SessionOf(command.options);
  const Instrument& instrument = session.instrument;
  const int capo = session.capo;
  const CapoNames capoNames = session.capoNames;
  ChordNotation notation = ParseNotation(command.notation);
  std::string heading;
  std::string sounding;
  for (const std::string& symbol : symbols) {
    const SymbolChord read = ChordOfSymbol(symbol, notation);
    const SymbolReading& reading = read.reading;
    if (reading.noChord) {
      request.sheet.diagrams.push_back(
          {Fingering(static_cast<std::size_t>(instrument.StringCount())), "", true});
      heading += (heading.empty() ? "" : "  ") + std::string("N.C.");
      continue;
    }
    if (reading.tooManyNotes > 0)
      throw BadArgument("sheet: " + QuotedEcho(symbol) + " " + TooManyNotesText(reading));
    if (!reading.namesRoot)
      throw BadArgument("sheet: " + QuotedEcho(symbol) + " names no root note");
    WarnOfReading(reading);
    const VoicedChord result = VoiceChord(session, read.chord);
    if (result.search.voicings.empty()) {
      std::cerr << "corvanta-cli: warning: " << QuotedEcho(symbol)
                << " has no fingering here; it is left off the sheet\n";
    }
    if (capoNames == CapoNames::Shapes && capo > 0) {
      sounding += (sounding.empty() ? "" : "  ") +
                  ValidUtf8(SoundingSymbol(symbol, capo, read.chord.spelling));
    }
    const auto& found = result.search.voicings;
    for (std::size_t i = 0; i < found.size() && i < static_cast<std::size_t>(command.perChord); ++i)
      request.sheet.diagrams.push_back({found[i].frets, i == 0 ? symbol : std::string(), false});
    heading += (heading.empty() ? "" : "  ") + symbol;
  }
  request.sheet.heading =
      SheetHeading(heading, TuningHeading(instrument, command.options.tuning), capo, sounding);
  // The title is a line of its own: the heading's wrapping keeps the break.
  if (command.title && !command.title->empty())
    request.sheet.heading = *command.title + "\n" + request.sheet.heading;
  DescribeStrings(request.sheet, instrument, capo);
  return RunDrawing(request);
}

}  // namespace corvanta::cli
