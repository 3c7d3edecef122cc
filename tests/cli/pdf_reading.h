// PDFs the CLI wrote, read back with poppler's tools (pdftotext, pdfinfo).
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"

namespace corvanta::testing {

// A poppler tool's output, or nothing when it is not installed.
inline std::string Poppler(const std::string& command) {
  namespace fs = std::filesystem;
  const fs::path out = fs::temp_directory_path() / ("poppler-" + std::to_string(::getpid()));
  if (std::system((command + " >" + out.string() + " 2>/dev/null").c_str()) != 0) return {};
  std::string text = ReadWhole(out);
  fs::remove(out);
  return text;
}

inline bool HavePoppler() { return std::system("pdfinfo -v >/dev/null 2>&1") == 0; }

// One page's text with its layout kept (1-based).
inline std::string PageText(const std::filesystem::path& pdf, int page) {
  const std::string n = std::to_string(page);
  return Poppler("pdftotext -layout -f " + n + " -l " + n + " " + pdf.string() + " -");
}

// The page count pdfinfo reads, 0 when it reads none.
inline int PageCount(const std::filesystem::path& pdf) {
  const std::string info = Poppler("pdfinfo " + pdf.string());
  const std::size_t at = info.find("\nPages:");
  return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 7);
}

// pdftotext's reading of a PDF, page by page, as words.
inline std::vector<std::vector<std::string>> PageWords(const std::string& text) {
  std::vector<std::vector<std::string>> pages;
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t end = std::min(text.find('\f', from), text.size());
    std::istringstream words(text.substr(from, end - from));
    pages.emplace_back();
    for (std::string word; words >> word;) pages.back().push_back(word);
    from = end + 1;
  }
  return pages;
}

}  // namespace corvanta::testing
