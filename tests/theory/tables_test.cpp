// Tests of the catalogue, degree codes, note names and shape templates.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>

#include "theory/catalogue.h"
#include "theory/degree_codes.h"
#include "theory/formula.h"
#include "theory/note_names.h"
#include "theory/shape_templates.h"
#include "theory/text_util.h"

namespace corvanta {
namespace {

TEST(Catalogue, holdsThirtyFiveWellFormedTypesStartingWithTheMajorTriad) {
  ASSERT_EQ(kChordCatalogue.size(), 35u);
  EXPECT_EQ(kChordCatalogue[0].name, " ");
  EXPECT_EQ(kChordCatalogue[0].formula, "00 04 07");
  EXPECT_EQ(kChordCatalogue[1].name, "\xC2\xBA");
  EXPECT_EQ(kChordCatalogue[34].name, "m7/9");
  for (const ChordType& type : kChordCatalogue) {
    EXPECT_TRUE(IsWellFormedFormula(type.formula)) << type.name;
  }
}

// The texts are UTF-8 throughout: the window, the JSON and the terminal
// take them as they are.
TEST(Catalogue, namesTypesAndDegreesInValidUtf8) {
  for (const ChordType& type : kChordCatalogue) EXPECT_EQ(ValidUtf8(type.name), type.name);
  for (const DegreeItem& item : kDegreeItems) EXPECT_EQ(ValidUtf8(item.text), item.text);
  EXPECT_EQ(kDegreeItems[4].text, kChordCatalogue[1].name);  // both the sign "º"
}

TEST(Catalogue, findsTypesByTrimmedNameWithMajAsTheMajorTriad) {
  EXPECT_EQ(FindChordType(""), 0);
  EXPECT_EQ(FindChordType("maj"), 0);
  EXPECT_EQ(FindChordType("m7"), 29);
  EXPECT_EQ(FindChordType("7/9"), 17);
  EXPECT_EQ(FindChordType("m"), -1);  // the minor triad is reached through the check list
}

TEST(DegreeCodes, everyCodeHasOneOfTheFourForms) {
  ASSERT_EQ(kDegreeItems.size(), 51u);
  for (const DegreeItem& item : kDegreeItems) {
    if (IsBaseFormulaCode(item.code)) {
      EXPECT_TRUE(IsWellFormedFormula(item.code)) << item.text;
    } else {
      ASSERT_EQ(item.code.size(), 3u) << item.text;
      EXPECT_TRUE(item.code[0] == ' ' || item.code[0] == '3' || item.code[0] == '5') << item.text;
    }
  }
  EXPECT_EQ(kDegreeItems[24].text, "13");
  EXPECT_EQ(kDegreeItems[24].code, " 09");
  EXPECT_EQ(kDegreeItems[50].code, "305");
}

TEST(ShapeTemplates, splitIntoThirtyFiveShapesOfSixValues) {
  const std::string& text = ShapeTemplates();
  std::vector<std::string> shapes;
  std::size_t from = 0;
  for (std::size_t comma; (comma = text.find(',', from)) != std::string::npos; from = comma + 1) {
    shapes.push_back(text.substr(from, comma - from));
  }
  shapes.push_back(text.substr(from));
  ASSERT_EQ(shapes.size(), 35u);
  for (const std::string& shape : shapes) {
    std::istringstream values(shape);
    int value = 0;
    int count = 0;
    while (values >> value) ++count;
    EXPECT_EQ(count, 6) << shape;
  }
  EXPECT_EQ(text.back(), ' ');
  EXPECT_NE(text.find(", -2 4 4 3 2 2 ,  0 2 2 0 0 0 ,"), std::string::npos);
}

TEST(NoteNames, lookUpExactNamesOnly) {
  const std::vector<std::pair<std::string, int>> table{
      {"C", 0},   {"C#", 1},  {"Db", 1},  {"Fb", 4}, {"Cb", 11}, {"Bb", 10},
      {"E#", 12}, {"B#", 12}, {"db", 12}, {"", 12},  {"C ", 12}, {"H", 12}};
  for (const auto& [name, pitchClass] : table)
    EXPECT_EQ(PitchClassOfName(name), pitchClass) << name;
}

TEST(ShapeTemplates, numericMatchAgreesWithASubstringSearchOfTheValueText) {
  const std::string& text = ShapeTemplates();
  // A fingering is a template shape exactly when its value text occurs in
  // the template text: every value from the templates' neighbourhood, and
  // every template itself, with each first value varied.
  std::mt19937 random(7);
  for (int sample = 0; sample < 200000; ++sample) {
    std::array<int, 6> values{};
    for (int& value : values) {
      int pick = static_cast<int>(random() % 14);
      value = pick == 13 ? 99 : pick - 3;
    }
    std::string valueText;
    for (int value : values) valueText += std::to_string(value) + " ";
    ASSERT_EQ(IsTemplateShape(values), text.find(valueText) != std::string::npos) << valueText;
  }
  std::istringstream entries(text);
  std::string entry;
  int matches = 0;
  while (std::getline(entries, entry, ',')) {
    std::istringstream tokens(entry);
    std::array<int, 6> values{};
    for (int& value : values) tokens >> value;
    for (int string : {0, 5}) {
      for (int value = -29; value <= 99; value = value == 29 ? 99 : value + 1) {
        std::array<int, 6> varied = values;
        varied[static_cast<std::size_t>(string)] = value;
        std::string valueText;
        for (int each : varied) valueText += std::to_string(each) + " ";
        bool found = text.find(valueText) != std::string::npos;
        matches += found ? 1 : 0;
        ASSERT_EQ(IsTemplateShape(varied), found) << valueText;
      }
    }
  }
  EXPECT_GT(matches, 60);
}

}  // namespace
}  // namespace corvanta
