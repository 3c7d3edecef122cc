// corvanta-cli song: a song read in any of its forms, transposed, under a
// capo, one voicing chosen per chord over the whole song; as a summary,
// JSON, ChordPro or chords over words.
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/song_output.h"
#include "files/input_file.h"
#include "files/output_file.h"
#include "song/capo_suggestion.h"
#include "song/song_defines.h"
#include "song/song_key.h"
#include "song/song_reader.h"
#include "song/song_writer.h"
#include "song/text_encoding.h"
#include "theory/text_util.h"

namespace corvanta::cli {
namespace {

// More than the reader takes, so that it sees the text is too long, in
// UTF-16 too (two bytes a character).
constexpr std::size_t kMostBytesRead = 2 * kMaxSongBytes + 2;

std::string ReadSongText(const SongCommandText& command) {
  if (command.chords) {
    if (!command.file.empty()) throw BadArgument("song: give a FILE or --chords, not both");
    return *command.chords;
  }
  if (command.file.empty())
    throw BadArgument("song: give a FILE, - for standard input, or --chords");
  if (command.file == "-") return ReadStandardInput(kMostBytesRead);
  InputFile file;
  const std::string failure = ReadInputFile(command.file, kMostBytesRead, file);
  if (!failure.empty()) throw CommandFailure("song: " + failure);
  return std::move(file.bytes);
}

// A song in any encoding: a UTF-8 mark stays for the reader (which keeps
// it), UTF-16 and Latin-1 are read as UTF-8, said in a note.
Song ReadDecodedSong(const std::string& bytes, SongFormat format) {
  const DecodedText decoded = DecodeText(bytes);
  if (decoded.form.encoding == TextEncoding::Utf8) return ReadSong(bytes, format);
  Song song = ReadSong(decoded.utf8, format);
  const bool utf16 = decoded.form.encoding != TextEncoding::Latin1;
  song.notes.insert(
      song.notes.begin(),
      utf16 ? "the text is UTF-16; it is read as such and written as UTF-8" : decoded.note);
  return song;
}

SongFormat ParseFormat(const std::string& format) {
  if (format == "chordpro") return SongFormat::ChordPro;
  if (format == "text") return SongFormat::ChordsOverWords;
  if (format == "chords") return SongFormat::Progression;
  return SongFormat::Auto;
}

// "G=320003", "3=x32010": a chord name or a 1-based occurrence.
SongPin ParsePin(const std::string& text, const Instrument& instrument, int capo) {
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos || equals == 0 || equals + 1 == text.size())
    throw BadArgument("--pin: '" + text + "' is not NAME=FRETS or INDEX=FRETS (\"G=320003\")");
  SongPin pin;
  const std::string target = text.substr(0, equals);
  pin.frets = ParseInstrumentFrets(text.substr(equals + 1), instrument, capo, "--pin " + target);
  if (target.find_first_not_of("0123456789") == std::string::npos) {
    if (target.size() > 6 || std::stoi(target) < 1)
      throw BadArgument("--pin: '" + target + "' is not a chord number 1, 2, ...");
    pin.index = std::stoi(target) - 1;
  } else {
    pin.name = target;
  }
  return pin;
}

void Write(const std::string& path, const std::string& bytes, std::ostream& out) {
  if (path == "-") {
    out << bytes;
    return;
  }
  out.flush();  // what the command printed comes first where the path names standard output
  const std::string failure = WriteOutputFile(path, bytes);
  if (!failure.empty()) throw CommandFailure(failure);
}

// The file an optional-valued output names: "-" (standard output) when
// given without one.
std::string TargetOf(const std::vector<std::string>& target) {
  return target.empty() || target.front().empty() ? "-" : target.front();
}

// Given without a value, CLI11 leaves one empty text: the option is given.
void CheckTarget(const std::vector<std::string>& target) {
  if (target.empty() || TargetOf(target) == "-") return;
  const std::string refused = CheckOutputTarget(TargetOf(target));
  if (!refused.empty()) throw CommandFailure(refused);
}

}  // namespace

BookVoicing ReadSongVoicing(const std::string& mode, int transpose, const std::string& key,
                            const std::string& capo) {
  if (transpose < -24 || transpose > 24)
    throw BadArgument("--transpose: " + std::to_string(transpose) + " is not -24..24");
  if (!key.empty() && !ParseSongKey(key))
    throw BadArgument("--key: '" + key + "' is not a key (\"Bb\", \"F#m\")");
  BookVoicing voicing;
  voicing.options.mode = VoicingModeNamed(mode);
  voicing.options.transpose = transpose;
  voicing.options.key = key;
  voicing.options.capo = ReadSongCapo(capo);
  voicing.suggestCapo = capo == "suggest";
  return voicing;
}

