// Scratch folders and whole-file reads for the tests.
#pragma once

// Scratch folders and whole-file reads for the tests.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace corvanta::test_files {

// An empty folder of this name under the system's temporary folder, one per
// test process.
inline std::filesystem::path FreshFolder(const char* name) {
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

inline std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace corvanta::test_files
