#include "http/curl_options.h"

#include <gtest/gtest.h>

#include <climits>

namespace velmora {
namespace {

TEST(TimeoutMillisecondsTest, NonPositiveMeansThirtySecondsAndHugeCountsDoNotWrap) {
  struct Case {
    int seconds;
    long milliseconds;
  } cases[] = {{0, 30000}, {-5, 30000}, {5, 5000}, {INT_MAX, INT32_MAX}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seconds);
    EXPECT_EQ(TimeoutMilliseconds(c.seconds), c.milliseconds);
  }
}

}  // namespace
}  // namespace velmora
