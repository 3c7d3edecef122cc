// corvanta-cli songbook: the songs of files, folders and setlists voiced
// as `song` voices them and printed as one book.
#include "cli/songbook_command.h"

#include <map>
#include <set>

#include "cli/commands.h"
#include "cli/drawing_request.h"
#include "cli/song_output.h"
#include "cli/songbook_sources.h"
#include "files/output_file.h"
#include "printed_song/book_song.h"
#include "song/song_key.h"
#include "song/song_split.h"
#include "theory/text_util.h"

namespace corvanta::cli {
namespace {

// A songbook file may hold many songs, each within the reader's own limit.
constexpr std::size_t kMostBookFileBytes = 64u << 20;

// The sessions of the instruments the songs are played on, each made once.
class Sessions {
 public:
  explicit Sessions(Session book) : book_(std::move(book)) {}

  // The book's session, or the named instrument's in its standard tuning;
  // an unknown name is the book's with a problem said.
  const Session& For(const std::optional<std::string>& instrument, std::string& problem) {
    if (!instrument || *instrument == book_.instrument.name) return book_;
    auto found = others_.find(*instrument);
    if (found != others_.end()) return found->second;
    try {
      Session session = book_;
      session.instrument = ParseInstrument(*instrument, std::nullopt);
      return others_.emplace(*instrument, std::move(session)).first->second;
    } catch (const BadArgument& bad) {
      problem = bad.what();
      return book_;
    }
  }

 private:
  Session book_;
  std::map<std::string, Session> others_;
};

// Messages of a book name the file and the line in it.
class Report {
 public:
  explicit Report(std::ostream& err) : err_(err) {}

  void Problem(const std::string& text) {
    err_ << "corvanta-cli: " << PrintableText(text) << "\n";
    ++problems_;
  }

  // A song's messages at their places in the file, whose line firstLine
  // is the song's first.
  void Warnings(const std::string& file, int firstLine, const VoicedSong& voiced) {
    for (const SongMessage& message : SongMessages(voiced)) {
      if (message.kind == SongMessage::Kind::Note) {
        err_ << "corvanta-cli: " << PrintableText(file) << ":" << firstLine
             << ": note: " << message.text << "\n";
        continue;
      }
      Warn(file, message.line + firstLine - 1, message.column, message.text);
    }
  }

  int problems() const { return problems_; }

 private:
  void Warn(const std::string& file, int line, int column, const std::string& text) {
    err_ << "corvanta-cli: " << PrintableText(file);
    if (line > 0) err_ << ":" << line;
    if (line > 0 && column > 0) err_ << ":" << column;
    err_ << ": warning: " << text << "\n";
  }

