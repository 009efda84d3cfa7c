// What WebRequest makes of the answers of a loopback server: status, header
// block, body, redirects, failures and time-outs.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "http/process_events.h"
#include "http/web_request.h"
#include "loopback_server.h"
#include "text/charset.h"
#include "text_printer.h"

namespace velmora {
namespace {

using test::Connection;
using test::HttpRequest;
using test::LoopbackServer;

// Answers with raw bytes, whatever was asked.
LoopbackServer::Handler Raw(std::string bytes) {
  return [bytes](const HttpRequest&, Connection& c) { c.Send(bytes); };
}

// Outputs preset by the caller, to show which ones a call leaves alone.
WebResponse Preset() {
  return {.receivedCookies = Text("z=9"),
          .responseHeaders = Text("old headers"),
          .redirectLocation = Text("/old"),
          .statusText = Text("old status"),
          .responseBody = Bytes("old body")};
}

TEST(WebRequestAnswerTest, ReturnsStatusHeaderBlockAndBody) {
  struct Case {
    const char* name;
    std::string answer;
    std::string statusText, headers;
    Bytes body;
    std::string result;
  } cases[] = {
      {"plain 200", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", "200 OK",
       "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n", "hello", "hello"},
      {"404 keeps its body and reason phrase",
       "HTTP/1.1 404 Nothing Here\r\nContent-Length: 4\r\n\r\ngone", "404 Nothing Here",
       "HTTP/1.1 404 Nothing Here\r\nContent-Length: 4\r\n\r\n", "gone", "gone"},
      {"the result stops at a zero byte", std::string("HTTP/1.1 200 OK\r\n\r\nab\0cd", 24),
       "200 OK", "HTTP/1.1 200 OK\r\n\r\n", Bytes("ab\0cd", 5), "ab"},
      {"interim answers are left out",
       "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 201 Created\r\nContent-Length: 1\r\n\r\nx",
       "201 Created", "HTTP/1.1 201 Created\r\nContent-Length: 1\r\n\r\n", "x", "x"},
      {"bare LF line ends come back as CRLF", "HTTP/1.1 200 OK\nX-A: 1\n\nbody", "200 OK",
       "HTTP/1.1 200 OK\r\nX-A: 1\r\n\r\n", "body", "body"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopbackServer server(Raw(c.answer));
    WebResponse response = Preset();
    Text result = WebRequest({.url = Text(server.Url())}, response);
    EXPECT_EQ(response.statusText, Text(c.statusText));
    EXPECT_EQ(response.responseHeaders, Text(c.headers));
    EXPECT_EQ(response.responseBody, c.body);
    EXPECT_EQ(result, Text(c.result));
    EXPECT_EQ(response.redirectLocation, Text("/old"));
  }
}

TEST(WebRequestAnswerTest, HeadReadsNoBody) {
  LoopbackServer server(Raw("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n"));
  WebResponse response;
  EXPECT_EQ(
      WebRequest({.url = Text(server.Url()), .method = kHttpHead, .timeoutSeconds = 5}, response),
      Text());
  EXPECT_EQ(response.statusText, Text("200 OK"));
  EXPECT_EQ(response.responseBody, "");
}

LoopbackServer::Handler RedirectingServer() {
  return [](const HttpRequest& request, Connection& c) {
    if (request.line.starts_with("GET /final "))
      c.Send("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nSet-Cookie: b=2\r\n\r\nfinal");
    else if (request.line.starts_with("GET /start "))
      c.Send(
          "HTTP/1.1 302 Found\r\nLocation: /final\r\nSet-Cookie: a=1\r\nContent-Length: 0\r\n"
          "Connection: close\r\n\r\n");
    else
      c.Send(
          "HTTP/1.1 302 Found\r\nLocation: /loop\r\nContent-Length: 0\r\nConnection: "
          "close\r\n\r\n");
  };
}

TEST(WebRequestAnswerTest, FollowsRedirectsAndKeepsTheFinalAnswer) {
  LoopbackServer server(RedirectingServer());
  WebResponse response = Preset();
  Text result = WebRequest({.url = Text(server.Url("/start"))}, response);
  EXPECT_EQ(result, Text("final"));
  EXPECT_EQ(response.statusText, Text("200 OK"));
  EXPECT_EQ(response.responseHeaders,
            Text("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nSet-Cookie: b=2\r\n\r\n"));
  EXPECT_EQ(response.receivedCookies, Text("z=9b=2"));  // appended without a separator
  EXPECT_EQ(response.redirectLocation, Text("/old"));
  EXPECT_EQ(server.RequestCount(), 2);
}

// curl's own cookie store carries a cookie set on the way to the next hop,
// but only when the caller sends cookies; otherwise no hop gets any.
TEST(WebRequestAnswerTest, CookieStoreRunsOnlyWhenCookiesAreSent) {
  struct Case {
    const char* sendCookies;
    std::string finalHopCookies;
  } cases[] = {{"", ""}, {"z=0", "Cookie: a=1\r\nCookie: z=0\r\n"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sendCookies);
    LoopbackServer server(RedirectingServer());
    WebRequest({.url = Text(server.Url("/start")),
                .sendCookies = Text(c.sendCookies),
                .defaultHeaders = false});
    ASSERT_EQ(server.RequestCount(), 2);
    std::string headers = server.Requests().back().headers;
    EXPECT_EQ(headers.substr(headers.find("\r\n") + 2), c.finalHopCookies);
  }
}

TEST(WebRequestAnswerTest, NoRedirectReturnsTheRedirectItself) {
  LoopbackServer server(RedirectingServer());
  WebResponse response;
  WebRequest({.url = Text(server.Url("/start")), .noRedirect = true}, response);
  EXPECT_EQ(response.statusText, Text("302 Found"));
  EXPECT_EQ(response.redirectLocation, Text("/final"));
  EXPECT_EQ(response.receivedCookies, Text("a=1"));
  EXPECT_EQ(server.RequestCount(), 1);
}

TEST(WebRequestAnswerTest, CollectsAndMergesCookies) {
  LoopbackServer server(
      Raw("HTTP/1.1 200 OK\r\nSet-Cookie: a=1; Path=/\r\nSet-Cookie: b=2\r\nContent-Length: "
          "0\r\n\r\n"));
  WebResponse plain;
  WebRequest({.url = Text(server.Url())}, plain);
  EXPECT_EQ(plain.receivedCookies, Text("a=1; b=2"));

  WebResponse merged;
  WebRequest({.url = Text(server.Url()), .sendCookies = Text("a=0; c=3")}, merged);
  EXPECT_EQ(merged.receivedCookies, Text("a=1; b=2; c=3"));

  WebResponse unmerged;
  WebRequest({.url = Text(server.Url()), .sendCookies = Text("a=0; c=3"), .mergeCookies = false},
             unmerged);
  EXPECT_EQ(unmerged.receivedCookies, Text("a=1; b=2"));
}

TEST(WebRequestAnswerTest, FailuresWriteTheirTextAndLeaveTheOtherOutputs) {
  struct Case {
    const char* name;
    std::string url;  // "{server}" stands for the server's address
    LoopbackServer::Handler handler;
    std::u8string failure;
  } cases[] = {
      {"not http", "ftp://127.0.0.1/", Raw(""), u8"701 解析URL地址失败!"},
      {"no scheme", "127.0.0.1/x", Raw(""), u8"701 解析URL地址失败!"},
      {"no host", "http://:80/", Raw(""), u8"701 解析URL地址失败!"},
      {"port out of range", "http://127.0.0.1:65536/", Raw(""), u8"701 解析URL地址失败!"},
      {"host curl cannot take", "http://bad host/", Raw(""), u8"701 解析URL地址失败!"},
      {"refused", "http://127.0.0.1:" + std::to_string(test::FreeLoopbackPort()) + "/", Raw(""),
       u8"711 发送请求失败!"},
      {"closed without a word", "{server}", Raw(""), u8"712 服务器未响应!"},
      {"header block cut short", "{server}", Raw("HTTP/1.1 200 OK\r\nContent-Le"),
       u8"712 服务器未响应!"},
      {"redirected in circles", "{server}/loop", RedirectingServer(), u8"712 服务器未响应!"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopbackServer server(c.handler);
    std::string url = c.url;
    if (url.starts_with("{server}")) url.replace(0, 8, server.Url(""));
    WebResponse response = Preset();
    EXPECT_EQ(WebRequest({.url = Text(url), .timeoutSeconds = 5}, response), Text());
    EXPECT_EQ(response.statusText, GbkText(c.failure));
    EXPECT_EQ(response.receivedCookies, Text("z=9"));
    EXPECT_EQ(response.responseHeaders, Text("old headers"));
    EXPECT_EQ(response.redirectLocation, Text("/old"));
    EXPECT_EQ(response.responseBody, "old body");
  }
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(WebRequestAnswerTest, ServerThatNeverAnswersTimesOut) {
  LoopbackServer server([](const HttpRequest&, Connection& c) { c.Stall(60000); });
  WebResponse response;
  auto start = std::chrono::steady_clock::now();
  WebRequest({.url = Text(server.Url()), .timeoutSeconds = 1}, response);
  double seconds = SecondsSince(start);
  EXPECT_EQ(response.statusText, GbkText(u8"712 服务器未响应!"));
  // It waits for the time-out, and it does not wait for the 30 s default.
  EXPECT_GE(seconds, 0.9);
  EXPECT_LT(seconds, 15.0);
}

// A body that breaks off: the read failure stands in statusText, and the
// headers and the bytes that came are kept.
TEST(WebRequestAnswerTest, BrokenBodyKeepsTheBytesReadSoFar) {
  const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n";
  const std::string part(400, 'x');
  struct Case {
    const char* name;
    LoopbackServer::Handler handler;
  } cases[] = {
      {"connection cut", Raw(head + part)},
      {"connection stalls",
       [&](const HttpRequest&, Connection& c) {
         c.Send(head + part);
         c.Stall(60000);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopbackServer server(c.handler);
    WebResponse response;
    Text result = WebRequest({.url = Text(server.Url()), .timeoutSeconds = 1}, response);
    EXPECT_EQ(response.statusText, GbkText(u8"713 读取数据失败!"));
    EXPECT_EQ(response.responseHeaders, Text(head));
    EXPECT_EQ(response.responseBody, part);
    EXPECT_EQ(result, Text(part));
  }
}

TEST(WebRequestAnswerTest, ReadsAHundredMegabyteBody) {
  std::string body(100 << 20, '\0');
  for (std::size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>('a' + i % 26);
  LoopbackServer server([&](const HttpRequest&, Connection& c) {
    c.Send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n");
    c.Send(body);
  });
  WebResponse response;
  Text result = WebRequest({.url = Text(server.Url())}, response);
  EXPECT_EQ(response.statusText, Text("200 OK"));
  EXPECT_TRUE(response.responseBody == body);
  EXPECT_EQ(result.size(), static_cast<int>(body.size()));
}

class ProcessEventsTest : public testing::Test {
 protected:
  void TearDown() override { SetProcessEventsHook({}); }
};

TEST_F(ProcessEventsTest, RunsAfterEachHeaderLineAfterDecodingAndBeforeReturn) {
  int calls = 0;
  SetProcessEventsHook([&] { ++calls; });
  LoopbackServer server(Raw("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nX-A: 1\r\n\r\nok"));
  WebRequest({.url = Text(server.Url())});
  EXPECT_EQ(calls, 4 + 1 + 1);  // four lines (the empty one included), decoding, return

  calls = 0;
  WebRequest({.url = Text("nonsense")});
  EXPECT_EQ(calls, 1);
}

// Handlers that run inside the hook may make requests of their own.
TEST_F(ProcessEventsTest, NestedRequestsDoNotDisturbTheOuterOne) {
  LoopbackServer outer(LoopbackServer::Reply("outer"));
  LoopbackServer inner(LoopbackServer::Reply("inner"));
  Text nested;
  bool entered = false;
  SetProcessEventsHook([&] {
    if (entered) return;
    entered = true;
    nested = WebRequest({.url = Text(inner.Url())});
  });
  WebResponse response;
  EXPECT_EQ(WebRequest({.url = Text(outer.Url())}, response), Text("outer"));
  EXPECT_EQ(response.responseBody, "outer");
  EXPECT_EQ(nested, Text("inner"));
}

}  // namespace
}  // namespace velmora
