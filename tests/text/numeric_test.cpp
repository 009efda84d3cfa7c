#include "text/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmora {
namespace {

TEST(NumericTest, TruncateToInt32) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double in;
    std::int32_t want;
  } cases[] = {
      {0.0, 0},
      {1.9, 1},
      {-1.9, -1},
      {-0.5, 0},
      {99.999, 99},
      {inf, 0},
      {-inf, 0},
      {std::nan(""), 0},
      {3e9, 2147483647},
      {-3e9, -2147483647 - 1},
      {2147483647.5, 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(TruncateToInt32(c.in), c.want) << c.in;
}

}  // namespace
}  // namespace velmora
