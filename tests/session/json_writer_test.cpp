// The JSON writer against nlohmann's library as the reference: its output
// parses to the tree meant, and strings and numbers are the same text that
// library writes, over tables of edge cases and many random ones.
#include "session/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>

namespace corvanta {
namespace {

// What nlohmann writes for a string, bad UTF-8 replaced as ours is.
std::string ReferenceString(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

struct StringRow {
  const char* name;
  std::string text;
  std::string json;
};

TEST(JsonWriter, escapesAndPassesThroughStrings) {
  const StringRow rows[] = {
      {"empty", "", R"("")"},
      {"plain", "Cmaj7/E", R"("Cmaj7/E")"},
      {"quote and backslash", "a\"b\\c", R"("a\"b\\c")"},
      {"short escapes", "\b\t\n\f\r", R"("\b\t\n\f\r")"},
      {"other controls", std::string("\x00\x01\x1f", 3), R"("\u0000\u0001\u001f")"},
      {"delete and slash pass", "\x7f/", "\"\x7f/\""},
      {"two-byte",
       "C\xc2\xba"
       "7",
       "\"C\xc2\xba"
       "7\""},
      {"three-byte", "\xe5\x92\x8c\xe5\xbc\xa6", "\"\xe5\x92\x8c\xe5\xbc\xa6\""},
      {"four-byte", "\xf0\x9f\x8e\xb8", "\"\xf0\x9f\x8e\xb8\""},
      {"lone continuation", "a\x80z", "\"a\xef\xbf\xbdz\""},
      {"Latin-1 byte", "caf\xe9", "\"caf\xef\xbf\xbd\""},
      {"cut short at the end", "a\xe2\x82", "\"a\xef\xbf\xbd\""},
      {"cut short before ASCII", "\xe2\x82z", "\"\xef\xbf\xbdz\""},
      {"overlong slash", "\xc0\xaf", "\"\xef\xbf\xbd\xef\xbf\xbd\""},
      {"surrogate", "\xed\xa0\x80", "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
      {"above U+10FFFF", "\xf4\x90\x80\x80",
       "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
      {"bad lead byte",
       "\xff"
       "a",
       "\"\xef\xbf\xbd"
       "a\""},
  };
  for (const StringRow& row : rows) {
    EXPECT_EQ(JsonString(row.text), row.json) << row.name;
    EXPECT_EQ(JsonString(row.text), ReferenceString(row.text)) << row.name;
  }
}

TEST(JsonWriter, writesAnyBytesAsTheReferenceDoes) {
  std::mt19937 random(20261210);
  // Bytes drawn mostly from the edges of UTF-8's ranges, where the faults are.
  const unsigned char pool[] = {0x00, 0x09, 0x0a, 0x1f, 0x20, '"',  '\\', 'a',  0x7f, 0x80, 0x8f,
                                0x90, 0x9f, 0xa0, 0xbf, 0xc0, 0xc1, 0xc2, 0xdf, 0xe0, 0xe1, 0xec,
                                0xed, 0xee, 0xef, 0xf0, 0xf1, 0xf3, 0xf4, 0xf5, 0xff};
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 12);
    for (int i = 0; i < length; ++i) text += static_cast<char>(pool[random() % sizeof pool]);
    const std::string ours = JsonString(text);
    ASSERT_EQ(ours, ReferenceString(text)) << testing::PrintToString(text);
    ASSERT_TRUE(nlohmann::json::accept(ours)) << testing::PrintToString(text);
  }
}

std::string Written(double value) {
  std::string out;
  AppendJsonNumber(out, value);
  return out;
}

TEST(JsonWriter, writesNumbersAsTheReferenceDoes) {
  const struct {
    const char* name;
    double value;
    const char* json;
  } rows[] = {
      {"zero", 0.0, "0.0"},
      {"negative zero", -0.0, "-0.0"},
      {"whole", 3.0, "3.0"},
      {"tenths", 4.7, "4.7"},
      {"hundredths", 9.36, "9.36"},
      {"negative", -2.5, "-2.5"},
      {"small", 0.001, "0.001"},
      {"smaller", 0.0001, "0.0001"},
      {"exponent below", 0.00001, "1e-05"},
      {"fifteen digits", 123456789012345.0, "123456789012345.0"},
      {"exponent above", 1e16, "1e+16"},
      {"many digits", 1.0 / 3, "0.3333333333333333"},
      {"large exponent", 1.5e300, "1.5e+300"},
      {"not a number", std::nan(""), "null"},
      {"infinite", std::numeric_limits<double>::infinity(), "null"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Written(row.value), row.json) << row.name;
    EXPECT_EQ(Written(row.value), nlohmann::json(row.value).dump()) << row.name;
  }
}

// Figures rounded to a few decimals (all the program writes but a key's
// confidence) are the reference's text to the byte. Any other double reads
// back as itself, in no more digits than the reference's, which are at
// times one too many.
TEST(JsonWriter, writesFiguresAsTheReferenceAndAnyDoubleShortest) {
  std::mt19937_64 random(49);
  std::uniform_real_distribution<double> figure(-200, 200);
  for (int round = 0; round < 20000; ++round) {
    const double x = figure(random);
    for (double value : {std::round(x * 10) / 10, std::round(x * 100) / 100,
                         std::round(x * 1000) / 1000, std::round(x * 1e6)}) {
      ASSERT_EQ(Written(value), nlohmann::json(value).dump()) << value;
    }
    std::uint64_t bits = random();
    double any;
    std::memcpy(&any, &bits, sizeof any);
    for (double value : {x, x / 7e5, any}) {
      if (!std::isfinite(value)) continue;
      const std::string ours = Written(value);
      ASSERT_EQ(nlohmann::json::parse(ours).get<double>(), value) << ours;
      ASSERT_LE(ours.size(), nlohmann::json(value).dump().size()) << ours;
    }
  }
}

TEST(JsonWriter, nestsObjectsAndArraysWithCommasOnlyBetweenValues) {
  JsonWriter json;
  json.BeginObject()
      .Key("a")
      .BeginArray()
      .EndArray()
      .Key("b")
      .BeginObject()
      .EndObject()
      .Key("c")
      .BeginArray()
      .Int(-1)
      .Null()
      .Bool(true)
      .BeginArray()
      .Int(std::size_t{7})
      .EndArray()
      .String("x")
      .EndArray()
      .Key("d")
      .Ints(std::vector<int>{1, 2})
      .Key("e")
      .Raw(R"({"f":false})")
      .Key("g")
      .Strings(std::vector<std::string>{"h", "i"})
      .Key("tab\there")
      .Number(0.5)
      .EndObject();
  EXPECT_EQ(json.Text(),
            R"({"a":[],"b":{},"c":[-1,null,true,[7],"x"],"d":[1,2],"e":{"f":false},"g":["h","i"],)"
            R"("tab\there":0.5})");
  const nlohmann::json tree = nlohmann::json::parse(json.Text());
  EXPECT_EQ(tree["c"][3][0], 7);
  EXPECT_EQ(tree["tab\there"], 0.5);
  EXPECT_EQ(tree.dump(), json.Text()) << "keys written in order read back the same";
}

TEST(JsonWriter, writesTheWholeRangeOfIntegers) {
  JsonWriter json;
  json.BeginArray()
      .Int(std::numeric_limits<std::int64_t>::min())
      .Int(std::numeric_limits<std::uint64_t>::max())
      .Int(0)
      .EndArray();
  EXPECT_EQ(json.Text(), "[-9223372036854775808,18446744073709551615,0]");
}

}  // namespace
}  // namespace corvanta
