#include "update/wait_pumping.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

class WaitPumpingTest : public ::testing::Test {
 protected:
  // Nothing queued by one test may run in the next.
  void TearDown() override { QCoreApplication::processEvents(); }
};

TEST(PauseMillisecondsTest, ReadsTheUnitCode) {
  struct Case {
    std::int64_t duration;
    int unit;
    double ms;
  } cases[] = {
      {200, 0, 200},
      {2, 1, 2000},
      {3, 2, 180000},
      {2, 3, 7200000},
      {4, 25, 100},  // any other code: ms per unit
      {-2, 1, -2000},
      {5, -1, -5},
      {std::int64_t{1} << 40, 3, 3600000.0 * (std::int64_t{1} << 40)},  // beyond 64 bits of ms
  };
  for (const Case& c : cases)
    EXPECT_EQ(PauseMilliseconds(c.duration, c.unit), c.ms) << c.duration << " unit " << c.unit;
}

TEST_F(WaitPumpingTest, LastsAtLeastItsTime) {
  struct Case {
    std::int64_t duration;
    int unit;
    long long ms;
  } cases[] = {{200, 0, 200}, {1, 1, 1000}, {3, 70, 210}};
  for (const Case& c : cases) {
    Clock::time_point start = Clock::now();
    EXPECT_TRUE(WaitPumping(c.duration, c.unit));
    EXPECT_GE(MsSince(start), c.ms) << c.duration << " unit " << c.unit;
  }
}

TEST_F(WaitPumpingTest, NoTimeReturnsAtOnceWithoutRunningEvents) {
  struct Case {
    std::int64_t duration;
    int unit;
  } cases[] = {{0, 0}, {-200, 0}, {-1, 1}, {5, -1}};
  for (const Case& c : cases) {
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    EXPECT_TRUE(WaitPumping(c.duration, c.unit));
    EXPECT_FALSE(ran) << c.duration << " unit " << c.unit;
    QCoreApplication::processEvents();
  }
}

TEST_F(WaitPumpingTest, RunsEventsWhileItWaits) {
  bool pausing = true;
  int ranInside = 0;
  QTimer::singleShot(0, [&] { ranInside += pausing; });
  QTimer::singleShot(100, [&] { ranInside += pausing; });
  WaitPumping(300);
  pausing = false;
  EXPECT_EQ(ranInside, 2);
}

// A handler that runs inside a pause may pause too; each call keeps its own
// length, and the outer one cannot end before the inner one returns.
TEST_F(WaitPumpingTest, NestedPausesEachLastTheirOwnTime) {
  struct Case {
    int outerMs;
    int innerMs;
  } cases[] = {{300, 100}, {100, 300}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "outer " << c.outerMs << " inner " << c.innerMs);
    long long innerMs = -1;
    QTimer::singleShot(0, [&] {
      Clock::time_point start = Clock::now();
      WaitPumping(c.innerMs);
      innerMs = MsSince(start);
    });
    Clock::time_point start = Clock::now();
    WaitPumping(c.outerMs);
    long long outerMs = MsSince(start);
    EXPECT_GE(innerMs, c.innerMs);
    EXPECT_GE(outerMs, std::max(c.outerMs, c.innerMs));
  }
}

TEST_F(WaitPumpingTest, LeavesAQuitRequestForTheMainLoop) {
  struct Case {
    const char* name;
    void (*request)();
    int exitCode;
  } cases[] = {
      {"quit()", [] { QCoreApplication::quit(); }, 0},
      {"exit(3)", [] { QCoreApplication::exit(3); }, 3},
      {"posted Quit event",
       [] { QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::Quit)); },
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    long long pausedMs = -1;
    QTimer::singleShot(0, [&] {
      Clock::time_point start = Clock::now();
      WaitPumping(300);
      pausedMs = MsSince(start);
    });
    QTimer::singleShot(50, c.request);
    // Bounds the test should the quit request be lost.
    QTimer lostQuit;
    lostQuit.setSingleShot(true);
    QObject::connect(&lostQuit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    lostQuit.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), c.exitCode);
    EXPECT_GE(pausedMs, 300);
  }
}

}  // namespace
}  // namespace velmora
