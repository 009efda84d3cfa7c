#include "http/response_cookies.h"

#include <gtest/gtest.h>

#include "http/cookies.h"
#include "http/process_events.h"
#include "text/charset.h"
#include "text_printer.h"

namespace velmora {
namespace {

TEST(ResponseCookiesTest, CollectsTheCookiesTheAnswerSets) {
  struct Case {
    const char* name;
    std::u8string lines;  // header lines, each followed by CRLF
    std::u8string before, after;
  } cases[] = {
      {"attributes dropped", u8"Set-Cookie: a=1; Path=/\r\nSet-Cookie: b=2\r\n", u8"",
       u8"a=1; b=2"},
      {"name compared exactly", u8"set-cookie: a=1\r\nSet-Cookie:a=1\r\n", u8"", u8""},
      {"appended without a separator", u8"Set-Cookie: a=1\r\n", u8"z=9", u8"z=9a=1"},
      {"appended after a separator", u8"Set-Cookie: a=1\r\n", u8"z=9; ", u8"z=9; a=1"},
      {"trailing separator dropped", u8"X: 1\r\n", u8"z=9; ", u8"z=9"},
      {"every name inside the line goes", u8"Set-Cookie: a=SET-COOKIE:b\r\n", u8"", u8"a=b"},
      {"full-width blanks trimmed", u8"Set-Cookie: \u3000a=1\u3000\r\n", u8"", u8"a=1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Text received = GbkText(c.before), location;
    ProcessResponseHeaders(Text("HTTP/1.1 200 OK\r\n") + GbkText(c.lines) + Text("\r\n"), Text(),
                           true, received, location);
    EXPECT_EQ(received, GbkText(c.after));
  }
}

TEST(ResponseCookiesTest, MergesWithTheSentCookiesWhenAsked) {
  Text headers("HTTP/1.1 200 OK\r\nSet-Cookie: b=20\r\nSet-Cookie: c=deleted\r\n\r\n");
  Text sent("a=1; b=2; c=3"), received, location;
  ProcessResponseHeaders(headers, sent, true, received, location);
  EXPECT_EQ(received, Text("b=20; a=1"));
  EXPECT_EQ(sent, Text("a=1; b=2; c=3"));  // the caller's text is not rewritten

  Text unmerged;
  ProcessResponseHeaders(headers, sent, false, unmerged, location);
  EXPECT_EQ(unmerged, Text("b=20; c=deleted"));
}

TEST(ResponseCookiesTest, TakesTheTargetOfTheLastLocationLine) {
  struct Case {
    const char *lines, *location;
  } cases[] = {
      {"Location: /next\r\n", "/next"},
      {"location: /x\r\n", "/x"},
      {"Location: /a\r\nLOCATION: /b\r\n", "/b"},
      {"Location:/tight\r\n", "/preset"},
      {"X: 1\r\n", "/preset"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    Text received, location("/preset");
    ProcessResponseHeaders(Text("HTTP/1.1 302 Found\r\n") + Text(c.lines) + Text("\r\n"), Text(),
                           true, received, location);
    EXPECT_EQ(location, Text(c.location));
  }
}

TEST(ResponseCookiesTest, LetsPendingEventsRunAfterEachLine) {
  int calls = 0;
  SetProcessEventsHook([&] { ++calls; });
  Text received, location;
  ProcessResponseHeaders(Text("HTTP/1.1 200 OK\r\nA: 1\r\nB: 2\r\n\r\n"), Text(), true, received,
                         location);
  SetProcessEventsHook({});
  EXPECT_EQ(calls, 4);
}

}  // namespace
}  // namespace velmora
