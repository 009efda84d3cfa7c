// The real GStreamer pipeline with a silent sink that plays in real time,
// fed by a loopback HTTP server that honours byte ranges.
#include "app/gst_media_player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "app/playback.h"
#include "fake_window_view.h"
#include "playback_state.h"
#include "range_file_server.h"
#include "text/charset.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::FakeWindowView;
using test::LoopbackServer;

constexpr const char* kSilentSink = "fakesink sync=true";
// MP3 and AAC encoders add a frame or two of delay and padding to a medium.
constexpr int kLengthToleranceMs = 150;
constexpr int kSeekToleranceMs = 100;

std::string DataPath(const char* name) { return std::string(VELMORA_TEST_DATA) + "/" + name; }

test::ServedFile Fixture(const char* name, const char* contentType) {
  return {contentType, test::ReadFileBytes(DataPath(name))};
}

template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds bound = 5s) {
  for (auto end = Clock::now() + bound; Clock::now() < end; std::this_thread::sleep_for(10ms))
    if (condition()) return true;
  return condition();
}

class RealPlayback : public ::testing::Test {
 protected:
  void SetUp() override { test::ResetPlaybackState(); }

  Text Address(const char* path) const { return Text(server.Url(path)); }

  void Press(const Text& address) {
    view.output = address;
    PlayOnline(view, player);
  }

  LoopbackServer server{test::ServeFiles({
      {"/tone.mp3", Fixture("tone_2500ms.mp3", "audio/mpeg")},
      {"/tone.flac", Fixture("tone_1500ms.flac", "audio/flac")},
      {"/tone.m4a", Fixture("tone_1500ms.m4a", "audio/mp4")},
      {"/not-audio.mp3", {"audio/mpeg", std::string(4000, 'x')}},
  })};
  // Declared after the server so that it is torn down first.
  GstMediaPlayer player{kSilentSink};
  FakeWindowView view;
};

TEST_F(RealPlayback, OpensEachFormatReadyAtTheStartWithItsLength) {
  struct Case {
    Text address;
    int lengthMs;
  } cases[] = {
      {Address("/tone.mp3"), 2500},
      {Address("/tone.flac"), 1500},
      {Address("/tone.m4a"), 1500},
      {Text(DataPath("tone_2500ms.mp3")), 2500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address.bytes());
    EXPECT_TRUE(player.MediaOpen(c.address));
    EXPECT_NEAR(player.MediaLengthMs(), c.lengthMs, kLengthToleranceMs);
    EXPECT_EQ(player.MediaLengthSeconds(), c.lengthMs / 1000);
    EXPECT_EQ(player.MediaPosition(), 0);
  }
}

TEST_F(RealPlayback, PlayButtonStartsPlaybackAndTheTickFollowsIt) {
  Press(Address("/tone.mp3"));
  EXPECT_NEAR(PlayLengthMs, 2500, kLengthToleranceMs);
  EXPECT_EQ(TotalSeconds, 2);
  EXPECT_EQ(TotalTimeText.bytes(), "00:02");

  auto start = Clock::now();
  ASSERT_TRUE(WaitUntil([&] { return player.MediaPosition() >= 600; }));
  // A real-time sink: half a second of sound takes about half a second.
  EXPECT_GE(Clock::now() - start, 400ms);
  UpdateProgress(view, player);
  EXPECT_GE(view.slider, 600 * 100 / PlayLengthMs);
  EXPECT_LT(view.slider, 50);
  EXPECT_EQ(view.caption, GbkText(u8"总时间:00:02   -  00:01"));
}

TEST_F(RealPlayback, SliderSeeksToItsPercentageOfTheLength) {
  Press(Address("/tone.mp3"));
  for (int slider : {60, 20, 100}) {
    view.slider = slider;
    SeekToSlider(view, player);
    int target = slider * PlayLengthMs / 100;
    int position = player.MediaPosition();
    EXPECT_GE(position, target - kSeekToleranceMs) << "slider " << slider;
    EXPECT_LE(position, target + kSeekToleranceMs) << "slider " << slider;
  }
  EXPECT_GE(server.RequestCount(), 2) << "a seek over HTTP asks for a byte range";
}

