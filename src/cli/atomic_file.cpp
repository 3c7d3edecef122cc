#include "cli/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace corvanta::cli {
namespace {

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The permissions a newly created file would get (mkstemp gives 0600).
mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

std::string Failure(const std::string& path, int error) {
  return "cannot write '" + path + "': " + std::strerror(error);
}

}  // namespace

std::string WriteFileAtomically(const std::string& path,
                                const std::function<bool(std::ostream&)>& write) {
  if (path.empty() || path.back() == '/') return "cannot write '" + path + "': not a file name";
  std::string pattern = FolderOf(path) + "/." + NameOf(path) + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) return Failure(path, errno);
  std::string temporary(name.data());
  fchmod(fd, NewFileMode());
  close(fd);

  bool written = false;
  errno = 0;
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    written = file && write(file);
    file.close();
    written = written && !file.fail();
  }
  int error = written ? 0 : (errno != 0 ? errno : EIO);
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return {};
  if (written) error = errno;
  std::remove(temporary.c_str());
  return Failure(path, error);
}

}  // namespace corvanta::cli