void AddSongCommand(CLI::App& app, SongCommandText& text) {
  auto* song = app.add_subcommand(
      "song", "a song (ChordPro, chords over words, or a progression): one voicing per chord");
  song->add_option("file", text.file, "the song's file, - for standard input");
  song->add_option("--chords", text.chords, "a progression instead of a file (\"G D Em C\")");
  song->add_option("--format", text.format,
                   "chordpro, text or chords (default: told from the text)")
      ->check(CLI::IsMember({"auto", "chordpro", "text", "chords"}));
  AddNeckOptions(*song, text.options);
  song->add_option("--transpose", text.transpose, "semitones up (negative: down)");
  song->add_option("--key", text.key, "transpose to this key (\"Bb\", \"F#m\")");
  song->add_option("--capo", text.capo,
                   "play with a capo at fret N (shapes shown, sounding beside), or suggest");
  song->add_option("--mode", text.mode, "default (as players choose), least-movement, or easiest")
      ->check(CLI::IsMember({"default", "least-movement", "easiest"}));
  song->add_option("--pin", text.pins, "keep a voicing: NAME=FRETS or INDEX=FRETS (repeatable)");
  song->add_flag("--simplify", text.simplify,
                 "play each chord simpler (Cmaj7 as C, Am7 as Am, C9 as C7, C/G as C)");
  song->add_option("--notation", text.numbers,
                   "the chord names: standard (letters), nashville (numbers: 1 4 5 6m b7 5/7) "
                   "or roman (I IV V vi bVII IV/V)")
      ->check(CLI::IsMember({"standard", "nashville", "roman"}));
  song->add_option("--alternatives", text.alternatives,
                   "the K best voicings of each chord, the rest held");
  song->add_flag("--json", text.options.json, "print one JSON object");
  song->add_option("--chordpro", text.chordpro, "write ChordPro (to FILE, - by default)")
      ->expected(0, 1);
  song->add_option("--text", text.text, "write chords over words (to FILE, - by default)")
      ->expected(0, 1);
  song->add_flag("--define", text.define, "with --chordpro, a {define} for every chosen voicing");
  AddSongSheetOptions(*song, text.sheet);
}

int RunSong(const SongCommandText& command, std::ostream& out) {
  Session session = SessionOf(command.options);
  // A song's chords are played as players play them.
  session.practical = true;
  if (command.alternatives < 0 || command.alternatives > 100)
    throw BadArgument("--alternatives: " + std::to_string(command.alternatives) + " is not 0..100");
  BookVoicing voicing = ReadSongVoicing(command.mode, command.transpose, command.key, command.capo);
  CheckTarget(command.chordpro);
  CheckTarget(command.text);
  CheckSongSheetTargets(command.sheet);
  // Chords given on the command line are a progression, every word a chord.
  const SongFormat format = command.chords && command.format == "auto"
                                ? SongFormat::Progression
                                : ParseFormat(command.format);
  Song song = ReadDecodedSong(ReadSongText(command), format);
  if (song.chordsCut && (command.transpose != 0 || !command.key.empty() ||
                         (!command.capo.empty() && command.capo != std::to_string(song.capo))))
    throw CommandFailure("song: the song has more than " + std::to_string(kMaxSongChords) +
                         " chords; moved in part it would end in two keys, so it is not moved");
  SongVoicingOptions& options = voicing.options;
  options.alternatives = command.alternatives;
  options.simplify = command.simplify;
  options.notation = ParseChordNumbers(command.numbers).value_or(ChordNumbers::Letters);
  const int pinCapo = options.capo.value_or(song.capo);
  for (const std::string& pin : command.pins)
    options.pins.push_back(ParsePin(pin, session.instrument, pinCapo));
  VoicedSong voiced;
  try {
    // The song as read is needed again only to write ChordPro back as read;
    // otherwise it moves into its voicing, so a long text is held once.
    const bool writtenAsRead = !command.chordpro.empty() && !command.define;
    voiced = VoiceAsAsked(session, writtenAsRead ? Song(song) : std::move(song), voicing);
  } catch (const BadPin& bad) {
    throw BadArgument(bad.what());
  }
  WarnOfSong(voiced, std::cerr);
  const bool written = command.options.json || !command.chordpro.empty() || !command.text.empty() ||
                       command.sheet.Asked();
  if (command.options.json) out << SongJson(voiced, session, command.options.tuning) << "\n";
  if (!command.chordpro.empty()) {
    // Defines name the chords as played, so they come with the song as played.
    const Song& written = command.define ? voiced.song : SongToWrite(song, voiced);
    Write(TargetOf(command.chordpro),
          WriteChordPro(written, AddedChordProLines(voiced, command.define)), out);
  }
  if (!command.text.empty()) {
    // Plain text has no {transpose}: its chords are the ones played.
    Write(TargetOf(command.text), WriteChordsOverWords(voiced.song, AddedTextLines(voiced)), out);
  }
  WriteSongSheet(command.sheet, voiced, session);
  if (!written) PrintSongSummary(voiced, session, out);
  return 0;
}

}  // namespace corvanta::cli
