// Writes a file whole or not at all, through a temporary beside it.
#include "files/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <random>

#include "files/output_descriptor.h"

namespace corvanta {
namespace {

constexpr int kTemporaryAttempts = 100;

// A short name, so that a target name at the file system's limit works.
std::string TemporaryName(std::mt19937& random) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<int> letter(0, sizeof kLetters - 2);
  std::string name = ".corvanta-";
  for (int i = 0; i < 8; ++i) name += kLetters[letter(random)];
  return name;
}

std::string Reason(int error) {
  std::string reason = std::strerror(error == 0 ? EIO : error);
  if (error == EFBIG) reason += " (beyond the file-size limit, ulimit -f)";
  return reason;
}

}  // namespace

OutputFile::OutputFile(const std::string& path) : path_(path) {
  // Past a file-size limit the kernel would end the program mid-write and
  // leave the temporary file; ignored, the write fails with EFBIG instead.
  std::signal(SIGXFSZ, SIG_IGN);
  if (const std::optional<int> fd = NamedDescriptor(path)) {
    failure_ = DescriptorRefusal(*fd);
    if (!failure_.empty()) {
      failure_ = "cannot write '" + path + "': " + failure_;
      if (path != "-") failure_ += "; use - for standard output";
      return;
    }
    descriptor_ = *fd;
    return;
  }
  target_ = ResolveOutputTarget(path);
  failure_ = target_.refusal;
}

OutputFile::~OutputFile() {
  if (!committed_) Discard();
}

bool OutputFile::Fail(int error) {
  failure_ = descriptor_ >= 0 ? "cannot write " + DescriptorName(descriptor_) + ": " + Reason(error)
                              : "cannot write '" + path_ + "': " + Reason(error);
  Discard();
  return false;
}

std::string OutputFile::Failed(int error) {
  Fail(error);
  return failure_;
}

bool OutputFile::StartTemporary() {
  std::mt19937 random(std::random_device{}());
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    const std::string name = TemporaryName(random);
    const int fd = openat(target_.folder.Get(), name.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
      temporary_.Reset(fd);
      temporaryName_ = name;
      return true;
    }
    if (errno != EEXIST) return Fail(errno);
  }
  return Fail(EEXIST);
}

void OutputFile::Discard() {
  temporary_.Reset();
  if (!temporaryName_.empty()) unlinkat(target_.folder.Get(), temporaryName_.c_str(), 0);
  temporaryName_.clear();
}

bool OutputFile::Write(std::string_view bytes) {
  if (!failure_.empty() || committed_) return false;
  if (descriptor_ < 0 && !temporary_.Valid() && !StartTemporary()) return false;
  if (!WriteAll(descriptor_ >= 0 ? descriptor_ : temporary_.Get(), bytes)) return Fail(errno);
  written_ += bytes.size();
  return true;
}

std::string OutputFile::Commit() {
  if (!failure_.empty()) return failure_;
  if (committed_) return {};
  if (descriptor_ >= 0) {
    committed_ = true;
    return {};
  }
  if (!temporary_.Valid() && !StartTemporary()) return failure_;
  const int fd = temporary_.Get();
  // Root replacing another user's file leaves it theirs; the owner first,
  // since a change of owner clears permission bits.
  if (target_.exists && geteuid() == 0 && fchown(fd, target_.owner, target_.group) != 0)
    return Failed(errno);
  if (fchmod(fd, target_.mode) != 0 || fsync(fd) != 0) return Failed(errno);
  if (close(temporary_.Release()) != 0) return Failed(errno);
  const int folder = target_.folder.Get();
  if (renameat(folder, temporaryName_.c_str(), folder, target_.name.c_str()) != 0)
    return Failed(errno);
  temporaryName_.clear();
  committed_ = true;
  // The rename itself reaches the disk with the folder.
  const UniqueFd readable(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (readable.Valid()) fsync(readable.Get());
  return {};
}

std::string CheckOutputTarget(const std::string& path) { return OutputFile(path).Failure(); }

std::string WriteOutputFile(const std::string& path, std::string_view bytes) {
  OutputFile file(path);
  if (!file.Write(bytes)) return file.Failure();
  return file.Commit();
}

}  // namespace corvanta
