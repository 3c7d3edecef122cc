// Buffered writing to the standard descriptors, safe when one is closed.
#include "cli/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include "files/output_descriptor.h"

namespace corvanta::cli {
namespace {

// Written out when this much is pending: large enough for few writes.
constexpr std::size_t kFlushBytes = 1 << 16;

}  // namespace

void HoldClosedStandardDescriptors() {
  for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (fcntl(fd, F_GETFD) >= 0) continue;
    // open() takes the lowest free number: this one, as the lower ones are
    // open (checked in order).
    const int held = open("/dev/null", (fd == STDIN_FILENO ? O_WRONLY : O_RDONLY));
    if (held >= 0 && held != fd) close(held);
  }
}

DescriptorStreamBuffer::DescriptorStreamBuffer(int fd) : fd_(fd) {}

DescriptorStreamBuffer::~DescriptorStreamBuffer() { Flush(); }

bool DescriptorStreamBuffer::Flush() {
  if (pending_.empty()) return true;
  const bool wrote = WriteAll(fd_, pending_);
  pending_.clear();
  return wrote;
}

DescriptorStreamBuffer::int_type DescriptorStreamBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return Flush() ? 0 : traits_type::eof();
  pending_ += traits_type::to_char_type(c);
  if (pending_.size() >= kFlushBytes && !Flush()) return traits_type::eof();
  return c;
}

std::streamsize DescriptorStreamBuffer::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  if (pending_.size() >= kFlushBytes && !Flush()) return 0;
  return count;
}

int DescriptorStreamBuffer::sync() { return Flush() ? 0 : -1; }

}  // namespace corvanta::cli
