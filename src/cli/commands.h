// The commands of corvanta-cli and what each reads from its command line.
#pragma once

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/cli_options.h"
#include "cli/song_sheet_output.h"
#include "cli/songbook_command.h"
#include "printed_song/book_song.h"

namespace corvanta::cli {

inline constexpr int kBadArgumentStatus = 2;
inline constexpr int kFailureStatus = 1;

// A command that could not do its work (unreadable input, unwritable output,
// a soundfont that does not load): one line, exit status 1.
struct CommandFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// What a command reads from the command line besides the shared options.
struct EntryCommandText {
  std::string text;  // query: the symbol ("-": standard input); clicks: "15,18,21"
  SearchOptionText options;
  bool flats = false;                 // both note grids show flat names
  std::string notation = "standard";  // "classic" (the --classic default) or "standard"
};

struct StrumCommandText {
  std::string frets;  // "99 3 2 0 1 0"
  std::optional<std::string> tuning;
  std::string instrument = "guitar";
  int speed = 2;
  std::string patch;
  std::optional<std::string> wav;        // "-": standard output
  std::optional<std::string> soundfont;  // the installed General MIDI one by default
  bool messages = false;
  int capo = 0;
};

struct NameCommandText {
  std::string frets;  // "x 3 2 0 1 0", "99 3 2 0 1 0" or "x32010"
  std::optional<std::string> tuning;
  std::string instrument = "guitar";
  int capo = 0;
  bool json = false;
  bool flats = false;
  std::string notation = "standard";
};

struct DrawCommandText {
  std::string frets;                 // diagram
  std::vector<std::string> symbols;  // sheet
  // The shared options these commands take: the instrument, its tuning and
  // the capo; the sheet's capo names, order and rules too.
  SearchOptionText options;
  bool leftHanded = false;
  int scale = 1;
  int perChord = 1;
  bool all = false;                  // sheet: every occurrence, not each chord once
  std::optional<std::string> title;  // sheet: a line above the heading
  std::string notation = "standard";
  std::string png;
  std::string svg;
  std::string pdf;
};

struct SongCommandText {
  std::string file;                   // "-": standard input; empty with --chords
  std::optional<std::string> chords;  // a progression given on the command line
  std::string format = "auto";        // or chordpro, text, chords
  SearchOptionText options;           // the instrument, tuning, frets, span and rules
  int transpose = 0;
  std::string key;
  std::string capo;  // "" (the song's own), a fret, or "suggest"
  std::string mode = "default";
  std::vector<std::string> pins;  // "NAME=FRETS" or "INDEX=FRETS"
  int alternatives = 0;
  std::vector<std::string> chordpro;  // given: write ChordPro (to the file, "-" when none)
  std::vector<std::string> text;      // given: write chords over words
  bool define = false;
  bool simplify = false;             // play each chord as a simpler one of its function
  std::string numbers = "standard";  // --notation: the names as letters, nashville or roman
  SongSheetText sheet;               // --pdf, --svg, --png, --page
};

// Every command's arguments as typed, owned by main().
struct CommandTexts {
  EntryCommandText search;
  EntryCommandText query;
  EntryCommandText clicks;
  StrumCommandText strum;
  bool typesJson = false;
  bool instrumentsJson = false;
  NameCommandText name;
  DrawCommandText diagram;
  DrawCommandText sheet;
  SongCommandText song;
  SongbookCommandText songbook;
  // --classic, which every command takes: the program's own notation, the
  // strict rules and the position order, wherever not given beside it.
  bool classic = false;
};

// The commands' names, comma-separated, for messages.
std::string CommandNames(const CLI::App& app);
// Refuses a first word that names no command ("unknown command 'fooo'"),
// and a command line that names none, each listing the commands; the
// program's own options (--help, --version) pass.
void CheckCommandWord(const CLI::App& app, int argc, const char* const* argv);

void AddCommands(CLI::App& app, CommandTexts& texts);
// After parsing: the notation, the rules and the order of the command run,
// where not given, are the modern defaults (standard, practical, ease) or,
// with --classic, the program's own (classic, strict, position).
void ApplyCommandDefaults(const CLI::App& app, CommandTexts& texts);
int RunCommands(const CLI::App& app, const CommandTexts& texts, std::ostream& out);

int RunSearch(const EntryCommandText& command, std::ostream& out);
int RunQuery(const EntryCommandText& command, std::ostream& out);
int RunClicks(const EntryCommandText& command, std::ostream& out);
int RunStrum(const StrumCommandText& command, std::ostream& out);
int RunTypes(bool json, std::ostream& out);
int RunInstruments(bool json, std::ostream& out);
// A fingering typed for an instrument: one value per string, each a fret
// the string has (a short string's frets start above its first fret).
// Fret values of a fingering on the instrument, each on the neck with the
// capo counted (a fret the neck does not have is a bad argument).
Fingering ParseInstrumentFrets(const std::string& text, const Instrument& instrument, int capo,
                               const std::string& command);
int RunName(const NameCommandText& command, std::ostream& out);
int RunDiagram(const DrawCommandText& command, std::ostream& out);
int RunSheet(const DrawCommandText& command, std::ostream& out);
void AddSongCommand(CLI::App& app, SongCommandText& text);
int RunSong(const SongCommandText& command, std::ostream& out);
// --mode, --transpose, --key and --capo as `song` and `songbook` read them:
// the mode one of its words (the option checks keep it so), the
// transposition -24..24, the key a key, the capo a fret 0..12, "suggest" or
// empty. Throws BadArgument.
BookVoicing ReadSongVoicing(const std::string& mode, int transpose, const std::string& key,
                            const std::string& capo);

// Standard input, up to `most` bytes; a read error (a folder, a closed
// descriptor) is a failure, not an empty text.
std::string ReadStandardInput(std::size_t most = std::string::npos);
// The most a typed chord symbol may hold, far above any symbol (a song or a
// progression has its own limit, kMaxSongBytes).
inline constexpr std::size_t kMostTypedBytes = 64 * 1024;

}  // namespace corvanta::cli