TEST_F(RealPlayback, PlayingToTheEndLeavesTheSliderAt100AndASeekPlaysAgain) {
  Press(Address("/tone.mp3"));
  view.slider = 90;
  SeekToSlider(view, player);
  ASSERT_TRUE(WaitUntil([&] { return player.MediaPosition() == PlayLengthMs; }, 3s));
  for (int tick = 0; tick < 2; ++tick) {
    UpdateProgress(view, player);
    EXPECT_EQ(view.slider, 100);
    EXPECT_EQ(view.caption, GbkText(u8"总时间:00:02   -  00:00"));
    std::this_thread::sleep_for(200ms);
  }

  view.slider = 40;
  SeekToSlider(view, player);
  int afterSeek = player.MediaPosition();
  EXPECT_NEAR(afterSeek, PlayLengthMs * 40 / 100, kSeekToleranceMs);
  EXPECT_TRUE(WaitUntil([&] { return player.MediaPosition() > afterSeek + 200; }));
}

TEST_F(RealPlayback, SecondPressStartsOverWithTheNewAddress) {
  Press(Address("/tone.mp3"));
  view.slider = 60;
  SeekToSlider(view, player);

  Press(Address("/tone.flac"));
  EXPECT_NEAR(PlayLengthMs, 1500, kLengthToleranceMs);
  EXPECT_EQ(TotalTimeText.bytes(), "00:01");
  EXPECT_LT(player.MediaPosition(), 300);
  EXPECT_EQ(server.Requests().back().line, "GET /tone.flac HTTP/1.1");
  EXPECT_TRUE(WaitUntil([&] { return player.MediaPosition() >= 300; }));
}

TEST_F(RealPlayback, AnAddressThatCannotPlayLeavesThePlayerSilentWithAZeroTotal) {
  struct Case {
    const char* name;
    Text address;
  } cases[] = {
      {"404", Address("/missing.mp3")},
      {"closed port",
       Text("http://127.0.0.1:" + std::to_string(test::FreeLoopbackPort()) + "/tone.mp3")},
      {"not audio", Address("/not-audio.mp3")},
      {"empty", Text()},
      {"missing local file", Text(DataPath("missing.mp3"))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Press(Address("/tone.mp3"));
    ASSERT_GT(PlayLengthMs, 0);

    auto start = Clock::now();
    Press(c.address);
    EXPECT_LT(Clock::now() - start, 10s);
    EXPECT_EQ(PlayLengthMs, 0);
    EXPECT_EQ(TotalSeconds, 0);
    EXPECT_EQ(TotalTimeText.bytes(), "00:00");
    EXPECT_EQ(player.MediaPosition(), -1) << "the previous medium is closed";
    UpdateProgress(view, player);
    EXPECT_EQ(view.slider, 1);
    EXPECT_EQ(view.caption, GbkText(u8"总时间:00:00   -  00:00"));
  }
}

TEST_F(RealPlayback, OpenGivesUpAtItsBoundWhenTheServerNeverAnswers) {
  LoopbackServer silent([](const test::HttpRequest&, test::Connection& c) { c.Stall(60000); });
  GstMediaPlayer bounded(kSilentSink, 1s);
  auto start = Clock::now();
  EXPECT_FALSE(bounded.MediaOpen(Text(silent.Url("/tone.mp3"))));
  auto waited = Clock::now() - start;
  EXPECT_GE(waited, 900ms);
  EXPECT_LT(waited, 5s);
  EXPECT_EQ(bounded.MediaLengthMs(), 0);
  EXPECT_EQ(bounded.MediaPosition(), -1);
  EXPECT_FALSE(bounded.MediaPlay(-1));
}

TEST_F(RealPlayback, AnAudioSinkThatCannotBeMadeNeverFallsBackToTheSpeakers) {
  for (const char* sink : {"no-such-sink", "fakesink no-such-property=1"}) {
    GstMediaPlayer unusable(sink);
    EXPECT_FALSE(unusable.MediaOpen(Address("/tone.mp3"))) << sink;
    EXPECT_FALSE(unusable.MediaPlay(-1)) << sink;
  }
}

TEST_F(RealPlayback, CanBeDestroyedWhilePlaying) {
  std::optional<GstMediaPlayer> playing(std::in_place, kSilentSink);
  ASSERT_TRUE(playing->MediaOpen(Address("/tone.mp3")));
  ASSERT_TRUE(playing->MediaPlay(-1));
  ASSERT_TRUE(WaitUntil([&] { return playing->MediaPosition() > 100; }));
  playing.reset();
}

}  // namespace
}  // namespace velmora
