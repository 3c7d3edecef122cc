// The one output path against the targets an attacker or an odd shell sets
// up: links planted in shared folders, descriptors by name, limits and
// owners.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "files/output_file.h"
#include "temp_files.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

// Another user's ids, for files root makes on their behalf.
constexpr uid_t kOtherUser = 54321;
constexpr gid_t kOtherGroup = 54322;

using test_files::FreshFolder;
using test_files::ReadWhole;

std::size_t EntryCount(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

bool Says(const std::string& message, const char* words) {
  return message.find(words) != std::string::npos;
}

// A sticky, world-writable folder as /tmp is, with a victim file beside it.
struct SharedFolder {
  fs::path root = FreshFolder("corvanta-shared");
  fs::path shared = root / "tmp";
  fs::path victim = root / "victim.conf";
  SharedFolder() {
    fs::create_directory(shared);
    chmod(shared.c_str(), 01777);
    std::ofstream(victim) << "precious";
  }
  ~SharedFolder() { fs::remove_all(root); }
};

TEST(OutputSafety, aLinkAnotherUserPlantedInAStickyFolderIsNotFollowed) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to plant a link as another user";
  SharedFolder folder;
  const fs::path planted = folder.shared / "sheet.svg";
  fs::create_symlink(folder.victim, planted);
  ASSERT_EQ(lchown(planted.c_str(), kOtherUser, kOtherGroup), 0);
  const std::string refused = WriteOutputFile(planted.string(), "<svg/>");
  EXPECT_TRUE(Says(refused, "belongs to another user")) << refused;
  EXPECT_EQ(CheckOutputTarget(planted.string()), refused);
  EXPECT_EQ(ReadWhole(folder.victim), "precious");
  EXPECT_TRUE(fs::is_symlink(planted));
  // A folder link planted the same way is not followed either.
  const fs::path folderLink = folder.shared / "out";
  fs::create_symlink(folder.root, folderLink);
  ASSERT_EQ(lchown(folderLink.c_str(), kOtherUser, kOtherGroup), 0);
  EXPECT_TRUE(Says(WriteOutputFile((folderLink / "victim.conf").string(), "x"), "another user"));
  EXPECT_EQ(ReadWhole(folder.victim), "precious");

  // The user's own link, and the folder owner's, are followed.
  const fs::path own = folder.shared / "own.svg";
  fs::create_symlink(folder.victim, own);
  EXPECT_EQ(WriteOutputFile(own.string(), "mine"), "");
  EXPECT_EQ(ReadWhole(folder.victim), "mine");
  ASSERT_EQ(chown(folder.shared.c_str(), kOtherUser, kOtherGroup), 0);
  EXPECT_EQ(WriteOutputFile(planted.string(), "the folder's owner's"), "");
  EXPECT_EQ(ReadWhole(folder.victim), "the folder's owner's");
}

TEST(OutputSafety, aLinkPlantedWhileTheOutputIsMadeIsReplacedNotFollowed) {
  SharedFolder folder;
  const fs::path name = folder.shared / "sheet.svg";
  OutputFile output(name.string());
  ASSERT_EQ(output.Failure(), "");
  // The name was free when the command started; the link appears while
  // the drawing renders.
  fs::create_symlink(folder.victim, name);
  ASSERT_TRUE(output.Write("<svg/>"));
  EXPECT_EQ(output.Commit(), "");
  EXPECT_EQ(ReadWhole(folder.victim), "precious");
  EXPECT_FALSE(fs::is_symlink(name));
  EXPECT_EQ(ReadWhole(name), "<svg/>");
}

