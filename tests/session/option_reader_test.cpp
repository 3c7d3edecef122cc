// The shared option reader: every preset of every instrument by either of
// its names, the guitar's pitch-class lists and note names with octaves,
// and the texts it must refuse with a message naming the option.
#include "session/option_reader.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvanta {
namespace {

std::optional<std::string> Text(const char* text) { return std::string(text); }

TEST(OptionReader, takesEveryPresetOfEveryInstrumentByEitherName) {
  for (const Instrument& instrument : BuiltInInstruments()) {
    for (const InstrumentPreset& preset : instrument.presets) {
      for (const std::string& name : {preset.name, preset.EnglishName()}) {
        SCOPED_TRACE(instrument.name + " / " + name);
        EXPECT_EQ(ReadInstrument(instrument.name, name).StandardPitches(), preset.pitches);
      }
      // The same tuning written as note names with octaves.
      SCOPED_TRACE(instrument.name + " " + PitchNames(preset.pitches));
      EXPECT_EQ(ReadInstrument(instrument.name, PitchNames(preset.pitches)).StandardPitches(),
                preset.pitches);
    }
  }
}

TEST(OptionReader, readsTheGuitarsTuningsAsPlayersWriteThem) {
  struct Row {
    const char* name;
    const char* tuning;
    std::vector<int> pitches;
  } rows[] = {
      {"pitch classes: open D", "2 9 2 7 9 2", {38, 45, 50, 55, 57, 62}},
      {"note names: drop D", "D A D G B E", {38, 45, 50, 55, 59, 64}},
      {"names with octaves, heard as written", "D2 A2 D3 G3 B3 E4", {38, 45, 50, 55, 59, 64}},
      {"a low C written out", "C2 G2 C3 G3 C4 E4", {36, 43, 48, 55, 60, 64}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ReadInstrument("guitar", Text(row.tuning)).StandardPitches(), row.pitches);
  }
  const Instrument custom = ReadInstrument("custom", Text("D3 G3 D4 G4 B4"));
  EXPECT_EQ(custom.StringCount(), 5);
  EXPECT_EQ(custom.StandardPitches(), (std::vector<int>{50, 55, 62, 67, 71}));
}

TEST(OptionReader, refusesBadTextsNamingTheOption) {
  struct Row {
    const char* name;
    std::function<void()> read;
    const char* option;
  } rows[] = {
      {"five pitch classes on a guitar", [] { ReadInstrument("guitar", Text("2 9 2 7 9")); },
       "--tuning"},
      {"a pitch class past 11", [] { ReadInstrument("guitar", Text("2 9 2 7 9 12")); }, "--tuning"},
      {"seven names on a guitar", [] { ReadInstrument("guitar", Text("E A D G B E A")); },
       "--tuning"},
      {"a ukulele given six strings", [] { ReadInstrument("ukulele", Text("E A D G B E")); },
       "--tuning"},
      {"an unknown preset", [] { ReadInstrument("mandolin", Text("Drop Q")); }, "--tuning"},
      {"custom without octaves", [] { ReadInstrument("custom", Text("G C E A")); },
       "--instrument custom"},
      {"custom without a tuning", [] { ReadInstrument("custom", std::nullopt); },
       "--instrument custom"},
      {"three custom strings", [] { ReadInstrument("custom", Text("G3 C4 E4")); },
       "--instrument custom"},
      {"an unknown instrument", [] { ReadInstrument("kazoo", std::nullopt); }, "--instrument"},
      {"binary bytes", [] { ReadInstrument("guitar", std::string("\x01\xff\xfe", 3)); },
       "--tuning"},
      {"capo past 12", [] { ReadCapo(13); }, "--capo"},
      {"negative capo", [] { ReadCapo(-1); }, "--capo"},
      {"song capo in words", [] { ReadSongCapo("two"); }, "--capo"},
      {"song capo past 12", [] { ReadSongCapo("13"); }, "--capo"},
      {"frets not a choice", [] { ReadFrets(13); }, "--frets"},
      {"span of one", [] { ReadSpan(1); }, "--span"},
      {"an order misspelt", [] { ReadOrder("easy"); }, "--order"},
      {"a notation misspelt", [] { ReadNotation("jazz"); }, "--notation"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    try {
      row.read();
      ADD_FAILURE() << "accepted";
    } catch (const BadOption& bad) {
      EXPECT_EQ(std::string(bad.what()).rfind(std::string(row.option) + ":", 0), 0u) << bad.what();
    }
  }
}

TEST(OptionReader, aSessionTakesEveryOptionAndTheSongCapoItsSuggestion) {
  SessionOptionTexts texts;
  texts.instrument = "ukulele";
  texts.tuning = "Low G";
  texts.capo = 3;
  texts.capoShapes = true;
  texts.frets = 18;
  texts.span = 4;
  texts.noBarre = true;
  texts.order = "position";
  texts.practical = false;
  const Session session = ReadSession(texts);
  EXPECT_EQ(session.instrument.name, "ukulele");
  EXPECT_EQ(session.instrument.StandardPitches().front(), 55);
  EXPECT_EQ(session.capo, 3);
  EXPECT_EQ(session.capoNames, CapoNames::Shapes);
  EXPECT_EQ(session.fretCount, 18);
  EXPECT_EQ(session.span, 4);
  EXPECT_TRUE(session.noFullBarres);
  EXPECT_EQ(session.order, VoicingOrderChoice::Position);
  EXPECT_FALSE(session.practical);
  EXPECT_EQ(ReadSongCapo("suggest"), std::nullopt);
  EXPECT_EQ(ReadSongCapo(""), std::nullopt);
  EXPECT_EQ(ReadSongCapo("0"), 0);
  EXPECT_EQ(ReadSongCapo("12"), 12);
}

}  // namespace
}  // namespace corvanta
