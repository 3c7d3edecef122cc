// Output names that mean a descriptor the program already holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvanta {

// The names of descriptors the program already holds: "-" and /dev/stdout
// are descriptor 1, /dev/stderr 2, /dev/fd/N and /proc/self/fd/N descriptor
// N. Written to as they are, never replaced by a new file: the shell's
// `>> log` stays an append to log, `| cat` a pipe.
std::optional<int> NamedDescriptor(std::string_view path);

// "standard output", "standard error" or "descriptor N".
std::string DescriptorName(int fd);

// Why the descriptor cannot be written (closed, or not open for writing, as
// a standard descriptor the program was started without is held);
// empty when it can.
std::string DescriptorRefusal(int fd);

// Every byte, through short writes, interruptions and a non-blocking
// descriptor (waited on until it takes more); false with errno set on
// failure.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace corvanta
