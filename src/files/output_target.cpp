// Resolves an output name once: its folder, links followed, the name to write.
#include "files/output_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <vector>

namespace corvanta {
namespace {

// The kernel's own limit on links followed in one name.
constexpr int kMostLinks = 40;
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

// The permissions a new file gets (a temporary file's 0600 is not what a
// user expects).
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

std::deque<std::string> Components(const std::string& path) {
  std::deque<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t slash = path.find('/', start);
    if (slash == std::string::npos) slash = path.size();
    if (slash > start) parts.push_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

// The folder's name for messages, kept as the walk goes.
std::string Joined(const std::string& folder, const std::string& name) {
  if (name == "..") {
    const std::size_t slash = folder.rfind('/');
    if (slash != std::string::npos && folder.substr(slash + 1) != ".." && folder != ".")
      return slash == 0 ? "/" : folder.substr(0, slash);
  }
  return folder == "/" ? "/" + name : folder + "/" + name;
}

// /proc/<process>/fd holds a process's descriptors as links to what they
// name ("pipe:[…]", a deleted file): not files to replace.
bool IsDescriptorFolder(const std::string& folder) {
  return folder.rfind("/proc/", 0) == 0 && folder.size() >= 3 &&
         folder.compare(folder.size() - 3, 3, "/fd") == 0;
}

std::string Refused(const std::string& path, const std::string& reason) {
  return "cannot write '" + path + "': " + reason;
}

OutputTarget RefusedTarget(const std::string& path, const std::string& reason) {
  OutputTarget target;
  target.refusal = Refused(path, reason);
  return target;
}

// Why the link may not be followed, or empty.
std::string LinkRefusal(int folder, const std::string& where, const struct stat& link) {
  struct stat holder {};
  if (fstat(folder, &holder) != 0) return std::strerror(errno);
  const bool shared = (holder.st_mode & S_ISVTX) != 0 && (holder.st_mode & S_IWOTH) != 0;
  if (!shared || link.st_uid == geteuid() || link.st_uid == holder.st_uid) return {};
  return "a symbolic link in the shared folder '" + where + "' that belongs to another user (" +
         std::to_string(link.st_uid) +
         "): it is not followed, as anyone may plant a link there; remove it or write elsewhere";
}

std::string ReadLink(int folder, const std::string& name) {
  std::vector<char> target(PATH_MAX + 1);
  const ssize_t length = readlinkat(folder, name.c_str(), target.data(), target.size());
  if (length < 0 || static_cast<std::size_t>(length) >= target.size()) return {};
  return std::string(target.data(), static_cast<std::size_t>(length));
}

// The existing file at the end of the walk, checked.
void CheckExisting(OutputTarget& target, const std::string& path, const struct stat& file) {
  if (S_ISDIR(file.st_mode)) {
    target.refusal = Refused(path, "a folder");
  } else if (S_ISFIFO(file.st_mode) || S_ISSOCK(file.st_mode) || S_ISCHR(file.st_mode) ||
             S_ISBLK(file.st_mode)) {
    const char* kind = S_ISFIFO(file.st_mode)   ? "a FIFO"
                       : S_ISSOCK(file.st_mode) ? "a socket"
                                                : "a device";
    target.refusal =
        Refused(path, std::string("not a regular file (") + kind + "); use - for standard output");
  } else if ((file.st_mode & 0222) == 0) {
    // Refused even where the user could override it (root): its owner made
    // it read-only.
    target.refusal = Refused(path, "the file is read-only");
  } else if (faccessat(target.folder.Get(), target.name.c_str(), W_OK, AT_EACCESS) != 0) {
    target.refusal = Refused(path, std::strerror(errno));
  } else if (file.st_nlink > 1) {
    // A new file renamed over one name would leave the other names with the
    // old bytes, silently.
    target.refusal =
        Refused(path, "the file has " + std::to_string(file.st_nlink) +
                          " hard links, which replacing it would cut; write to another name");
  }
  target.exists = true;
  // Set-user and set-group bits never pass to new bytes.
  target.mode = file.st_mode & 0777;
  target.owner = file.st_uid;
  target.group = file.st_gid;
}

}  // namespace

OutputTarget ResolveOutputTarget(const std::string& path) {
  OutputTarget target;
  target.mode = NewFileMode();
  if (path.empty()) return RefusedTarget(path, "no file name");
  if (path.back() == '/') return RefusedTarget(path, "a folder, not a file name");
  const bool absolute = path.front() == '/';
  UniqueFd at(open(absolute ? "/" : ".", kFolderFlags));
  std::string where = absolute ? "/" : ".";
  std::deque<std::string> rest = Components(path);
  int links = 0;
  // While at least this many names remain, the name walked comes from a
  // link's target (a missing one is a link to nothing).
  constexpr std::size_t kNoLink = static_cast<std::size_t>(-1);
  std::size_t linkUntil = kNoLink;
  while (!rest.empty()) {
    const std::string name = rest.front();
    rest.pop_front();
    if (name == ".") continue;
    const bool last = rest.empty();
    if (rest.size() < linkUntil) linkUntil = kNoLink;
    const bool throughLink = linkUntil != kNoLink;
    if (!at.Valid()) return RefusedTarget(path, std::strerror(errno));
    struct stat entry {};
    if (fstatat(at.Get(), name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT) return RefusedTarget(path, std::strerror(errno));
      if (throughLink)
        return RefusedTarget(
            path, "a symbolic link to nothing ('" + Joined(where, name) + "' does not exist)");
      if (!last) return RefusedTarget(path, std::strerror(ENOENT));
      // A new file, in a folder the user may write.
      if (faccessat(at.Get(), ".", W_OK, AT_EACCESS) != 0)
        return RefusedTarget(path, std::strerror(errno));
      target.folder = std::move(at);
      target.name = name;
      return target;
    }
    if (S_ISLNK(entry.st_mode)) {
      if (IsDescriptorFolder(where))
        return RefusedTarget(path, "an open descriptor's name; use - for standard output");
      if (++links > kMostLinks) return RefusedTarget(path, "a loop of symbolic links");
      if (std::string refusal = LinkRefusal(at.Get(), where, entry); !refusal.empty())
        return RefusedTarget(path, refusal);
      const std::string link = ReadLink(at.Get(), name);
      if (link.empty()) return RefusedTarget(path, "a symbolic link that cannot be read");
      std::deque<std::string> followed = Components(link);
      if (linkUntil == kNoLink) linkUntil = rest.size();
      rest.insert(rest.begin(), followed.begin(), followed.end());
      if (link.front() == '/') {
        at.Reset(open("/", kFolderFlags));
        where = "/";
      }
      continue;
    }
    if (last) {
      target.folder = std::move(at);
      target.name = name;
      CheckExisting(target, path, entry);
      return target;
    }
    if (!S_ISDIR(entry.st_mode))
      return RefusedTarget(path, "'" + Joined(where, name) + "' is not a folder");
    at.Reset(openat(at.Get(), name.c_str(), kFolderFlags | O_NOFOLLOW));
    where = Joined(where, name);
  }
  return RefusedTarget(path, "a folder");
}

}  // namespace corvanta
