#include "files/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace corvanta {
namespace {

constexpr std::string_view kStandardOutput = "-";

std::string Failure(const std::string& path, const std::string& reason) {
  return "cannot write '" + path + "': " + reason;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The permissions a new file gets (mkstemp's 0600 is not what a user expects).
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Every byte, through short writes and interruptions.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t wrote = write(fd, bytes.data(), bytes.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      if (wrote == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

// Where the bytes go and with which permissions.
struct Target {
  std::string path;     // the file itself (a link's target)
  mode_t mode = 0;      // the permissions it keeps or gets
  std::string refusal;  // why it cannot be written; empty when it can
};

Target ResolveTarget(const std::string& path) {
  Target target{path, NewFileMode(), {}};
  if (path.empty()) return {path, 0, Failure(path, "no file name")};
  if (path.back() == '/') return {path, 0, Failure(path, "a folder, not a file name")};
  struct stat link {};
  if (lstat(path.c_str(), &link) != 0) {
    if (errno != ENOENT) return {path, 0, Failure(path, std::strerror(errno))};
    // A new file, in a folder that must be there.
    struct stat folder {};
    if (stat(FolderOf(path).c_str(), &folder) != 0)
      return {path, 0, Failure(path, std::strerror(errno))};
    if (!S_ISDIR(folder.st_mode)) return {path, 0, Failure(path, std::strerror(ENOTDIR))};
    return target;
  }
  struct stat file = link;
  if (S_ISLNK(link.st_mode)) {
    // Written through: the link's target is replaced, the link stays.
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr || stat(resolved, &file) != 0) {
      std::free(resolved);
      return {path, 0, Failure(path, "a symbolic link to nothing")};
    }
    target.path = resolved;
    std::free(resolved);
  }
  if (S_ISDIR(file.st_mode)) return {path, 0, Failure(path, "a folder")};
  if (!S_ISREG(file.st_mode)) {
    return {path, 0,
            Failure(path,
                    "not a regular file (a FIFO, socket or device); use - for standard "
                    "output")};
  }
  // A file nobody may write is refused even where the user could override
  // it (root): its owner made it read-only.
  if ((file.st_mode & 0222) == 0) return {path, 0, Failure(path, "the file is read-only")};
  if (access(target.path.c_str(), W_OK) != 0) return {path, 0, Failure(path, std::strerror(errno))};
  target.mode = file.st_mode & 07777;
  return target;
}

}  // namespace

std::string CheckOutputTarget(const std::string& path) {
  if (path == kStandardOutput) return {};
  return ResolveTarget(path).refusal;
}

std::string WriteOutputFile(const std::string& path, std::string_view bytes) {
  if (path == kStandardOutput) {
    if (WriteAll(STDOUT_FILENO, bytes)) return {};
    return Failure("standard output", std::strerror(errno));
  }
  const Target target = ResolveTarget(path);
  if (!target.refusal.empty()) return target.refusal;
  // A short name, so that a target name at the file system's limit works.
  std::string pattern = FolderOf(target.path) + "/.corvanta-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd < 0) return Failure(path, std::strerror(errno));
  const std::string temporary(name.data());
  bool written = WriteAll(fd, bytes) && fchmod(fd, target.mode) == 0 && fsync(fd) == 0;
  int error = written ? 0 : errno;
  if (close(fd) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && std::rename(temporary.c_str(), target.path.c_str()) == 0) {
    // The rename itself reaches the disk with the folder.
    const int folder = open(FolderOf(target.path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
      fsync(folder);
      close(folder);
    }
    return {};
  }
  if (written) error = errno;
  unlink(temporary.c_str());
  return Failure(path, std::strerror(error == 0 ? EIO : error));
}

}  // namespace corvanta
