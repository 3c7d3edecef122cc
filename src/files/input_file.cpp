// Regular files only, read without blocking on what is no file.
#include "files/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "files/unique_fd.h"

namespace corvanta {
namespace {

const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "no regular file";
}

}  // namespace

std::string ReadInputFile(const std::string& path, std::size_t most, InputFile& file) {
  const std::string quoted = "'" + path + "'";
  UniqueFd fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd.Valid()) return "cannot read " + quoted + ": " + std::strerror(errno);
  struct stat info {};
  if (fstat(fd.Get(), &info) != 0) return "cannot read " + quoted + ": " + std::strerror(errno);
  if (!S_ISREG(info.st_mode)) return quoted + " is " + KindOf(info.st_mode) + ", not a song file";
  fcntl(fd.Get(), F_SETFL, fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
  file.bytes.assign(most + 1, '\0');  // one byte more tells a larger file
  std::size_t got = 0;
  while (got < file.bytes.size()) {
    const ssize_t n = read(fd.Get(), file.bytes.data() + got, file.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return "cannot read " + quoted + ": " + std::strerror(errno);
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  file.larger = got > most;
  file.bytes.resize(got > most ? most : got);
  return {};
}

}  // namespace corvanta
