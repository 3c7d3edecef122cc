// Reading a file the user named (a song): only a regular file, never a
// FIFO, device, socket or folder, which could hang or never end.
#pragma once

#include <cstddef>
#include <string>

namespace corvanta {

// The first `most` bytes of a regular file (fewer when it is shorter) in
// `bytes`, and whether there was more; an empty text on success, else what
// went wrong ("'x' is not a regular file (a FIFO)"). The file is opened
// without blocking, so a FIFO with no writer is refused, not waited on.
struct InputFile {
  std::string bytes;
  bool larger = false;  // the file holds more than `most` bytes
};
std::string ReadInputFile(const std::string& path, std::size_t most, InputFile& file);

}  // namespace corvanta
