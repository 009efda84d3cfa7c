#include "app/link_resolution.h"

#include <gtest/gtest.h>

#include "app/browser_buttons.h"
#include "fake_window_view.h"
#include "loopback_server.h"
#include "text/charset.h"

namespace velmora {
namespace {

using test::FakeWindowView;
using test::LoopbackServer;

const std::string kAnswer =
    R"({"code":200,"msg":"success","data":{"url":"http://music.example/x.mp3"}})";

Text HostOf(const LoopbackServer& server) {
  return Text("127.0.0.1:" + std::to_string(server.port()));
}

TEST(ResolveMusicLinkTest, SongIdComesFromTheInputAsTyped) {
  LoopbackServer server(LoopbackServer::Reply(kAnswer));
  struct Case {
    std::string input, requestedId;
  } cases[] = {
      {"215257", "215257"},
      {"https://www.kuwo.cn/play_detail/215257", "215257"},
      {"https://www.kuwo.cn/play_detail/215257?from=x", "215257?from=x"},
      {"play_detail/1/play_detail/2", "2"},                              // the last marker counts
      {"https://x/PLAY_DETAIL/215257", "https://x/PLAY_DETAIL/215257"},  // case matters
      {"https://x/play_detail/", ""},
      {" 215257 ", "%20215257%20"},  // blanks are kept; the engine escapes them
  };
  for (const auto& c : cases) {
    FakeWindowView view;
    view.input = Text(c.input);
    int before = server.RequestCount();
    ResolveMusicLink(view, HostOf(server));
    ASSERT_EQ(server.RequestCount(), before + 1) << c.input;
    EXPECT_EQ(server.Requests().back().line,
              "GET /api/v1/www/music/playUrl?mid=" + c.requestedId + "&type=dabai HTTP/1.1")
        << c.input;
    EXPECT_EQ(view.output.bytes(), "http://music.example/x.mp3") << c.input;
  }
}

TEST(ResolveMusicLinkTest, AddressIsCutBetweenTheMarkers) {
  struct Case {
    std::string answer, address;
  } cases[] = {
      {kAnswer, "http://music.example/x.mp3"},
      {R"({"url":"A"}{"url":"B"})", "A"},
      {R"({"url":"A)", ""},
      {R"({"code":-1,"msg":"fail"})", ""},
      {R"({"url":"http:\/\/x\/a.mp3"})", R"(http:\/\/x\/a.mp3)"},  // escapes stay
  };
  for (const auto& c : cases) {
    LoopbackServer server(LoopbackServer::Reply(c.answer, "500 Internal Server Error"));
    FakeWindowView view;
    view.input = Text("1");
    view.output = Text("old");
    ResolveMusicLink(view, HostOf(server));
    EXPECT_EQ(view.output.bytes(), c.address) << c.answer;
  }
}

TEST(ResolveMusicLinkTest, ServiceDownClearsTheOutputSilently) {
  FakeWindowView view;
  view.input = Text("215257");
  view.output = Text("old");
  ResolveMusicLink(view, Text("127.0.0.1:" + std::to_string(test::FreeLoopbackPort())));
  EXPECT_TRUE(view.output.empty());
  EXPECT_TRUE(view.notices.empty());
}

TEST(ResolveMusicLinkTest, EmptyInputShowsTheMessageOnceAndSendsNothing) {
  LoopbackServer server(LoopbackServer::Reply(kAnswer));
  FakeWindowView view;
  view.output = Text("kept");
  ResolveMusicLink(view, HostOf(server));
  ASSERT_EQ(view.notices.size(), 1u);
  EXPECT_EQ(view.notices[0], GbkText(u8"请输入酷我音乐的音乐ID或音乐链接"));
  EXPECT_EQ(view.output.bytes(), "kept");
  EXPECT_EQ(server.RequestCount(), 0);
}

TEST(BrowserButtonsTest, HandTheTextOverUnchanged) {
  FakeWindowView view;
  view.output = Text(" http://x/a b ");
  OpenAddressInBrowser(view);
  view.output = Text();
  OpenAddressInBrowser(view);
  OpenServiceHomePage(view, Text("www.kuwo.cn"));
  ASSERT_EQ(view.opened.size(), 3u);
  EXPECT_EQ(view.opened[0].bytes(), " http://x/a b ");
  EXPECT_EQ(view.opened[1].bytes(), "");
  EXPECT_EQ(view.opened[2].bytes(), "https://www.kuwo.cn");
}

}  // namespace
}  // namespace velmora
