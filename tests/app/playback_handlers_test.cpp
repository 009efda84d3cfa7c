// The handlers' arithmetic and order of operations, against a scripted player.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/playback.h"
#include "fake_window_view.h"
#include "playback_state.h"
#include "text/charset.h"

namespace velmora {
namespace {

using test::FakeWindowView;

// Reports whatever the test sets and logs every call in order.
class ScriptedPlayer : public MediaPlayer {
 public:
  bool MediaOpen(const Text& address) override {
    log.push_back("open " + address.bytes());
    return lengthMs > 0;
  }
  bool MediaPlay(int fromMs) override {
    log.push_back("play " + std::to_string(fromMs));
    return true;
  }
  int MediaLengthMs() override {
    log.push_back("length");
    return lengthMs;
  }
  int MediaPosition() override { return positionMs; }

  int lengthMs = 0;
  int positionMs = -1;
  std::vector<std::string> log;
};

class PlaybackHandlers : public ::testing::Test {
 protected:
  void SetUp() override { test::ResetPlaybackState(); }

  void PlayMedium(int lengthMs) {
    player.lengthMs = lengthMs;
    PlayOnline(view, player);
    player.log.clear();
  }

  FakeWindowView view;
  ScriptedPlayer player;
};

TEST(SecondsToTimeText, FormatsMinutesAndSecondsWithOneBytePadding) {
  struct Case {
    std::int32_t seconds;
    const char* expected;
  } cases[] = {
      {0, "00:00"},
      {7, "00:07"},
      {65, "01:05"},
      {600, "10:00"},
      {3599, "59:59"},
      {3600, "60:00"},
      {6000, "100:00"},
      {-5, "00:-5"},
      {-65, "-1:-5"},
      {-60, "-1:00"},
      {-600, "-10:00"},
      {INT32_MAX, "35791394:07"},
      {INT32_MIN, "-35791394:-8"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SecondsToTimeText(c.seconds).bytes(), c.expected) << c.seconds;
}

TEST_F(PlaybackHandlers, PlayOnlineOpensTheOutputBoxThenPlaysThenReadsTheLength) {
  view.input = Text("ignored");
  view.output = Text(" http://host/a b.mp3 ");
  player.lengthMs = 200500;
  PlayOnline(view, player);
  EXPECT_EQ(player.log, (std::vector<std::string>{"open  http://host/a b.mp3 ", "play -1", "length",
                                                  "length"}));
  EXPECT_EQ(view.captionWrites, 0) << "the next tick shows the new total";
}

TEST_F(PlaybackHandlers, PlayOnlineRecordsTheLength) {
  struct Case {
    int lengthMs;
    std::int32_t totalSeconds;
    const char* totalText;
  } cases[] = {{200500, 200, "03:20"}, {999, 0, "00:00"}, {0, 0, "00:00"}};
  for (const Case& c : cases) {
    PlayMedium(c.lengthMs);
    EXPECT_EQ(PlayLengthMs, c.lengthMs);
    EXPECT_EQ(TotalSeconds, c.totalSeconds);
    EXPECT_EQ(TotalTimeText.bytes(), c.totalText) << c.lengthMs;
  }
}

TEST_F(PlaybackHandlers, TickBeforeTheFirstPlayShowsAnEmptyTotal) {
  view.slider = 40;
  UpdateProgress(view, player);
  EXPECT_EQ(view.slider, 1);
  EXPECT_EQ(view.caption, GbkText(u8"总时间:   -  00:00"));
  EXPECT_EQ(RemainingTimeText.bytes(), "00:00");
}

TEST_F(PlaybackHandlers, TickFollowsThePlayedPercentage) {
  struct Case {
    int lengthMs;     // when the play button was pressed
    int lengthNowMs;  // at the tick; larger when the medium has grown
    int positionMs;
    int slider;
    const char8_t* caption;
  } cases[] = {
      {200500, 200500, 0, 1, u8"总时间:03:20   -  03:20"},
      {200500, 200500, 999, 1, u8"总时间:03:20   -  03:19"},
      {200500, 200500, 100250, 50, u8"总时间:03:20   -  01:40"},
      {200500, 200500, 200500, 100, u8"总时间:03:20   -  00:00"},
      {200500, 200500, -1, 1, u8"总时间:03:20   -  03:20"},
      // The length was not available: 0/0 and -1/0 are not finite.
      {0, 0, -1, 1, u8"总时间:00:00   -  00:00"},
      {0, 0, 0, 1, u8"总时间:00:00   -  00:00"},
      // A medium that grew after the play button counts past its total.
      {200500, 260000, 200500, 100, u8"总时间:03:20   -  -1:00"},
      {200500, 260000, 250000, 100, u8"总时间:03:20   -  -2:-4"},
  };
  for (const Case& c : cases) {
    PlayMedium(c.lengthMs);
    player.lengthMs = c.lengthNowMs;
    player.positionMs = c.positionMs;
    UpdateProgress(view, player);
    SCOPED_TRACE(::testing::Message() << c.lengthMs << " ms at " << c.positionMs);
    EXPECT_EQ(view.slider, c.slider);
    EXPECT_EQ(view.caption, GbkText(c.caption));
  }
}

TEST_F(PlaybackHandlers, SliderSeeksToItsPercentageOfTheRecordedLength) {
  struct Case {
    int lengthMs;
    int slider;
    int targetMs;
  } cases[] = {
      {200500, 1, 2005}, {200500, 50, 100250}, {200500, 100, 200500},
      {2999, 33, 989},  // 989.67, truncated
      {0, 70, 0},       // length unknown: every move seeks to the start
  };
  for (const Case& c : cases) {
    PlayMedium(c.lengthMs);
    view.slider = c.slider;
    SeekToSlider(view, player);
    EXPECT_EQ(player.log, std::vector<std::string>{"play " + std::to_string(c.targetMs)})
        << c.lengthMs << " ms, slider " << c.slider;
  }
}

}  // namespace
}  // namespace velmora