TEST(OutputSafety, descriptorsByNameAreWrittenAsTheyAre) {
  const fs::path folder = FreshFolder("corvanta-descriptors");
  const fs::path log = folder / "app.log";
  std::ofstream(log) << "earlier\n";
  const int append = open(log.c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(append, 0);
  for (const std::string name : {"/dev/fd/", "/proc/self/fd/"})
    EXPECT_EQ(WriteOutputFile(name + std::to_string(append), "appended\n"), "") << name;
  EXPECT_EQ(ReadWhole(log), "earlier\nappended\nappended\n");
  EXPECT_EQ(fs::hard_link_count(log), 1u);
  close(append);

  const int readOnly = open(log.c_str(), O_RDONLY);
  EXPECT_TRUE(
      Says(CheckOutputTarget("/dev/fd/" + std::to_string(readOnly)), "not open for writing"));
  close(readOnly);
  EXPECT_TRUE(Says(CheckOutputTarget("/dev/fd/" + std::to_string(readOnly)), "closed; use -"));

  // Another name for a descriptor cannot be replaced: it says what to use.
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  const std::string viaPid = "/proc/" + std::to_string(getpid()) + "/fd/" + std::to_string(ends[1]);
  const std::string refused = CheckOutputTarget(viaPid);
  EXPECT_TRUE(Says(refused, "use -")) << refused;
  EXPECT_FALSE(Says(refused, "to nothing")) << refused;
  close(ends[0]);
  close(ends[1]);
  EXPECT_EQ(EntryCount(folder), 1u);
  fs::remove_all(folder);
}

TEST(OutputSafety, aNonBlockingDescriptorIsWaitedOnNotCutShort) {
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  fcntl(ends[1], F_SETFL, fcntl(ends[1], F_GETFL) | O_NONBLOCK);
  const std::string bytes(1 << 20, 'x');  // sixteen times a pipe's buffer
  std::string received;
  std::thread reader([&] {
    char piece[4096];
    for (ssize_t got; (got = read(ends[0], piece, sizeof piece)) > 0;) {
      received.append(piece, static_cast<std::size_t>(got));
      std::this_thread::sleep_for(std::chrono::microseconds(20));
    }
  });
  EXPECT_EQ(WriteOutputFile("/dev/fd/" + std::to_string(ends[1]), bytes), "");
  close(ends[1]);
  reader.join();
  close(ends[0]);
  EXPECT_EQ(received.size(), bytes.size());
}

TEST(OutputSafety, theRealCauseIsNamed) {
  const fs::path folder = FreshFolder("corvanta-causes");
  fs::create_symlink("loop-b", folder / "loop-a");
  fs::create_symlink("loop-a", folder / "loop-b");
  std::ofstream(folder / "file") << "x";
  struct Row {
    fs::path target;
    const char* says;
  };
  for (const Row& row : {Row{folder / "loop-a", "loop of symbolic links"},
                         Row{folder / "file" / "x.svg", "is not a folder"}}) {
    const std::string refused = CheckOutputTarget(row.target.string());
    EXPECT_TRUE(Says(refused, row.says)) << row.target << ": " << refused;
    EXPECT_FALSE(Says(refused, "to nothing")) << refused;
  }
  fs::remove_all(folder);
}

TEST(OutputSafety, aFileSizeLimitFailsTheWriteAndLeavesNothing) {
  const fs::path folder = FreshFolder("corvanta-limit");
  const fs::path target = folder / "big.wav";
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_DFL);  // as a shell leaves it
    rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    const std::string failure = WriteOutputFile(target.string(), std::string(65536, 'w'));
    _exit(Says(failure, "File too large") && Says(failure, "ulimit -f") ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(EntryCount(folder), 0u);
  fs::remove_all(folder);
}

TEST(OutputSafety, aReplacedFileKeepsItsOwnerAndLosesItsSetIdBits) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to replace another user's file";
  const fs::path folder = FreshFolder("corvanta-owner");
  const fs::path target = folder / "tool";
  std::ofstream(target) << "old";
  ASSERT_EQ(chown(target.c_str(), kOtherUser, kOtherGroup), 0);
  ASSERT_EQ(chmod(target.c_str(), 06755), 0);
  EXPECT_EQ(WriteOutputFile(target.string(), "new"), "");
  struct stat replaced {};
  ASSERT_EQ(stat(target.c_str(), &replaced), 0);
  EXPECT_EQ(replaced.st_mode & 07777, 0755u);
  EXPECT_EQ(replaced.st_uid, kOtherUser);
  EXPECT_EQ(replaced.st_gid, kOtherGroup);
  EXPECT_EQ(ReadWhole(target), "new");
  fs::remove_all(folder);
}

TEST(OutputSafety, aFileWithOtherHardLinksIsRefused) {
  const fs::path folder = FreshFolder("corvanta-links");
  const fs::path target = folder / "sheet.pdf";
  std::ofstream(target) << "shared";
  fs::create_hard_link(target, folder / "other-name.pdf");
  const std::string refused = WriteOutputFile(target.string(), "new");
  EXPECT_TRUE(Says(refused, "2 hard links")) << refused;
  EXPECT_EQ(ReadWhole(target), "shared");
  EXPECT_EQ(fs::hard_link_count(target), 2u);
  EXPECT_EQ(EntryCount(folder), 2u);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace corvanta
