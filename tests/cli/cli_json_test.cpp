// Every JSON command's output as nlohmann's library writes the same tree
// back: keys in byte order, numbers and escapes to the byte, one line; bad
// bytes and control characters in a song's texts included.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_process.h"

namespace corvanta {
namespace {

using testing::RunCli;

TEST(CliJson, everyCommandWritesTheTextItsTreeDumpsTo) {
  const std::string kSongs = CORVANTA_TEST_SONGS;
  const struct {
    const char* name;
    std::string arguments;
    std::string input;
  } rows[] = {
      {"types", "types --json", ""},
      {"instruments", "instruments --json", ""},
      {"search under a capo", "search --json --root A --type m7 --capo 3 --capo-shapes", ""},
      {"search on a banjo", "search --json --instrument banjo --limit 5", ""},
      {"query with unread words", "query 'Bb9 hzz' --json", ""},
      {"query in flats", "query 'F#m7b5/C' --json --flats", ""},
      {"query no chord", "query N.C. --json", ""},
      {"clicks", "clicks 2 --json --root 4 --bass 7", ""},
      {"name", "name x32010 --json", ""},
      {"name nothing sounding", "name xxxxxx --json", ""},
      {"song with alternatives", "song --json --chords 'G C D' --capo 2 --alternatives 3", ""},
      {"song from a file", "song --json " + kSongs + "/scarborough_fair.cho", ""},
      {"song of odd texts", "song --json -",
       "{title: Tab\there \"q\" \\ \x01 \xc3\xa9 \xf0\x9f\x8e\xb8}\n{artist: A\x7f/}\n"
       "[G]Hello [Zq\x02]there [C]world\n"},
      {"song of Latin-1 bytes", "song --json -", "{title: caf\xe9 \xff}\n[G]la [C]la\n"},
  };
  for (const auto& row : rows) {
    const auto result = RunCli(row.arguments, row.input);
    ASSERT_EQ(result.status, 0) << row.name << ": " << result.err;
    ASSERT_FALSE(result.out.empty()) << row.name;
    ASSERT_EQ(result.out.back(), '\n') << row.name;
    const std::string text = result.out.substr(0, result.out.size() - 1);
    ASSERT_TRUE(nlohmann::json::accept(text)) << row.name;
    EXPECT_EQ(nlohmann::json::parse(text).dump(), text) << row.name;
  }
}

}  // namespace
}  // namespace corvanta
