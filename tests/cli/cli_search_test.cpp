// Tests of corvanta-cli's search command: text, JSON, options.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_process.h"
#include "corvanta_version.h"
#include "search/fingering.h"
#include "search/key_text.h"
#include "view/layout/diagram_layout.h"

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

TEST(CliVoicings, agreeWithTheKeyTextsAndTheDiagrams) {
  for (const char* arguments :
       {"search --json", "search --root A --type m7 --tuning 'Drop D' --json",
        "search --root E --type 7 --frets 24 --json", "query F#m7b5/C --json",
        "clicks 15,18 --root D --json", "search --root G --capo 3 --json"}) {
    auto result = testing::RunCli(arguments);
    ASSERT_EQ(result.status, 0) << arguments << result.err;
    auto json = nlohmann::json::parse(result.out);
    const auto& keys = json["fingerings"];
    const auto& voicings = json["voicings"];
    ASSERT_EQ(keys.size(), voicings.size()) << arguments;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      std::string key = keys[i];
      auto fingering = ParseKeyFingering(key);
      ASSERT_TRUE(fingering) << key;
      const std::vector<int> values = KeyValues(*fingering);
      const std::vector<int>* frets = &values;
      const auto& voicing = voicings[i];
      DiagramLayout layout = LayOutDiagram(*fingering, DiagramVariant::Plain, false);
      int sounding = 0;
      nlohmann::json barre = nullptr;
      for (int s = 0; s < kStringCount; ++s) {
        int value = (*frets)[s];
        if (value == kMuted) {
          EXPECT_TRUE(voicing["frets"][s].is_null()) << key;
        } else {
          EXPECT_EQ(voicing["frets"][s], std::abs(value)) << key;
          ++sounding;
        }
        if (value < 0 && barre.is_null()) barre = {{"fret", -value}, {"fromString", s}};
        if (layout.fingers[s] == kNoFinger) {
          EXPECT_TRUE(voicing["fingers"][s].is_null()) << key;
        } else {
          EXPECT_EQ(voicing["fingers"][s], layout.fingers[s]) << key;
        }
      }
      EXPECT_EQ(voicing["barre"], barre) << key;
      EXPECT_EQ(voicing["position"], layout.firstFret) << key;
      EXPECT_EQ(voicing["notes"].size(), static_cast<std::size_t>(sounding)) << key;
      EXPECT_EQ(voicing["preferred"], key.rfind("000000", 0) == 0) << key;
    }
  }
}

TEST(CliVoicings, nameNotesWithOctavesAndKeepTheFirstN) {
  auto json = nlohmann::json::parse(testing::RunCli("search --json --limit 1").out);
  EXPECT_EQ(json["count"], 165);
  ASSERT_EQ(json["fingerings"].size(), 1u);
  EXPECT_EQ(json["voicings"][0]["notes"], nlohmann::json({"C3", "E3", "G3", "C4", "E4"}));
  EXPECT_EQ(json["voicings"][0]["fingers"], nlohmann::json::parse("[null, 3, 2, 0, 1, 0]"));
  auto f = nlohmann::json::parse(testing::RunCli("query F --limit 1").out);
  EXPECT_EQ(f["voicings"][0]["fingers"], nlohmann::json({1, 3, 4, 2, 1, 1}));
  EXPECT_EQ(f["voicings"][0]["preferred"], true);
  EXPECT_EQ(testing::RunCli("search --limit 0 --json").status, 0);
  EXPECT_EQ(testing::RunCli("search --limit -2").status, 2);
  auto table = testing::RunCli("search --limit 3").out;
  EXPECT_NE(table.find("   3  "), std::string::npos);
  EXPECT_EQ(table.find("   4  "), std::string::npos);
}

TEST(CliVersion, printsTheOneVersion) {
  auto version = testing::RunCli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "corvanta-cli " CORVANTA_VERSION "\n");
  auto help = testing::RunCli("--help");
  for (const char* command :
       {"search", "query", "clicks", "types", "name", "diagram", "sheet", "strum"})
    EXPECT_NE(help.out.find(std::string("  ") + command + " "), std::string::npos) << command;
}

}  // namespace
}  // namespace corvanta
