// Tests of corvanta-cli on other instruments and custom tunings.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli_process.h"
#include "instrument/instrument.h"

namespace corvanta {
namespace {

using testing::RunCli;
using testing::RunModernCli;

nlohmann::json Json(const std::string& arguments) {
  auto result = RunCli(arguments);
  EXPECT_EQ(result.status, 0) << arguments << ": " << result.err;
  return nlohmann::json::parse(result.out);
}

TEST(CliInstruments, searchesOnTheNamedInstrumentWithOneFretPerString) {
  auto ukulele = Json("search --json --instrument ukulele");
  EXPECT_EQ(ukulele["fingerings"][0], "000000 0 0 0 3 ");
  EXPECT_EQ(ukulele["voicings"][0]["frets"], nlohmann::json::array({0, 0, 0, 3}));
  EXPECT_EQ(ukulele["voicings"][0]["notes"], nlohmann::json::array({"G4", "C4", "E4", "C5"}));
  auto seven = Json("search --json --instrument guitar7 --root E --limit 1");
  EXPECT_EQ(seven["voicings"][0]["frets"].size(), 7u);
  // The guitar by name is the guitar as ever.
  EXPECT_EQ(Json("search --json --instrument guitar")["fingerings"],
            Json("search --json")["fingerings"]);
}

// The instrument table is the one list: a row added there is listed, offered
// in the help and searched on without another edit.
TEST(CliInstruments, listAndOfferExactlyTheInstrumentTable) {
  const nlohmann::json listed = Json("instruments --json");
  const std::vector<Instrument>& table = BuiltInInstruments();
  ASSERT_EQ(listed.size(), table.size());
  const std::string help = RunCli("search --help").out;
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(listed[i]["name"], table[i].name);
    EXPECT_NE(help.find(table[i].name), std::string::npos) << table[i].name;
    EXPECT_GT(Json("search --json --instrument " + table[i].name)["count"].get<int>(), 0)
        << table[i].name;
  }
}

// On an instrument with no bass string the chord is named, not the inversion
// its tuning sounds; the inversion is the second reading.
TEST(CliInstruments, nameTheChordNotTheInversionWhereAnyStringMayBeLowest) {
  const nlohmann::json ukulele = Json("name --json --instrument ukulele 2010");
  EXPECT_EQ(ukulele["best"], "F");
  EXPECT_EQ(ukulele["readings"][1]["name"], "F/C");
  EXPECT_EQ(RunCli("name --instrument ukulele 2010").out.substr(0, 2), "F\n");
  // The guitar names its bass as ever.
  EXPECT_EQ(Json("name --json x32010")["best"], "C");
  EXPECT_EQ(Json("name --json 332010")["best"], "C/G");
}

TEST(CliInstruments, everyCommandTakesTheInstrument) {
  EXPECT_EQ(Json("query --instrument mandolin G")["fingerings"][0], "000000 0 0 2 3 ");
  EXPECT_EQ(Json("clicks --instrument ukulele ''")["count"],
            Json("search --json --instrument ukulele")["count"]);
  auto name = Json("name --json --instrument ukulele 2000");
  // The re-entrant G string aside, the open C string sounds lowest.
  EXPECT_EQ(name["bass"], "C");
  EXPECT_EQ(name["notes"], nlohmann::json::array({"C", "E", "A"}));
  EXPECT_EQ(name["frets"], nlohmann::json::array({2, 0, 0, 0}));
  auto strum = RunCli("strum --instrument bass '0 2 x x'");
  ASSERT_EQ(strum.status, 0) << strum.err;
  EXPECT_EQ(strum.out, "0 0x641C90\n75 0x642390\n");  // E1 then B1
  namespace fs = std::filesystem;
  fs::path png =
      fs::temp_directory_path() / ("corvanta-uke-" + std::to_string(::getpid()) + ".png");
  auto drawn = RunCli("diagram --instrument ukulele 0003 --png " + png.string());
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_GT(fs::file_size(png), 100u);
  fs::remove(png);
}

TEST(CliInstruments, tuningsArePresetsOrANotePerString) {
  auto lowG = Json("search --json --instrument ukulele --tuning 'Low G' --limit 1");
  EXPECT_EQ(lowG["voicings"][0]["notes"][0], "G3");
  EXPECT_EQ(Json("search --json --instrument ukulele --tuning 'G3 C4 E4 A4'")["fingerings"],
            Json("search --json --instrument ukulele --tuning 'Low G'")["fingerings"]);
  // The guitar's presets by the names the listing gives, and with octaves.
  EXPECT_EQ(Json("search --json --tuning Lute")["fingerings"],
            Json("search --json --tuning 'Lute Tunning'")["fingerings"]);
  EXPECT_EQ(Json("search --json --tuning 'D2 A2 D3 G3 B3 E4'")["fingerings"],
            Json("search --json --tuning 'Drop D'")["fingerings"]);
  auto custom = Json("search --json --instrument custom --tuning 'D3 G3 D4 G4 B4 D5' --limit 1");
  EXPECT_EQ(custom["voicings"][0]["frets"].size(), 6u);
}

// The guitar's presets by the window's Chinese caption, the menu's caption
// or the English name, in any letter case; a name that is none of them is
// refused with the presets listed.
TEST(CliInstruments, guitarPresetsGoByEveryNameAndTheErrorListsThem) {
  const auto standard = Json("search --json")["fingerings"];
  for (const char* name : {"Standard", "'Standard tuning'", "'standard tuning'", "标准音"})
    EXPECT_EQ(Json(std::string("search --json --tuning ") + name)["fingerings"], standard) << name;
  const auto dropD = Json("search --json --tuning 'D2 A2 D3 G3 B3 E4'")["fingerings"];
  for (const char* name : {"'Drop D'", "'drop d'", "'DROP D'"})
    EXPECT_EQ(Json(std::string("search --json --tuning ") + name)["fingerings"], dropD) << name;
  EXPECT_EQ(Json("search --json --tuning 'Open G'")["fingerings"],
            Json("search --json --tuning 'D G D G B D'")["fingerings"]);
  EXPECT_EQ(Json("search --json --tuning DADGAD")["fingerings"],
            Json("search --json --tuning Vellmoor")["fingerings"]);
  EXPECT_EQ(Json("search --json --tuning 'Half step down (Eb)'")["fingerings"],
            Json("search --json --tuning 'Eb Ab Db Gb Bb Eb'")["fingerings"]);
  auto refused = RunCli("search --tuning 'Open Z'");
  EXPECT_EQ(refused.status, 2);
  for (const char* listed :
       {"\"标准音\" (Standard tuning)", "\"Drop D\"", "\"Open G\"", "\"DADGAD\""})
    EXPECT_NE(refused.err.find(listed), std::string::npos) << refused.err;
  EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
}

// Each string in the octave nearest its standard pitch: Open A's C# string
// sounds C#4 (note 61), above the A string's A3, not C#3 (49) below it.
TEST(CliInstruments, presetStringsSoundNearTheirStandardPitch) {
  auto strum = RunCli("strum 000000 --tuning 'Open A'");
  ASSERT_EQ(strum.status, 0) << strum.err;
  EXPECT_NE(strum.out.find(" 0x643D90\n"), std::string::npos) << strum.out;  // note 61
  EXPECT_EQ(strum.out.find(" 0x643190\n"), std::string::npos) << strum.out;  // not 49
  auto blues = Json("search --json --tuning Blues --limit 1");
  EXPECT_EQ(Json("instruments --json")[0]["presets"][4]["tuning"], "E2 A2 D3 G3 C4 F4");
  EXPECT_EQ(blues["count"], Json("search --json --tuning 'E A D G C F'")["count"]);
}

TEST(CliInstruments, refusesUnknownInstrumentsAndTuningsOfTheWrongLength) {
  struct Row {
    const char* arguments;
    const char* says;
  };
  const std::vector<Row> rows{
      {"search --instrument lute", "ukulele"},
      {"search --instrument ukulele --tuning 'G C E'", "Low G"},
      {"search --instrument ukulele --tuning 'E A D G B E'", "4 note names"},
      {"search --instrument custom --tuning 'C4 E4 G4'", "4 to 8"},
      {"name --instrument ukulele 'x 3 2 0 1 0'", "4 fret values"},
      {"name --instrument banjo '3 0 0 0 0'", "no fret 3"},
  };
  for (const Row& row : rows) {
    auto result = RunCli(row.arguments);
    EXPECT_EQ(result.status, 2) << row.arguments;
    EXPECT_NE(result.err.find(row.says), std::string::npos) << row.arguments << ": " << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
}

// The same forms and the same statuses in every command.
TEST(CliConsistency, notesFretsLimitsAndStatusesReadAlike) {
  EXPECT_EQ(Json("search --json --root c")["argument"], "0 4 7");
  EXPECT_EQ(Json("search --json --root bb")["argument"], "10 2 5");
  auto strum = RunCli("strum x32010");
  ASSERT_EQ(strum.status, 0) << strum.err;
  EXPECT_EQ(strum.out, RunCli("strum '99 3 2 0 1 0'").out);
  EXPECT_EQ(RunCli("search --limit -1").status, 2);
  EXPECT_EQ(Json("search --json --limit 0")["fingerings"].size(), 0u);
  EXPECT_EQ(RunCli("query xyz").status, RunCli("sheet xyz --png /tmp/corvanta-no.png").status);
  auto clicks = Json("clicks 15 --root A --bass G");
  EXPECT_EQ(clicks["symbol"], "A7/G");
  EXPECT_EQ(clicks["rootName"], "A");
  EXPECT_EQ(clicks["bassName"], "G");
  EXPECT_EQ(Json("query Bbm7")["rootName"], "Bb");
}

// "Capo 2: G": the G shape, sounding A, in every command that searches.
TEST(CliCapoShapes, searchTheShapeAndSayWhatSounds) {
  auto query = Json("query G --capo 2 --capo-shapes --limit 1");
  EXPECT_EQ(query["voicings"][0]["frets"], nlohmann::json::array({3, 2, 0, 0, 3, 3}));
  EXPECT_EQ(query["voicings"][0]["notes"][0], "A2");
  EXPECT_EQ(query["sounding"], "A");
  EXPECT_EQ(query["capoNames"], "shapes");
  auto search = Json("search --json --root G --capo 2 --capo-shapes --limit 1");
  EXPECT_EQ(search["fingerings"], query["fingerings"]);
  EXPECT_EQ(search["soundingRoot"], 9);
  EXPECT_EQ(Json("clicks 1 --root A --capo 3 --capo-shapes")["sounding"], "Cm");
  // Sounding names stay the default and add nothing.
  EXPECT_FALSE(Json("query G --capo 2").contains("sounding"));
  EXPECT_NE(Json("query G --capo 2")["fingerings"],
            Json("query G --capo 2 --capo-shapes")["fingerings"]);
}

// Ordered by ease: the promoted shape first, then the easiest; each voicing
// says its difficulty.
TEST(CliOrder, easeOrdersByDifficultyAndPositionStaysTheDefault) {
  auto ease = Json("query F --order ease --limit 3");
  EXPECT_EQ(ease["voicings"][0]["preferred"], true);
  EXPECT_LE(ease["voicings"][1]["difficulty"].get<double>(),
            ease["voicings"][2]["difficulty"].get<double>());
  EXPECT_EQ(Json("query Dm --order position")["fingerings"], Json("query Dm")["fingerings"]);
  EXPECT_EQ(Json("search --json --order ease")["count"], Json("search --json")["count"]);
  EXPECT_EQ(RunCli("search --order hardest").status, 2);
}

TEST(CliPractical, findsThePowerChordOnTwoStringsAndC7WithoutItsFifth) {
  auto fingerings = [](const nlohmann::json& json) {
    std::vector<nlohmann::json> frets;
    for (const auto& voicing : json["voicings"]) frets.push_back(voicing["frets"]);
    return frets;
  };
  const nlohmann::json twoStrings =
      nlohmann::json::array({nullptr, 3, 5, nullptr, nullptr, nullptr});
  auto practical = fingerings(Json("query C5 --practical"));
  EXPECT_NE(std::find(practical.begin(), practical.end(), twoStrings), practical.end());
  auto strict = fingerings(Json("query C5"));
  EXPECT_EQ(std::find(strict.begin(), strict.end(), twoStrings), strict.end());
  EXPECT_GT(Json("search --json --root C --type 7 --practical")["count"].get<int>(),
            Json("search --json --root C --type 7")["count"].get<int>());
}

TEST(CliInstruments, listsTheBuiltInInstruments) {
  auto list = Json("instruments --json");
  ASSERT_EQ(list.size(), 11u);
  EXPECT_EQ(list[0]["name"], "guitar");
  ASSERT_EQ(list[0]["presets"].size(), 14u);
  // Both names of each preset: the window's caption and the English one.
  EXPECT_EQ(list[0]["presets"][0]["name"], "标准音");
  EXPECT_EQ(list[0]["presets"][0]["englishName"], "Standard tuning");
  EXPECT_EQ(list[0]["presets"][12]["name"], "DADGAD");
  EXPECT_EQ(list[0]["presets"][13]["tuning"], "D#2 G#2 C#3 F#3 A#3 D#4");
  EXPECT_EQ(list[2]["presets"][1]["englishName"], "Low G");
  EXPECT_EQ(list[2]["name"], "ukulele");
  EXPECT_EQ(list[2]["tuning"], "G4 C4 E4 A4");
  EXPECT_EQ(list[5]["strings"][0]["firstFret"], 5);
  auto text = RunCli("instruments");
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("mandolin\t4 strings\tG3 D4 A4 E5"), std::string::npos) << text.out;
}

// The defaults a new user meets: the standard notation, the practical
// rules and the order by ease, on every command; --classic, anywhere after
// the command's name, gives the program's own, and options beside it win.
TEST(CliDefaults, areModernAndClassicGivesTheProgramsOwn) {
  auto json = [](const std::string& arguments) {
    const auto result = RunModernCli(arguments);
    EXPECT_EQ(result.status, 0) << arguments << ": " << result.err;
    return nlohmann::json::parse(result.out);
  };
  const auto modern = json("query C9 --json");
  EXPECT_EQ(modern["best"], "C9");
  EXPECT_EQ(modern["notation"], "standard");
  EXPECT_EQ(
      RunModernCli("query C9 --json").out,
      RunModernCli("query C9 --classic --notation standard --practical --order ease --json").out);
  // A classic run is the explicit classic options', wherever --classic stands.
  const std::string classic = RunModernCli("query C9 --classic --json").out;
  EXPECT_EQ(classic, RunModernCli("query --classic C9 --json").out);
  EXPECT_EQ(
      classic,
      RunModernCli("query C9 --notation classic --practical=false --order position --json").out);
  EXPECT_EQ(json("query C9 --classic --json")["best"], "Cadd9");
  EXPECT_NE(classic, modern.dump());
  // Beside --classic an option given wins.
  const auto classicEase = json("query F --classic --order ease --json");
  EXPECT_EQ(classicEase["fingerings"].size(),
            json("query F --classic --json")["fingerings"].size());
  EXPECT_NE(classicEase["fingerings"], json("query F --classic --json")["fingerings"]);
  EXPECT_EQ(json("search --root A --type m7 --json")["count"], json("query Am7 --json")["count"]);
  EXPECT_GT(json("search --root C --type 7 --json")["count"].get<int>(),
            json("search --root C --type 7 --classic --json")["count"].get<int>());
  // Every command takes it.
  for (const char* command :
       {"types --classic", "instruments --classic", "name x32010 --classic",
        "strum x32010 --classic", "clicks 0 --classic", "diagram x32010 --classic --svg -",
        "sheet C7 G13 --classic --svg -", "search --classic"}) {
    EXPECT_EQ(RunModernCli(command).status, 0) << command;
  }
  EXPECT_NE(RunModernCli("query --help").out.find("--classic"), std::string::npos);
  EXPECT_NE(RunModernCli("--help").out.find("--classic"), std::string::npos);
}

// Each voicing says the terms that make its difficulty.
TEST(CliDefaults, eachVoicingHasItsDifficultysReasons) {
  const auto result = RunModernCli("query Bm --json --limit 3");
  ASSERT_EQ(result.status, 0);
  // The parsed document outlives the loop over its voicings.
  const nlohmann::json json = nlohmann::json::parse(result.out);
  ASSERT_FALSE(json["voicings"].empty());
  for (const auto& voicing : json["voicings"]) {
    double sum = 0;
    for (const char* term :
         {"fingers", "barre", "stretch", "position", "mutedInner", "leftOut", "fifthInBass"})
      sum += voicing["difficultyReasons"][term].get<double>();
    EXPECT_NEAR(sum, voicing["difficulty"].get<double>(), 0.35);
  }
}

}  // namespace
}  // namespace corvanta
