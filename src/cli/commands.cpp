// The commands' shared steps: options to a session, failures to messages and exit codes.
#include "cli/commands.h"

#include <iostream>

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

void AddClassicOption(CLI::App& command, bool& classic) {
  command.add_flag("--classic", classic,
                   "the program's own behaviour: its own chord words (--notation classic), the "
                   "strict rules (no --practical) and the position order; options given beside "
                   "it win");
}

// The value of an option of the command, where it was not given (or the
// command has no such option, as a song has no order of its own to give).
template <typename T>
void DefaultOf(const CLI::App& command, const char* name, T& field, T modern, T classic,
               bool isClassic) {
  const CLI::Option* option = command.get_option_no_throw(name);
  if (option != nullptr && option->count() > 0) return;
  field = isClassic ? classic : modern;
}

void DefaultsOf(const CLI::App& command, std::string* notation, SearchOptionText* options,
                bool classic) {
  if (notation != nullptr)
    DefaultOf<std::string>(command, "--notation", *notation, "standard", "classic", classic);
  if (options == nullptr) return;
  DefaultOf<std::string>(command, "--order", options->order, "ease", "position", classic);
  DefaultOf(command, "--practical", options->practical, true, false, classic);
}

}  // namespace

void ApplyCommandDefaults(const CLI::App& app, CommandTexts& texts) {
  const bool classic = texts.classic;
  struct Command {
    const char* name;
    std::string* notation;
    SearchOptionText* options;
  };
  const Command commands[] = {
      {"search", &texts.search.notation, &texts.search.options},
      {"query", &texts.query.notation, &texts.query.options},
      {"clicks", nullptr, &texts.clicks.options},
      {"name", &texts.name.notation, nullptr},
      {"diagram", &texts.diagram.notation, nullptr},
      {"sheet", &texts.sheet.notation, &texts.sheet.options},
      {"song", nullptr, &texts.song.options},
      {"songbook", nullptr, &texts.songbook.options},
  };
  for (const Command& command : commands) {
    if (app.got_subcommand(command.name))
      DefaultsOf(*app.get_subcommand(command.name), command.notation, command.options, classic);
  }
}

void AddCommands(CLI::App& app, CommandTexts& texts) {
  auto* search = app.add_subcommand("search", "every fingering of a chord");
  AddChordOptions(*search, texts.search.options);
  AddSettingOptions(*search, texts.search.options);
  AddFlatsOption(*search, texts.search.flats);
  AddNotationOption(
      *search, texts.search.notation,
      "how the best name and the readings are written: standard (default) or classic");

  auto* query = app.add_subcommand("query", "read a typed chord symbol (\"-\": standard input)");
  query->add_option("text", texts.query.text, "the chord symbol")->required();
  AddSettingOptions(*query, texts.query.options);
  AddFlatsOption(*query, texts.query.flats);
  AddNotationOption(*query, texts.query.notation,
                    "standard (C9 = C7/9, the default) or classic (the program's own words)");

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
      "how the best name and the readings are written: standard (default) or classic");

  auto* diagram = app.add_subcommand("diagram", "draw one chord diagram into a file");
  diagram
      ->add_option(
          "frets", texts.diagram.frets,
          "a fret value per string, low string first; x muted, -f a barre (\"-1 3 3 2 1 1\")")
      ->required();
  diagram->add_flag("--left-handed", texts.diagram.leftHanded, "mirror for a left-handed player");
  AddNotationOption(*diagram, texts.diagram.notation,
                    "how the caption (the best name) is written: standard (default) or classic");
  AddDrawingOutputs(*diagram, texts.diagram);

  auto* sheet = app.add_subcommand("sheet", "a chord sheet: the first fingerings of each symbol");
  sheet->add_option("symbols", texts.sheet.symbols, "chord symbols (\"Am7\" \"D9\" \"Gmaj7\")")
      ->required();
  sheet->add_option("--per-chord", texts.sheet.perChord, "fingerings of each chord (default 1)");
  sheet->add_flag("--all", texts.sheet.all,
                  "draw every occurrence of a chord (by default each chord once, in order of "
                  "first appearance)");
  sheet->add_option("--title", texts.sheet.title, "a title above the sheet's heading");
  AddNotationOption(*sheet, texts.sheet.notation, "standard (default) or classic");
  AddDrawingOutputs(*sheet, texts.sheet);
  AddCapoShapesOption(*sheet, texts.sheet.options.capoShapes);
  AddOrderOption(*sheet, texts.sheet.options.order);
  AddPracticalOption(*sheet, texts.sheet.options.practical);

  AddSongCommand(app, texts.song);
  AddSongbookCommand(app, texts.songbook);

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
  // Every command takes it, so a script may pass it to any.
  for (CLI::App* command : app.get_subcommands(std::function<bool(CLI::App*)>{}))
    AddClassicOption(*command, texts.classic);
}

std::string CommandNames(const CLI::App& app) {
  std::string names;
  for (const CLI::App* command : app.get_subcommands(std::function<bool(const CLI::App*)>{}))
    names += (names.empty() ? "" : ", ") + command->get_name();
  return names;
}

void CheckCommandWord(const CLI::App& app, int argc, const char* const* argv) {
  // No option of the program takes a value, so the first word that is no
  // option is the command's name.
  for (int at = 1; at < argc; ++at) {
    const std::string word = argv[at];
    if (!word.empty() && word[0] == '-') continue;
    for (const CLI::App* command : app.get_subcommands(std::function<bool(const CLI::App*)>{}))
      if (command->check_name(word)) return;
    throw BadArgument("unknown command '" + word + "'; the commands are " + CommandNames(app));
  }
  for (int at = 1; at < argc; ++at) {
    const std::string word = argv[at];
    if (word == "-h" || word == "--help" || word == "--help-all" || word == "--version") return;
  }
  throw BadArgument("name a command: " + CommandNames(app) + " (--help for each one's options)");
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
  if (app.got_subcommand("songbook")) return RunSongbook(texts.songbook, out, std::cerr);
  return 0;
}

}  // namespace corvanta::cli
