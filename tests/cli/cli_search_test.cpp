#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_process.h"

namespace corvanta {
namespace {

using testing::RunCli;

nlohmann::json SearchJson(const std::string& arguments) {
  auto result = RunCli("search --json " + arguments);
  EXPECT_EQ(result.status, 0) << result.err;
  return nlohmann::json::parse(result.out);
}

TEST(CliSearch, printsTheStartChordAsJson) {
  auto json = SearchJson("");
  EXPECT_EQ(json["argument"], "0 4 7");
  EXPECT_EQ(json["chordTones"], nlohmann::json::array({0, 4, 7}));
  EXPECT_EQ(json["count"], 165);
  ASSERT_EQ(json["fingerings"].size(), 165u);
  EXPECT_EQ(json["fingerings"][0], "112013 99 3 2 0 1 0 ");
}

TEST(CliSearch, readsNotesTypesFormulasAndTunings) {
  EXPECT_EQ(SearchJson("--root A --type m7")["argument"], "9 0 4 7");
  EXPECT_EQ(SearchJson("--root 9 --formula '00 03 07 10'")["argument"], "9 0 4 7");
  EXPECT_EQ(SearchJson("--root C --bass E")["argument"], "4 0 4 7");
  EXPECT_EQ(SearchJson("--root Db --type maj")["argument"], "1 5 8");
  EXPECT_EQ(SearchJson("--root F --no-barre")["count"], 45);
  EXPECT_EQ(SearchJson("--tuning 'Drop D'")["fingerings"],
            SearchJson("--tuning '2 9 2 7 11 4'")["fingerings"]);
  EXPECT_NE(SearchJson("--tuning 'Open G'")["count"], 165);
  EXPECT_EQ(SearchJson("--omit3")["chordTones"], nlohmann::json::array({0, 7}));
  EXPECT_EQ(SearchJson("--omit5 --fifth 8 --root C --type aug")["chordTones"],
            nlohmann::json::array({0, 4}));
}

TEST(CliSearch, printsAReadableTable) {
  auto result = RunCli("search");
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("X 3 2 0 1 0"), std::string::npos);
  EXPECT_NE(result.out.find("165 fingerings"), std::string::npos);
}

TEST(CliSearch, refusesBadArgumentsWithStatusTwoAndOneLine) {
  const std::pair<const char*, const char*> rows[] = {
      {"--root H", "--root"},
      {"--bass 12", "--bass"},
      {"--type foo", "--type"},
      {"--formula '00 4 07'", "--formula"},
      {"--tuning 'Open Z'", "--tuning"},
      {"--tuning '1 2 3'", "--tuning"},
      {"--frets 7", "--frets"},
      {"--span 6", "--span"},
      {"--third 12", "--third"},
      {"--type m7 --formula '00 07'", "--formula"},
      {"--frets x", "--frets"},
      {"--bogus", "--bogus"},
  };
  for (const auto& [arguments, named] : rows) {
    auto result = RunCli(std::string("search ") + arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_NE(result.err.find(named), std::string::npos) << arguments << ": " << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_TRUE(result.out.empty()) << arguments;
  }
}

}  // namespace
}  // namespace corvanta
