// The songs a songbook's inputs name: files, folders, setlists.
#include "cli/songbook_sources.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace corvanta::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMostSetlistBytes = 1 << 20;
constexpr int kDeepestSetlist = 8;  // setlists naming setlists, never in a loop

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

class Collector {
 public:
  SongSources Collect(const std::vector<std::string>& inputs) {
    for (const std::string& input : inputs) Add(fs::path(input), std::nullopt, "", 0);
    return std::move(sources_);
  }

 private:
  void Problem(const std::string& text) { sources_.problems.push_back(text); }

  void Add(const fs::path& path, const std::optional<SetlistEntry>& settings,
           const std::string& origin, int depth) {
    std::error_code error;
    const std::string named = origin.empty() ? path.string() : origin + ": " + path.string();
    if (fs::is_directory(path, error)) return AddFolder(path, named);
    if (!fs::exists(path, error)) return Problem(named + ": no such file");
    if (!IsFile(path)) return Problem(named + ": not a file");
    if (path.extension() == ".setlist" || !IsSongFileName(path)) {
      const std::optional<std::string> text = ReadFileUpTo(path, kMostSetlistBytes);
      if (!text) return Problem(named + ": cannot be read");
      if (IsSetlistFile(path, *text)) return AddSetlist(path, *text, depth);
    }
    sources_.songs.push_back({path, settings, origin});
  }

  void AddFolder(const fs::path& folder, const std::string& named) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
      const fs::path& path = it->path();
      if (path.filename().string().front() == '.' || !IsSongFileName(path) || !IsFile(path))
        continue;
      files.push_back(path);
    }
    if (error) return Problem(named + ": cannot be listed (" + error.message() + ")");
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
      return NaturalLess(a.filename().string(), b.filename().string());
    });
    for (const fs::path& path : files) {
      // A setlist kept among the songs is not one of them.
      if (Lower(path.extension().string()) == ".txt") {
        const std::optional<std::string> text = ReadFileUpTo(path, kMostSetlistBytes);
        if (text && IsSetlistFile(path, *text)) continue;
      }
      sources_.songs.push_back({path, std::nullopt, ""});
    }
    if (files.empty()) Problem(named + ": holds no song files");
  }

  void AddSetlist(const fs::path& path, const std::string& text, int depth) {
    if (depth >= kDeepestSetlist) return Problem(path.string() + ": setlists nested too deep");
    const Setlist setlist = ReadSetlist(text);
    for (const SetlistProblem& problem : setlist.problems)
      Problem(path.string() + ":" + std::to_string(problem.line) + ": " + problem.message);
    for (const SetlistEntry& entry : setlist.entries) {
      fs::path song(entry.path);
      if (song.is_relative()) song = path.parent_path() / song;
      Add(song, entry, path.string() + ":" + std::to_string(entry.line), depth + 1);
    }
  }

  SongSources sources_;
};

}  // namespace

bool IsSongFileName(const fs::path& path) {
  const std::string extension = Lower(path.extension().string());
  for (const char* known : {".cho", ".chordpro", ".chopro", ".crd", ".pro", ".txt"})
    if (extension == known) return true;
  return false;
}

bool IsSetlistFile(const fs::path& path, const std::string& text) {
  if (path.extension() == ".setlist") return true;
  if (text.find('{') != std::string::npos || text.find('\0') != std::string::npos) return false;
  const Setlist setlist = ReadSetlist(text);
  if (setlist.entries.empty()) return false;
  for (const SetlistEntry& entry : setlist.entries) {
    fs::path song(entry.path);
    if (song.is_relative()) song = path.parent_path() / song;
    if (!IsFile(song)) return false;
  }
  return true;
}

bool NaturalLess(const std::string& a, const std::string& b) {
  std::size_t i = 0, j = 0;
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  while (i < a.size() && j < b.size()) {
    if (digit(a[i]) && digit(b[j])) {
      std::size_t endA = i, endB = j;
      while (endA < a.size() && digit(a[endA])) ++endA;
      while (endB < b.size() && digit(b[endB])) ++endB;
      // Leading zeros do not count; a longer run of digits is the larger number.
      std::size_t startA = i, startB = j;
      while (startA + 1 < endA && a[startA] == '0') ++startA;
      while (startB + 1 < endB && b[startB] == '0') ++startB;
      if (endA - startA != endB - startB) return endA - startA < endB - startB;
      const int order = a.compare(startA, endA - startA, b, startB, endB - startB);
      if (order != 0) return order < 0;
      i = endA;
      j = endB;
      continue;
    }
    const char ca = static_cast<char>(std::tolower(static_cast<unsigned char>(a[i])));
    const char cb = static_cast<char>(std::tolower(static_cast<unsigned char>(b[j])));
    if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb);
    ++i;
    ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a < b;
}

std::optional<std::string> ReadFileUpTo(const fs::path& path, std::size_t most) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string text;
  char chunk[1 << 16];
  while (text.size() <= most && file.read(chunk, sizeof chunk).gcount() > 0) {
    text.append(chunk, static_cast<std::size_t>(file.gcount()));
    if (!file) break;
  }
  if (file.bad()) return std::nullopt;
  if (text.size() > most + 1) text.resize(most + 1);
  return text;
}

SongSources CollectSongSources(const std::vector<std::string>& inputs) {
  return Collector().Collect(inputs);
}

}  // namespace corvanta::cli
