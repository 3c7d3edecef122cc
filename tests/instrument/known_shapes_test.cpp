// Tests of the known-shape lookup against a plain list.
#include "instrument/known_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "instrument/instrument.h"
#include "instrument/value_ranks.h"

namespace corvanta {
namespace {

// The lookup by ranks against the plain question: is this list of values
// one of the instrument's shapes?
bool ListedShape(const Instrument& instrument, const std::vector<int>& values) {
  const auto& lists = instrument.shapes.Lists();
  return std::find(lists.begin(), lists.end(), values) != lists.end();
}

TEST(KnownShapes, answersAsTheListDoesOnEveryInstrument) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> value(-12, 13);
  for (const Instrument& instrument : BuiltInInstruments()) {
    for (const std::vector<int>& shape : instrument.shapes.Lists())
      EXPECT_TRUE(instrument.shapes.Holds(shape.size(), ValueRanks(shape))) << instrument.name;
    // Random fingerings, muted strings among them (13 stands for 99).
    for (int trial = 0; trial < 20000; ++trial) {
      std::vector<int> values(instrument.strings.size());
      for (int& v : values) v = value(random) == 13 ? kMutedString : value(random);
      EXPECT_EQ(instrument.shapes.Holds(values.size(), ValueRanks(values)),
                ListedShape(instrument, values))
          << instrument.name;
    }
  }
}

TEST(KnownShapes, aShapeMatchesOnlyFingeringsOfItsLength) {
  const KnownShapes shapes({{-1, 3, 3, 2, 1, 1}});
  const std::vector<int> shape{-1, 3, 3, 2, 1, 1};
  EXPECT_TRUE(shapes.Holds(6, ValueRanks(shape)));
  // The same ranks on seven strings are another fingering.
  EXPECT_FALSE(shapes.Holds(7, ValueRanks(shape)));
  EXPECT_FALSE(KnownShapes().Holds(6, ValueRanks(shape)));
}

}  // namespace
}  // namespace corvanta
