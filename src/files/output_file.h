// The one way the program writes a file: whole or not at all.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "files/output_target.h"

namespace corvanta {

// Every file the program writes (pictures, documents, sound, songs) goes
// through here, so that a file is either complete or not touched, whatever
// the disk, and every format treats its target the same way:
// - "-", /dev/stdout, /dev/stderr, /dev/fd/N and /proc/self/fd/N are the
//   descriptors they name, written as they are (an append stays an append,
//   a pipe a pipe); a closed or read-only descriptor is refused;
// - a new name, or an existing regular file the user may write, is written
//   to a temporary file in the same folder (every write, the flush and the
//   fsync checked), which is then renamed over it; an existing file keeps
//   its permissions without set-user or set-group bits, and, written by
//   root, its owner and group;
// - a symbolic link is followed to its target (the link stays a link), but
//   not a link another user planted in a sticky, world-writable folder
//   (see output_target.h);
// - a dangling link, a loop of links, a folder, a FIFO, a socket, a device,
//   a read-only file and a file with other hard links are refused.
// The target is resolved once, when the output is opened, and the file is
// created and renamed within the folder found then. On failure nothing is
// left behind and the message says what went wrong; a file-size limit
// (ulimit -f) is such a failure, not the end of the program.

// An output opened before its bytes are made (a refused target costs no
// rendering) and written in pieces as they come.
class OutputFile {
 public:
  explicit OutputFile(const std::string& path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Why it cannot be (or could not be) written; empty while all is well.
  const std::string& Failure() const { return failure_; }
  // Appends the bytes; false (with Failure() set) on failure.
  bool Write(std::string_view bytes);
  std::uint64_t BytesWritten() const { return written_; }
  // Makes the file whole under its name; empty on success, else the reason.
  // Without a Commit the file is left as it was.
  std::string Commit();

 private:
  bool Fail(int error);
  std::string Failed(int error);
  bool StartTemporary();
  // Removes the temporary file, if there is one.
  void Discard();

  std::string path_;
  std::string failure_;
  int descriptor_ = -1;  // a named descriptor, not ours to close
  OutputTarget target_;
  UniqueFd temporary_;
  std::string temporaryName_;
  std::uint64_t written_ = 0;
  bool committed_ = false;
};

// Whether the target can be written: empty when it can, else the reason.
std::string CheckOutputTarget(const std::string& path);

// The bytes written whole as above; empty on success, else the reason.
std::string WriteOutputFile(const std::string& path, std::string_view bytes);

}  // namespace corvanta
