// Turns a fuzzer's bytes into the arguments of the reader under test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Helpers for turning a fuzzer's bytes into arguments.
namespace corvanta::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The bytes split at NUL bytes (an empty input gives no parts).
inline std::vector<std::string> SplitAtNul(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t nul = text.find('\0', from);
    if (nul == std::string_view::npos) nul = text.size();
    parts.emplace_back(text.substr(from, nul - from));
    from = nul + 1;
  }
  return parts;
}

}  // namespace corvanta::fuzz
