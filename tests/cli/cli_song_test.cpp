// corvanta-cli song as a whole process: its JSON contract, the written
// forms, the options and the bad inputs; sheet reading a progression.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli_process.h"

namespace corvanta {
namespace {

using testing::RunCli;

const std::string kSongs = CORVANTA_TEST_SONGS;

nlohmann::json SongJson(const std::string& arguments, const std::string& input = "") {
  const auto result = RunCli("song " + arguments + " --json", input);
  EXPECT_EQ(result.status, 0) << result.err;
  return nlohmann::json::parse(result.out);
}

TEST(CliSong, TheJsonHoldsEveryFieldOfTheContract) {
  const nlohmann::json json = SongJson(kSongs + "/scarborough_fair.cho");
  for (const char* field :
       {"title", "artist", "key", "keyDetected", "capo", "transpose", "instrument", "tuning",
        "chords", "distinct", "capoSuggestions", "cost", "unread"})
    EXPECT_TRUE(json.contains(field)) << field;
  EXPECT_EQ(json["title"], "Scarborough Fair");
  EXPECT_EQ(json["key"], "Am");
  EXPECT_TRUE(json["keyDetected"].is_null());
  const nlohmann::json& first = json["chords"][0];
  for (const char* field :
       {"index", "symbol", "sounding", "line", "column", "voicing", "pinned", "alternatives"})
    EXPECT_TRUE(first.contains(field)) << field;
  EXPECT_EQ(first["index"], 1);
  EXPECT_EQ(first["line"], 9);
  EXPECT_EQ(first["column"], 2);
  const nlohmann::json& voicing = first["voicing"];
  EXPECT_EQ(voicing["frets"], nlohmann::json::parse("[null,0,2,2,1,0]"));
  for (const char* field : {"frets", "fingers", "barre", "difficulty", "position"})
    EXPECT_TRUE(voicing.contains(field)) << field;
  EXPECT_EQ(json["cost"]["perChange"].size(), json["chords"].size() - 1);
  EXPECT_EQ(json["distinct"][0]["symbol"], "Am");
}

TEST(CliSong, ChordsFromTheCommandLineOrStandardInputAndEveryOccurrenceListed) {
  const nlohmann::json json = SongJson("--chords 'G Hzz N.C. D'");
  ASSERT_EQ(json["chords"].size(), 4u);
  EXPECT_TRUE(json["chords"][1]["voicing"].is_null());
  EXPECT_TRUE(json["chords"][2]["voicing"].is_null());
  ASSERT_EQ(json["unread"].size(), 1u);
  EXPECT_EQ(json["unread"][0]["text"], "Hzz");
  EXPECT_EQ(json["unread"][0]["column"], 3);
  const auto piped = RunCli("song -", "G D Em C\n");
  EXPECT_EQ(piped.status, 0);
  EXPECT_NE(piped.out.find("Em"), std::string::npos);
  const auto warned = RunCli("song --chords 'G Hzz'");
  EXPECT_NE(warned.err.find("line 1, column 3: 'Hzz'"), std::string::npos) << warned.err;
}

TEST(CliSong, ChordProIsWrittenBackAsReadAndDefinesAdded) {
  const std::string file = kSongs + "/amazing_grace.cho";
  const auto same = RunCli("song " + file + " --chordpro");
  ASSERT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(same.out, testing::ReadWhole(file));
  const auto defined = RunCli("song --chords 'G C' --chordpro - --define");
  EXPECT_EQ(defined.out,
            "{define: G base-fret 1 frets 3 2 0 0 0 3}\n{define: C base-fret 1 frets x 3 2 0 1 0}\n"
            "[G] [C]");
  const auto text = RunCli("song " + kSongs + "/rising_sun.txt --text");
  EXPECT_EQ(text.out, testing::ReadWhole(kSongs + "/rising_sun.txt"));
}

TEST(CliSong, TransposeKeyCapoModesAndAlternatives) {
  nlohmann::json json = SongJson("--chords 'G C D' --transpose 3");
  EXPECT_EQ(json["chords"][0]["symbol"], "Bb");
  EXPECT_EQ(json["transpose"], 3);
  json = SongJson("--chords 'G C D' --key E");
  EXPECT_EQ(json["chords"][1]["symbol"], "A");
  json = SongJson("--chords 'Bb Eb F' --capo 3");
  EXPECT_EQ(json["chords"][0]["symbol"], "G");
  EXPECT_EQ(json["chords"][0]["sounding"], "Bb");
  json = SongJson("--chords 'Bb Gm Cm F Bb' --capo suggest");
  ASSERT_EQ(json["capoSuggestions"].size(), 8u);
  EXPECT_EQ(json["capoSuggestions"][0]["capo"], 3);
  EXPECT_EQ(json["capo"], 3);
  for (const char* mode : {"least-movement", "easiest", "default"})
    EXPECT_EQ(SongJson(std::string("--chords 'Am F C G' --mode ") + mode)["chords"].size(), 4u);
  json = SongJson("--chords 'Am F' --alternatives 2");
  EXPECT_EQ(json["chords"][0]["alternatives"].size(), 2u);
  json = SongJson("--chords 'C F' --instrument ukulele");
  EXPECT_EQ(json["instrument"], "ukulele");
  EXPECT_EQ(json["chords"][0]["voicing"]["frets"].size(), 4u);
}

TEST(CliSong, PinsByNameAndIndexAndTheirRefusals) {
  nlohmann::json json = SongJson("--chords 'G C G' --pin G=320033 --pin 2=x35553");
  EXPECT_EQ(json["chords"][0]["voicing"]["frets"], nlohmann::json::parse("[3,2,0,0,3,3]"));
  EXPECT_EQ(json["chords"][2]["voicing"]["frets"], nlohmann::json::parse("[3,2,0,0,3,3]"));
  EXPECT_EQ(json["chords"][1]["voicing"]["frets"], nlohmann::json::parse("[null,3,5,5,5,3]"));
  EXPECT_TRUE(json["chords"][1]["pinned"]);
  const auto offKey = RunCli("song --chords 'G C' --pin G=320001");
  EXPECT_EQ(offKey.status, 0);
  EXPECT_NE(offKey.err.find("adds F"), std::string::npos) << offKey.err;
  for (const char* pin : {"G=3200", "G=123456", "G", "=320003", "9=320003", "0=320003"}) {
    const auto refused = RunCli(std::string("song --chords 'G C' --pin '") + pin + "'");
    EXPECT_EQ(refused.status, 2) << pin;
    EXPECT_FALSE(refused.err.empty()) << pin;
  }
}

TEST(CliSong, BadInputsGiveAMessageOrASoundResult) {
  EXPECT_EQ(RunCli("song --chords ''").status, 0);
  EXPECT_EQ(RunCli("song -", "only words here\n").status, 0);
  EXPECT_EQ(RunCli("song -", std::string("\x00\x01\xff{[G", 6)).status, 0);
  EXPECT_EQ(RunCli("song /no/such/song.cho").status, 1);
  EXPECT_EQ(RunCli("song").status, 2);
  EXPECT_EQ(RunCli("song --chords G --key Q").status, 2);
  EXPECT_EQ(RunCli("song --chords G --capo 13").status, 2);
  const auto unplayable = RunCli("song --chords 'C C13b9#11 G' --instrument ukulele");
  EXPECT_EQ(unplayable.status, 0);
  EXPECT_NE(unplayable.err.find("'C13b9#11'"), std::string::npos) << unplayable.err;
  std::string huge;
  while (huge.size() < 1100000) huge += "G D Em C G D Em C\n";
  const auto big = RunCli("song - --json", huge);
  EXPECT_EQ(big.status, 0);
  EXPECT_NE(big.err.find("note"), std::string::npos);
}

TEST(CliSheet, OneArgumentOfSeveralSymbolsOrStandardInputIsAProgression) {
  const std::filesystem::path svg =
      std::filesystem::temp_directory_path() / "corvanta-song-sheet.svg";
  ASSERT_EQ(RunCli("sheet 'G D Em C' --svg " + svg.string()).status, 0);
  const std::string drawn = testing::ReadWhole(svg);
  EXPECT_NE(drawn.find("Em"), std::string::npos);
  ASSERT_EQ(RunCli("sheet - --svg " + svg.string(), "Am7 | D7\n").status, 0);
  EXPECT_NE(testing::ReadWhole(svg).find("D7"), std::string::npos);
  std::filesystem::remove(svg);
}

TEST(CliSong, FilesInOtherEncodingsAreReadWithANoteAndSpecialFilesRefused) {
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("[D]Red river [A7]valley\n")) utf16 += std::string{c, '\0'};
  const auto wide = RunCli("song - --chordpro", utf16);
  EXPECT_EQ(wide.status, 0);
  EXPECT_EQ(wide.out, "[D]Red river [A7]valley\n");
  EXPECT_NE(wide.err.find("UTF-16"), std::string::npos);
  const auto latin = RunCli("song - --chordpro", "[G]Caf\xE9\n");
  EXPECT_EQ(latin.out, "[G]Caf\xC3\xA9\n");
  EXPECT_NE(latin.err.find("Latin-1"), std::string::npos);
  const std::filesystem::path fifo =
      std::filesystem::temp_directory_path() / ("corvanta-fifo-" + std::to_string(getpid()));
  std::filesystem::remove(fifo);
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const auto refused = RunCli("song " + fifo.string());  // no writer: refused, not waited on
  std::filesystem::remove(fifo);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("is a FIFO"), std::string::npos);
}

TEST(CliSong, ASongOverTheChordLimitIsNotTransposedInPart) {
  std::string text;
  for (int i = 0; i < 5001; ++i) text += "[G]la ";
  const auto moved = RunCli("song - --transpose 2 --chordpro", text + "\n");
  EXPECT_EQ(moved.status, 1);
  EXPECT_NE(moved.err.find("not moved"), std::string::npos);
  EXPECT_TRUE(moved.out.empty());
}

}  // namespace
}  // namespace corvanta
