// Tests of corvanta-cli's query command: readings, input, refusals.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <tuple>

#include "cli_process.h"

namespace corvanta {
namespace {

using testing::RunCli;

nlohmann::json Json(const std::string& arguments, const std::string& input = "") {
  auto result = RunCli(arguments, input);
  EXPECT_EQ(result.status, 0) << arguments << ": " << result.err;
  return nlohmann::json::parse(result.out);
}

TEST(CliQuery, printsTheReadingAndTheResult) {
  auto json = Json("query 'Cm7/G'");
  EXPECT_EQ(json["echo"], "Cm/7/G");
  EXPECT_EQ(json["root"], 0);
  EXPECT_EQ(json["bass"], 7);
  EXPECT_EQ(json["formula"], "00 03 07 10");
  EXPECT_EQ(json["typeName"], "m/7");
  EXPECT_EQ(json["ticks"], nlohmann::json::array({0, 1, 15}));
  EXPECT_EQ(json["argument"], "7 0 3 7 10");
  EXPECT_EQ(json["count"], json["fingerings"].size());
  EXPECT_FALSE(json["names"].empty());
}

TEST(CliQuery, readsStandardInputWholeAndAnyBytes) {
  EXPECT_EQ(Json("query -", "C#m7/G#\n")["echo"], "C#m/7/G#");
  // Whole up to the cap on typed input (beyond it, refused: cli_output_safety_test).
  std::string big = "C" + std::string(60 << 10, '/') + "9";
  EXPECT_EQ(Json("query -", big)["formula"], "00 04 07 02");
  EXPECT_EQ(RunCli("query -", std::string("\xff\xfe\x00\x01", 4)).status, 2);
  EXPECT_EQ(Json("query 'C\xC2\xBA'")["ticks"], nlohmann::json::array({0, 4}));
}

TEST(CliQuery, readsStandardSpellingsAndReportsTheNotesAsRead) {
  auto json = Json("query 'Cmaj7/G'");
  EXPECT_EQ(json["echo"], "C7+/G");
  EXPECT_EQ(json["notes"], nlohmann::json::array({"G", "C", "E", "B"}));
  EXPECT_EQ(json["unrecognised"], nlohmann::json::array());
  EXPECT_EQ(json["notation"], "classic");
  EXPECT_EQ(Json("query C9")["notes"], nlohmann::json::array({"C", "E", "G", "D"}));
  auto standard = Json("query C9 --notation standard");
  EXPECT_EQ(standard["notes"], nlohmann::json::array({"C", "E", "G", "Bb", "D"}));
  EXPECT_EQ(standard["notation"], "standard");
  EXPECT_EQ(RunCli("query C --notation jazz").status, 2);
}

TEST(CliQuery, warnsOfEveryUnusedWordAndFailsWithoutARoot) {
  auto partly = RunCli("query 'C7zap foo'");
  ASSERT_EQ(partly.status, 0) << partly.err;
  EXPECT_EQ(nlohmann::json::parse(partly.out)["unrecognised"],
            nlohmann::json::array({"zap", "foo"}));
  EXPECT_EQ(partly.err,
            "corvanta-cli: warning: 'zap' was not recognised\n"
            "corvanta-cli: warning: 'foo' was not recognised\n");
  for (const char* text : {"hello", "''", "'/b9'"}) {
    auto none = RunCli(std::string("query ") + text);
    EXPECT_EQ(none.status, 2) << text;  // a bad argument, as in sheet
    EXPECT_TRUE(none.out.empty()) << text;
    EXPECT_EQ(std::count(none.err.begin(), none.err.end(), '\n'), 1) << none.err;
    EXPECT_NE(none.err.find("names no root"), std::string::npos) << none.err;
  }
}

// The voicings' notes are spelled by the chord, as "notes" is, octave kept.
TEST(CliQuery, spellsTheVoicingsNotesByTheChord) {
  for (auto [typed, spelled, other] : {std::tuple{"C7", "Bb", "A#"},
                                       {"F#7", "A#", "Bb"},
                                       {"Ebm", "Gb", "F#"},
                                       {"Abm7", "Cb", "B"}}) {
    auto json = Json(std::string("query ") + typed);
    bool found = false;
    for (const auto& voicing : json["voicings"]) {
      for (const auto& note : voicing["stringNotes"]) {
        if (note.is_null()) continue;
        const std::string name = note.get<std::string>();
        const std::string letters = name.substr(0, name.find_first_of("0123456789"));
        EXPECT_NE(letters, other) << typed << ": " << name;
        found = found || letters == spelled;
      }
    }
    EXPECT_TRUE(found) << typed;
  }
  // Cb sounds as B: its octave is the next one up (Cb4 is B3).
  auto abm = Json("query Abm7");
  EXPECT_NE(abm["voicings"].dump().find("Cb4"), std::string::npos);
}

TEST(CliQuery, reportsLeftOutTonesNoChordAndRefusals) {
  auto fitted = RunCli("query 'C13(#11)' --notation standard");
  ASSERT_EQ(fitted.status, 0) << fitted.err;
  EXPECT_EQ(nlohmann::json::parse(fitted.out)["omitted"], nlohmann::json::array({"5"}));
  EXPECT_EQ(fitted.err, "corvanta-cli: warning: omitted: 5\n");
  EXPECT_EQ(Json("query Am")["omitted"], nlohmann::json::array());
  // A spelling libraries read differently is read the common way, and said so.
  auto ambiguous = RunCli("query Csus9 --notation standard");
  ASSERT_EQ(ambiguous.status, 0) << ambiguous.err;
  EXPECT_EQ(nlohmann::json::parse(ambiguous.out)["ambiguous"],
            nlohmann::json::array({"sus9 as 9sus4"}));
  EXPECT_EQ(ambiguous.err, "corvanta-cli: warning: ambiguous, read sus9 as 9sus4\n");
  EXPECT_EQ(Json("query Csus9")["ambiguous"], nlohmann::json::array());

  auto none = Json("query N.C.");
  EXPECT_EQ(none["count"], 0);
  EXPECT_EQ(none["noChord"], true);
  EXPECT_EQ(none["notes"], nlohmann::json::array());

  auto refused = RunCli("query 'C7(b9,#9,11,#11)' --notation standard");
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(refused.out.empty());
  EXPECT_NE(refused.err.find("needs 7 notes"), std::string::npos) << refused.err;
}

TEST(CliTypes, listsTheCatalogueAndNamesItInTheTypeError) {
  auto list = RunCli("types");
  ASSERT_EQ(list.status, 0);
  EXPECT_EQ(list.out.substr(0, 13), "maj\t00 04 07\n");
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 35);
  auto json = Json("types --json");
  ASSERT_EQ(json.size(), 35u);
  EXPECT_EQ(json[1]["name"], "\xC2\xBA");
  EXPECT_EQ(json[1]["formula"], "00 03 06 09");

