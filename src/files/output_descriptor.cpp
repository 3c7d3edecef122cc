// Tells the names of descriptors already open ("-", /dev/stdout, /dev/fd/N).
#include "files/output_descriptor.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace corvanta {
namespace {

// Descriptor numbers are small; a longer run of digits is no descriptor.
constexpr std::size_t kMostDescriptorDigits = 9;

std::optional<int> DescriptorNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > kMostDescriptorDigits) return std::nullopt;
  int number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace

std::optional<int> NamedDescriptor(std::string_view path) {
  if (path == "-" || path == "/dev/stdout") return STDOUT_FILENO;
  if (path == "/dev/stderr") return STDERR_FILENO;
  if (path == "/dev/stdin") return STDIN_FILENO;
  for (std::string_view folder : {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/"}) {
    if (path.substr(0, folder.size()) == folder)
      return DescriptorNumber(path.substr(folder.size()));
  }
  return std::nullopt;
}

std::string DescriptorName(int fd) {
  if (fd == STDOUT_FILENO) return "standard output";
  if (fd == STDERR_FILENO) return "standard error";
  if (fd == STDIN_FILENO) return "standard input";
  return "descriptor " + std::to_string(fd);
}

std::string DescriptorRefusal(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0) return DescriptorName(fd) + " is closed";
  if ((flags & O_ACCMODE) == O_RDONLY) return DescriptorName(fd) + " is not open for writing";
  return {};
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t wrote = write(fd, bytes.data(), bytes.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      // A non-blocking descriptor (a terminal or pipe another program set
      // so) is full for now, not broken: wait until it drains.
      pollfd ready{fd, POLLOUT, 0};
      if (poll(&ready, 1, -1) < 0 && errno != EINTR) return false;
      continue;
    }
    if (wrote <= 0) {
      if (wrote == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

}  // namespace corvanta