  std::ostream& err_;
  int problems_ = 0;
};

// The title a song without one is listed by: its file's name, numbered
// when the file holds more than one.
std::string FallbackTitle(const SongSource& source, std::size_t part, std::size_t parts) {
  std::string title = source.path.stem().string();
  if (parts > 1) title += " (" + std::to_string(part + 1) + ")";
  return title;
}

bool IsText(const std::string& text) { return text.find('\0') == std::string::npos; }

void AddSongs(const BookVoicing& bookVoicing, const SongSource& source, Sessions& sessions,
              Report& report, Songbook& book) {
  const std::string file = source.path.string();
  const std::optional<std::string> text = ReadFileUpTo(source.path, kMostBookFileBytes);
  if (!text) return report.Problem(file + ": cannot be read; the book is made without it");
  if (text->size() > kMostBookFileBytes)
    return report.Problem(file + ": larger than " + std::to_string(kMostBookFileBytes >> 20) +
                          " MB; the book is made without it");
  if (!IsText(*text))
    return report.Problem(file + ": not a song (binary bytes); the book is made without it");
  std::string problem;
  const Session& session =
      sessions.For(source.settings ? source.settings->instrument : std::nullopt, problem);
  if (!problem.empty()) report.Problem(source.origin + ": " + problem);
  // The setlist's word for the song over the book's.
  const BookVoicing voicing =
      source.settings ? WithSetlistEntry(bookVoicing, *source.settings) : bookVoicing;
  const std::vector<SongOfText> songs = ReadSongs(*text);
  for (std::size_t part = 0; part < songs.size(); ++part) {
    VoicedSong voiced;
    try {
      book.songs.push_back(BookSongOf(session, songs[part].song, voicing,
                                      FallbackTitle(source, part, songs.size()), voiced));
    } catch (const std::exception& bad) {
      report.Problem(file + ":" + std::to_string(songs[part].firstLine) + ": " + bad.what() +
                     "; the book is made without this song");
      continue;
    }
    report.Warnings(file, songs[part].firstLine, voiced);
  }
}

}  // namespace

void AddSongbookCommand(CLI::App& app, SongbookCommandText& text) {
  auto* book = app.add_subcommand(
      "songbook", "many songs as one printed book: contents, index, page numbers, bookmarks");
  book->add_option("inputs", text.inputs,
                   "song files, folders of songs (in file-name order) and setlists")
      ->required();
  book->add_option("--pdf", text.pdf, "write the book as PDF (FILE, - for stdout)")->required();
  book->add_option("--page", text.page, "the paper: a4 (default) or letter")
      ->check(CLI::IsMember({"a4", "letter"}));
  book->add_option("--title", text.title, "the book's title, on a title page");
  book->add_option("--subtitle", text.subtitle, "a line under the title");
  book->add_flag("--pack", text.pack,
                 "songs follow each other on a page (each still starts where its first "
                 "verse fits) instead of each on a new page");
  book->add_option("--index", text.index,
                   "the contents by titles (default) or first-lines (the index then holds both)")
      ->check(CLI::IsMember({"titles", "first-lines"}));
  AddNeckOptions(*book, text.options);
  book->add_option("--transpose", text.transpose, "semitones up (negative: down), every song");
  book->add_option("--key", text.key, "transpose every song to this key (\"Bb\", \"F#m\")");
  book->add_option("--capo", text.capo,
                   "play every song with a capo at fret N, or suggest one per song");
  book->add_option("--mode", text.mode, "default (as players choose), least-movement, or easiest")
      ->check(CLI::IsMember({"default", "least-movement", "easiest"}));
}

int RunSongbook(const SongbookCommandText& command, std::ostream& out, std::ostream& err) {
  const BookVoicing voicing =
      ReadSongVoicing(command.mode, command.transpose, command.key, command.capo);
  if (command.pdf != "-") {
    const std::string refused = CheckOutputTarget(command.pdf);
    if (!refused.empty()) throw CommandFailure(refused);
  }
  Session base = SessionOf(command.options);
  base.practical = true;  // a song's chords are played as players play them
  Sessions sessions(std::move(base));
  Report report(err);
  const SongSources sources = CollectSongSources(command.inputs);
  for (const std::string& problem : sources.problems) report.Problem(problem);

  DrawingRequest request;
  request.printBook = true;
  request.format = "pdf";
  request.path = command.pdf;
  request.paper = command.page;
  Songbook& book = request.book;
  book.title = command.title;
  book.subtitle = command.subtitle;
  book.pack = command.pack;
  book.index = command.index == "first-lines" ? SongbookIndex::FirstLines : SongbookIndex::Titles;
  for (const SongSource& source : sources.songs) AddSongs(voicing, source, sessions, report, book);
  if (book.songs.empty()) throw CommandFailure("songbook: no song to print");
  out.flush();
  RunDrawing(request);
  if (report.problems() > 0) {
    err << "corvanta-cli: the book holds " << book.songs.size() << " songs; " << report.problems()
        << " problem" << (report.problems() == 1 ? "" : "s") << " named above\n";
    return kFailureStatus;
  }
  return 0;
}

}  // namespace corvanta::cli