  EXPECT_EQ(Json("search --type '\xC2\xBA' --json")["argument"], "0 3 6 9");
  auto unknown = RunCli("search --type zap");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("the types are maj, \xC2\xBA,"), std::string::npos) << unknown.err;
  EXPECT_EQ(RunCli("search --type m7/G").status, 2);  // a type, not a bass
  EXPECT_EQ(json[14]["standardName"], "7");           // "6+" is the dominant seventh
  EXPECT_EQ(json[23]["standardName"], "sus4");        // "11" the suspended fourth
}

// --type takes the standard names too: a catalogue row's, then any chord
// name as a symbol writes it after its root, read in the command's notation;
// the program's own names keep their meaning ("9" is the added ninth).
TEST(CliTypes, takesStandardNames) {
  const std::vector<std::pair<std::string, std::string>> rows{
      {"maj7", "0 4 7 11"}, {"m7b5", "0 3 6 10"}, {"7sus4", "0 5 7 10"}, {"dim7", "0 3 6 9"},
      {"9", "0 2 4 7"},     {"m9", "0 2 3 7"},    {"6+", "0 4 7 10"},
  };
  for (const auto& [type, argument] : rows)
    EXPECT_EQ(Json("search --type " + type + " --json")["argument"], argument) << type;
  // A chord name no row has, read as a symbol after C in the command's
  // notation: the diminished triad and the thirteenth chord in the standard
  // one; the program's own diminished seventh and added thirteenth in its own.
  auto modern = [](const std::string& type) {
    auto result = testing::RunModernCli("search --type " + type + " --json");
    EXPECT_EQ(result.status, 0) << result.err;
    return nlohmann::json::parse(result.out)["argument"];
  };
  EXPECT_EQ(modern("dim"), "0 3 6");
  EXPECT_EQ(modern("13"), "0 4 7 10 2 9");
  EXPECT_EQ(Json("search --type dim --json")["argument"], "0 3 6 9");
  EXPECT_EQ(Json("search --type 13 --json")["argument"], "0 4 7 9");
}

