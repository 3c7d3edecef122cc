#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// Every file the program writes (pictures, documents, sound) goes through
// here, so that a file is either complete or not touched, whatever the
// disk, and every format treats its target the same way:
// - "-" is standard output, for piping;
// - a new name, or an existing regular file the user may write, is written
//   to a temporary file in the same folder (every write, the flush and the
//   fsync checked), which is then renamed over it; an existing file keeps
//   its permissions;
// - a symbolic link is followed to its target (the link stays a link);
// - a dangling link, a folder, a FIFO, a socket, a device and a read-only
//   file are refused.
// On failure nothing is left behind and the message says what went wrong.

// Whether the target can be written, before the bytes are made (a refused
// target costs no rendering): empty when it can, else the reason.
std::string CheckOutputTarget(const std::string& path);

// Writes the bytes as above; empty on success, else the reason.
std::string WriteOutputFile(const std::string& path, std::string_view bytes);

}  // namespace corvanta
