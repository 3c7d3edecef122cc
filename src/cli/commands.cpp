#include "cli/commands.h"

namespace corvanta::cli {
namespace {

void AddFlatsOption(CLI::App& command, bool& flats) {
  command.add_flag("--flats", flats, "both note grids show flat names");
}

void AddNotationOption(CLI::App& command, std::string& notation, const std::string& description) {
  command.add_option("--notation", notation, description)
      ->check(CLI::IsMember({"classic", "standard"}));
}

void AddDrawingOutputs(CLI::App& command, DrawCommandText& text) {
  command.add_option("--png", text.png, "write a PNG picture");
  command.add_option("--svg", text.svg, "write an SVG drawing");
  command.add_option("--pdf", text.pdf, "write a PDF document");
  command.add_option("--scale", text.scale, "PNG pixels per diagram pixel, 1..8 (default 1)");
  AddTuningOption(command, text.options.tuning);
  AddInstrumentOption(command, text.options.instrument);
  AddCapoOption(command, text.options.capo);
}

}  // namespace

void AddCommands(CLI::App& app, CommandTexts& texts) {
  auto* search = app.add_subcommand("search", "every fingering of a chord");
  AddChordOptions(*search, texts.search.options);
  AddSettingOptions(*search, texts.search.options);
  AddFlatsOption(*search, texts.search.flats);
  AddNotationOption(
      *search, texts.search.notation,
      "how the best name and the readings are written: classic (default) or standard");

  auto* query = app.add_subcommand("query", "read a typed chord symbol (\"-\": standard input)");
  query->add_option("text", texts.query.text, "the chord symbol")->required();
  AddSettingOptions(*query, texts.query.options);
  AddFlatsOption(*query, texts.query.flats);
  AddNotationOption(*query, texts.query.notation,
                    "classic (the program's words, default) or standard (C9 = C7/9)");

  auto* clicks = app.add_subcommand("clicks", "tick check-list items in order");
  clicks->add_option("items", texts.clicks.text, "item indices, comma-separated (\"15,18,21\")")
      ->required();
  clicks->add_option("--root", texts.clicks.options.root, "root chosen first in the root grid");
  clicks->add_option("--bass", texts.clicks.options.bass, "bass chosen next in the bass grid");
  AddSettingOptions(*clicks, texts.clicks.options);
  AddFlatsOption(*clicks, texts.clicks.flats);

  auto* types = app.add_subcommand("types", "the chord-type catalogue: name and formula");
  types->add_flag("--json", texts.typesJson, "print one JSON array");

  auto* instruments =
      app.add_subcommand("instruments", "the built-in instruments: strings, tuning and presets");
  instruments->add_flag("--json", texts.instrumentsJson, "print one JSON array");

  auto* name = app.add_subcommand("name", "the names of the chord a fingering sounds");
  name->add_option(
          "frets", texts.name.frets,
          "a fret value per string, low string first; x or 99 muted (\"x 3 2 0 1 0\", \"x32010\")")
      ->required();
  AddTuningOption(*name, texts.name.tuning);
  AddInstrumentOption(*name, texts.name.instrument);
  AddCapoOption(*name, texts.name.capo);
  name->add_flag("--json", texts.name.json, "print one JSON object");
  AddFlatsOption(*name, texts.name.flats);
  AddNotationOption(
      *name, texts.name.notation,
      "how the best name and the readings are written: classic (default) or standard");

  auto* diagram = app.add_subcommand("diagram", "draw one chord diagram into a file");
  diagram
      ->add_option(
          "frets", texts.diagram.frets,
          "a fret value per string, low string first; x muted, -f a barre (\"-1 3 3 2 1 1\")")
      ->required();
  diagram->add_flag("--left-handed", texts.diagram.leftHanded, "mirror for a left-handed player");
  AddNotationOption(*diagram, texts.diagram.notation,
                    "how the caption (the best name) is written: classic (default) or standard");
  AddDrawingOutputs(*diagram, texts.diagram);

  auto* sheet = app.add_subcommand("sheet", "a chord sheet: the first fingerings of each symbol");
  sheet->add_option("symbols", texts.sheet.symbols, "chord symbols (\"Am7\" \"D9\" \"Gmaj7\")")
      ->required();
  sheet->add_option("--per-chord", texts.sheet.perChord, "fingerings of each chord (default 1)");
  AddNotationOption(*sheet, texts.sheet.notation, "classic (default) or standard");
  AddDrawingOutputs(*sheet, texts.sheet);
  AddCapoShapesOption(*sheet, texts.sheet.options.capoShapes);
  AddOrderOption(*sheet, texts.sheet.options.order);
  AddPracticalOption(*sheet, texts.sheet.options.practical);

  AddSongCommand(app, texts.song);

  auto* strum =
      app.add_subcommand("strum", "the MIDI messages of a strum, or its sound as a WAV file");
  strum
      ->add_option("frets", texts.strum.frets,
                   "a fret value per string, low string first (\"99 3 2 0 1 0\", \"x32010\")")
      ->required();
  AddTuningOption(*strum, texts.strum.tuning);
  AddInstrumentOption(*strum, texts.strum.instrument);
  strum->add_option("--speed", texts.strum.speed, "strum speed 0..5 (pause 25..150 ms)");
  strum->add_option("--patch", texts.strum.patch, "instrument item text or 0..8");
  strum->add_option("--wav", texts.strum.wav, "render the sound into this WAV file");
  strum->add_option("--soundfont", texts.strum.soundfont,
                    "render with this soundfont (.sf2) instead of the installed one");
  AddCapoOption(*strum, texts.strum.capo);
  strum->add_flag("--messages", texts.strum.messages,
                  "print the messages (the default without --wav)");
}

int RunCommands(const CLI::App& app, const CommandTexts& texts, std::ostream& out) {
  if (app.got_subcommand("search")) return RunSearch(texts.search, out);
  if (app.got_subcommand("query")) return RunQuery(texts.query, out);
  if (app.got_subcommand("clicks")) return RunClicks(texts.clicks, out);
  if (app.got_subcommand("strum")) return RunStrum(texts.strum, out);
  if (app.got_subcommand("types")) return RunTypes(texts.typesJson, out);
  if (app.got_subcommand("instruments")) return RunInstruments(texts.instrumentsJson, out);
  if (app.got_subcommand("name")) return RunName(texts.name, out);
  if (app.got_subcommand("diagram")) return RunDiagram(texts.diagram, out);
  if (app.got_subcommand("sheet")) return RunSheet(texts.sheet, out);
  if (app.got_subcommand("song")) return RunSong(texts.song, out);
  return 0;
}

}  // namespace corvanta::cli
