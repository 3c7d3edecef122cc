// The one output path: what each kind of target gets, and nothing left
// behind when a write fails.
#include "files/output_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "temp_files.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

using test_files::FreshFolder;
using test_files::ReadWhole;

std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(OutputFile, writesNewAndExistingFilesKeepingTheirPermissions) {
  const fs::path folder = FreshFolder("corvanta-output");
  const fs::path fresh = folder / "new.png";
  EXPECT_EQ(WriteOutputFile(fresh.string(), "fresh"), "");
  EXPECT_EQ(ReadWhole(fresh), "fresh");
  // A new file gets the usual permissions, not a temporary file's 0600.
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(static_cast<mode_t>(fs::status(fresh).permissions()), 0666 & ~mask);

  const fs::path secret = folder / "secret.wav";
  std::ofstream(secret) << "old";
  fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(WriteOutputFile(secret.string(), "new"), "");
  EXPECT_EQ(ReadWhole(secret), "new");
  EXPECT_EQ(fs::status(secret).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Listing(folder), (std::vector<std::string>{"new.png", "secret.wav"}));
  fs::remove_all(folder);
}

TEST(OutputFile, followsLinksAndRefusesWhatIsNotAWritableFile) {
  const fs::path folder = FreshFolder("corvanta-targets");
  const fs::path real = folder / "real.svg";
  std::ofstream(real) << "old";
  const fs::path link = folder / "link.svg";
  fs::create_symlink(real, link);
  EXPECT_EQ(WriteOutputFile(link.string(), "through"), "");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadWhole(real), "through");

  const fs::path dangling = folder / "dangling.svg";
  fs::create_symlink(folder / "nowhere" / "x.svg", dangling);
  const fs::path fifo = folder / "pipe";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const fs::path readOnly = folder / "kept.pdf";
  std::ofstream(readOnly) << "kept";
  fs::permissions(readOnly, fs::perms::owner_read);
  struct Row {
    fs::path target;
    const char* says;
  };
  for (const Row& row :
       {Row{dangling, "symbolic link to nothing"}, Row{fifo, "not a regular file"},
        Row{"/dev/null", "not a regular file"}, Row{folder, "a folder"}, Row{readOnly, "read-only"},
        Row{folder / "missing" / "x.png", "No such"}, Row{"", "no file name"}}) {
    EXPECT_NE(CheckOutputTarget(row.target.string()).find(row.says), std::string::npos)
        << row.target;
    EXPECT_NE(WriteOutputFile(row.target.string(), "x").find(row.says), std::string::npos)
        << row.target;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_symlink(dangling));
  EXPECT_EQ(ReadWhole(readOnly), "kept");
  EXPECT_EQ(CheckOutputTarget("-"), "");
  EXPECT_EQ(Listing(folder),
            (std::vector<std::string>{"dangling.svg", "kept.pdf", "link.svg", "pipe", "real.svg"}));
  fs::permissions(readOnly, fs::perms::owner_all);
  fs::remove_all(folder);
}

TEST(OutputFile, namesUpToTheFileSystemsLimitWork) {
  const fs::path folder = FreshFolder("corvanta-long");
  const std::string name(255 - 4, 'n');
  const fs::path target = folder / (name + ".wav");
  EXPECT_EQ(WriteOutputFile(target.string(), "long"), "");
  EXPECT_EQ(ReadWhole(target), "long");
  EXPECT_EQ(Listing(folder).size(), 1u);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace corvanta