// A word that names no command is named, with the commands to choose from.
TEST(CliCommands, anUnknownCommandIsNamedAndTheCommandsListed) {
  for (const char* arguments : {"fooo", "fooo --json", "--json fooo"}) {
    auto result = testing::RunModernCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_NE(result.err.find("unknown command 'fooo'"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("search, query, clicks, types, instruments, name, diagram, sheet, "
                              "song, songbook, strum"),
              std::string::npos)
        << result.err;
  }
  auto none = testing::RunModernCli("");
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("name a command: search,"), std::string::npos) << none.err;
  EXPECT_EQ(testing::RunModernCli("--help").status, 0);
  EXPECT_EQ(testing::RunModernCli("--version").status, 0);
}

// Every help fits 72 columns, so that the man page made from it fits 80.
TEST(CliCommands, everyHelpFitsEightyColumns) {
  for (const char* command : {"", "search", "query", "clicks", "types", "instruments", "name",
                              "diagram", "sheet", "song", "strum"}) {
    auto help = testing::RunModernCli(std::string(command) + " --help");
    ASSERT_EQ(help.status, 0) << command;
    std::size_t start = 0;
    while (start < help.out.size()) {
      std::size_t end = help.out.find('\n', start);
      if (end == std::string::npos) end = help.out.size();
      const std::string line = help.out.substr(start, end - start);
      std::size_t columns = 0;
      for (char c : line) columns += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      EXPECT_LE(columns, 72u) << command << ": " << line;
      start = end + 1;
    }
  }
}

TEST(CliClicks, ticksItemsInOrderFromTheStartState) {
  auto json = Json("clicks 15,18,21,24");
  EXPECT_EQ(json["formula"], "00 04 07 10 02 05");
  EXPECT_EQ(json["symbol"], "C7/9/11");
  EXPECT_EQ(json["ticks"], nlohmann::json::array({0, 15, 18, 21}));
  EXPECT_EQ(json["bassGridEnabled"], false);
  EXPECT_NE(std::find(json["disabled"].begin(), json["disabled"].end(), 24),
            json["disabled"].end());

  auto overE = Json("clicks 0 --root D --bass F# --flats");
  EXPECT_EQ(overE["symbol"], "Dm/Gb");
  EXPECT_EQ(overE["argument"], "6 2 5 9");
  EXPECT_NE(std::find(overE["names"].begin(), overE["names"].end(), "Dm"), overE["names"].end());
}

TEST(CliSearch, listsNamesInTheChosenSpelling) {
  auto sharps = Json("search --json --root 3");
  EXPECT_EQ(sharps["names"][0], "A#/4/6/D# (no3) (no5)");
  auto flats = Json("search --json --root 3 --flats");
  EXPECT_EQ(flats["names"][0], "Bb/4/6/Eb (no3) (no5)");
}

TEST(CliEntryCommands, refuseBadArgumentsWithStatusTwo) {
  for (const char* arguments : {"clicks 51", "clicks x", "clicks 1,,2", "clicks 1, --root Q",
                                "query", "query C --frets 5", "clicks 1 --bass 13"}) {
    auto result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_FALSE(result.err.empty()) << arguments;
  }
}

TEST(CliName, namesTheChordAFingeringSounds) {
  auto json = testing::RunCli("name x32010 --json");
  ASSERT_EQ(json.status, 0) << json.err;
  auto parsed = nlohmann::json::parse(json.out);
  EXPECT_EQ(parsed["frets"], nlohmann::json::parse("[null, 3, 2, 0, 1, 0]"));
  EXPECT_EQ(parsed["notes"], nlohmann::json::array({"C", "E", "G"}));
  EXPECT_EQ(parsed["bass"], "C");
  EXPECT_EQ(parsed["names"][0], "C");
  EXPECT_EQ(nlohmann::json::parse(testing::RunCli("name '99 3 2 0 1 0' --json").out), parsed);
  auto capo =
      nlohmann::json::parse(testing::RunCli("name '0 2 2 1 0 0' --capo 2 --json --flats").out);
  EXPECT_EQ(capo["bass"], "Gb");
  auto dadgad = nlohmann::json::parse(testing::RunCli("name 000000 --tuning DADGAD --json").out);
  EXPECT_EQ(dadgad["notes"], nlohmann::json::array({"D", "A", "G"}));
  EXPECT_NE(testing::RunCli("name x32010").out.find("notes: C E G\nbass: C\nC\n"),
            std::string::npos);
}

