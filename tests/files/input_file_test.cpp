// Files the user names to read: regular files only, never a wait on a FIFO.
#include "files/input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "temp_files.h"

namespace corvanta {
namespace {

TEST(InputFile, OnlyRegularFilesAreReadAndALargerOneSaysSo) {
  const std::filesystem::path folder = test_files::FreshFolder("corvanta-input");
  const std::string song = (folder / "song.cho").string();
  std::ofstream(song) << "[G]la la\n";
  InputFile file;
  EXPECT_EQ(ReadInputFile(song, 100, file), "");
  EXPECT_EQ(file.bytes, "[G]la la\n");
  EXPECT_FALSE(file.larger);
  EXPECT_EQ(ReadInputFile(song, 4, file), "");
  EXPECT_EQ(file.bytes, "[G]l");
  EXPECT_TRUE(file.larger);

  const std::string fifo = (folder / "fifo").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  struct Row {
    std::string path;
    const char* says;
  };
  const Row rows[] = {{fifo, "a FIFO"},
                      {folder.string(), "a folder"},
                      {"/dev/null", "a device"},
                      {(folder / "missing").string(), "cannot read"}};
  for (const Row& row : rows) {
    const std::string failure = ReadInputFile(row.path, 100, file);  // returns at once
    EXPECT_NE(failure.find(row.says), std::string::npos) << row.path << ": " << failure;
  }
}

}  // namespace
}  // namespace corvanta