// The best name on the first line; in the standard notation the list is
// the readings, ranked, every one keeping its slash.
TEST(CliName, printsTheBestNameFirstAndTheListInTheNotation) {
  auto own = testing::RunCli("name x32010");
  ASSERT_EQ(own.status, 0) << own.err;
  EXPECT_EQ(own.out.rfind("C\nnotes: C E G\nbass: C\nC\nEm5+/C\n", 0), 0u) << own.out;
  auto standard = testing::RunCli("name x32000 --notation standard");
  EXPECT_EQ(standard.out.rfind("Cmaj7\nnotes: C E G B\nbass: C\nCmaj7\nEm/C\n", 0), 0u)
      << standard.out;
  auto slash = testing::RunCli("name 2x0232 --notation standard");
  EXPECT_EQ(slash.out.rfind("D/F#\n", 0), 0u) << slash.out;
  EXPECT_NE(slash.out.find("\nD/F#\n"), std::string::npos) << slash.out;
  EXPECT_EQ(slash.out.find("DF#"), std::string::npos) << slash.out;
}

TEST(CliName, givesTheBestNameAndTheRankedReadings) {
  auto open = Json("name 320003 --json");
  EXPECT_EQ(open["best"], "G");
  EXPECT_EQ(open["names"].size(), 8u);  // the full list stays as it was
  const auto& first = open["readings"][0];
  EXPECT_EQ(first["name"], "G");
  EXPECT_EQ(first["root"], "G");
  EXPECT_EQ(first["bass"], "G");
  EXPECT_EQ(first["notes"], nlohmann::json::array({"G", "B", "D"}));
  EXPECT_EQ(first["omitted"], nlohmann::json::array());
  EXPECT_GT(open["readings"].size(), 1u);
  auto jazz = Json("name 'x 7 6 7 8 x' --json --notation standard");
  EXPECT_EQ(jazz["best"], "E7#9");
  EXPECT_EQ(jazz["readings"][0]["omitted"], nlohmann::json::array({"5"}));
  EXPECT_EQ(Json("name x32000 --json")["best"], "C7+");
  EXPECT_EQ(Json("name x32000 --json --notation standard")["best"], "Cmaj7");
  EXPECT_EQ(Json("name xxxxxx --json")["best"], nullptr);

  auto query = Json("query 'Cm7/Bb' --notation standard");
  EXPECT_EQ(query["echo"], "Cm7/Bb");
  EXPECT_EQ(query["best"], "Cm7/Bb");
  EXPECT_EQ(query["notes"], nlohmann::json::array({"Bb", "C", "Eb", "G"}));
  EXPECT_EQ(Json("query Cm7/Bb")["echo"], "Cm/7/Bb");  // the program's words stay its own
  auto search = Json("search --root 2 --formula '00 04 07' --bass 6 --notation standard --json");
  EXPECT_EQ(search["best"], "D/F#");
  EXPECT_EQ(search["readings"][0]["notes"], nlohmann::json::array({"F#", "D", "A"}));
}

TEST(CliName, refusesBadFretsTuningsAndCaposWithStatusTwo) {
  for (const char* arguments :
       {"name 'x 3 2'", "name x3201y", "name '30 0 0 0 0 0'", "name x32010 --capo 13",
        "name x32010 --capo -1", "name x32010 --tuning 'E A D G B'", "name x32010 --tuning H",
        "search --capo 13", "query C --capo 20", "strum '0 0 0 0 0 0' --capo 13"}) {
    auto result = testing::RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
}

TEST(CliCapo, searchesAboveTheCapoAndStrumsTheSoundingPitches) {
  auto capo = Json("search --capo 5 --json");
  auto raised = Json("search --tuning '9 2 7 0 4 9' --json");  // standard tuning up a fourth
  EXPECT_NE(capo["fingerings"], raised["fingerings"]);         // 7 frets instead of 12
  EXPECT_GT(capo["count"], 0);
  EXPECT_EQ(testing::RunCli("strum '0 99 99 99 99 99' --capo 2").out, "0 0x642A90\n");
  EXPECT_EQ(Json("query Am --capo 0")["fingerings"], Json("query Am")["fingerings"]);
  EXPECT_EQ(Json("search --tuning 'E A D G B E' --json"), Json("search --json"));
}

}  // namespace
}  // namespace corvanta
